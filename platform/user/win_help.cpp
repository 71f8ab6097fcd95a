// Context help: WinHelp records which topic the help engine would show for
// a control, after checking that the table ends with its pair of zeros.
#include <string>

#include "platform/user/common_dialogs.h"
#include "platform/user/window.h"

namespace velko::platform {
namespace {

// A table without its end marker is not read further than this.
constexpr std::size_t kMaxHelpPairs = 1024;

bool UsesTable(UINT command) { return command == HELP_CONTEXTMENU || command == HELP_WM_HELP; }

// The length of the table up to and including its (0, 0) pair, or 0 when
// the pair is not within `available` values.
std::size_t TableLength(const DWORD* table, std::size_t available) {
  for (std::size_t i = 0; i + 1 < available; i += 2) {
    if (table[i] == 0 && table[i + 1] == 0) return i + 2;
  }
  return 0;
}

}  // namespace

BOOL WinHelpWithTable(HWND window, LPCSTR help_file, UINT command, std::span<const DWORD> table) {
  HelpRecord record;
  record.window = window;
  record.control_id = GetDlgCtrlID(window);
  record.file = help_file != nullptr ? help_file : "";
  record.command = command;
  if (UsesTable(command)) {
    const std::size_t length = TableLength(table.data(), table.size());
    record.table_ok = length != 0;
    for (std::size_t i = 0; record.table_ok && i + 2 < length; i += 2) {
      if (static_cast<int>(table[i]) == record.control_id) {
        record.found = true;
        record.context = table[i + 1];
        break;
      }
    }
  } else {
    record.table_ok = true;
  }
  const bool ok = record.table_ok;
  UserRecords().help.push_back(std::move(record));
  return ok ? TRUE : FALSE;
}

}  // namespace velko::platform

BOOL WinHelp(HWND window, LPCSTR help_file, UINT command, ULONG_PTR data) {
  const auto* table = reinterpret_cast<const DWORD*>(data);
  if (table == nullptr) return velko::platform::WinHelpWithTable(window, help_file, command, {});
  // Without a length the table is read pair by pair up to its end marker.
  std::size_t length = 0;
  for (; length < 2 * velko::platform::kMaxHelpPairs; length += 2) {
    if (table[length] == 0 && table[length + 1] == 0) {
      length += 2;
      break;
    }
  }
  return velko::platform::WinHelpWithTable(window, help_file, command, std::span<const DWORD>(table, length));
}
