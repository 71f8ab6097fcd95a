// The color adjustment sheet run modally on VelkoUI's own templates: which
// pages it offers, OK writing both blocks and Cancel none, the controls'
// start from the record (clamped sliders, lists without a selection), the
// table rebuilt only when a value moves, restore default on both pages, the
// density page's enabling and monochrome rows, and the context help.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "color/color_table.h"
#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/draw_bitmaps.h"
#include "ui/core/page_variables.h"
#include "ui/dialogs/color_adjust_sheet.h"

namespace {

using velko::ColorAdjustBlock;
using velko::DensityBlock;
using velko::SettingsRecord;
using velko::platform::ScrollGesture;
using velko::platform::UserAction;
using velko::ui::CColPS;

enum : int32_t { kDocumentMode = 0, kMonochromeMode = 3, kCustomMode = 4 };

// User actions with checks between them: a check runs when the modal loop
// asks for the next action, so it sees the sheet as the user would.
class StepInput : public velko::platform::InputSource {
 public:
  using Probe = std::function<void()>;
  StepInput& Do(UserAction action) {
    steps_.emplace_back(std::move(action));
    return *this;
  }
  StepInput& Check(Probe probe) {
    steps_.emplace_back(std::move(probe));
    return *this;
  }
  std::optional<UserAction> Next() override {
    while (!steps_.empty()) {
      auto step = std::move(steps_.front());
      steps_.pop_front();
      if (auto* probe = std::get_if<Probe>(&step)) {
        (*probe)();
        continue;
      }
      return std::get<UserAction>(std::move(step));
    }
    return std::nullopt;
  }
  void Fault(const UserAction* action, std::string_view why) override {
    faults.push_back((action != nullptr ? std::to_string(action->id) + ": " : std::string()) + std::string(why));
  }
  std::vector<std::string> faults;

 private:
  std::deque<std::variant<UserAction, Probe>> steps_;
};

std::vector<uint8_t> TableBytes() {
  const auto table = velko::color::CurrentColorTable();
  return {table.begin(), table.end()};
}

std::vector<uint8_t> TableFor(const ColorAdjustBlock& block) {
  velko::color::BuildColorTable(&block);
  return TableBytes();
}

bool SameBytes(const SettingsRecord& a, const SettingsRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class ColorAdjustSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    current_.ColorMode = kCustomMode;
    current_.ColorAdjust = {0, 1, 0, 0, 0, 0, 0, 0};
    current_.Density = {1, 0, 0, 0, 0};
    defaults_.ColorMode = kCustomMode;
    defaults_.ColorAdjust = {1, 2, 5, -4, 3, -2, 1, 0};
    defaults_.Density = {1, -2, 3, 4, -5};
    velko::ui::CurrentSettings = &current_;
    velko::ui::DefaultSettings = &defaults_;
    velko::platform::ClearUserRecords();
  }
  void TearDown() override {
    velko::platform::SetInputSource(nullptr);
    for (HWND top : velko::platform::TopLevelWindows()) ::DestroyWindow(top);
    velko::ui::CurrentSettings = nullptr;
    velko::ui::DefaultSettings = nullptr;
  }

  // Runs the sheet as the color page does, with the given start page.
  INT_PTR Run(StepInput& input, int start = 0) {
    velko::platform::ScopedInputSource use(input);
    CColPS sheet(5004, &start, nullptr, 0);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet_ = &sheet;
    const INT_PTR result = sheet.DoModal();
    sheet_ = nullptr;
    EXPECT_TRUE(input.faults.empty()) << input.faults.front();
    return result;
  }

