// The dialogs the system only opens and reads an answer from: message boxes,
// context help and the open-file dialog. Nothing is shown; each call is
// recorded (velko::platform::UserRecords) and answered by the current input
// source (input.h):
//   a message box takes the next action, which must be `answer`;
//   the open-file dialog takes the next action, `browse PATH` or `cancel`.
// Another action, or none, is reported to the source as a fault; a message
// box then answers as Escape would (IDCANCEL where it has Cancel, IDOK for
// a box with only OK, else its "no" button) and the action stays for
// whoever asks next; the open-file dialog answers FALSE.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "platform/user/user_types.h"

inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
inline constexpr UINT MB_YESNOCANCEL = 0x00000003;
inline constexpr UINT MB_YESNO = 0x00000004;
inline constexpr UINT MB_RETRYCANCEL = 0x00000005;
inline constexpr UINT MB_ICONHAND = 0x00000010;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONASTERISK = 0x00000040;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_DEFBUTTON2 = 0x00000100;
inline constexpr UINT MB_TYPEMASK = 0x0000000F;
inline constexpr UINT MB_ICONMASK = 0x000000F0;

// Returns the button the user chose (IDOK, IDCANCEL, IDYES, IDNO, ...). A
// missing caption is "Error", as on the platform.
int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

inline constexpr UINT HELP_CONTEXT = 0x0001;
inline constexpr UINT HELP_QUIT = 0x0002;
inline constexpr UINT HELP_CONTEXTPOPUP = 0x0008;
inline constexpr UINT HELP_CONTEXTMENU = 0x000A;
inline constexpr UINT HELP_WM_HELP = 0x000C;

// For HELP_CONTEXTMENU and HELP_WM_HELP, `data` points to (control id, help
// context id) pairs ending with a pair of zeros; the topic of `window`'s
// control id is recorded. A table without its two zeros in its first 1024
// pairs is recorded as malformed and the call fails.
BOOL WinHelp(HWND window, LPCSTR help_file, UINT command, ULONG_PTR data);

namespace velko::platform {
BOOL WinHelpWithTable(HWND window, LPCSTR help_file, UINT command, std::span<const DWORD> table);
}  // namespace velko::platform

// The same for a table the caller holds as an array: the end is checked
// within the array's bounds.
template <std::size_t N>
BOOL WinHelp(HWND window, LPCSTR help_file, UINT command, const DWORD (&table)[N]) {
  return velko::platform::WinHelpWithTable(window, help_file, command, std::span<const DWORD>(table, N));
}

inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr DWORD OFN_EXPLORER = 0x00080000;
inline constexpr DWORD OFN_NODEREFERENCELINKS = 0x00100000;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

// lpstrFilter is a list of NUL-terminated (description, pattern) texts ended
// by an empty text.
struct OPENFILENAME {
  DWORD lStructSize = sizeof(OPENFILENAME);
  HWND hwndOwner = 0;
  HINSTANCE hInstance = 0;
  LPCSTR lpstrFilter = nullptr;
  DWORD nFilterIndex = 0;
  LPSTR lpstrFile = nullptr;  // in: the initial name; out: the chosen path
  DWORD nMaxFile = 0;
  LPSTR lpstrFileTitle = nullptr;  // out: the name without its folder
  DWORD nMaxFileTitle = 0;
  LPCSTR lpstrInitialDir = nullptr;
  LPCSTR lpstrTitle = nullptr;
  DWORD Flags = 0;
  WORD nFileOffset = 0;     // out: where the name starts in lpstrFile
  WORD nFileExtension = 0;  // out: where the extension starts (0: none)
  LPCSTR lpstrDefExt = nullptr;  // appended to a chosen name without extension
  LPARAM lCustData = 0;
};

// TRUE with the path the source answered (`browse`); FALSE for `cancel` and
// when the path does not fit lpstrFile (CommDlgExtendedError then says
// FNERR_BUFFERTOOSMALL). The path is taken as the user typed it: existence
// is not checked.
BOOL GetOpenFileName(OPENFILENAME* request);
DWORD CommDlgExtendedError();

namespace velko::platform {

struct MessageBoxRecord {
  HWND owner = 0;
  std::string text;
  std::string caption;
  UINT icon = 0;     // type & MB_ICONMASK
  UINT buttons = 0;  // type & MB_TYPEMASK
  int answer = 0;
};

struct HelpRecord {
  HWND window = 0;
  int control_id = 0;  // GetDlgCtrlID of the window
  std::string file;
  UINT command = 0;
  bool table_ok = false;  // the table ends with a pair of zeros
  bool found = false;     // the control id is in the table
  DWORD context = 0;      // its help context id
};

struct OpenFileRecord {
  HWND owner = 0;
  std::string filter;  // the filter list with '|' between its texts
  std::string default_extension;
  DWORD flags = 0;
  bool chosen = false;
  std::string path;
};

struct UserRecordLog {
  std::vector<MessageBoxRecord> message_boxes;
  std::vector<HelpRecord> help;
  std::vector<OpenFileRecord> open_files;
};

UserRecordLog& UserRecords();
void ClearUserRecords();

// For static_asserts on the help tables: pairs ending with (0, 0).
constexpr bool HelpTableEndsWithZeros(std::span<const DWORD> table) {
  return table.size() >= 2 && table.size() % 2 == 0 && table[table.size() - 2] == 0 && table[table.size() - 1] == 0;
}

}  // namespace velko::platform
