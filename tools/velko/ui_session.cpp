// The sheet run behind the browser, and the answers it gives.
#include "tools/velko/ui_session.h"

#include <algorithm>
#include <span>
#include <system_error>

#include "host/script/control_probe.h"
#include "host/script/text_codec.h"
#include "platform/kernel/drive.h"
#include "platform/user/prompt.h"
#include "platform/user/user.h"
#include "tools/velko/commands.h"
#include "tools/velko/files.h"

namespace velko::cli::ui {
namespace {

using Json = nlohmann::json;
using platform::ActionKind;

std::string Dump(const Json& j) { return j.dump(-1, ' ', false, Json::error_handler_t::replace); }

Reply JsonReply(int status, const Json& j) { return Reply{status, Dump(j)}; }

Reply ErrorReply(int status, const std::string& message) { return JsonReply(status, Json{{"error", message}}); }

bool NeedsControl(ActionKind kind) {
  switch (kind) {
    case ActionKind::Click:
    case ActionKind::Select:
    case ActionKind::Type:
    case ActionKind::Clear:
    case ActionKind::Leave:
    case ActionKind::Scroll:
    case ActionKind::Trackbar:
    case ActionKind::Help: return true;
    default: return false;
  }
}

// True when `path` lies inside `root` (both canonical).
bool Inside(const std::filesystem::path& path, const std::filesystem::path& root) {
  const auto [r, p] = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
  return r == root.end();
}

// The host folder or file a Windows path names, when it stays inside the
// mapped drive even after links are followed.
std::optional<std::filesystem::path> OnDrive(const std::string& windows_path) {
  const std::optional<std::filesystem::path> mapped = platform::MapWindowsPath(windows_path);
  if (!mapped) return std::nullopt;
  std::error_code error;
  const std::filesystem::path root = std::filesystem::weakly_canonical(platform::DriveRoot(), error);
  if (error) return std::nullopt;
  const std::filesystem::path real = std::filesystem::weakly_canonical(*mapped, error);
  if (error || !Inside(real, root)) return std::nullopt;
  return real;
}

std::string_view OutcomeName(host::SheetOutcome outcome) {
  switch (outcome) {
    case host::SheetOutcome::Ok: return "ok";
    case host::SheetOutcome::Cancelled: return "cancel";
    default: return "";
  }
}

}  // namespace

UiSession::UiSession(host::Driver& driver, JobQueue& queue, std::filesystem::path save)
    : driver_(driver),
      queue_(queue),
      save_(std::move(save)),
      calls_(driver),
      sheet_(calls_, driver.Current()),
      input_(queue, [this](const platform::UserAction& a) { return Refuse(a); },
             [this](const std::string& error) { return Answer(error); }) {}

host::SheetOutcome UiSession::Run() {
  const platform::ScopedInputSource scope(input_);
  platform::ClearUserRecords();
  sheet_.Open();
  while (sheet_.sheet() != 0) {
    const std::optional<platform::UserAction> action = platform::NextUserAction();
    if (!action) break;
    const platform::ActionResult result = sheet_.Apply(*action);
    if (!result) platform::ReportInputFault(&*action, result.error);
  }
  outcome_ = sheet_.outcome();
  if (outcome_ == host::SheetOutcome::Ok && !save_.empty()) {
    try {
      const auto* bytes = reinterpret_cast<const uint8_t*>(&driver_.Current());
      WriteFileAtomically(save_, std::span(bytes, sizeof(SettingsRecord)));
      saved_ = true;
    } catch (const WorkError& e) {
      save_error_ = e.what();
    }
  }
  sheet_.Close();
  input_.FinishCurrent();
  queue_.Close();
  for (const std::shared_ptr<Job>& job : queue_.Drain()) {
    job->reply.set_value(job->actions.empty() && job->work ? job->work() : ErrorReply(409, "the sheet has ended"));
  }
  return outcome_;
}

std::string UiSession::Refuse(const platform::UserAction& a) {
  const platform::WaitingPrompt* prompt = platform::CurrentPrompt();
  using Kind = platform::WaitingPrompt::Kind;
  if (prompt != nullptr && prompt->kind == Kind::MessageBox && a.kind != ActionKind::Answer) {
    return "a message box is open: answer it first";
  }
  if (prompt != nullptr && prompt->kind == Kind::OpenFile && a.kind != ActionKind::Browse &&
      a.kind != ActionKind::Cancel) {
    return "the open-file dialog is open: choose a file or cancel it first";
  }
  if (a.kind == ActionKind::Answer && (prompt == nullptr || prompt->kind != Kind::MessageBox)) {
    return "no message box is open";
  }
  if (a.kind == ActionKind::Browse) {
    if (prompt == nullptr || prompt->kind != Kind::OpenFile) return "no open-file dialog is open";
    if (!OnDrive(a.text)) return "the path " + script::Gb2312ToUtf8(a.text) + " is not on drive C:";
  }
  if (!NeedsControl(a.kind)) return {};
  const HWND target = ActionWindow(sheet_.sheet());
  if (target == 0) return "no dialog or page is open";
  if (platform::FindActionControl(target, a.id) == 0) {
    return "no control " + std::to_string(a.id) + " on dialog " + std::to_string(platform::DialogTemplateId(target));
  }
  return {};
}

Json UiSession::Screen() {
  Json j = ScreenJson(sheet_.sheet(), images_);
  const std::string_view ended = OutcomeName(outcome_);
  j["ended"] = ended.empty() ? Json(nullptr) : Json(ended);
  if (saved_) j["saved"] = save_.string();
  if (!save_error_.empty()) j["saveError"] = save_error_;
  const auto& help = platform::UserRecords().help;
  j["helpCount"] = help.size();
  if (!help.empty()) {
    const platform::HelpRecord& h = help.back();
    j["help"] = {{"control", h.control_id}, {"context", h.context}, {"found", h.found && h.table_ok},
                 {"file", script::Gb2312ToUtf8(h.file)}};
  }
  return j;
}

Reply UiSession::Answer(const std::string& error) {
  Json j = Screen();
  if (!error.empty()) j["error"] = error;
  return JsonReply(error.empty() ? 200 : 400, j);
}

Reply UiSession::State() { return JsonReply(200, Screen()); }

Reply UiSession::Image(HWND window, const std::string& version) {
  std::optional<std::vector<uint8_t>> png = images_.Png(window, version);
  if (!png && IsWindow(window)) {
    Screen();  // pictures are made as the screen is described
    png = images_.Png(window, {});
  }
  if (!png) return ErrorReply(404, "no picture of window " + std::to_string(window));
  return Reply{200, std::string(png->begin(), png->end()), "image/png"};
}

Reply UiSession::Files(const std::string& folder_utf8) {
  const std::optional<std::string> folder = script::Utf8ToGb2312(folder_utf8);
  if (!folder) return ErrorReply(400, "the folder name has a character that GB2312 cannot hold");
  const std::optional<std::filesystem::path> path = OnDrive(*folder);
  std::error_code error;
  if (!path || !std::filesystem::is_directory(*path, error)) {
    return ErrorReply(400, folder_utf8 + " is no folder on drive C:");
  }
  Json entries = Json::array();
  for (const auto& entry : std::filesystem::directory_iterator(*path, error)) {
    std::string windows = *folder;
    if (windows.empty() || (windows.back() != '\\' && windows.back() != '/')) windows += '\\';
    windows += entry.path().filename().string();
    if (!OnDrive(windows)) continue;
    const bool is_folder = entry.is_directory(error);
    entries.push_back({{"name", script::Gb2312ToUtf8(entry.path().filename().string())},
                       {"folder", is_folder},
                       {"size", is_folder ? 0 : static_cast<int64_t>(entry.file_size(error))}});
  }
  std::sort(entries.begin(), entries.end(), [](const Json& a, const Json& b) {
    if (a["folder"] != b["folder"]) return a["folder"].get<bool>();
    return a["name"].get<std::string>() < b["name"].get<std::string>();
  });
  return JsonReply(200, Json{{"folder", folder_utf8}, {"entries", std::move(entries)}});
}

}  // namespace velko::cli::ui