  // The page shown now, and its controls.
  HWND Page() const {
    namespace vp = velko::platform;
    return vp::PropertySheetPage(sheet_->m_hWnd, vp::PropertySheetActivePage(sheet_->m_hWnd));
  }
  HWND Control(int id) const { return ::GetDlgItem(Page(), id); }
  std::string Text(int id) const {
    char text[64] = {};
    ::GetDlgItemText(Page(), id, text, sizeof text);
    return text;
  }
  int Selected(int id) const { return static_cast<int>(::SendDlgItemMessage(Page(), id, CB_GETCURSEL, 0, 0)); }
  int Position(int id) const { return ::GetScrollPos(Control(id), SB_CTL); }
  bool Enabled(int id) const { return ::IsWindowEnabled(Control(id)) != FALSE; }

  SettingsRecord current_{};
  SettingsRecord defaults_{};
  CColPS* sheet_ = nullptr;
};

TEST_F(ColorAdjustSheetTest, OutsideTheCustomModeTheDensityPageIsAlone) {
  struct ModeCase {
    int32_t mode;
    int pages;
  };
  const ModeCase cases[] = {
      {kCustomMode, 2},
      {kDocumentMode, 1},   // the mode's own adjustments: nothing to adjust
      {kMonochromeMode, 1},
      {5, 1},               // ICM
      {-1, 1},              // a stored value outside the modes
  };
  for (const ModeCase& c : cases) {
    current_.ColorMode = c.mode;
    int start = 0;
    CColPS sheet(5004, &start, nullptr, 0);
    ASSERT_EQ(sheet.GetPageCount(), c.pages) << c.mode;
    EXPECT_EQ(sheet.GetPage(c.pages - 1), &sheet.DensityPage()) << c.mode;
    EXPECT_EQ(sheet.AdjustPage().Block().Bright, current_.ColorAdjust.Bright);
  }
}

TEST_F(ColorAdjustSheetTest, OkWritesBothBlocksAndCancelNothing) {
  struct RunCase {
    const char* what;
    int32_t mode;
    bool ok;
  };
  const RunCase cases[] = {
      {"custom mode, OK", kCustomMode, true},
      {"custom mode, Cancel after the moves", kCustomMode, false},
      {"density page alone, OK: the color block goes back unchanged", kDocumentMode, true},
      {"density page alone, Cancel", kDocumentMode, false},
  };
  for (const RunCase& c : cases) {
    SetUp();
    current_.ColorMode = c.mode;
    current_.ColorAdjust.Sample = 2;
    current_.Density.Gannma = 0;
    const SettingsRecord before = current_;
    StepInput input;
    if (c.mode == kCustomMode) {
      input.Do(UserAction::Scroll(2040, ScrollGesture::LineDown))    // Fullness 0 -> 1
          .Do(UserAction::Scroll(2046, ScrollGesture::PageUp))       // YellowBlue 0 -> -5
          .Do(UserAction::SelectIndex(2117, 3))                      // graphics, code 4
          .Do(UserAction::Page(1));
    }
    input.Do(UserAction::Click(2060))                                // density on
        .Do(UserAction::Scroll(2047, ScrollGesture::PageDown))       // Black 0 -> 5
        .Do(c.ok ? UserAction::Ok() : UserAction::Cancel());
    EXPECT_EQ(Run(input), c.ok ? IDOK : IDCANCEL) << c.what;

    SettingsRecord expected = before;
    if (c.ok) {
      if (c.mode == kCustomMode) {
        expected.ColorAdjust.Fullness = 1;
        expected.ColorAdjust.YellowBlue = -5;
        expected.ColorAdjust.BaseColor = 4;
      }
      expected.Density.Gannma = 1;
      expected.Density.Black = 5;
    }
    EXPECT_TRUE(SameBytes(current_, expected)) << c.what;
    if (c.mode == kCustomMode && !c.ok) {
      // The module's table still shows the last preview.
      ColorAdjustBlock last = before.ColorAdjust;
      last.Fullness = 1;
      last.YellowBlue = -5;
      last.BaseColor = 4;
      const std::vector<uint8_t> shown = TableBytes();
      EXPECT_EQ(shown, TableFor(last)) << c.what;
    }
  }
}

