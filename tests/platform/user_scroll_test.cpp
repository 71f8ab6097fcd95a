// Scroll bars, trackbars and up-down controls: ranges and positions, and the
// codes a user's gesture sends to the parent.
#include "tests/platform/user_test_support.h"

namespace velko::platform::user_test {
namespace {

using UserScrollTest = UserTest;

constexpr int kBar = 2039;
constexpr int kSlider = 2026;
constexpr int kUpDown = 1015;
constexpr int kBuddy = 1014;

TEST_F(UserScrollTest, ScrollBarRangeAndPosition) {
  const HWND dialog = Open({Control(kBar, "SCROLLBAR", SBS_HORZ)});
  const HWND bar = GetDlgItem(dialog, kBar);
  int min = 1;
  int max = 1;
  GetScrollRange(bar, SB_CTL, &min, &max);
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 0) << "a scroll bar control starts with an empty range";
  SetScrollRange(bar, SB_CTL, -10, 10, TRUE);
  struct Case {
    int set;
    int pos;
  } cases[] = {{5, 5}, {-10, -10}, {11, 10}, {-99, -10}, {0, 0}};
  for (const Case& c : cases) {
    SetScrollPos(bar, SB_CTL, c.set, TRUE);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), c.pos) << c.set;
  }
  SetScrollPos(bar, SB_CTL, 8, TRUE);
  SetScrollRange(bar, SB_CTL, 0, 5, TRUE);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 5) << "a narrower range pulls the position in";
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_PAGE | SIF_RANGE, 0, 100, 10, 0, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  SetScrollPos(bar, SB_CTL, 100, TRUE);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 91) << "with a page the thumb stops a page short";
  EXPECT_EQ(GetScrollPos(dialog, SB_HORZ), 0) << "standard scroll bars of windows are not kept";
}

TEST_F(UserScrollTest, ScrollBarGesturesSendTheirCodes) {
  struct Case {
    const char* name;
    ScrollGesture gesture;
    int pos;
    std::vector<Note> sent;
  } cases[] = {
      {"arrow", ScrollGesture::LineUp, 0, {HScroll(kBar, SB_LINEUP), HScroll(kBar, SB_ENDSCROLL)}},
      {"arrow", ScrollGesture::LineDown, 0, {HScroll(kBar, SB_LINEDOWN), HScroll(kBar, SB_ENDSCROLL)}},
      {"trough", ScrollGesture::PageUp, 0, {HScroll(kBar, SB_PAGEUP), HScroll(kBar, SB_ENDSCROLL)}},
      {"trough", ScrollGesture::PageDown, 0, {HScroll(kBar, SB_PAGEDOWN), HScroll(kBar, SB_ENDSCROLL)}},
      {"drag and release",
       ScrollGesture::ThumbPosition,
       -7,
       {HScroll(kBar, SB_THUMBTRACK, -7), HScroll(kBar, SB_THUMBPOSITION, -7), HScroll(kBar, SB_ENDSCROLL)}},
      {"drag held", ScrollGesture::ThumbTrack, 3, {HScroll(kBar, SB_THUMBTRACK, 3)}},
      {"drag beyond the range stops at its end",
       ScrollGesture::ThumbPosition,
       50,
       {HScroll(kBar, SB_THUMBTRACK, 10), HScroll(kBar, SB_THUMBPOSITION, 10), HScroll(kBar, SB_ENDSCROLL)}},
      {"release", ScrollGesture::EndScroll, 0, {HScroll(kBar, SB_ENDSCROLL)}},
  };
  for (const Case& c : cases) {
    const HWND dialog = Open({Control(kBar, "SCROLLBAR", SBS_HORZ)});
    SetScrollRange(GetDlgItem(dialog, kBar), SB_CTL, -10, 10, FALSE);
    ASSERT_TRUE(ApplyAction(dialog, UserAction::Scroll(kBar, c.gesture, c.pos))) << c.name;
    EXPECT_EQ(Notes(), c.sent) << c.name;
    EXPECT_EQ(GetScrollPos(GetDlgItem(dialog, kBar), SB_CTL), 0) << "the bar waits for its parent to move it";
    DestroyWindow(dialog);
  }
  const HWND dialog = Open({Control(kBar, "SCROLLBAR", SBS_VERT)});
  ApplyAction(dialog, UserAction::Scroll(kBar, ScrollGesture::LineDown));
  EXPECT_EQ(Notes().front(), VScroll(kBar, SB_LINEDOWN)) << "a vertical bar sends WM_VSCROLL";
}

