// The watermark dialog run modally over a record pair: what a fresh dialog
// enables, user watermarks against built-in texts, stored codes outside
// their ranges, trackbars that redraw only on a change, restore default, OK
// and Cancel, the round trip through the list editor (additions chosen,
// deletions kept after Cancel), context help, and the preview it paints.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/page_variables.h"
#include "ui/dialogs/watermark_dialog.h"

namespace {

using namespace velko::ui;
using velko::SettingsRecord;
using velko::WatermarkBlock;
using Action = velko::platform::UserAction;

// Actions for the modal loop, with checks run between them.
using Step = std::variant<Action, std::function<void()>>;

class Steps : public velko::platform::InputSource {
 public:
  explicit Steps(std::vector<Step> steps) : steps_(std::move(steps)) {}
  std::optional<Action> Next() override {
    while (next_ < steps_.size()) {
      Step& step = steps_[next_++];
      if (auto* action = std::get_if<Action>(&step)) return *action;
      std::get<std::function<void()>>(step)();
    }
    return std::nullopt;
  }
  void Fault(const Action* action, std::string_view why) override {
    faults_.push_back((action != nullptr ? std::to_string(action->id) + ": " : std::string()) + std::string(why));
  }
  const std::vector<std::string>& faults() const { return faults_; }

 private:
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  std::vector<std::string> faults_;
};

void SetText(char* field, std::size_t size, const char* text) {
  std::memset(field, 0, size);
  std::strncpy(field, text, size - 1);
}

template <std::size_t N>
void SetText(char (&field)[N], const char* text) {
  SetText(field, N, text);
}

enum : int {
  kOnCheck = 2030, kFrame = 2029, kListLabel = 2419, kList = 2025, kEdit = 1082, kPositionLabel = 2133,
  kPosition = 2023, kColorLabel = 2135, kColor = 2024, kDensityLabel = 2137, kDensity = 2026, kLight = 2139,
  kDark = 2141, kSizeLabel = 2143, kSize = 2027, kSmall = 2145, kBig = 2147, kOutline = 1103, kRestore = 2014,
};

// The controls the check box switches, and those of them that only a
// built-in text uses.
const std::vector<int> kChoiceIds = {kListLabel, kList, kEdit, kPositionLabel, kPosition, kSizeLabel, kSize, kSmall, kBig};
const std::vector<int> kColorIds = {kColorLabel, kColor, kDensityLabel, kDensity, kLight, kDark, kOutline};

class WatermarkDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    current_ = SettingsRecord{};
    defaults_ = SettingsRecord{};
    WatermarkBlock& d = defaults_.Watermark;
    d.WatermarkOn = 1;
    d.WatermarkIndex = 2;
    SetText(d.WatermarkName, "TOP SECRET");
    d.WatermarkPosition = 3;
    d.WatermarkColor = 2;
    d.WatermarkDensity = 5;
    d.WatermarkSize = 6;
    d.WatermarkOutline = 1;
    WatermarkBlock& c = current_.Watermark;
    c.WatermarkOn = 1;
    c.WatermarkIndex = 0;
    SetText(c.WatermarkName, "CONFIDENTIAL");
    c.WatermarkDensity = 8;
    c.WatermarkSize = 4;
    CurrentSettings = &current_;
    DefaultSettings = &defaults_;
    std::memset(ChosenName, 0, sizeof ChosenName);
    velko::platform::ClearUserRecords();
  }
  void TearDown() override {
    velko::platform::SetInputSource(nullptr);
    for (HWND top : velko::platform::TopLevelWindows()) DestroyWindow(top);
    EXPECT_EQ(velko::platform::WindowCount(), 0u);
    velko::platform::SetDisplayPaletteMode(false);
    CurrentSettings = nullptr;
    DefaultSettings = nullptr;
  }

  void AddUserWatermark(int slot, const char* name, const char* file) {
    SetText(current_.WatermarkList[slot].Name, name);
    SetText(current_.WatermarkList[slot].File, file);
  }

  // Runs the dialog through `steps`; the steps see it as dialog_.
  INT_PTR Run(std::vector<Step> steps) {
    Steps input(std::move(steps));
    velko::platform::ScopedInputSource use(input);
    const INT_PTR result = dialog_.DoModal();
    faults_ = input.faults();
    return result;
  }

  bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(dialog_.m_hWnd, id)) != FALSE; }
  int Selected(int id) const { return static_cast<int>(SendDlgItemMessage(dialog_.m_hWnd, id, CB_GETCURSEL, 0, 0)); }
  int Count(int id) const { return static_cast<int>(SendDlgItemMessage(dialog_.m_hWnd, id, CB_GETCOUNT, 0, 0)); }
  int BarPosition(int id) const {
    return static_cast<int>(SendDlgItemMessage(dialog_.m_hWnd, id, TBM_GETPOS, 0, 0));
  }
  const WatermarkBlock& Working() const { return dialog_.WorkingBlock(); }

  // The preview frame in the dialog's client coordinates.
  RECT Frame() const {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog_.m_hWnd, kFrame), &r);
    MapWindowPoints(0, dialog_.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // The colors inside the frame's inside, as the dialog's surface holds them.
  std::vector<COLORREF> FrameColors() const {
    const RECT f = Frame();
    const HDC dc = GetDC(dialog_.m_hWnd);
    std::vector<COLORREF> colors;
    for (int y = f.top + 2; y < f.bottom - 2; ++y) {
      for (int x = f.left + 2; x < f.right - 2; ++x) {
        const COLORREF p = GetPixel(dc, x, y) & 0xFFFFFF;
        if (std::find(colors.begin(), colors.end(), p) == colors.end()) colors.push_back(p);
      }
    }
    ReleaseDC(dialog_.m_hWnd, dc);
    std::sort(colors.begin(), colors.end());
    return colors;
  }

  SettingsRecord current_{};
  SettingsRecord defaults_{};
  CWatermarkDlg dialog_;
  std::vector<std::string> faults_;
};