TEST_F(ColorAdjustSheetTest, TheCallersIndexChoosesTheStartPage) {
  for (const int start : {0, 1}) {
    StepInput input;
    int active = -1;
    bool density_shown = false;
    input.Check([&] {
      active = sheet_->GetActiveIndex();
      density_shown = Control(2060) != 0;
    });
    input.Do(UserAction::Cancel());
    Run(input, start);
    EXPECT_EQ(active, start);
    EXPECT_EQ(density_shown, start == 1);
  }
}

struct StartCase {
  const char* what;
  ColorAdjustBlock block;
  int sample_item;      // -1: no selection
  int base_color_item;  // -1: no selection
  int bright_position;
  std::string bright_label;
  std::string cyan_red_label;
};

TEST_F(ColorAdjustSheetTest, TheAdjustmentPageStartsFromTheRecord) {
  const StartCase cases[] = {
      {"codes in their tables", {2, 3, 4, 0, 0, -3, 0, 0}, 2, 0, 4, "4", "-3"},
      {"graphics is the last item", {0, 4, 0, 0, 0, 0, 0, 0}, 0, 3, 0, "0", "0"},
      // A fresh record: base color 0 is in no item.
      {"base color outside the table", {0, 0, 0, 0, 0, 0, 0, 0}, 0, -1, 0, "0", "0"},
      {"sample outside the list", {7, 1, 0, 0, 0, 0, 0, 0}, -1, 1, 0, "0", "0"},
      // Out-of-range sliders show clamped, label and bar alike.
      {"sliders beyond their ends", {0, 1, 15, 0, 0, -40, 0, 0}, 0, 1, 10, "10", "-10"},
  };
  for (const StartCase& c : cases) {
    SetUp();
    current_.ColorAdjust = c.block;
    StepInput input;
    input.Check([&] {
      EXPECT_EQ(Selected(2004), c.sample_item) << c.what;
      EXPECT_EQ(Selected(2117), c.base_color_item) << c.what;
      EXPECT_EQ(Position(2039), c.bright_position) << c.what;
      EXPECT_EQ(Text(2031), c.bright_label) << c.what;
      EXPECT_EQ(Text(2035), c.cyan_red_label) << c.what;
    });
    input.Do(UserAction::Ok());
    Run(input);
    // The stored values stay as they were until a scroll replaces them.
    EXPECT_EQ(std::memcmp(&current_.ColorAdjust, &c.block, sizeof c.block), 0) << c.what;
  }
}

TEST_F(ColorAdjustSheetTest, OnlyAMovedValueRebuildsTheTable) {
  current_.ColorAdjust = {0, 1, -10, 0, 0, 0, 0, 0};
  ColorAdjustBlock marker = current_.ColorAdjust;
  marker.BaseColor = 3;  // a table the page would never build
  const std::vector<uint8_t> marked = TableFor(marker);
  ColorAdjustBlock moved = current_.ColorAdjust;
  moved.Bright = -9;
  const std::vector<uint8_t> expected = TableFor(moved);

  StepInput input;
  input.Check([&] {
    velko::color::BuildColorTable(&marker);
    ::SetDlgItemText(Page(), 2031, "x");
  });
  input.Do(UserAction::Scroll(2039, ScrollGesture::LineUp));  // at -10 already
  input.Check([&] {
    EXPECT_EQ(Text(2031), "-10") << "the label is rewritten";
    EXPECT_EQ(TableBytes(), marked) << "the same value must not rebuild";
  });
  input.Do(UserAction::Scroll(2039, ScrollGesture::EndScroll));
  input.Check([&] { EXPECT_EQ(TableBytes(), marked) << "the end of a scroll moves nothing"; });
  input.Do(UserAction::Scroll(2039, ScrollGesture::LineDown));
  input.Check([&] {
    EXPECT_EQ(Text(2031), "-9");
    EXPECT_EQ(TableBytes(), expected) << "a moved value rebuilds from the page's block";
  });
  input.Do(UserAction::Scroll(2039, ScrollGesture::ThumbPosition, -4));
  input.Check([&] { EXPECT_EQ(Text(2031), "-4") << "negative thumb positions keep their sign"; });
  input.Do(UserAction::Ok());
  Run(input);
  EXPECT_EQ(current_.ColorAdjust.Bright, -4);
}

