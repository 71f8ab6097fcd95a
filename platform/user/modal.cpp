// Modal runs and the input session: the stack of modal dialogs, the current
// input source with the one action a message box may give back, and the
// loop that feeds a modal dialog the user's actions until it ends.
#include <algorithm>
#include <string>

#include "platform/user/dialog.h"
#include "platform/user/input.h"
#include "platform/user/paint.h"
#include "platform/user/propsheet.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform {
namespace {

struct Session {
  InputSource* source = nullptr;
  std::optional<UserAction> given_back;
  std::vector<HWND> modal;  // innermost last
};

Session& TheSession() {
  static Session& session = *new Session;
  return session;
}

HWND TopLevelOf(HWND window) {
  HWND top = window;
  while (IsWindow(top) && (GetWindowLong(top, GWL_STYLE) & WS_CHILD) != 0) top = GetParent(top);
  return IsWindow(top) ? top : 0;
}

bool Ended(HWND dialog) {
  const wm::DialogState* d = wm::StateOf<wm::DialogState>(dialog);
  return d == nullptr || d->ended;
}

std::string DialogName(HWND dialog) {
  const std::string id = std::to_string(DialogTemplateId(dialog));
  return IsPropertySheet(dialog) ? "the property sheet (page " + id + ")" : "dialog " + id;
}

// What the user does when a dialog waits and no one is there: the close
// box, and if the dialog ignores that, the platform ends it.
void CancelForDrySource(HWND dialog) {
  ReportInputFault(nullptr, "the input ran out while " + DialogName(dialog) + " was open; it was cancelled");
  SendMessage(dialog, WM_CLOSE, 0, 0);
  if (IsWindow(dialog) && !Ended(dialog)) {
    const wm::DialogState* d = wm::StateOf<wm::DialogState>(dialog);
    EndDialog(dialog, d != nullptr ? d->cancel_result : IDCANCEL);
  }
}

}  // namespace

void SetInputSource(InputSource* source) {
  TheSession().source = source;
  TheSession().given_back.reset();
}

InputSource* CurrentInputSource() { return TheSession().source; }

std::optional<UserAction> NextUserAction() {
  Session& s = TheSession();
  if (s.given_back) {
    std::optional<UserAction> action = std::move(s.given_back);
    s.given_back.reset();
    return action;
  }
  return s.source != nullptr ? s.source->Next() : std::nullopt;
}

void PushBackUserAction(UserAction action) { TheSession().given_back = std::move(action); }

void ReportInputFault(const UserAction* action, std::string_view why) {
  if (InputSource* source = TheSession().source) source->Fault(action, why);
}

HWND ActiveModalWindow() {
  const std::vector<HWND>& modal = TheSession().modal;
  for (auto it = modal.rbegin(); it != modal.rend(); ++it) {
    if (IsWindow(*it)) return *it;
  }
  return 0;
}

int ModalDepth() { return static_cast<int>(TheSession().modal.size()); }

INT_PTR RunModalLoop(HWND dialog, HWND owner, HWND previous_focus) {
  std::vector<HWND>& modal = TheSession().modal;
  const bool disable_owner = owner != 0 && IsWindowEnabled(owner);
  if (disable_owner) EnableWindow(owner, FALSE);
  modal.push_back(dialog);
  if (!Ended(dialog)) ShowWindow(dialog, SW_SHOW);
  DispatchPendingPaints();
  while (IsWindow(dialog) && !Ended(dialog)) {
    std::optional<UserAction> action = NextUserAction();
    if (!action) {
      CancelForDrySource(dialog);
      break;
    }
    const ActionResult result = ApplyAction(dialog, *action);
    if (!result) ReportInputFault(&*action, result.error);
  }
  modal.erase(std::find(modal.begin(), modal.end(), dialog));

  const wm::DialogState* d = wm::StateOf<wm::DialogState>(dialog);
  const INT_PTR result = d != nullptr ? d->result : IDCANCEL;
  if (disable_owner) EnableWindow(owner, TRUE);
  // The focus goes back before the dialog goes, so its control still
  // reports losing it, as when the platform reactivates the owner.
  const HWND focus = GetFocus();
  if (focus != 0 && (focus == dialog || IsChild(dialog, focus))) SetFocus(IsWindow(previous_focus) ? previous_focus : 0);
  if (IsWindow(dialog)) {
    ShowWindow(dialog, SW_HIDE);
    DestroyWindow(dialog);
  }
  DispatchPendingPaints();
  return result;
}

namespace {

INT_PTR RunDialog(HINSTANCE module, const DialogTemplate* t, int template_id, HWND parent, DLGPROC procedure,
                  LPARAM param) {
  if (t == nullptr) return -1;
  const HWND owner = parent != 0 ? TopLevelOf(parent) : 0;
  const HWND previous_focus = GetFocus();
  const HWND dialog = wm::CreateDialogFrom(module, *t, owner, procedure, param, template_id, nullptr);
  if (dialog == 0) return -1;
  return RunModalLoop(dialog, owner, previous_focus);
}

}  // namespace
}  // namespace velko::platform

INT_PTR DialogBoxParam(HINSTANCE module, LPCSTR name, HWND parent, DLGPROC procedure, LPARAM param) {
  int id = 0;
  const velko::platform::DialogTemplate* t = velko::platform::wm::TemplateByName(module, name, &id);
  return velko::platform::RunDialog(module, t, id, parent, procedure, param);
}

INT_PTR DialogBox(HINSTANCE module, LPCSTR name, HWND parent, DLGPROC procedure) {
  return DialogBoxParam(module, name, parent, procedure, 0);
}

INT_PTR DialogBoxIndirectParam(HINSTANCE module, LPCDLGTEMPLATE dialog_template, HWND parent, DLGPROC procedure,
                               LPARAM param) {
  return velko::platform::RunDialog(module, dialog_template, 0, parent, procedure, param);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  velko::platform::wm::DialogState* d = velko::platform::wm::StateOf<velko::platform::wm::DialogState>(dialog);
  if (d == nullptr) return FALSE;
  d->ended = true;
  d->result = result;
  return TRUE;
}