TEST_F(UserScrollTest, TrackbarRangeAndPosition) {
  const HWND dialog = Open({Control(kSlider, "msctls_trackbar32", TBS_HORZ)});
  const HWND slider = GetDlgItem(dialog, kSlider);
  EXPECT_EQ(SendMessage(slider, TBM_GETRANGEMAX, 0, 0), 100) << "the default range is 0 to 100";
  SendMessage(slider, TBM_SETRANGEMIN, TRUE, 0);
  SendMessage(slider, TBM_SETRANGEMAX, TRUE, 1);
  struct Case {
    int set;
    LRESULT pos;
  } cases[] = {{1, 1}, {0, 0}, {5, 1}, {-3, 0}};
  for (const Case& c : cases) {
    SendMessage(slider, TBM_SETPOS, TRUE, c.set);
    EXPECT_EQ(SendMessage(slider, TBM_GETPOS, 0, 0), c.pos) << c.set;
  }
  SendMessage(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 8));
  SendMessage(slider, TBM_SETPOS, TRUE, 8);
  SendMessage(slider, TBM_SETRANGEMAX, TRUE, 4);
  EXPECT_EQ(SendMessage(slider, TBM_GETPOS, 0, 0), 4) << "a lower maximum pulls the position in";
  EXPECT_TRUE(Notes().empty());
}

TEST_F(UserScrollTest, TrackbarMoveSetsThePositionThenSendsTheTbCodes) {
  const HWND dialog = Open({Control(kSlider, "msctls_trackbar32", TBS_HORZ)});
  const HWND slider = GetDlgItem(dialog, kSlider);
  SendMessage(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 8));
  ASSERT_TRUE(ApplyAction(dialog, UserAction::MoveTrackbar(kSlider, 6)));
  EXPECT_EQ(Notes(), (std::vector<Note>{HScroll(kSlider, TB_THUMBTRACK, 6), HScroll(kSlider, TB_THUMBPOSITION, 6),
                                        HScroll(kSlider, TB_ENDTRACK)}));
  EXPECT_EQ(SendMessage(slider, TBM_GETPOS, 0, 0), 6);
  Notes().clear();
  ApplyAction(dialog, UserAction::MoveTrackbar(kSlider, 30));
  EXPECT_EQ(Notes()[0], HScroll(kSlider, TB_THUMBTRACK, 8)) << "the thumb stops at the end";
  Notes().clear();
  ApplyAction(dialog, UserAction::Scroll(kSlider, ScrollGesture::LineUp));
  EXPECT_EQ(Notes(), (std::vector<Note>{HScroll(kSlider, TB_LINEUP), HScroll(kSlider, TB_ENDTRACK)}));
  EXPECT_EQ(SendMessage(slider, TBM_GETPOS, 0, 0), 7);
  EXPECT_FALSE(ApplyAction(dialog, UserAction::MoveTrackbar(kSlider + 1, 1)));
}

// The main page's copies field: the up-down created at run time, its buddy
// the edit, range 1 to 999, the position shown in the edit.
HWND OpenCopies(UserTest& test, DWORD extra_style = 0) {
  ControlTemplate edit = Control(kBuddy, "EDIT", 0);
  edit.x = 20;
  edit.y = 20;
  edit.cx = 40;
  edit.cy = 12;
  const HWND dialog = test.Open({edit});
  const DWORD style = WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS |
                      UDS_NOTHOUSANDS | extra_style;
  const HWND updown = CreateWindowEx(0, UPDOWN_CLASS, "", style, 0, 0, 28, 14, dialog, static_cast<HMENU>(kUpDown), 0,
                                     nullptr);
  EXPECT_NE(updown, 0u);
  SendMessage(updown, UDM_SETBUDDY, GetDlgItem(dialog, kBuddy), 0);
  SendMessage(updown, UDM_SETRANGE, 0, MAKELPARAM(999, 1));
  Notes().clear();
  return dialog;
}

TEST_F(UserScrollTest, UpDownTakesItsPlaceBesideTheBuddy) {
  const HWND dialog = OpenCopies(*this);
  RECT edit;
  RECT arrows;
  GetWindowRect(GetDlgItem(dialog, kBuddy), &edit);
  GetWindowRect(GetDlgItem(dialog, kUpDown), &arrows);
  EXPECT_EQ(edit.right - edit.left, 60 - 28) << "the buddy gives up the up-down's width";
  EXPECT_EQ(arrows.left, edit.right);
  EXPECT_EQ(arrows.top, edit.top);
  EXPECT_EQ(arrows.bottom - arrows.top, edit.bottom - edit.top);
  EXPECT_EQ(static_cast<HWND>(SendDlgItemMessage(dialog, kUpDown, UDM_GETBUDDY, 0, 0)), GetDlgItem(dialog, kBuddy));
}