TEST_F(ColorAdjustSheetTest, AChosenSampleAndBaseColorReachTheBlock) {
  StepInput input;
  input.Do(UserAction::SelectIndex(2004, 3)).Do(UserAction::SelectIndex(2117, 2)).Do(UserAction::Ok());
  Run(input);
  EXPECT_EQ(current_.ColorAdjust.Sample, 3);
  EXPECT_EQ(current_.ColorAdjust.BaseColor, 2) << "item 2 is document, code 2";
  const std::vector<uint8_t> shown = TableBytes();
  EXPECT_EQ(shown, TableFor(current_.ColorAdjust)) << "the table follows the base color";
}

TEST_F(ColorAdjustSheetTest, RestoreDefaultOnTheAdjustmentPageTakesTheWholeBlock) {
  current_.ColorAdjust = {3, 4, -1, 2, 0, 0, 0, 7};
  const std::vector<uint8_t> restored = TableFor(defaults_.ColorAdjust);
  StepInput input;
  input.Do(UserAction::Click(2014));
  input.Check([&] {
    EXPECT_EQ(Selected(2004), 1) << "Sample comes back too";
    EXPECT_EQ(Selected(2117), 2) << "document";
    EXPECT_EQ(Text(2031), "5");
    EXPECT_EQ(Text(2032), "-4");
    EXPECT_EQ(Position(2044), -2);
    EXPECT_EQ(TableBytes(), restored) << "the repaint rebuilt the table";
  });
  input.Do(UserAction::Ok());
  Run(input);
  EXPECT_EQ(std::memcmp(&current_.ColorAdjust, &defaults_.ColorAdjust, sizeof(ColorAdjustBlock)), 0);
  EXPECT_EQ(current_.Density.Black, 0) << "the density page keeps its own block";
}

struct EnableCase {
  const char* what;
  int32_t mode;
  int32_t gannma;
  bool click;        // toggle the switch before looking
  bool check;        // the switch's state then
  bool black;        // the black row
  bool colors;       // the cyan, magenta and yellow rows
};

TEST_F(ColorAdjustSheetTest, TheDensitySwitchAndTheMonochromeRows) {
  const EnableCase cases[] = {
      {"on", kDocumentMode, 1, false, true, true, true},
      {"off", kDocumentMode, 0, false, false, false, false},
      {"switched on", kDocumentMode, 0, true, true, true, true},
      {"switched off", kDocumentMode, 1, true, false, false, false},
      {"monochrome, on: black only", kMonochromeMode, 1, false, true, true, false},
      {"monochrome, off: nothing", kMonochromeMode, 0, false, false, false, false},
      {"monochrome, switched on: black only", kMonochromeMode, 0, true, true, true, false},
      {"custom mode, on", kCustomMode, 1, false, true, true, true},
  };
  for (const EnableCase& c : cases) {
    SetUp();
    current_.ColorMode = c.mode;
    current_.Density.Gannma = c.gannma;
    StepInput input;
    if (c.mode == kCustomMode) input.Do(UserAction::Page(1));
    if (c.click) input.Do(UserAction::Click(2060));
    input.Check([&] {
      EXPECT_EQ(::IsDlgButtonChecked(Page(), 2060) == BST_CHECKED, c.check) << c.what;
      EXPECT_TRUE(Enabled(2060)) << c.what;
      for (const int id : {2119, 2034, 2047, 2081, 2082, 2083, 2077, 2079}) {
        EXPECT_EQ(Enabled(id), c.black) << c.what << ", control " << id;
      }
      for (const int id : {2121, 2041, 2049, 2123, 2043, 2050, 2125, 2048, 2051}) {
        EXPECT_EQ(Enabled(id), c.colors) << c.what << ", control " << id;
      }
      for (const int id : {2056, 2057, 2058, 2059}) EXPECT_TRUE(Enabled(id)) << c.what << ", picture " << id;
    });
    input.Do(UserAction::Ok());
    Run(input);
    EXPECT_EQ(current_.Density.Gannma, c.check ? 1 : 0) << c.what;
  }
}

