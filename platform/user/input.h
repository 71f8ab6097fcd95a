// User actions and where they come from. An InputSource (a script, later a
// browser) hands out actions one at a time; ApplyAction turns one into what
// the real control would do and send, on the active modal dialog when one is
// open, else on the window the caller names (a dialog, a page or a property
// sheet, whose active page holds the controls). Modal loops, message boxes
// and the open-file dialog pull their actions from the current source.
//
// What each action does, as the real controls do it:
//   click ID       the control takes the focus (buttons, edits, lists,
//                  trackbars); a push button sends BN_CLICKED; an auto check
//                  box toggles, an auto radio button checks itself and
//                  unchecks the other radio buttons of its group, then
//                  BN_CLICKED; a static with SS_NOTIFY sends STN_CLICKED.
//   select ID N|T  combo box: focus (CBN_SETFOCUS), CBN_DROPDOWN, the item is
//                  selected, CBN_SELCHANGE, CBN_CLOSEUP, CBN_SELENDOK.
//                  List box: focus (LBN_SETFOCUS), the item is selected,
//                  LBN_SELCHANGE (with LBS_NOTIFY). T is an item's exact text.
//   type ID "T"    edit: focus, then T replaces the selection (the caret) as
//                  one change, the way a paste does: cut at the edit's limit
//                  (bytes, never half a character), EN_MAXTEXT when cut, then
//                  EN_UPDATE and EN_CHANGE.
//   clear ID       edit: focus, all text selected and deleted as one change.
//   leave ID       the focus leaves the control (it takes the focus first if
//                  it did not have it): WM_KILLFOCUS, EN_KILLFOCUS.
//   scroll ID G    scroll bar (WM_HSCROLL or WM_VSCROLL to the parent; the
//                  bar's position is the parent's business): an arrow or
//                  trough click sends its SB_ code then SB_ENDSCROLL; a thumb
//                  drag to POS sends SB_THUMBTRACK, SB_THUMBPOSITION and
//                  SB_ENDSCROLL; `thumbtrack` alone is a drag still held,
//                  `endscroll` alone a release. Trackbar: the TB_ codes
//                  likewise, moving the thumb by the line or page size.
//                  Up-down (lineup, linedown: the arrows): UDN_DELTAPOS, the
//                  new position (and the buddy's text with UDS_SETBUDDYINT),
//                  SB_THUMBPOSITION, SB_ENDSCROLL.
//   trackbar ID P  a thumb drag to P: the position moves, then WM_HSCROLL
//                  (WM_VSCROLL when vertical) with TB_THUMBTRACK,
//                  TB_THUMBPOSITION and TB_ENDTRACK.
//   help ID        a right click: WM_CONTEXTMENU (wParam the control) goes to
//                  the control, whose default handling passes it to its
//                  parent.
//   ok             a click on the OK button (id 1).
//   cancel         Escape: WM_COMMAND IDCANCEL.
//   close          the close box: WM_CLOSE (a dialog makes it IDCANCEL).
//   page N         property sheet: a click on tab N.
//   answer, browse only inside a message box or the open-file dialog.
// A control that does not exist, is hidden or disabled (or whose dialog is)
// cannot be used; ApplyAction then changes nothing and says why.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user/user_types.h"

namespace velko::platform {

enum class ActionKind : uint8_t {
  Click,
  Select,
  Type,
  Clear,
  Leave,
  Scroll,
  Trackbar,
  Help,
  Ok,
  Cancel,
  Close,
  Page,
  Answer,
  Browse,
};

enum class ScrollGesture : uint8_t { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, EndScroll };

struct UserAction {
  ActionKind kind = ActionKind::Ok;
  int id = 0;          // the control
  int value = 0;       // item index, position, page index, or the answer (IDOK, IDCANCEL)
  bool by_text = false;  // Select: pick the item whose text is `text`
  ScrollGesture gesture = ScrollGesture::LineUp;
  std::string text;    // GB2312: the item, the typed text, the browsed path
  int line = 0;        // where the action came from (a script line), for reports

  static UserAction Click(int id);
  static UserAction SelectIndex(int id, int index);
  static UserAction SelectText(int id, std::string text);
  static UserAction Type(int id, std::string text);
  static UserAction Clear(int id);
  static UserAction Leave(int id);
  static UserAction Scroll(int id, ScrollGesture gesture, int pos = 0);
  static UserAction MoveTrackbar(int id, int pos);
  static UserAction Help(int id);
  static UserAction Ok();
  static UserAction Cancel();
  static UserAction Close();
  static UserAction Page(int index);
  static UserAction Answer(int button);
  static UserAction Browse(std::string path);
};

// The words the script language uses for the actions and gestures.
std::string_view ActionName(ActionKind kind);
std::string_view GestureName(ScrollGesture gesture);
std::optional<ScrollGesture> GestureFromName(std::string_view name);

class InputSource {
 public:
  virtual ~InputSource() = default;
  // The next action, or nothing when the source has run dry.
  virtual std::optional<UserAction> Next() = 0;
  // An action could not be applied, or the source ran dry while something
  // modal waited for it (`action` is then nullptr). The run reports it.
  virtual void Fault(const UserAction* action, std::string_view why) = 0;
};

// A fixed list of actions; its faults are kept for the caller to read.
class QueuedInput : public InputSource {
 public:
  QueuedInput() = default;
  explicit QueuedInput(std::vector<UserAction> actions);
  void Push(UserAction action) { actions_.push_back(std::move(action)); }
  std::optional<UserAction> Next() override;
  void Fault(const UserAction* action, std::string_view why) override;
  const std::vector<std::string>& faults() const { return faults_; }
  std::size_t remaining() const { return actions_.size(); }

 private:
  std::deque<UserAction> actions_;
  std::vector<std::string> faults_;
};

// The current source (nullptr: none, so a modal dialog ends at once).
void SetInputSource(InputSource* source);
InputSource* CurrentInputSource();

class ScopedInputSource {
 public:
  explicit ScopedInputSource(InputSource& source) : previous_(CurrentInputSource()) { SetInputSource(&source); }
  ~ScopedInputSource() { SetInputSource(previous_); }
  ScopedInputSource(const ScopedInputSource&) = delete;
  ScopedInputSource& operator=(const ScopedInputSource&) = delete;

 private:
  InputSource* previous_;
};

// The next action: one a message box gave back first, else the source's.
// Top-level drivers pull with this too, so that no action is lost.
std::optional<UserAction> NextUserAction();
// Gives an action back, to be pulled again next.
void PushBackUserAction(UserAction action);
// Tells the current source (if any) about a fault.
void ReportInputFault(const UserAction* action, std::string_view why);

struct ActionResult {
  std::string error;  // empty: applied
  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
};

// Applies one action, then delivers the paints it caused.
ActionResult ApplyAction(HWND window, const UserAction& action);

// Where actions go now: the innermost modal dialog or sheet, else `window`.
HWND ActionTarget(HWND window);
// The control `id` as actions find it: in a property sheet, on the active
// page first, then among the sheet's own buttons.
HWND FindActionControl(HWND target, int id);

// The innermost modal dialog or sheet, 0 when none is open.
HWND ActiveModalWindow();
int ModalDepth();

// Runs the modal loop of a created dialog or sheet until it ends (see
// DialogBoxParam); shows it, destroys it afterwards and returns its result.
// `owner` is disabled for the run; the focus comes back to `previous_focus`.
INT_PTR RunModalLoop(HWND dialog, HWND owner, HWND previous_focus);

}  // namespace velko::platform
