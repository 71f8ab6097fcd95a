// User actions applied as the real controls turn them into state changes
// and notifications; the action records and the queued input source.
#include "platform/user/input.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/user/dialog.h"
#include "platform/user/paint.h"
#include "platform/user/propsheet.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform {
namespace {

constexpr std::array<std::string_view, 14> kActionNames{
    "click", "select", "type", "clear", "leave", "scroll", "trackbar",
    "help",  "ok",     "cancel", "close", "page", "answer", "browse"};
static_assert(kActionNames.size() == static_cast<std::size_t>(ActionKind::Browse) + 1);

constexpr std::array<std::string_view, 7> kGestureNames{"lineup",        "linedown",   "pageup",   "pagedown",
                                                        "thumbposition", "thumbtrack", "endscroll"};
static_assert(kGestureNames.size() == static_cast<std::size_t>(ScrollGesture::EndScroll) + 1);

ActionResult Fail(std::string why) { return ActionResult{std::move(why)}; }
ActionResult Done() { return ActionResult{}; }

std::string Control(int id) { return "control " + std::to_string(id); }

// Why the user cannot reach a control: it, or a window it sits in, is
// hidden or disabled.
std::string Unreachable(HWND control, int id, bool need_enabled) {
  if (!IsWindowVisible(control)) return Control(id) + " is hidden";
  if (!need_enabled) return {};
  for (HWND h = control; h != 0; h = (GetWindowLong(h, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(h) : 0) {
    if (!IsWindowEnabled(h)) return h == control ? Control(id) + " is disabled" : Control(id) + "'s window is disabled";
  }
  return {};
}

// The control of an action that must be there, shown and enabled.
ActionResult Reach(HWND target, int id, HWND* control, bool need_enabled = true) {
  *control = FindActionControl(target, id);
  if (*control == 0) return Fail("no " + Control(id));
  std::string why = Unreachable(*control, id, need_enabled);
  return why.empty() ? Done() : Fail(std::move(why));
}

wm::ControlKind KindOf(HWND control) { return wm::Lookup(control)->kind(); }

void SendScroll(HWND control, UINT message, WORD code, int pos) {
  const HWND parent = GetParent(control);
  if (parent != 0) SendMessage(parent, message, MAKEWPARAM(code, static_cast<WORD>(pos)), static_cast<LPARAM>(control));
}

ActionResult ClickOn(HWND control, int id) {
  wm::Window* w = wm::Lookup(control);
  switch (w->kind()) {
    case wm::ControlKind::Button:
      if (wm::ButtonKind(w->style) == BS_GROUPBOX) return Fail(Control(id) + " is a group box");
      wm::ClickButton(control);
      return Done();
    case wm::ControlKind::Static:
      if ((w->style & SS_NOTIFY) == 0) return Fail(Control(id) + " is a static that does not notify");
      wm::NotifyParent(control, STN_CLICKED);
      return Done();
    case wm::ControlKind::Edit:
    case wm::ControlKind::ComboBox:
    case wm::ControlKind::ListBox:
    case wm::ControlKind::Trackbar:
      wm::FocusOnClick(control);
      return Done();
    default:
      return Fail(Control(id) + " takes no clicks (scroll it)");
  }
}

ActionResult SelectIn(HWND control, const UserAction& a) {
  const wm::ControlKind kind = KindOf(control);
  if (kind != wm::ControlKind::ComboBox && kind != wm::ControlKind::ListBox) {
    return Fail(Control(a.id) + " is not a combo box or list box");
  }
  const wm::ListState& list = *wm::StateOf<wm::ListState>(control);
  int index = a.value;
  if (a.by_text) {
    const auto it = std::find_if(list.items.begin(), list.items.end(),
                                 [&](const wm::ListItem& item) { return item.text == a.text; });
    if (it == list.items.end()) return Fail(Control(a.id) + " has no item with that text");
    index = static_cast<int>(it - list.items.begin());
  }
  if (index < 0 || static_cast<std::size_t>(index) >= list.items.size()) {
    return Fail(Control(a.id) + " has no item " + std::to_string(index) + " (it has " +
                std::to_string(list.items.size()) + ")");
  }
  if (kind == wm::ControlKind::ComboBox) {
    wm::PickComboItem(control, index);
  } else {
    wm::PickListItem(control, index);
  }
  return Done();
}

ActionResult EditIn(HWND control, const UserAction& a) {
  wm::Window* w = wm::Lookup(control);
  if (w->kind() != wm::ControlKind::Edit) return Fail(Control(a.id) + " is not an edit");
  if ((w->style & ES_READONLY) != 0) return Fail(Control(a.id) + " is read-only");
  wm::FocusOnClick(control);
  if (a.kind == ActionKind::Clear) {
    SendMessage(control, EM_SETSEL, 0, -1);
    SendMessage(control, WM_CLEAR, 0, 0);
  } else {
    wm::ReplaceEditSelection(control, a.text);
  }
  return Done();
}

ActionResult Leave(HWND control) {
  if (GetFocus() != control) SetFocus(control);
  if (GetFocus() == control) SetFocus(0);
  return Done();
}

// An arrow or trough click: its code, then the release.
constexpr bool IsClick(ScrollGesture g) { return g <= ScrollGesture::PageDown; }
constexpr WORD ClickCode(ScrollGesture g) { return static_cast<WORD>(g); }
static_assert(ClickCode(ScrollGesture::LineUp) == SB_LINEUP && ClickCode(ScrollGesture::PageDown) == SB_PAGEDOWN);
static_assert(SB_LINEUP == TB_LINEUP && SB_PAGEDOWN == TB_PAGEDOWN);

ActionResult ScrollBarGesture(HWND bar, const UserAction& a) {
  const wm::Window* w = wm::Lookup(bar);
  const UINT message = (w->style & SBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
  const int pos = wm::ClampScrollPos(*wm::StateOf<wm::ScrollState>(bar), a.value);
  switch (a.gesture) {
    case ScrollGesture::ThumbPosition:
      SendScroll(bar, message, SB_THUMBTRACK, pos);
      SendScroll(bar, message, SB_THUMBPOSITION, pos);
      SendScroll(bar, message, SB_ENDSCROLL, 0);
      break;
    case ScrollGesture::ThumbTrack:
      SendScroll(bar, message, SB_THUMBTRACK, pos);
      break;
    case ScrollGesture::EndScroll:
      SendScroll(bar, message, SB_ENDSCROLL, 0);
      break;
    default:
      SendScroll(bar, message, ClickCode(a.gesture), 0);
      SendScroll(bar, message, SB_ENDSCROLL, 0);
      break;
  }
  return Done();
}

UINT TrackbarMessage(HWND trackbar) {
  return (GetWindowLong(trackbar, GWL_STYLE) & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
}

void DragTrackbar(HWND trackbar, int pos, bool release) {
  wm::FocusOnClick(trackbar);
  SendMessage(trackbar, TBM_SETPOS, TRUE, pos);
  const int at = static_cast<int>(SendMessage(trackbar, TBM_GETPOS, 0, 0));
  const UINT message = TrackbarMessage(trackbar);
  SendScroll(trackbar, message, TB_THUMBTRACK, at);
  if (!release) return;
  SendScroll(trackbar, message, TB_THUMBPOSITION, at);
  SendScroll(trackbar, message, TB_ENDTRACK, 0);
}

ActionResult TrackbarGesture(HWND trackbar, const UserAction& a) {
  if (a.gesture == ScrollGesture::ThumbPosition || a.gesture == ScrollGesture::ThumbTrack) {
    DragTrackbar(trackbar, a.value, a.gesture == ScrollGesture::ThumbPosition);
    return Done();
  }
  wm::FocusOnClick(trackbar);
  const UINT message = TrackbarMessage(trackbar);
  if (IsClick(a.gesture)) {
    const wm::TrackbarState& s = *wm::StateOf<wm::TrackbarState>(trackbar);
    const bool page = a.gesture == ScrollGesture::PageUp || a.gesture == ScrollGesture::PageDown;
    const bool down = a.gesture == ScrollGesture::LineDown || a.gesture == ScrollGesture::PageDown;
    const int step = page ? wm::TrackbarPageSize(s) : s.line;
    SendMessage(trackbar, TBM_SETPOS, TRUE, s.pos + (down ? step : -step));
    SendScroll(trackbar, message, ClickCode(a.gesture), 0);
  }
  SendScroll(trackbar, message, TB_ENDTRACK, 0);
  return Done();
}

ActionResult UpDownGesture(HWND updown, const UserAction& a) {
  if (a.gesture != ScrollGesture::LineUp && a.gesture != ScrollGesture::LineDown) {
    return Fail(Control(a.id) + " is an up-down control: only lineup and linedown");
  }
  wm::PressUpDownArrow(updown, a.gesture == ScrollGesture::LineUp);
  if (IsWindow(updown)) {
    const UINT message = (GetWindowLong(updown, GWL_STYLE) & UDS_HORZ) != 0 ? WM_HSCROLL : WM_VSCROLL;
    SendScroll(updown, message, SB_ENDSCROLL, static_cast<int>(SendMessage(updown, UDM_GETPOS32, 0, 0)));
  }
  return Done();
}

ActionResult ScrollIn(HWND control, const UserAction& a) {
  switch (KindOf(control)) {
    case wm::ControlKind::ScrollBar: return ScrollBarGesture(control, a);
    case wm::ControlKind::Trackbar: return TrackbarGesture(control, a);
    case wm::ControlKind::UpDown: return UpDownGesture(control, a);
    default: return Fail(Control(a.id) + " does not scroll");
  }
}

ActionResult HelpOn(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  const LPARAM at = MAKELPARAM(static_cast<WORD>((r.left + r.right) / 2), static_cast<WORD>((r.top + r.bottom) / 2));
  SendMessage(control, WM_CONTEXTMENU, control, at);
  return Done();
}

ActionResult PressOk(HWND target) {
  const HWND ok = GetDlgItem(target, IDOK);
  if (ok == 0) return Fail("the window has no OK button");
  if (std::string why = Unreachable(ok, IDOK, true); !why.empty()) return Fail("the OK button: " + why);
  wm::ClickButton(ok);
  return Done();
}

ActionResult PressEscape(HWND target) {
  const HWND cancel = GetDlgItem(target, IDCANCEL);
  if (cancel != 0 && !IsWindowEnabled(cancel)) return Fail("the Cancel button is disabled");
  wm::SendCommand(target, IDCANCEL, BN_CLICKED, cancel);
  return Done();
}

ActionResult ShowPage(HWND target, int index) {
  if (!IsPropertySheet(target)) return Fail("the window is not a property sheet");
  if (index < 0 || index >= PropertySheetPageCount(target)) {
    return Fail("the property sheet has no page " + std::to_string(index));
  }
  SendMessage(target, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  return Done();
}

ActionResult Apply(HWND target, const UserAction& a) {
  HWND control = 0;
  switch (a.kind) {
    case ActionKind::Ok: return PressOk(target);
    case ActionKind::Cancel: return PressEscape(target);
    case ActionKind::Close: SendMessage(target, WM_CLOSE, 0, 0); return Done();
    case ActionKind::Page: return ShowPage(target, a.value);
    case ActionKind::Answer: return Fail("no message box is open");
    case ActionKind::Browse: return Fail("no open-file dialog is open");
    case ActionKind::Help: {
      ActionResult r = Reach(target, a.id, &control, false);
      return r ? HelpOn(control) : r;
    }
    default: break;
  }
  ActionResult r = Reach(target, a.id, &control);
  if (!r) return r;
  switch (a.kind) {
    case ActionKind::Click: return ClickOn(control, a.id);
    case ActionKind::Select: return SelectIn(control, a);
    case ActionKind::Type:
    case ActionKind::Clear: return EditIn(control, a);
    case ActionKind::Leave: return Leave(control);
    case ActionKind::Scroll: return ScrollIn(control, a);
    case ActionKind::Trackbar:
      if (KindOf(control) != wm::ControlKind::Trackbar) return Fail(Control(a.id) + " is not a trackbar");
      DragTrackbar(control, a.value, true);
      return Done();
    default: return Fail("unknown action");
  }
}

}  // namespace

namespace wm {

bool TakesFocusOnClick(const Window& w) {
  switch (w.kind()) {
    case ControlKind::Button: return ButtonKind(w.style) != BS_GROUPBOX;
    case ControlKind::Edit:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::Trackbar: return true;
    case ControlKind::ScrollBar: return (w.style & WS_TABSTOP) != 0;
    default: return false;
  }
}

void FocusOnClick(HWND control) {
  const Window* w = Lookup(control);
  if (w != nullptr && TakesFocusOnClick(*w)) SetFocus(control);
}

}  // namespace wm

namespace {

UserAction Make(ActionKind kind, int id = 0, int value = 0) {
  UserAction action;
  action.kind = kind;
  action.id = id;
  action.value = value;
  return action;
}

UserAction WithText(UserAction action, std::string text) {
  action.text = std::move(text);
  return action;
}

}  // namespace

UserAction UserAction::Click(int id) { return Make(ActionKind::Click, id); }
UserAction UserAction::SelectIndex(int id, int index) { return Make(ActionKind::Select, id, index); }
UserAction UserAction::SelectText(int id, std::string text) {
  UserAction action = WithText(Make(ActionKind::Select, id), std::move(text));
  action.by_text = true;
  return action;
}
UserAction UserAction::Type(int id, std::string text) { return WithText(Make(ActionKind::Type, id), std::move(text)); }
UserAction UserAction::Clear(int id) { return Make(ActionKind::Clear, id); }
UserAction UserAction::Leave(int id) { return Make(ActionKind::Leave, id); }
UserAction UserAction::Scroll(int id, ScrollGesture gesture, int pos) {
  UserAction action = Make(ActionKind::Scroll, id, pos);
  action.gesture = gesture;
  return action;
}
UserAction UserAction::MoveTrackbar(int id, int pos) { return Make(ActionKind::Trackbar, id, pos); }
UserAction UserAction::Help(int id) { return Make(ActionKind::Help, id); }
UserAction UserAction::Ok() { return Make(ActionKind::Ok); }
UserAction UserAction::Cancel() { return Make(ActionKind::Cancel); }
UserAction UserAction::Close() { return Make(ActionKind::Close); }
UserAction UserAction::Page(int index) { return Make(ActionKind::Page, 0, index); }
UserAction UserAction::Answer(int button) { return Make(ActionKind::Answer, 0, button); }
UserAction UserAction::Browse(std::string path) { return WithText(Make(ActionKind::Browse), std::move(path)); }

std::string_view ActionName(ActionKind kind) { return kActionNames[static_cast<std::size_t>(kind)]; }
std::string_view GestureName(ScrollGesture gesture) { return kGestureNames[static_cast<std::size_t>(gesture)]; }

std::optional<ScrollGesture> GestureFromName(std::string_view name) {
  const auto it = std::find(kGestureNames.begin(), kGestureNames.end(), name);
  if (it == kGestureNames.end()) return std::nullopt;
  return static_cast<ScrollGesture>(it - kGestureNames.begin());
}

QueuedInput::QueuedInput(std::vector<UserAction> actions) : actions_(actions.begin(), actions.end()) {}

std::optional<UserAction> QueuedInput::Next() {
  if (actions_.empty()) return std::nullopt;
  UserAction action = std::move(actions_.front());
  actions_.pop_front();
  return action;
}

void QueuedInput::Fault(const UserAction* action, std::string_view why) {
  std::string text = action != nullptr ? std::string(ActionName(action->kind)) + ": " : std::string();
  faults_.push_back(text + std::string(why));
}

HWND ActionTarget(HWND window) {
  const HWND modal = ActiveModalWindow();
  return modal != 0 ? modal : window;
}

HWND FindActionControl(HWND target, int id) {
  if (IsPropertySheet(target)) {
    if (const HWND control = GetDlgItem(PropertySheetPage(target, PropertySheetActivePage(target)), id)) return control;
  }
  return GetDlgItem(target, id);
}

ActionResult ApplyAction(HWND window, const UserAction& action) {
  const HWND target = ActionTarget(window);
  if (!IsWindow(target)) return Fail("there is no window to act on");
  ActionResult result = Apply(target, action);
  DispatchPendingPaints();
  return result;
}

}  // namespace velko::platform
