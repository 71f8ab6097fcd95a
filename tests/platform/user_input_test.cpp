// Applying user actions: what cannot be done is refused with a reason and
// changes nothing; names of actions and gestures; the queued source.
#include "tests/platform/user_test_support.h"

namespace velko::platform::user_test {
namespace {

using UserInputTest = UserTest;

TEST_F(UserInputTest, ActionsThatCannotBeDone) {
  const HWND dialog = Open({Control(100, "EDIT", 0), Control(101, "BUTTON", BS_PUSHBUTTON),
                            Control(102, "BUTTON", BS_PUSHBUTTON | WS_DISABLED), Control(103, "STATIC", 0),
                            Control(104, "SCROLLBAR", SBS_HORZ), Control(105, "EDIT", 0)});
  ShowWindow(GetDlgItem(dialog, 105), SW_HIDE);
  struct Case {
    UserAction action;
    const char* reason;  // a part of the message
  } cases[] = {
      {UserAction::Click(999), "no control 999"},
      {UserAction::Click(102), "disabled"},
      {UserAction::Type(105, "x"), "hidden"},
      {UserAction::Click(103), "does not notify"},
      {UserAction::Click(104), "takes no clicks"},
      {UserAction::Type(101, "x"), "not an edit"},
      {UserAction::Clear(101), "not an edit"},
      {UserAction::SelectIndex(100, 0), "not a combo box or list box"},
      {UserAction::Scroll(101, ScrollGesture::LineUp), "does not scroll"},
      {UserAction::MoveTrackbar(104, 1), "not a trackbar"},
      {UserAction::Page(0), "not a property sheet"},
      {UserAction::Ok(), "no OK button"},
      {UserAction::Answer(IDOK), "no message box"},
      {UserAction::Browse("a.bmp"), "no open-file dialog"},
  };
  for (const Case& c : cases) {
    const ActionResult result = ApplyAction(dialog, c.action);
    EXPECT_FALSE(result) << c.reason;
    EXPECT_NE(result.error.find(c.reason), std::string::npos) << result.error;
  }
  EXPECT_TRUE(Notes().empty()) << "refused actions send nothing";
  EXPECT_EQ(GetFocus(), 0u) << "nor move the focus";
}

TEST_F(UserInputTest, ControlsOfADisabledDialogCannotBeUsed) {
  const HWND dialog = Open({Control(101, "BUTTON", BS_PUSHBUTTON)});
  EnableWindow(dialog, FALSE);
  const ActionResult result = ApplyAction(dialog, UserAction::Click(101));
  EXPECT_FALSE(result);
  EXPECT_NE(result.error.find("window is disabled"), std::string::npos) << result.error;
  EXPECT_TRUE(ApplyAction(dialog, UserAction::Help(101))) << "a right click still reaches it";
}

TEST_F(UserInputTest, NamesOfActionsAndGestures) {
  EXPECT_EQ(ActionName(ActionKind::Click), "click");
  EXPECT_EQ(ActionName(ActionKind::Browse), "browse");
  for (ScrollGesture g : {ScrollGesture::LineUp, ScrollGesture::LineDown, ScrollGesture::PageUp,
                          ScrollGesture::PageDown, ScrollGesture::ThumbPosition, ScrollGesture::ThumbTrack,
                          ScrollGesture::EndScroll}) {
    EXPECT_EQ(GestureFromName(GestureName(g)), g);
  }
  EXPECT_EQ(GestureName(ScrollGesture::ThumbPosition), "thumbposition");
  EXPECT_FALSE(GestureFromName("sideways"));
}

TEST_F(UserInputTest, QueuedInputKeepsItsFaults) {
  QueuedInput input({UserAction::Click(1)});
  ScopedInputSource use(input);
  EXPECT_EQ(CurrentInputSource(), &input);
  const std::optional<UserAction> first = NextUserAction();
  ASSERT_TRUE(first);
  ReportInputFault(&*first, "no control 1");
  ReportInputFault(nullptr, "ran dry");
  EXPECT_EQ(input.faults(), (std::vector<std::string>{"click: no control 1", "ran dry"}));
  EXPECT_FALSE(NextUserAction());
}

TEST_F(UserInputTest, ActionsGoToTheModalDialogWhenOneIsOpen) {
  const HWND page = Open({Control(100, "EDIT", 0)});
  EXPECT_EQ(ActionTarget(page), page);
  EXPECT_EQ(ActiveModalWindow(), 0u);
  struct Inner {
    static INT_PTR Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == WM_INITDIALOG) {
        EXPECT_EQ(ActiveModalWindow(), 0u) << "not modal before its loop runs";
      }
      if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EXPECT_EQ(ActiveModalWindow(), dialog);
        EXPECT_EQ(ActionTarget(GetParent(dialog)), dialog);
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return RecordNotes(dialog, message, wParam, lParam);
    }
  };
  const std::vector<ControlTemplate> controls{Control(100, "EDIT", 0)};
  const DialogTemplate t = Dialog(controls);
  QueuedInput input({UserAction::Type(100, "inner"), UserAction::Cancel()});
  ScopedInputSource use(input);
  EXPECT_EQ(DialogBoxIndirectParam(0, &t, page, Inner::Proc, 0), IDCANCEL);
  EXPECT_EQ(WindowText(GetDlgItem(page, 100)), "") << "the page behind was not typed into";
}

}  // namespace
}  // namespace velko::platform::user_test
