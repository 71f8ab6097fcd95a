// GDI on real pixels, with the Win32 spellings the system's drawing code
// uses: device contexts of windows and memory, bitmaps and DIB sections,
// brushes, palettes, raster operations, stretching, flood fill, pixels, and
// the loading of bitmaps and icons from module resources and BMP files.
//
// Coordinates are device pixels (no mapping modes). Colors written to a
// window or a display-format bitmap go through the palette mapping when the
// display is switched to a palette display (velko::platform::
// SetDisplayPaletteMode); on the default true-color display they are kept.
#pragma once

#include <filesystem>

#include "platform/gdi/gdi_types.h"
#include "platform/res/resources.h"

// Device contexts. GetDC(0) gives a screen DC that reports the display's
// capabilities but has no pixels.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC hdc);
// A memory DC holds a 1 x 1 monochrome bitmap until another is selected.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
// Bitmaps (memory DCs only, one DC per bitmap at a time), brushes and pens;
// returns the previously selected object, 0 on failure.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);

COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
int SetStretchBltMode(HDC hdc, int mode);
int GetStretchBltMode(HDC hdc);
BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC hdc, POINT* origin);
// The screen position of the DC's origin: the window's for a window DC.
BOOL GetDCOrgEx(HDC hdc, POINT* origin);
int GetDeviceCaps(HDC hdc, int index);
// Clipping is one rectangle per DC; it starts as the whole target.
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int GetClipBox(HDC hdc, RECT* box);
COLORREF GetNearestColor(HDC hdc, COLORREF color);

// Objects.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bits_pixel, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);
HBRUSH CreateSolidBrush(COLORREF color);
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
int GetObject(HGDIOBJ object, int size, LPVOID buffer);
DWORD GetObjectType(HGDIOBJ object);

// Palettes.
HPALETTE CreatePalette(const LOGPALETTE* palette);
HPALETTE CreateHalftonePalette(HDC hdc);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color);
HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL force_background);
UINT RealizePalette(HDC hdc);

// Drawing.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int source_x, int source_y, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                int source_width, int source_height, DWORD rop);
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
COLORREF GetPixel(HDC hdc, int x, int y);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color);
BOOL ExtFloodFill(HDC hdc, int x, int y, COLORREF color, UINT type);
BOOL FloodFill(HDC hdc, int x, int y, COLORREF border);
BOOL DrawIcon(HDC hdc, int x, int y, HICON icon);

// Images from a module's resources (name: MAKEINTRESOURCE(id)) or, with
// LR_LOADFROMFILE, from a BMP file. A missing or malformed image gives 0.
HANDLE LoadImage(HINSTANCE module, LPCSTR name, UINT type, int width, int height, UINT flags);
HBITMAP LoadBitmap(HINSTANCE module, LPCSTR name);
HICON LoadIcon(HINSTANCE module, LPCSTR name);
BOOL DestroyIcon(HICON icon);

namespace velko::platform {

void SetDisplayPaletteMode(bool on);
bool DisplayPaletteMode();

// The icon resource an icon handle was loaded from (0 when it was not).
WORD IconResourceId(HICON icon);

// LoadImage of a BMP file at a host path (the Windows-path entry point
// resolves its name through the drive mapping and calls this).
HANDLE LoadImageFromHostFile(const std::filesystem::path& path, UINT type, int width, int height, UINT flags);

}  // namespace velko::platform
