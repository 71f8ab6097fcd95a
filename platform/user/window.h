// Windows and messages: creation and destruction, the parent/child tree,
// text, styles, enabled and visible state, focus, geometry and message
// sending, with the Win32 spellings the system's code uses.
//
// Every window is a 32-bit handle of the platform's handle table. Messages
// are sent synchronously to the window's procedure (there is no queue); a
// stale or foreign handle is answered as "no such window" (0, FALSE).
// Window texts are bytes in the system code page (GB2312).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/user/control_messages.h"
#include "platform/user/messages.h"
#include "platform/user/styles.h"
#include "platform/user/user_types.h"

// Creation and destruction. For a child window `menu_or_id` is its control
// id. The class names the built-in controls (control_messages.h, compared
// without regard to case) or "#32770", the dialog class; any other name
// fails with 0.
HWND CreateWindowEx(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu_or_id, HINSTANCE instance, LPVOID param);
// An up-down control with its buddy, range and position set.
HWND CreateUpDownControl(DWORD style, int x, int y, int cx, int cy, HWND parent, int id, HINSTANCE instance,
                         HWND buddy, int upper, int lower, int pos);
// Sends WM_DESTROY to the window and then to its children, and forgets them.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

// Messages.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
// The default handling of every message a window procedure leaves alone:
// text storage, painting (validation and background), WM_CONTEXTMENU passed
// on to the parent, WM_CLOSE destroying the window.
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The tree. Children are kept in creation order, which is their z-order
// (the first created on top) and the dialog's tab and group order.
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
HWND GetParent(HWND window);
HWND GetWindow(HWND window, UINT relation);
BOOL IsChild(HWND parent, HWND window);
// The next (or previous) control of the window's group, wrapping inside the
// group, skipping hidden and disabled controls.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
// The next (or previous) visible, enabled WS_TABSTOP control; 0 for
// `control` starts at the beginning (or the end).
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
int GetClassName(HWND window, LPSTR buffer, int size);

// Text. Reads copy at most size - 1 bytes and never split a double-byte
// character; the result is the number of bytes copied.
BOOL SetWindowText(HWND window, LPCSTR text);
int GetWindowText(HWND window, LPSTR buffer, int size);
int GetWindowTextLength(HWND window);
BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size);
// Leading blanks are skipped, an optional minus sign (signed only) and the
// decimal digits up to the first other character are read. No digit, or a
// value outside INT (signed) or UINT (unsigned), gives 0 and FALSE.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL is_signed);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL is_signed);

// State. IsWindowEnabled looks at the window's own WS_DISABLED;
// IsWindowVisible needs the window and all its ancestors visible.
BOOL EnableWindow(HWND window, BOOL enable);  // TRUE when it was disabled before
BOOL IsWindowEnabled(HWND window);
BOOL ShowWindow(HWND window, int command);  // TRUE when it was visible before
BOOL IsWindowVisible(HWND window);
LONG GetWindowLong(HWND window, int index);
LONG SetWindowLong(HWND window, int index, LONG value);
LONG_PTR GetWindowLongPtr(HWND window, int index);
LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);

// Buttons of a dialog.
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
// Checks `check` and unchecks every other child whose id lies in
// [first, last].
BOOL CheckRadioButton(HWND dialog, int first, int last, int check);

// Geometry. A child's window rectangle lives in its parent's client area;
// top-level windows sit on a 1024 x 768 screen. Non-client frames: a caption
// is 18 pixels plus a 3-pixel dialog frame on every side, WS_BORDER 1,
// WS_EX_CLIENTEDGE 2, WS_EX_STATICEDGE 1.
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL ScreenToClient(HWND window, POINT* point);
BOOL ClientToScreen(HWND window, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND window, HWND insert_after, int x, int y, int cx, int cy, UINT flags);

// Focus: WM_KILLFOCUS goes to the window that loses it, then WM_SETFOCUS to
// the one that gains it. Returns the window that had it.
HWND SetFocus(HWND window);
HWND GetFocus();

// Scroll bar controls (SB_CTL); the standard scroll bars of other windows are
// not kept, and those calls answer 0.
int SetScrollPos(HWND window, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND window, int bar);
BOOL SetScrollRange(HWND window, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND window, int bar, int* min, int* max);
int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info);

namespace velko::platform {

// The whole text of a window, however long.
std::string WindowText(HWND window);

// The class name as registered ("BUTTON", "msctls_trackbar32", "#32770"),
// empty for no window.
std::string_view WindowClassName(HWND window);

// The number of live windows; tests use it to see that nothing leaked.
std::size_t WindowCount();

// The top-level windows in creation order, for the front ends that show
// the screen.
std::vector<HWND> TopLevelWindows();

}  // namespace velko::platform
