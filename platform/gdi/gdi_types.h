// The GDI records and constants the system's drawing code uses, with their
// Win32 names, values and 32-bit field layouts.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/geometry.h"
#include "platform/win32_types.h"

// Colors: 0x00BBGGRR; the high byte marks palette-relative colors.
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr COLORREF PALETTERGB(BYTE r, BYTE g, BYTE b) { return 0x02000000u | RGB(r, g, b); }
constexpr COLORREF PALETTEINDEX(WORD index) { return 0x01000000u | index; }
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>(c >> 8); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>(c >> 16); }

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
inline constexpr UINT GDI_ERROR = 0xFFFFFFFF;

#pragma pack(push, 1)
struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};

struct RGBTRIPLE {
  BYTE rgbtBlue;
  BYTE rgbtGreen;
  BYTE rgbtRed;
};

struct BITMAPFILEHEADER {
  WORD bfType;  // "BM"
  DWORD bfSize;
  WORD bfReserved1;
  WORD bfReserved2;
  DWORD bfOffBits;
};

struct BITMAPCOREHEADER {
  DWORD bcSize;  // 12
  WORD bcWidth;
  WORD bcHeight;
  WORD bcPlanes;
  WORD bcBitCount;
};

struct BITMAPINFOHEADER {
  DWORD biSize;  // 40, or larger for the later header versions
  LONG biWidth;
  LONG biHeight;  // negative: rows run top-down
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};
#pragma pack(pop)

static_assert(sizeof(RGBQUAD) == 4 && sizeof(RGBTRIPLE) == 3);
static_assert(sizeof(BITMAPFILEHEADER) == 14 && offsetof(BITMAPFILEHEADER, bfOffBits) == 10);
static_assert(sizeof(BITMAPCOREHEADER) == 12 && offsetof(BITMAPCOREHEADER, bcBitCount) == 10);
static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(offsetof(BITMAPINFOHEADER, biBitCount) == 14 && offsetof(BITMAPINFOHEADER, biCompression) == 16 &&
              offsetof(BITMAPINFOHEADER, biClrUsed) == 32);

// The header followed by the color table (or the three BI_BITFIELDS masks);
// callers allocate room for as many colors as they pass.
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

struct BITMAP {
  LONG bmType;  // 0
  LONG bmWidth;
  LONG bmHeight;  // always positive
  LONG bmWidthBytes;  // bytes per row: DIB sections pad to 4, other bitmaps to 2
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;  // the pixel bits of a DIB section; null for other bitmaps
};

struct DIBSECTION {
  BITMAP dsBm;
  BITMAPINFOHEADER dsBmih;  // biHeight keeps its sign
  DWORD dsBitfields[3];
  HANDLE dshSection;
  DWORD dsOffset;
};

struct PALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
};

struct LOGPALETTE {
  WORD palVersion;  // 0x300
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[1];  // palNumEntries entries
};

struct LOGBRUSH {
  UINT lbStyle;
  COLORREF lbColor;
  uintptr_t lbHatch;
};

static_assert(sizeof(PALETTEENTRY) == 4 && offsetof(LOGPALETTE, palPalEntry) == 4);

// Bitmap compression.
inline constexpr DWORD BI_RGB = 0;
inline constexpr DWORD BI_RLE8 = 1;
inline constexpr DWORD BI_RLE4 = 2;
inline constexpr DWORD BI_BITFIELDS = 3;

// Color table usage of CreateDIBSection.
inline constexpr UINT DIB_RGB_COLORS = 0;
inline constexpr UINT DIB_PAL_COLORS = 1;

// Ternary raster operations: bits 16..23 are the truth table over pattern,
// source and destination (pattern the most significant).
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD SRCERASE = 0x00440328;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD NOTSRCERASE = 0x001100A6;
inline constexpr DWORD MERGECOPY = 0x00C000CA;
inline constexpr DWORD MERGEPAINT = 0x00BB0226;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATPAINT = 0x00FB0A09;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;

// Stretch modes.
inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;
inline constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
inline constexpr int STRETCH_ORSCANS = WHITEONBLACK;
inline constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
inline constexpr int STRETCH_HALFTONE = HALFTONE;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Flood fill kinds.
inline constexpr UINT FLOODFILLBORDER = 0;
inline constexpr UINT FLOODFILLSURFACE = 1;

// Clip region kinds returned by the clipping calls.
inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// GetDeviceCaps indices and values.
inline constexpr int DRIVERVERSION = 0;
inline constexpr int TECHNOLOGY = 2;
inline constexpr int HORZSIZE = 4;
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMCOLORS = 24;
inline constexpr int RASTERCAPS = 38;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int SIZEPALETTE = 104;
inline constexpr int NUMRESERVED = 106;
inline constexpr int COLORRES = 108;
inline constexpr int DT_RASDISPLAY = 1;
inline constexpr int RC_BITBLT = 0x0001;
inline constexpr int RC_BITMAP64 = 0x0008;
inline constexpr int RC_DI_BITMAP = 0x0080;
inline constexpr int RC_PALETTE = 0x0100;
inline constexpr int RC_DIBTODEV = 0x0200;
inline constexpr int RC_STRETCHBLT = 0x0800;
inline constexpr int RC_FLOODFILL = 0x1000;
inline constexpr int RC_STRETCHDIB = 0x2000;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int DEFAULT_PALETTE = 15;

// Brush styles.
inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;

// Palette entry flags.
inline constexpr BYTE PC_RESERVED = 0x01;
inline constexpr BYTE PC_EXPLICIT = 0x02;
inline constexpr BYTE PC_NOCOLLAPSE = 0x04;

// GetObjectType results.
inline constexpr DWORD OBJ_PEN = 1;
inline constexpr DWORD OBJ_BRUSH = 2;
inline constexpr DWORD OBJ_DC = 3;
inline constexpr DWORD OBJ_PAL = 5;
inline constexpr DWORD OBJ_BITMAP = 7;
inline constexpr DWORD OBJ_MEMDC = 10;

// LoadImage kinds and flags.
inline constexpr UINT IMAGE_BITMAP = 0;
inline constexpr UINT IMAGE_ICON = 1;
inline constexpr UINT LR_DEFAULTCOLOR = 0x0000;
inline constexpr UINT LR_MONOCHROME = 0x0001;
inline constexpr UINT LR_LOADFROMFILE = 0x0010;
inline constexpr UINT LR_DEFAULTSIZE = 0x0040;
inline constexpr UINT LR_CREATEDIBSECTION = 0x2000;
inline constexpr UINT LR_SHARED = 0x8000;