TEST_F(UserScrollTest, UpDownArrowsReadTheBuddyAndReportWithVScroll) {
  struct Case {
    const char* name;
    const char* buddy_text;
    ScrollGesture arrow;
    const char* shown;
  } cases[] = {
      {"up from the typed number", "5", ScrollGesture::LineUp, "6"},
      {"down", "5", ScrollGesture::LineDown, "4"},
      {"stops at the maximum", "999", ScrollGesture::LineUp, "999"},
      {"stops at the minimum", "1", ScrollGesture::LineDown, "1"},
      {"a typed number beyond the range is pulled in first", "2000", ScrollGesture::LineUp, "999"},
  };
  for (const Case& c : cases) {
    const HWND dialog = OpenCopies(*this);
    SetDlgItemText(dialog, kBuddy, c.buddy_text);
    Notes().clear();
    ASSERT_TRUE(ApplyAction(dialog, UserAction::Scroll(kUpDown, c.arrow))) << c.name;
    EXPECT_EQ(WindowText(GetDlgItem(dialog, kBuddy)), c.shown) << c.name;
    const int pos = std::atoi(c.shown);
    const int delta = c.arrow == ScrollGesture::LineUp ? 1 : -1;
    EXPECT_EQ(Notes(), (std::vector<Note>{Notify(kUpDown, UDN_DELTAPOS), Command(kBuddy, EN_UPDATE),
                                          Command(kBuddy, EN_CHANGE), VScroll(kUpDown, SB_THUMBPOSITION, pos),
                                          VScroll(kUpDown, SB_ENDSCROLL, pos)}))
        << c.name << " delta " << delta;
    DestroyWindow(dialog);
  }
}

// Refuses every change, as a parent may by answering UDN_DELTAPOS.
INT_PTR RefusingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    SetWindowLongPtr(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
  }
  return RecordNotes(dialog, message, wParam, lParam);
}

TEST_F(UserScrollTest, UpDownWithoutBuddyKeepsItsOwnPosition) {
  const HWND dialog = Open({});
  const HWND updown = CreateUpDownControl(WS_CHILD | WS_VISIBLE, 0, 0, 10, 20, dialog, 2120, 0, 0, 2159, 1000, 2100);
  EXPECT_EQ(SendMessage(updown, UDM_GETPOS, 0, 0), MAKELRESULT(2100, 0));
  ApplyAction(dialog, UserAction::Scroll(2120, ScrollGesture::LineUp));
  EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 2101);
  EXPECT_EQ(Notes()[1], VScroll(2120, SB_THUMBPOSITION, 2101));
  EXPECT_EQ(SendMessage(updown, UDM_SETPOS32, 0, 5000), 2101) << "the previous position";
  EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 2159) << "clamped to the range";
  EXPECT_FALSE(ApplyAction(dialog, UserAction::Scroll(2120, ScrollGesture::PageUp))) << "arrows only";

  SetWindowLongPtr(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(RefusingProc));
  Notes().clear();
  ApplyAction(dialog, UserAction::Scroll(2120, ScrollGesture::LineDown));
  EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 2159) << "the parent refused the change";
  EXPECT_EQ(Notes(), (std::vector<Note>{VScroll(2120, SB_ENDSCROLL, 2159)}));
}

TEST_F(UserScrollTest, UpDownDefaultRangeRunsDownward) {
  const HWND dialog = Open({});
  const HWND updown = CreateWindowEx(0, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE | UDS_WRAP, 0, 0, 10, 20, dialog,
                                     static_cast<HMENU>(7), 0, nullptr);
  EXPECT_EQ(SendMessage(updown, UDM_GETRANGE, 0, 0), MAKELRESULT(0, 100)) << "maximum 0, minimum 100";
  SendMessage(updown, UDM_SETPOS32, 0, 50);
  ApplyAction(dialog, UserAction::Scroll(7, ScrollGesture::LineUp));
  EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 49) << "up moves toward the maximum, 0";
  SendMessage(updown, UDM_SETPOS32, 0, 0);
  ApplyAction(dialog, UserAction::Scroll(7, ScrollGesture::LineUp));
  EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 100) << "UDS_WRAP goes round";
}

TEST_F(UserScrollTest, UpDownFormatsWithThousandsUnlessTold) {
  const HWND dialog = OpenCopies(*this);
  const HWND updown = GetDlgItem(dialog, kUpDown);
  SetWindowLong(updown, GWL_STYLE, GetWindowLong(updown, GWL_STYLE) & ~UDS_NOTHOUSANDS);
  SendMessage(updown, UDM_SETRANGE32, 0, 99999);
  SendMessage(updown, UDM_SETPOS32, 0, 12345);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kBuddy)), "12,345");
  SetDlgItemText(dialog, kBuddy, "1,000");
  EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 1000) << "and reads them back";
  SetDlgItemText(dialog, kBuddy, "x");
  BOOL error = FALSE;
  SendMessage(updown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error));
  EXPECT_TRUE(error);
}

}  // namespace
}  // namespace velko::platform::user_test
