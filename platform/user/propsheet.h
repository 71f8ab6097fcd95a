// Property sheets: a dialog that holds pages (modeless child dialogs, one
// shown at a time, each created with WM_INITDIALOG on its first activation)
// and the OK, Cancel and Apply buttons. Changing pages sends PSN_KILLACTIVE
// to the page that was active (a nonzero DWLP_MSGRESULT keeps it), then
// PSN_SETACTIVE to the new one. WM_NOTIFY's NMHDR comes from the sheet with
// idFrom 0.
//
// OK: PSN_KILLACTIVE to the active page, PSN_APPLY (lParam TRUE) to every
// created page, then the sheet ends with 1. Cancel, Escape and the close box:
// PSN_QUERYCANCEL to the active page, PSN_RESET to every created page, then
// the sheet ends with 0. The sheet's window procedure can be subclassed from
// the PSCB_INITIALIZED callback, which runs before the sheet's WM_INITDIALOG,
// so a subclass sees the sheet start and the buttons' WM_COMMAND first.
#pragma once

#include <string>

#include "platform/user/dialog.h"
#include "platform/user/messages.h"
#include "platform/user/user_types.h"

inline constexpr DWORD PSP_DEFAULT = 0x0000;
inline constexpr DWORD PSP_DLGINDIRECT = 0x0001;
inline constexpr DWORD PSP_USETITLE = 0x0008;
inline constexpr DWORD PSP_HASHELP = 0x0020;

inline constexpr DWORD PSH_DEFAULT = 0x0000;
inline constexpr DWORD PSH_PROPSHEETPAGE = 0x0008;
inline constexpr DWORD PSH_NOAPPLYNOW = 0x0080;
inline constexpr DWORD PSH_USECALLBACK = 0x0100;
inline constexpr DWORD PSH_HASHELP = 0x0200;
inline constexpr DWORD PSH_MODELESS = 0x0400;

inline constexpr UINT PSCB_INITIALIZED = 1;

inline constexpr UINT PSN_SETACTIVE = static_cast<UINT>(-200);
inline constexpr UINT PSN_KILLACTIVE = static_cast<UINT>(-201);
inline constexpr UINT PSN_APPLY = static_cast<UINT>(-202);
inline constexpr UINT PSN_RESET = static_cast<UINT>(-203);
inline constexpr UINT PSN_HELP = static_cast<UINT>(-205);
inline constexpr UINT PSN_QUERYCANCEL = static_cast<UINT>(-209);
static_assert((PSN_SETACTIVE & 0xFFFF) == 0xFF38 && (PSN_KILLACTIVE & 0xFFFF) == 0xFF37);

inline constexpr LONG_PTR PSNRET_NOERROR = 0;
inline constexpr LONG_PTR PSNRET_INVALID = 1;
inline constexpr LONG_PTR PSNRET_INVALID_NOCHANGEPAGE = 2;

inline constexpr UINT PSM_SETCURSEL = WM_USER + 101;
inline constexpr UINT PSM_CHANGED = WM_USER + 104;
inline constexpr UINT PSM_UNCHANGED = WM_USER + 109;
inline constexpr UINT PSM_PRESSBUTTON = WM_USER + 113;
inline constexpr UINT PSM_GETCURRENTPAGEHWND = WM_USER + 118;

inline constexpr WPARAM PSBTN_OK = 3;
inline constexpr WPARAM PSBTN_APPLYNOW = 4;
inline constexpr WPARAM PSBTN_CANCEL = 5;
inline constexpr WPARAM PSBTN_HELP = 6;

inline constexpr int ID_APPLY_NOW = 0x3021;

using PFNPROPSHEETCALLBACK = int (*)(HWND sheet, UINT message, LPARAM lParam);

// pszTemplate is MAKEINTRESOURCE(id) of a template in hInstance's
// resources; with PSP_DLGINDIRECT, pResource is the template itself.
// WM_INITDIALOG's lParam points to the sheet's copy of this record.
struct PROPSHEETPAGE {
  DWORD dwSize = sizeof(PROPSHEETPAGE);
  DWORD dwFlags = PSP_DEFAULT;
  HINSTANCE hInstance = 0;
  LPCSTR pszTemplate = nullptr;
  LPCDLGTEMPLATE pResource = nullptr;
  LPCSTR pszTitle = nullptr;  // the tab text with PSP_USETITLE, else the template caption
  DLGPROC pfnDlgProc = nullptr;
  LPARAM lParam = 0;
};

struct PROPSHEETHEADER {
  DWORD dwSize = sizeof(PROPSHEETHEADER);
  DWORD dwFlags = PSH_PROPSHEETPAGE;
  HWND hwndParent = 0;
  HINSTANCE hInstance = 0;
  LPCSTR pszCaption = nullptr;  // GB2312 text
  UINT nPages = 0;
  UINT nStartPage = 0;
  const PROPSHEETPAGE* ppsp = nullptr;
  PFNPROPSHEETCALLBACK pfnCallback = nullptr;  // with PSH_USECALLBACK
};

// Modal: runs the sheet like DialogBox and returns what ended it (1 for OK,
// 0 for Cancel, or EndDialog's value), -1 when it could not be built.
// With PSH_MODELESS: returns the sheet's handle; after OK or Cancel the sheet
// stays until destroyed, and PSM_GETCURRENTPAGEHWND answers 0.
INT_PTR PropertySheet(const PROPSHEETHEADER* header);

namespace velko::platform {

bool IsPropertySheet(HWND window);
// The index of the active page, -1 for no sheet.
int PropertySheetActivePage(HWND sheet);
// The number of pages and a page's window (0 until it was first shown).
int PropertySheetPageCount(HWND sheet);
HWND PropertySheetPage(HWND sheet, int index);
// The page's tab text (GB2312).
std::string PropertySheetPageTitle(HWND sheet, int index);

}  // namespace velko::platform