TEST_F(ColorAdjustSheetTest, DensitySlidersStoreEveryEvent) {
  current_.ColorMode = kDocumentMode;
  current_.Density = {1, 15, -3, 0, 0};
  StepInput input;
  input.Check([&] {
    EXPECT_EQ(Text(2034), "10") << "out of range shows clamped";
    EXPECT_EQ(Text(2041), "-3");
  });
  // The end of a scroll leaves the bar where it was: the shown 10 replaces
  // the stored 15.
  input.Do(UserAction::Scroll(2047, ScrollGesture::EndScroll));
  input.Do(UserAction::Scroll(2049, ScrollGesture::PageUp));
  input.Do(UserAction::Scroll(2050, ScrollGesture::ThumbPosition, 7));
  input.Check([&] {
    EXPECT_EQ(Text(2041), "-8");
    EXPECT_EQ(Text(2043), "7");
  });
  input.Do(UserAction::Ok());
  Run(input);
  const DensityBlock expected{1, 10, -8, 7, 0};
  EXPECT_EQ(std::memcmp(&current_.Density, &expected, sizeof expected), 0);
}

TEST_F(ColorAdjustSheetTest, RestoreDefaultOnTheDensityPage) {
  current_.ColorMode = kMonochromeMode;
  current_.Density = {0, 4, 4, 4, 4};
  defaults_.Density = {1, -2, 3, 4, -5};
  StepInput input;
  input.Do(UserAction::Click(2014));
  input.Check([&] {
    EXPECT_EQ(::IsDlgButtonChecked(Page(), 2060), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Text(2034), "-2");
    EXPECT_EQ(Text(2048), "-5");
    EXPECT_TRUE(Enabled(2047));
    EXPECT_FALSE(Enabled(2051)) << "still monochrome";
  });
  input.Do(UserAction::Ok());
  Run(input);
  EXPECT_EQ(std::memcmp(&current_.Density, &defaults_.Density, sizeof(DensityBlock)), 0);
  EXPECT_EQ(current_.ColorAdjust.BaseColor, 1) << "the other block stays";
}

TEST_F(ColorAdjustSheetTest, DensityPicturesTakeTheirSizeAndFill) {
  current_.ColorMode = kDocumentMode;
  // A fill no face or ink has, so that only the flood fill can put it there.
  constexpr COLORREF kMarker = RGB(1, 2, 3);
  const COLORREF saved = velko::ui::BitmapFillColor;
  velko::ui::BitmapFillColor = kMarker;
  StepInput input;
  input.Check([&] {
    RECT bar{};
    ::GetWindowRect(Control(2047), &bar);
    for (const int id : {2056, 2057, 2058, 2059}) {
      RECT picture{};
      ::GetWindowRect(Control(id), &picture);
      EXPECT_EQ(picture.right - picture.left, (bar.right - bar.left) * 7 / 8) << id;
      EXPECT_EQ(picture.bottom - picture.top, bar.bottom - bar.top + 2) << id;
      EXPECT_TRUE(::IsWindowVisible(Control(id))) << id;
      const HDC dc = ::GetDC(Control(id));
      EXPECT_EQ(::GetPixel(dc, 0, 0), kMarker) << "the white surround takes the fill, " << id;
      bool ink = false;
      for (int x = 0; x < picture.right - picture.left; ++x) ink = ink || ::GetPixel(dc, x, (picture.bottom - picture.top) / 2) != kMarker;
      EXPECT_TRUE(ink) << "the bars are drawn, " << id;
      ::ReleaseDC(Control(id), dc);
    }
  });
  input.Do(UserAction::Cancel());
  Run(input);
  // The page's paint context has the default white background, which is
  // never taken as the fill.
  EXPECT_EQ(velko::ui::BitmapFillColor, kMarker);
  velko::ui::BitmapFillColor = saved;
}

