// The shared helpers that act on controls, on a real dialog of the platform:
// filling combo boxes from name tables, the scroll stepping rule, and window
// texts from VelkoUI's string table.
#include <gtest/gtest.h>

#include <string>

#include "platform/afx.h"
#include "platform/win32.h"
#include "tests/resources/gb2312_text.h"
#include "ui/core/page_helpers.h"

namespace {

using namespace velko::ui;
using velko::platform::ControlTemplate;
using velko::platform::DialogTemplate;
using velko::res::testing::Gb;

enum : int { kCombo = 1010, kScrollBar = 2039, kLabel = 1026 };

constexpr ControlTemplate kControls[] = {
    {kCombo, "COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 120, 80},
    {kScrollBar, "SCROLLBAR", "", WS_VISIBLE | SBS_HORZ, 10, 30, 120, 10},
    {kLabel, "STATIC", "old", WS_VISIBLE | SS_LEFT, 10, 50, 120, 10},
};
constexpr DialogTemplate kDialog{
    .caption = "Helpers", .font_name = "MS Shell Dlg", .font_size = 8, .cx = 160, .cy = 80, .controls = kControls};

INT_PTR QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

class PageHelpersOnControls : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_ = CreateDialogIndirectParam(0, &kDialog, 0, QuietProc, 0);
    ASSERT_NE(dialog_, 0u);
  }
  void TearDown() override { DestroyWindow(dialog_); }

  std::string ItemText(int index) const {
    char text[64] = {};
    SendDlgItemMessage(dialog_, kCombo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  int Count() const { return static_cast<int>(SendDlgItemMessage(dialog_, kCombo, CB_GETCOUNT, 0, 0)); }
  int Selected() const { return static_cast<int>(SendDlgItemMessage(dialog_, kCombo, CB_GETCURSEL, 0, 0)); }
  CScrollBar* Bar() const { return CWnd::FromHandleAs<CScrollBar>(GetDlgItem(dialog_, kScrollBar)); }

  HWND dialog_ = 0;
};

struct FillCase {
  const char* what;
  NameTable names;
  int count;
  int selected;
  std::string selectedUtf8;  // the selected item's text
};

TEST_F(PageHelpersOnControls, FillingAddsTheNamesAndSelectsTheDefault) {
  const FillCase cases[] = {
      {"custom size's outputs: one item, selected", kOutputNames[12], 1, 0, "依照纸张尺寸"},
      {"papers: thirteen, A5 by default", kPaperNames, 13, 2, "A5 148 x 210 mm"},
      {"Executive's outputs: the second item", kOutputNames[8], 2, 1, "依照纸张尺寸"},
      {"pages per sheet, group 1", kPagesPerSheetNames[1], 2, 0, "单页"},
      {"media", kMediaNames, 5, 0, "普通纸"},
  };
  for (const FillCase& c : cases) {
    // Each fill starts from the previous case's items: they must go.
    FillComboById(dialog_, kCombo, c.names);
    EXPECT_EQ(Count(), c.count) << c.what;
    EXPECT_EQ(Selected(), c.selected) << c.what;
    EXPECT_EQ(ItemText(c.selected), Gb(c.selectedUtf8)) << c.what;
  }
}

TEST_F(PageHelpersOnControls, TheClassLibrarysComboFillsTheSameWay) {
  CComboBox* combo = CWnd::FromHandleAs<CComboBox>(GetDlgItem(dialog_, kCombo));
  FillCombo(combo, kPaperNames);
  FillCombo(combo, kWatermarkPositionNames);
  ASSERT_EQ(Count(), 7);
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(ItemText(0), Gb("中"));
  EXPECT_EQ(ItemText(6), Gb("右下"));
  // Every name in table order.
  for (int i = 0; i < 7; ++i) {
    EXPECT_STREQ(ItemText(i).c_str(), kWatermarkPositionNames[i].data()) << i;
  }
}

struct StepCase {
  const char* what;
  UINT code;
  int position;
  int thumb;
  int expected;
};

TEST_F(PageHelpersOnControls, ScrollCodesStepThePositionWithinTheRange) {
  SetScrollRange(GetDlgItem(dialog_, kScrollBar), SB_CTL, -10, 10, FALSE);
  const StepCase cases[] = {
      {"line up", SB_LINEUP, 0, 0, -1},
      {"line up at the bottom stays", SB_LINEUP, -10, 0, -10},
      {"line down", SB_LINEDOWN, 0, 0, 1},
      {"line down at the top stays", SB_LINEDOWN, 10, 0, 10},
      {"page up by five", SB_PAGEUP, 2, 0, -3},
      {"page up near the bottom gives the minimum", SB_PAGEUP, -8, 0, -10},
      {"page down by five", SB_PAGEDOWN, -2, 0, 3},
      {"page down near the top gives the maximum", SB_PAGEDOWN, 8, 0, 10},
      {"thumb position takes the thumb", SB_THUMBPOSITION, 0, 7, 7},
      {"thumb position past the range is clamped", SB_THUMBPOSITION, 0, 25, 10},
      {"thumb position below the range is clamped", SB_THUMBPOSITION, 0, -40, -10},
      {"thumb tracking leaves the position", SB_THUMBTRACK, 3, 9, 3},
      {"top is not a step", SB_TOP, 4, 0, 4},
      {"end scroll leaves the position", SB_ENDSCROLL, -6, 2, -6},
  };
  for (const StepCase& c : cases) {
    Bar()->SetScrollPos(c.position, FALSE);
    EXPECT_EQ(StepScrollPos(c.code, c.thumb, Bar()), c.expected) << c.what;
    EXPECT_EQ(Bar()->GetScrollPos(), c.position) << c.what << ": the bar itself must not move";
  }
}

TEST_F(PageHelpersOnControls, ScrollStepsFollowTheBarsOwnRange) {
  SetScrollRange(GetDlgItem(dialog_, kScrollBar), SB_CTL, 0, 100, FALSE);
  Bar()->SetScrollPos(97, FALSE);
  EXPECT_EQ(StepScrollPos(SB_PAGEDOWN, 0, Bar()), 100);
  EXPECT_EQ(StepScrollPos(SB_PAGEUP, 0, Bar()), 92);
  EXPECT_EQ(StepScrollPos(SB_THUMBPOSITION, 55, Bar()), 55);
}

TEST_F(PageHelpersOnControls, WindowTextsComeFromVelkoUisStringTable) {
  CWnd* label = CWnd::FromHandle(GetDlgItem(dialog_, kLabel));
  SetTextFromResource(label, 5004);
  EXPECT_EQ(velko::platform::WindowText(label->m_hWnd), Gb("色彩调节"));
  SetTextFromResource(label, 5208);
  EXPECT_EQ(velko::platform::WindowText(label->m_hWnd), Gb("名称已经存在"));
  // No such string: the text a failed load gives, empty.
  SetTextFromResource(label, 4999);
  EXPECT_EQ(velko::platform::WindowText(label->m_hWnd), "");
}

}  // namespace
