// The open-file dialog: recorded, and answered by the next action of the
// input source, `browse PATH` or `cancel`.
#include <cstring>
#include <string>

#include "platform/user/common_dialogs.h"
#include "platform/user/input.h"
#include "platform/user/prompt.h"

namespace velko::platform {
namespace {

DWORD& LastError() {
  static DWORD error = 0;
  return error;
}

// "a\0b\0c\0d\0\0" -> "a|b|c|d".
std::string FilterText(LPCSTR filter) {
  std::string out;
  for (const char* p = filter; p != nullptr && *p != '\0'; p += std::strlen(p) + 1) {
    if (!out.empty()) out += '|';
    out += p;
  }
  return out;
}

std::size_t NameStart(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? 0 : slash + 1;
}

std::size_t ExtensionStart(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  return dot == std::string::npos || dot < NameStart(path) ? 0 : dot + 1;
}

// Puts the chosen path into the caller's buffers; false when it does not
// fit (the first two bytes then hold the size needed, as the platform does).
bool Deliver(OPENFILENAME& request, std::string path) {
  if (ExtensionStart(path) == 0 && request.lpstrDefExt != nullptr && *request.lpstrDefExt != '\0') {
    path += '.';
    path += request.lpstrDefExt;
  }
  if (request.lpstrFile == nullptr || path.size() + 1 > request.nMaxFile) {
    if (request.lpstrFile != nullptr && request.nMaxFile >= 2) {
      const auto need = static_cast<WORD>(path.size() + 1);
      std::memcpy(request.lpstrFile, &need, sizeof need);
    }
    LastError() = FNERR_BUFFERTOOSMALL;
    return false;
  }
  std::memcpy(request.lpstrFile, path.c_str(), path.size() + 1);
  request.nFileOffset = static_cast<WORD>(NameStart(path));
  request.nFileExtension = static_cast<WORD>(ExtensionStart(path));
  if (request.lpstrFileTitle != nullptr && request.nMaxFileTitle > 0) {
    const std::string name = path.substr(NameStart(path));
    const std::size_t n = std::min<std::size_t>(name.size(), request.nMaxFileTitle - 1);
    std::memcpy(request.lpstrFileTitle, name.data(), n);
    request.lpstrFileTitle[n] = '\0';
  }
  return true;
}

}  // namespace
}  // namespace velko::platform

BOOL GetOpenFileName(OPENFILENAME* request) {
  namespace vp = velko::platform;
  vp::LastError() = 0;
  if (request == nullptr) return FALSE;
  vp::OpenFileRecord record;
  record.owner = request->hwndOwner;
  record.filter = vp::FilterText(request->lpstrFilter);
  record.default_extension = request->lpstrDefExt != nullptr ? request->lpstrDefExt : "";
  record.flags = request->Flags;
  const vp::ScopedPrompt waiting({.kind = vp::WaitingPrompt::Kind::OpenFile, .owner = request->hwndOwner,
                                  .caption = request->lpstrTitle != nullptr ? request->lpstrTitle : "",
                                  .text = request->lpstrFile != nullptr ? request->lpstrFile : "",
                                  .type = request->Flags, .filter = record.filter,
                                  .initial_dir = request->lpstrInitialDir != nullptr ? request->lpstrInitialDir : "",
                                  .default_extension = record.default_extension});
  std::optional<vp::UserAction> action = vp::NextUserAction();
  if (action && action->kind == vp::ActionKind::Browse) {
    record.chosen = vp::Deliver(*request, action->text);
    if (record.chosen) record.path = request->lpstrFile;
  } else if (!action || action->kind != vp::ActionKind::Cancel) {
    vp::ReportInputFault(action ? &*action : nullptr,
                         action ? "the open-file dialog was open; it was cancelled and the action waits"
                                : "the input ran out while the open-file dialog was open; it was cancelled");
    if (action) vp::PushBackUserAction(std::move(*action));
  }
  const BOOL chosen = record.chosen ? TRUE : FALSE;
  vp::UserRecords().open_files.push_back(std::move(record));
  return chosen;
}

DWORD CommDlgExtendedError() { return velko::platform::LastError(); }