// A pixel of the swatch as painted: in the cyan half of its first row, which
// saturation moves.
COLORREF SwatchPixel(HWND swatch) {
  RECT area{};
  ::GetClientRect(swatch, &area);
  const HDC dc = ::GetDC(swatch);
  const COLORREF pixel = ::GetPixel(dc, area.right / 8, 4);
  ::ReleaseDC(swatch, dc);
  return pixel;
}

TEST_F(ColorAdjustSheetTest, ThePreviewFollowsTheSaturation) {
  COLORREF before = 0;
  COLORREF after = 0;
  COLORREF blank = 0;
  StepInput input;
  input.Check([&] {
    before = SwatchPixel(Control(2118));
    blank = SwatchPixel(Control(2014));
  });
  input.Do(UserAction::Scroll(2040, ScrollGesture::PageDown)).Do(UserAction::Scroll(2040, ScrollGesture::PageDown));
  input.Check([&] {
    EXPECT_EQ(Text(2032), "10");
    after = SwatchPixel(Control(2118));
  });
  input.Do(UserAction::Cancel());
  Run(input);
  EXPECT_NE(before, blank) << "the swatch was painted";
  EXPECT_NE(before, after) << "saturation +10 changes the swatch";
}

TEST_F(ColorAdjustSheetTest, APaletteDisplayGetsTheHalftonePalette) {
  for (const bool paletteDisplay : {false, true}) {
    velko::platform::SetDisplayPaletteMode(paletteDisplay);
    bool made = !paletteDisplay;
    StepInput input;
    input.Check([&] { made = sheet_->AdjustPage().HasPalette(); });
    input.Do(UserAction::Cancel());
    Run(input);
    velko::platform::SetDisplayPaletteMode(false);
    EXPECT_EQ(made, paletteDisplay);
  }
}

struct HelpCase {
  int page;
  int control;
  DWORD context;
};

TEST_F(ColorAdjustSheetTest, ContextHelpOfBothPages) {
  const HelpCase cases[] = {
      {0, 2004, 524628}, {0, 2117, 524629}, {0, 2039, 524630}, {0, 2096, 524631},
      {0, 2033, 524632}, {0, 2046, 524633}, {0, 2118, 0},      {0, 2014, 524596},
      {1, 2060, 524640}, {1, 2059, 524641}, {1, 2014, 524596},
  };
  StepInput input;
  int page = 0;
  for (const HelpCase& c : cases) {
    if (c.page != page) input.Do(UserAction::Page(page = c.page));
    input.Do(UserAction::Help(c.control));
  }
  input.Do(UserAction::Cancel());
  Run(input);
  const auto& help = velko::platform::UserRecords().help;
  ASSERT_EQ(help.size(), std::size(cases));
  for (std::size_t i = 0; i < help.size(); ++i) {
    EXPECT_EQ(help[i].control_id, cases[i].control);
    EXPECT_EQ(help[i].file, "Velko.hlp");
    EXPECT_EQ(help[i].command, static_cast<UINT>(HELP_CONTEXTMENU));
    EXPECT_TRUE(help[i].table_ok && help[i].found) << cases[i].control;
    EXPECT_EQ(help[i].context, cases[i].context) << cases[i].control;
  }
}

}  // namespace
