// Painting: each window keeps an update rectangle; WM_PAINT reaches the
// windows that have one when the platform is idle (after each user action
// and whenever a modal loop waits), parents before children, and
// UpdateWindow delivers it at once. BeginPaint draws through GDI's window
// device context over the window's surface.
#pragma once

#include "platform/user/user_types.h"

// `rect` in client coordinates, or the whole client area for nullptr. A
// window without WS_CLIPCHILDREN passes the invalidation on to the children
// it overlaps.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
// Sends WM_ERASEBKGND when the invalidation asked for it, validates the
// window and returns GDI's device context for it (0 when GDI is absent).
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// Owner-drawn controls (BS_OWNERDRAW, SS_OWNERDRAW) ask their parent to
// paint them with WM_DRAWITEM.
inline constexpr UINT ODT_BUTTON = 4;
inline constexpr UINT ODT_STATIC = 5;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;

struct DRAWITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemAction;
  UINT itemState;
  HWND hwndItem;
  HDC hDC;
  RECT rcItem;
  ULONG_PTR itemData;
};

namespace velko::platform {

// Sends WM_PAINT to every visible window with a pending update. A window
// whose WM_PAINT validates nothing is validated afterwards, so a handler
// that paints without BeginPaint is not called again and again.
void DispatchPendingPaints();

// The background a window's erase fills its surface with: the dialog face
// (light grey) for dialogs; other windows leave their surface as it is.
inline constexpr COLORREF kDialogFaceColor = 0xC0C0C0;

}  // namespace velko::platform
