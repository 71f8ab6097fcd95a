// The window manager's Win32 types: procedure signatures, the records that
// creation and notifications pass by pointer, and the helpers that pack and
// unpack message parameters.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/geometry.h"
#include "platform/res/resources.h"
#include "platform/win32_types.h"

using INT_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using LONG_PTR = intptr_t;
using ULONG_PTR = uintptr_t;
using DWORD_PTR = uintptr_t;
using SHORT = int16_t;

using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
using DLGPROC = INT_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

constexpr WORD LOWORD(uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr DWORD MAKELONG(WORD low, WORD high) { return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return MAKELONG(low, high); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high) { return static_cast<LPARAM>(MAKELONG(low, high)); }
constexpr LRESULT MAKELRESULT(WORD low, WORD high) { return static_cast<LRESULT>(MAKELONG(low, high)); }

// What CreateWindowEx passes with WM_NCCREATE and WM_CREATE (lParam points
// to it). For a dialog, lpCreateParams is the dialog's initialisation value.
struct CREATESTRUCT {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;  // a child's control id
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCSTR lpszName;
  LPCSTR lpszClass;
  DWORD dwExStyle;
};

// The header of every WM_NOTIFY. Laid out as the 32-bit platform lays it
// (handles are 32-bit numbers here): the code is at byte offset 8, which is
// where the 16-bit driver's page procedures read it, so the host copies the
// 12 bytes into 16:16 memory unchanged.
struct NMHDR {
  HWND hwndFrom;
  UINT idFrom;
  UINT code;
};
static_assert(sizeof(NMHDR) == 12);
static_assert(offsetof(NMHDR, hwndFrom) == 0 && offsetof(NMHDR, idFrom) == 4 && offsetof(NMHDR, code) == 8);

// UDN_DELTAPOS: the position before the change and the proposed step.
struct NMUPDOWN {
  NMHDR hdr;
  int iPos;
  int iDelta;
};
static_assert(offsetof(NMUPDOWN, iPos) == 12 && offsetof(NMUPDOWN, iDelta) == 16);

// Property sheet notifications; lParam is TRUE in PSN_APPLY when the sheet
// closes (OK) and FALSE for the Apply button.
struct PSHNOTIFY {
  NMHDR hdr;
  LPARAM lParam;
};

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;  // TRUE when WM_ERASEBKGND left the background to the painter
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
};

struct SCROLLINFO {
  UINT cbSize;
  UINT fMask;
  int nMin;
  int nMax;
  UINT nPage;
  int nPos;
  int nTrackPos;
};