TEST_F(WatermarkDialog, FreshDialogWithTheWatermarkOffEnablesOnlyTheCheckBoxAndTheButtons) {
  current_.Watermark.WatermarkOn = 0;
  const SettingsRecord before = current_;
  const INT_PTR result = Run({
      std::function<void()>([&] {
        for (int id : {int{kOnCheck}, int{IDOK}, int{IDCANCEL}, int{kRestore}}) EXPECT_TRUE(Enabled(id)) << id;
        for (int id : kChoiceIds) EXPECT_FALSE(Enabled(id)) << id;
        for (int id : kColorIds) EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_EQ(IsDlgButtonChecked(dialog_.m_hWnd, kOnCheck), BST_UNCHECKED);
      }),
      Action::Click(kOnCheck),
      std::function<void()>([&] {
        for (int id : kChoiceIds) EXPECT_TRUE(Enabled(id)) << id;
        for (int id : kColorIds) EXPECT_TRUE(Enabled(id)) << id;
        EXPECT_EQ(Working().WatermarkOn, 1);
      }),
      Action::Cancel(),
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(faults_.empty());
  EXPECT_EQ(std::memcmp(&before, &current_, sizeof current_), 0) << "Cancel stores nothing";
}

TEST_F(WatermarkDialog, UserWatermarkDisablesColorAndFillsItsFileABuiltInTextEmptiesIt) {
  AddUserWatermark(0, "Logo", "C:\\Marks\\logo.bmp");
  AddUserWatermark(3, "Seal", "C:\\Marks\\seal.rle");
  const INT_PTR result = Run({
      std::function<void()>([&] { EXPECT_EQ(Count(kList), 10); }),
      Action::SelectText(kList, "Seal"),
      std::function<void()>([&] {
        EXPECT_EQ(Working().WatermarkIndex, 9);
        EXPECT_STREQ(Working().WatermarkName, "Seal");
        EXPECT_STREQ(Working().WatermarkFile, "C:\\Marks\\seal.rle");
        for (int id : kColorIds) EXPECT_FALSE(Enabled(id)) << id;
        for (int id : kChoiceIds) EXPECT_TRUE(Enabled(id)) << id;
      }),
      Action::SelectIndex(kList, 7),  // FILE COPY: a built-in text with pictures of its own
      std::function<void()>([&] {
        EXPECT_STREQ(Working().WatermarkName, "FILE COPY");
        EXPECT_STREQ(Working().WatermarkFile, "");
        for (int id : kColorIds) EXPECT_TRUE(Enabled(id)) << id;
      }),
      Action::SelectText(kList, "Logo"),
      Action::Ok(),
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(faults_.empty());
  EXPECT_EQ(current_.Watermark.WatermarkIndex, 8);
  EXPECT_STREQ(current_.Watermark.WatermarkFile, "C:\\Marks\\logo.bmp");
}

TEST_F(WatermarkDialog, WithTheWatermarkOffAUserWatermarkLeavesEverythingDisabled) {
  current_.Watermark.WatermarkOn = 0;
  current_.Watermark.WatermarkIndex = 8;
  AddUserWatermark(0, "Logo", "C:\\logo.bmp");
  Run({
      std::function<void()>([&] {
        EXPECT_STREQ(Working().WatermarkFile, "C:\\logo.bmp") << "the stored choice is taken up at once";
        for (int id : kColorIds) EXPECT_FALSE(Enabled(id)) << id;
      }),
      Action::Click(kOnCheck),
      std::function<void()>([&] {
        for (int id : kColorIds) EXPECT_FALSE(Enabled(id)) << id << ": a picture takes no color";
        EXPECT_TRUE(Enabled(kSize));
      }),
      Action::Cancel(),
  });
}

TEST_F(WatermarkDialog, StoredCodesOutsideTheirRangesShowAsTheFirstItemOrClamped) {
  struct Case {
    const char* what;
    int32_t index, position, color, density, size;
    int shownIndex, shownPosition, shownColor, shownDensity, shownSize;
  } cases[] = {
      {"an index past the list", 15, 1, 1, 1, 1, 0, 1, 1, 1, 1},
      {"a negative index", -4, 1, 1, 1, 1, 0, 1, 1, 1, 1},
      {"position 7, color 7", 3, 7, 7, 2, 2, 3, 0, 0, 2, 2},
      {"negative position and color", 3, -1, -9, 2, 2, 3, 0, 0, 2, 2},
      {"density and size beyond 8", 4, 2, 2, 30, 9, 4, 2, 2, 8, 8},
      {"density and size below 0", 4, 2, 2, -1, -30, 4, 2, 2, 0, 0},
  };
  for (const Case& c : cases) {
    WatermarkBlock& b = current_.Watermark;
    b.WatermarkIndex = c.index;
    b.WatermarkPosition = c.position;
    b.WatermarkColor = c.color;
    b.WatermarkDensity = c.density;
    b.WatermarkSize = c.size;
    Run({
        std::function<void()>([&] {
          EXPECT_EQ(Selected(kList), c.shownIndex) << c.what;
          EXPECT_EQ(Selected(kPosition), c.shownPosition) << c.what;
          EXPECT_EQ(Selected(kColor), c.shownColor) << c.what;
          EXPECT_EQ(BarPosition(kDensity), c.shownDensity) << c.what;
          EXPECT_EQ(BarPosition(kSize), c.shownSize) << c.what;
        }),
        Action::Ok(),
    });
    // OK stores what the dialog showed.
    EXPECT_EQ(b.WatermarkIndex, c.shownIndex) << c.what;
    EXPECT_EQ(b.WatermarkPosition, c.shownPosition) << c.what;
    EXPECT_EQ(b.WatermarkColor, c.shownColor) << c.what;
    EXPECT_EQ(b.WatermarkDensity, c.shownDensity) << c.what;
    EXPECT_EQ(b.WatermarkSize, c.shownSize) << c.what;
  }
  EXPECT_STREQ(current_.Watermark.WatermarkName, "PROOF");
}

TEST_F(WatermarkDialog, ATrackbarRedrawsOnlyWhenItsPositionChanges) {
  constexpr COLORREF kMarker = RGB(1, 2, 3);
  auto markFrame = [&] {
    const RECT f = Frame();
    const HDC dc = GetDC(dialog_.m_hWnd);
    SetPixelV(dc, f.left + 3, f.top + 3, kMarker);
    ReleaseDC(dialog_.m_hWnd, dc);
  };
  auto marked = [&] {
    const RECT f = Frame();
    const HDC dc = GetDC(dialog_.m_hWnd);
    const COLORREF p = GetPixel(dc, f.left + 3, f.top + 3) & 0xFFFFFF;
    ReleaseDC(dialog_.m_hWnd, dc);
    return p == kMarker;
  };
  Run({
      std::function<void()>(markFrame),
      Action::MoveTrackbar(kDensity, 8),  // where it already is
      std::function<void()>([&] { EXPECT_TRUE(marked()) << "redrawn without a change"; }),
      Action::MoveTrackbar(kDensity, 3),
      std::function<void()>([&] {
        EXPECT_FALSE(marked());
        EXPECT_EQ(Working().WatermarkDensity, 3);
        markFrame();
      }),
      Action::MoveTrackbar(kSize, 4),
      std::function<void()>([&] { EXPECT_TRUE(marked()); }),
      Action::MoveTrackbar(kSize, 7),
      std::function<void()>([&] {
        EXPECT_FALSE(marked());
        EXPECT_EQ(Working().WatermarkSize, 7);
      }),
      Action::Cancel(),
  });
  EXPECT_EQ(current_.Watermark.WatermarkDensity, 8);
}

TEST_F(WatermarkDialog, RestoreDefaultTakesTheDefaultBlockAndKeepsTheUsersList) {
  AddUserWatermark(1, "Logo", "C:\\logo.bmp");
  SetText(defaults_.Watermark.WatermarkFile, "C:\\default.bmp");
  Run({
      Action::SelectText(kList, "Logo"),  // color controls off
      Action::Click(kRestore),
      std::function<void()>([&] {
        const WatermarkBlock& d = defaults_.Watermark;
        EXPECT_EQ(std::memcmp(&Working(), &d, sizeof d), 0) << "name and file stay the default block's";
        EXPECT_EQ(Count(kList), 9) << "the user's names still come from the current record";
        EXPECT_EQ(Selected(kList), 2);
        EXPECT_EQ(Selected(kPosition), 3);
        EXPECT_EQ(Selected(kColor), 2);
        EXPECT_EQ(BarPosition(kDensity), 5);
        EXPECT_EQ(BarPosition(kSize), 6);
        EXPECT_EQ(IsDlgButtonChecked(dialog_.m_hWnd, kOutline), BST_CHECKED);
        for (int id : kColorIds) EXPECT_TRUE(Enabled(id)) << id << ": a text is chosen again";
      }),
      Action::Ok(),
  });
  EXPECT_EQ(std::memcmp(&current_.Watermark, &defaults_.Watermark, sizeof(WatermarkBlock)), 0);
  EXPECT_STREQ(current_.WatermarkList[1].Name, "Logo");
}

TEST_F(WatermarkDialog, OkWritesTheBlockAndNothingElse) {
  SettingsRecord expected = current_;
  expected.Watermark.WatermarkPosition = 5;
  expected.Watermark.WatermarkColor = 4;
  expected.Watermark.WatermarkOutline = 1;
  expected.Watermark.WatermarkIndex = 3;
  SetText(expected.Watermark.WatermarkName, "DRAFT");
  current_.PaperSize = 9;
  expected.PaperSize = 9;
  EXPECT_EQ(Run({Action::SelectIndex(kPosition, 5), Action::SelectIndex(kColor, 4), Action::Click(kOutline),
                 Action::SelectIndex(kList, 3), Action::Ok()}),
            IDOK);
  EXPECT_TRUE(faults_.empty());
  EXPECT_EQ(std::memcmp(&expected, &current_, sizeof current_), 0);
}

TEST_F(WatermarkDialog, ListEditorAdditionIsChosenOrTheEarlierItemItBegins) {
  struct Case {
    const char* name;
    int selected;  // what the watermark list shows afterwards
  } cases[] = {
      {"Logo", 8},  // the new user watermark
      {"top", 2},   // "TOP SECRET" begins with it: the earlier item wins
  };
  for (const Case& c : cases) {
    SetUp();
    Run({
        Action::Click(kEdit),
        Action::Type(2413, c.name),
        Action::Type(2416, "C:\\Marks\\mark.bmp"),
        Action::Click(2129),
        std::function<void()>([&] {
          EXPECT_STREQ(ChosenName, c.name);
          EXPECT_EQ(Selected(kList), c.selected) << c.name;
          EXPECT_EQ(Working().WatermarkIndex, c.selected) << c.name;
        }),
        Action::Ok(),
    });
    EXPECT_TRUE(faults_.empty()) << c.name;
    EXPECT_STREQ(current_.WatermarkList[0].Name, c.name);
    EXPECT_EQ(current_.Watermark.WatermarkIndex, c.selected);
    EXPECT_STREQ(current_.Watermark.WatermarkFile, c.selected == 8 ? "C:\\Marks\\mark.bmp" : "");
  }
}

TEST_F(WatermarkDialog, CancelAfterDeletingUserWatermarksKeepsTheDeletions) {
  AddUserWatermark(0, "Logo", "C:\\logo.bmp");
  AddUserWatermark(2, "Seal", "C:\\seal.bmp");
  current_.Watermark.WatermarkIndex = 9;  // Seal
  const WatermarkBlock before = current_.Watermark;
  Run({
      Action::Click(kEdit),
      Action::SelectText(2414, "Logo"),
      Action::Click(2412),
      Action::Cancel(),  // the editor: its deletion stays
      std::function<void()>([&] {
        EXPECT_EQ(Count(kList), 9);
        EXPECT_EQ(Selected(kList), 8) << "the remembered text finds Seal again";
        EXPECT_STREQ(Working().WatermarkFile, "C:\\seal.bmp");
      }),
      Action::Cancel(),
  });
  EXPECT_TRUE(faults_.empty());
  EXPECT_STREQ(current_.WatermarkList[0].Name, "");
  EXPECT_STREQ(current_.WatermarkList[2].Name, "Seal");
  EXPECT_EQ(std::memcmp(&before, &current_.Watermark, sizeof before), 0) << "Cancel leaves the block";
}

TEST_F(WatermarkDialog, ContextHelpTopics) {
  struct Case {
    int id;
    DWORD topic;
  } cases[] = {
      {kOnCheck, 0x80185}, {kFrame, 0x80186}, {kList, 0x80186}, {kEdit, 0x80187},   {kPosition, 0x80188},
      {kColorLabel, 0x80189}, {kDensity, 0x80190}, {kSize, 0x80191}, {kOutline, 0x80192}, {IDOK, 0x80127},
      {IDCANCEL, 0x80128}, {kRestore, 0x80134},
  };
  std::vector<Step> steps;
  for (const Case& c : cases) steps.emplace_back(Action::Help(c.id));
  steps.emplace_back(Action::Cancel());
  Run(std::move(steps));
  const auto& help = velko::platform::UserRecords().help;
  ASSERT_EQ(help.size(), std::size(cases));
  for (std::size_t i = 0; i < help.size(); ++i) {
    EXPECT_EQ(help[i].file, "Velko.hlp");
    EXPECT_EQ(help[i].command, HELP_CONTEXTMENU);
    EXPECT_TRUE(help[i].table_ok);
    EXPECT_TRUE(help[i].found) << cases[i].id;
    EXPECT_EQ(help[i].context, cases[i].topic) << cases[i].id;
  }
}

TEST_F(WatermarkDialog, PreviewColorInTheFrame) {
  struct Case {
    const char* what;
    int32_t color, density;
    COLORREF ink;
    bool paletteDisplay;
  } cases[] = {
      {"red at density 8", 1, 8, RGB(255, 0, 0), false},
      {"black at density 0", 0, 0, RGB(192, 192, 192), false},
      {"blue at density 2 on a palette display", 3, 2, RGB(144, 144, 255), true},
  };
  for (const Case& c : cases) {
    velko::platform::SetDisplayPaletteMode(c.paletteDisplay);
    current_.Watermark.WatermarkColor = c.color;
    current_.Watermark.WatermarkDensity = c.density;
    Run({
        std::function<void()>([&] {
          EXPECT_EQ(dialog_.HasPalette(), c.paletteDisplay) << c.what;
          const std::vector<COLORREF> colors = FrameColors();
          ASSERT_FALSE(colors.empty());
          EXPECT_EQ(colors.front(), c.ink) << c.what;
          EXPECT_LE(colors.size(), 2u) << c.what << ": ink and the white ground only";
        }),
        Action::Cancel(),
    });
  }
}

}  // namespace
