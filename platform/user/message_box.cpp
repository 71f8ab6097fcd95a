// Message boxes: recorded, and answered by the next action of the input
// source, which must be `answer`.
#include <string>

#include "platform/user/common_dialogs.h"
#include "platform/user/input.h"
#include "platform/user/messages.h"
#include "platform/user/prompt.h"

namespace velko::platform {
namespace {

bool HasCancel(UINT buttons) {
  return buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL || buttons == MB_RETRYCANCEL;
}

// Escape: Cancel where the box has it; a box with only OK answers OK; the
// others cannot be escaped and take their first button's "no" side.
int EscapeAnswer(UINT buttons) {
  if (HasCancel(buttons)) return IDCANCEL;
  if (buttons == MB_YESNO) return IDNO;
  if (buttons == MB_ABORTRETRYIGNORE) return IDABORT;
  return IDOK;
}

int ConfirmAnswer(UINT buttons) {
  switch (buttons) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    case MB_ABORTRETRYIGNORE: return IDRETRY;
    default: return IDOK;
  }
}

int Answer(UINT buttons, int wanted) {
  if (wanted == IDOK) return ConfirmAnswer(buttons);
  return EscapeAnswer(buttons);
}

}  // namespace

UserRecordLog& UserRecords() {
  static UserRecordLog& log = *new UserRecordLog;
  return log;
}

void ClearUserRecords() { UserRecords() = UserRecordLog{}; }

}  // namespace velko::platform

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  namespace vp = velko::platform;
  vp::MessageBoxRecord record;
  record.owner = owner;
  record.text = text != nullptr ? text : "";
  record.caption = caption != nullptr ? caption : "Error";
  record.icon = type & MB_ICONMASK;
  record.buttons = type & MB_TYPEMASK;
  const vp::ScopedPrompt waiting({.kind = vp::WaitingPrompt::Kind::MessageBox, .owner = owner,
                                  .caption = record.caption, .text = record.text, .type = type, .filter = {},
                                  .initial_dir = {}, .default_extension = {}});
  std::optional<vp::UserAction> action = vp::NextUserAction();
  if (action && action->kind == vp::ActionKind::Answer) {
    record.answer = vp::Answer(record.buttons, action->value);
  } else {
    record.answer = vp::EscapeAnswer(record.buttons);
    vp::ReportInputFault(action ? &*action : nullptr,
                         action ? "a message box was open; it took Escape and the action waits"
                                : "the input ran out while a message box was open; it took Escape");
    if (action) vp::PushBackUserAction(std::move(*action));
  }
  const int answer = record.answer;
  vp::UserRecords().message_boxes.push_back(std::move(record));
  return answer;
}
