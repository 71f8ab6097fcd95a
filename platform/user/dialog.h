// Dialogs: templates as plain data, registered with a module's resources and
// created by id, dialog units turned into pixels for the template's font,
// modeless creation, modal runs that end with EndDialog, and the dialog
// manager's default handling (WM_CLOSE and Escape become IDCANCEL).
//
// A template in a module's data:
//   constexpr ControlTemplate kControls[] = {
//       {IDOK, "BUTTON", "\xC8\xB7\xB6\xA8" /* 确定 */, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 100, 50, 14},
//       ...};
//   constexpr DialogTemplate kPrintMode{.caption = ..., .font_name = "\xCB\xCE\xCC\xE5" /* 宋体 */,
//                                       .font_size = 8, .cx = 200, .cy = 90, .controls = kControls};
//   RegisterResources(module, {DialogResource(2409, kPrintMode), ...});
//   DialogBoxParam(module, MAKEINTRESOURCE(2409), 0, PrintModeProc, 0);
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/res/resources.h"
#include "platform/user/styles.h"
#include "platform/user/user_types.h"

namespace velko::platform {

// One control of a template. Texts are GB2312 bytes; WS_CHILD is implied.
// `icon` names an icon resource of the dialog's module that an SS_ICON
// static or a BS_ICON button shows from the start (0: none).
struct ControlTemplate {
  int id = 0;
  std::string_view class_name;  // "BUTTON", "EDIT", "COMBOBOX", "LISTBOX", "SCROLLBAR", "STATIC",
                                // "msctls_trackbar32", "msctls_updown32"
  std::string_view text;
  DWORD style = 0;              // WS_ bits and the class's own bits
  short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  WORD icon = 0;
  DWORD ex_style = 0;
};

inline constexpr DWORD kDefaultDialogStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

struct DialogTemplate {
  std::string_view caption;    // GB2312 bytes
  std::string_view font_name;  // GB2312 bytes, "\xCB\xCE\xCC\xE5" (宋体) or "MS Shell Dlg"
  int font_size = 8;           // points
  short cx = 0, cy = 0;        // client size in dialog units
  std::span<const ControlTemplate> controls;
  DWORD style = kDefaultDialogStyle;  // add WS_VISIBLE for a modeless dialog shown at once
  DWORD ex_style = 0;
  short x = 0, y = 0;          // dialog units, from the owner's client area (or the screen)
};

// The resource entry that puts a template in a module's resource table
// (type RT_DIALOG). The template is referenced, not copied: it must live as
// long as the registration, as module data does.
ResourceEntry DialogResource(WORD id, const DialogTemplate& dialog_template);

// The registered template, or nullptr.
const DialogTemplate* FindDialogTemplate(HINSTANCE module, WORD id);

// Dialog base units of a font, in pixels at 96 dots per inch: the average
// width of a character and the height of a line. A horizontal dialog unit is
// a quarter of the width, a vertical one an eighth of the height.
struct DialogBaseUnits {
  int cx = 0;
  int cy = 0;
};
DialogBaseUnits BaseUnitsForFont(std::string_view face, int points);
RECT DialogUnitsToPixels(const RECT& dialog_units, DialogBaseUnits base);

// The template id a dialog was created from (for a property sheet, the
// template of its active page); 0 when it came from a template in memory.
int DialogTemplateId(HWND dialog);

// A string resource (type RT_STRING: the string's bytes, one resource per
// string id), or nothing.
std::optional<std::string> LoadStringText(HINSTANCE module, UINT id);

}  // namespace velko::platform

using LPCDLGTEMPLATE = const velko::platform::DialogTemplate*;

// Modeless: the dialog is created hidden, its controls are created, the
// procedure gets WM_INITDIALOG, and the dialog is shown if its template says
// WS_VISIBLE. The procedure also sees WM_CREATE first (lpCreateParams is
// `param`). A template that cannot be found or a control whose class is
// unknown gives 0.
HWND CreateDialogParam(HINSTANCE module, LPCSTR name, HWND parent, DLGPROC procedure, LPARAM param);
HWND CreateDialog(HINSTANCE module, LPCSTR name, HWND parent, DLGPROC procedure);
HWND CreateDialogIndirectParam(HINSTANCE module, LPCDLGTEMPLATE dialog_template, HWND parent, DLGPROC procedure,
                               LPARAM param);

// Modal: creates the dialog, disables the owner, shows the dialog and runs
// the modal loop, which pulls user actions from the current input source
// (input.h) until EndDialog. Returns EndDialog's value, or -1 when the
// dialog could not be created. When the source runs dry the dialog is closed
// as with the window's close box (WM_CLOSE, hence IDCANCEL), ended with
// IDCANCEL if it still runs, and the source is told.
INT_PTR DialogBoxParam(HINSTANCE module, LPCSTR name, HWND parent, DLGPROC procedure, LPARAM param);
INT_PTR DialogBox(HINSTANCE module, LPCSTR name, HWND parent, DLGPROC procedure);
INT_PTR DialogBoxIndirectParam(HINSTANCE module, LPCDLGTEMPLATE dialog_template, HWND parent, DLGPROC procedure,
                               LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);

// The dialog class's window procedure: the dialog procedure first; when it
// returns FALSE, the default handling. A TRUE result answers with
// DWLP_MSGRESULT (for WM_INITDIALOG, the procedure's own value).
LRESULT DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

BOOL MapDialogRect(HWND dialog, RECT* rect);
// The system font's base units: MAKELONG(8, 16).
LONG GetDialogBaseUnits();

// Copies at most size - 1 bytes of the string and a NUL; 0 when the module
// has no such string.
int LoadString(HINSTANCE module, UINT id, LPSTR buffer, int size);
