// The custom paper size dialog on its real template: what it shows for a
// record, typed sizes clamped when the field is left, units switched back
// and forth, the arrows, the feed direction, OK and Cancel, context help.
#include <cstring>

#include "tests/resources/gb2312_text.h"
#include "tests/ui/dialog_steps.h"
#include "ui/dialogs/custom_size_dialog.h"

namespace velko::ui::testing {
namespace {

using platform::ScrollGesture;
using res::testing::Gb;

enum : int {
  kWidth = 2066,
  kHeight = 2009,
  kWidthArrows = 2120,
  kHeightArrows = 2003,
  kWidthUnit = 2124,
  kHeightUnit = 2122,
  kWidthRange = 2062,
  kHeightRange = 2065,
  kMm = 2068,
  kInch = 2069,
  kShortIcon = 2126,
  kShortText = 2112,
  kLongIcon = 2128,
  kLongText = 2114,
};

class CustomSizeDialog : public DialogTest {
 protected:
  void SetSize(int32_t unit, double width, double height) {
    current_.CustomUnit = unit;
    current_.CustomWidth = width;
    current_.CustomHeight = height;
  }

  // Runs the dialog and gives the edits' texts at the end of `steps`.
  std::pair<std::string, std::string> ShownAfter(std::vector<Step> steps) {
    std::pair<std::string, std::string> shown;
    steps.push_back(Step([&shown](HWND d) { shown = {ControlText(d, kWidth), ControlText(d, kHeight)}; }));
    steps.push_back(UserAction::Cancel());
    CCustomSizeDlg dialog;
    EXPECT_EQ(RunDialog(dialog, std::move(steps)), IDCANCEL);
    return shown;
  }
};

TEST_F(CustomSizeDialog, OpensWithTheRecordsSizeUnitAndLimits) {
  SetSize(0, 210.0, 297.0);
  CCustomSizeDlg dialog;
  const SettingsRecord before = current_;
  RunDialog(dialog, {Step([](HWND d) {
                       EXPECT_EQ(ControlText(d, kWidth), "210.0");
                       EXPECT_EQ(ControlText(d, kHeight), "297.0");
                       EXPECT_EQ(ControlText(d, kWidthUnit), "mm");
                       EXPECT_EQ(ControlText(d, kHeightUnit), "mm");
                       EXPECT_EQ(ControlText(d, kWidthRange), "(100.0 - 215.9mm)");
                       EXPECT_EQ(ControlText(d, kHeightRange), "(210.0 - 297.0mm)");
                       EXPECT_TRUE(ControlChecked(d, kMm));
                       EXPECT_FALSE(ControlChecked(d, kInch));
                       EXPECT_EQ(SendDlgItemMessage(d, kWidth, EM_GETLIMITTEXT, 0, 0), 5);
                       EXPECT_EQ(SendDlgItemMessage(d, kHeight, EM_GETLIMITTEXT, 0, 0), 5);
                     }),
                     UserAction::Cancel()});
  EXPECT_EQ(std::memcmp(&before, &current_, sizeof before), 0) << "Cancel touched the record";
}

TEST_F(CustomSizeDialog, OpensInInchesWithTheInchLimits) {
  SetSize(1, 8.5, 11.0);
  CCustomSizeDlg dialog;
  RunDialog(dialog, {Step([](HWND d) {
                       EXPECT_EQ(ControlText(d, kWidth), "8.50") << "leading blank of \" 8.50\" removed";
                       EXPECT_EQ(ControlText(d, kHeight), "11.00");
                       EXPECT_EQ(ControlText(d, kWidthUnit), "inch");
                       EXPECT_EQ(ControlText(d, kWidthRange), "(3.94 - 8.50inch)");
                       EXPECT_EQ(ControlText(d, kHeightRange), "(8.27 - 11.69inch)");
                       EXPECT_TRUE(ControlChecked(d, kInch));
                     }),
                     UserAction::Cancel()});
}

struct TypedCase {
  int32_t unit;
  int edit;
  const char* typed;
  const char* shown;  // in that edit once it is left
  const char* other;  // in the other edit, unchanged
};

TEST_F(CustomSizeDialog, ATypedSizeIsClampedWhenTheFieldIsLeft) {
  const TypedCase cases[] = {
      {0, kWidth, "250", "215.9", "297.0"},   // above the width limit
      {0, kWidth, "12a", "100.0", "297.0"},   // cut at the letter, then below the limit
      {0, kWidth, "", "100.0", "297.0"},      // empty parses as 0
      {0, kWidth, "150", "150.0", "297.0"},   // inside: shown in the edit format
      {0, kHeight, "300", "297.0", "210.0"},
      {0, kHeight, "1", "210.0", "210.0"},
      {1, kHeight, "9.876", "9.87", "8.50"},  // the fraction truncates to the step
      {1, kWidth, "9", "8.50", "11.00"},
  };
  for (const TypedCase& c : cases) {
    if (c.unit == 0) {
      SetSize(0, 210.0, 297.0);
    } else {
      SetSize(1, 8.5, 11.0);
    }
    const auto [width, height] =
        ShownAfter({UserAction::Clear(c.edit), UserAction::Type(c.edit, c.typed), UserAction::Leave(c.edit)});
    EXPECT_EQ(c.edit == kWidth ? width : height, c.shown) << '"' << c.typed << '"';
    EXPECT_EQ(c.edit == kWidth ? height : width, c.other) << '"' << c.typed << "\": the other size changed";
  }
}

TEST_F(CustomSizeDialog, WhatIsCutKeepsShowingUntilLeftWithTheCaretAfterTheKeptPart) {
  SetSize(0, 210.0, 297.0);
  CCustomSizeDlg dialog;
  RunDialog(dialog, {UserAction::Clear(kWidth), UserAction::Type(kWidth, "18x5"), Step([](HWND d) {
                       EXPECT_EQ(ControlText(d, kWidth), "18x5");
                       DWORD start = 99, end = 99;
                       SendDlgItemMessage(d, kWidth, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                          reinterpret_cast<LPARAM>(&end));
                       EXPECT_EQ(start, 2u);
                       EXPECT_EQ(end, 2u);
                     }),
                     UserAction::Leave(kWidth), Step([](HWND d) { EXPECT_EQ(ControlText(d, kWidth), "100.0"); }),
                     UserAction::Cancel()});
}

struct RoundTripCase {
  double width;
  double height;
  const char* inchWidth;
  const char* inchHeight;
};

TEST_F(CustomSizeDialog, SwitchingUnitsBackAndForthReturnsTheSameFigures) {
  const RoundTripCase cases[] = {
      {210.0, 297.0, "8.27", "11.69"},  // A4
      {100.0, 210.0, "3.94", "8.27"},   // both lower limits
      {215.9, 297.0, "8.50", "11.69"},  // both upper limits
      {123.4, 250.1, "4.86", "9.85"},   // between steps of the other unit
      {150.5, 222.2, "5.93", "8.75"},
  };
  for (const RoundTripCase& c : cases) {
    SetSize(0, c.width, c.height);
    char width[16], height[16];
    std::snprintf(width, sizeof width, "%.1f", c.width);
    std::snprintf(height, sizeof height, "%.1f", c.height);
    CCustomSizeDlg dialog;
    RunDialog(dialog, {UserAction::Click(kInch), Step([&](HWND d) {
                         EXPECT_EQ(ControlText(d, kWidth), c.inchWidth) << width;
                         EXPECT_EQ(ControlText(d, kHeight), c.inchHeight) << height;
                         EXPECT_EQ(ControlText(d, kWidthRange), "(3.94 - 8.50inch)");
                         EXPECT_EQ(ControlText(d, kHeightUnit), "inch");
                       }),
                       UserAction::Click(kMm), UserAction::Click(kInch), UserAction::Click(kMm), Step([&](HWND d) {
                         EXPECT_EQ(ControlText(d, kWidth), width);
                         EXPECT_EQ(ControlText(d, kHeight), height);
                         EXPECT_EQ(ControlText(d, kWidthRange), "(100.0 - 215.9mm)");
                       }),
                       UserAction::Cancel()});
  }
}

TEST_F(CustomSizeDialog, OkStoresTheUnitAndTheSizesInIt) {
  struct Case {
    int32_t unit;
    int clicked;  // the unit radio clicked before OK
    double width, height;
  } cases[] = {
      {1, kInch, 8.27, 11.69},  // switched to inches: stored in inches
      {0, kMm, 210.0, 297.0},   // unchanged: millimetres
  };
  for (const Case& c : cases) {
    SetSize(0, 210.0, 297.0);
    CCustomSizeDlg dialog;
    EXPECT_EQ(RunDialog(dialog, {UserAction::Click(c.clicked), UserAction::Ok()}), IDOK);
    EXPECT_EQ(current_.CustomUnit, c.unit);
    // Single-precision steps leave a few millionths.
    EXPECT_NEAR(current_.CustomWidth, c.width, 1e-4);
    EXPECT_NEAR(current_.CustomHeight, c.height, 1e-4);
  }
}

TEST_F(CustomSizeDialog, OkAppliesWhatIsTypedButNotYetLeft) {
  SetSize(0, 210.0, 297.0);
  CCustomSizeDlg dialog;
  EXPECT_EQ(RunDialog(dialog, {UserAction::Clear(kWidth), UserAction::Type(kWidth, "999"), UserAction::Clear(kHeight),
                               UserAction::Ok()}),
            IDOK);
  EXPECT_NEAR(current_.CustomWidth, 215.9, 1e-4) << "clamped to the upper limit";
  EXPECT_NEAR(current_.CustomHeight, 210.0, 1e-4) << "empty is the lower limit";
}

TEST_F(CustomSizeDialog, CancelAfterChangesLeavesTheRecord) {
  SetSize(0, 180.0, 260.0);
  const SettingsRecord before = current_;
  CCustomSizeDlg dialog;
  EXPECT_EQ(RunDialog(dialog, {UserAction::Click(kInch), UserAction::Clear(kWidth), UserAction::Type(kWidth, "5"),
                               UserAction::Leave(kWidth), UserAction::Cancel()}),
            IDCANCEL);
  EXPECT_EQ(std::memcmp(&before, &current_, sizeof before), 0);
}

TEST_F(CustomSizeDialog, TheArrowsStepByOneStepWithinTheLimits) {
  SetSize(0, 210.0, 297.0);
  const auto [width, height] = ShownAfter({UserAction::Scroll(kWidthArrows, ScrollGesture::LineUp),
                                           UserAction::Scroll(kHeightArrows, ScrollGesture::LineUp)});
  EXPECT_EQ(width, "210.1");
  EXPECT_EQ(height, "297.0") << "the height is at its upper limit";
  SetSize(1, 8.5, 11.0);
  const auto [inWidth, inHeight] = ShownAfter({UserAction::Scroll(kWidthArrows, ScrollGesture::LineDown),
                                               UserAction::Scroll(kHeightArrows, ScrollGesture::LineDown)});
  EXPECT_EQ(inWidth, "8.49");
  EXPECT_EQ(inHeight, "10.99");
}

struct FeedCase {
  double width, height;
  std::vector<Step> steps;
  bool shortEdge;  // the short-edge icon and text shown, the long-edge ones hidden
};

TEST_F(CustomSizeDialog, TheFeedDirectionFollowsTheSizes) {
  const FeedCase cases[] = {
      {210.0, 297.0, {}, true},  // portrait
      {297.0, 210.0, {}, false},  // wider than high, as a record may hold
      {210.0, 210.0, {}, true},   // square counts as short edge first
      // Typed narrower and left: back to short edge.
      {297.0, 210.0, {UserAction::Clear(kWidth), UserAction::Type(kWidth, "150"), UserAction::Leave(kWidth)}, true},
      // Arrows move the width above the height.
      {210.0, 210.0, {UserAction::Scroll(kWidthArrows, ScrollGesture::LineUp)}, false},
  };
  for (const FeedCase& c : cases) {
    SetSize(0, c.width, c.height);
    std::vector<Step> steps = c.steps;
    steps.push_back(Step([&c](HWND d) {
      EXPECT_EQ(ControlVisible(d, kShortIcon), c.shortEdge) << c.width << " x " << c.height;
      EXPECT_EQ(ControlVisible(d, kShortText), c.shortEdge);
      EXPECT_EQ(ControlVisible(d, kLongIcon), !c.shortEdge);
      EXPECT_EQ(ControlVisible(d, kLongText), !c.shortEdge);
    }));
    steps.push_back(UserAction::Cancel());
    CCustomSizeDlg dialog;
    RunDialog(dialog, steps);
  }
}

TEST_F(CustomSizeDialog, ARightClickOpensTheControlsHelpTopic) {
  const std::pair<int, DWORD> cases[] = {
      {kWidth, 524579}, {kWidthArrows, 524579}, {kHeight, 524580}, {kHeightRange, 524580},
      {kInch, 524581},  {kShortIcon, 524582},   {kShortText, 524582}, {IDOK, 524583}, {IDCANCEL, 524584},
  };
  SetSize(0, 210.0, 297.0);
  for (const auto& [id, context] : cases) {
    CCustomSizeDlg dialog;
    RunDialog(dialog, {UserAction::Help(id), UserAction::Cancel()});
    EXPECT_EQ(LastHelpContext(), context) << id;
    EXPECT_EQ(platform::UserRecords().help.back().file, "Velko.hlp");
  }
}

TEST_F(CustomSizeDialog, TheTemplatesTextsAreTheSystems) {
  SetSize(0, 210.0, 297.0);
  CCustomSizeDlg dialog;
  RunDialog(dialog, {Step([](HWND d) {
                       char caption[32] = {};
                       GetWindowText(d, caption, sizeof caption);
                       EXPECT_EQ(std::string(caption), Gb("自定义尺寸"));
                       EXPECT_EQ(ControlText(d, kShortText), Gb("短边方向"));
                       EXPECT_EQ(ControlText(d, kLongText), Gb("长边方向"));
                       EXPECT_EQ(ControlText(d, kInch), Gb("0.01英寸"));
                     }),
                     UserAction::Cancel()});
}

}  // namespace
}  // namespace velko::ui::testing
