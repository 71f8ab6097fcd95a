// The page layout dialog on its real template: order pictures by
// orientation and choice, each group changing only its own, the border and
// its shape, restore default, OK writing the whole working block and Cancel
// nothing, context help.
#include <array>
#include <cstring>

#include "tests/ui/dialog_steps.h"
#include "ui/dialogs/layout_dialog.h"

namespace velko::ui::testing {
namespace {

enum : int {
  kTwoUp0 = 2015,
  kTwoUp1 = 2016,
  kFourUp0 = 2017,
  kFourUp3 = 2020,
  kBorder = 2021,
  kShapeLabel = 2105,
  kShapes = 2022,
  kRestore = 2014,
};

// The icons of buttons 2015 to 2020, in that order.
using OrderPictures = std::array<WORD, 6>;

OrderPictures Pictures(HWND d) {
  OrderPictures shown{};
  for (int i = 0; i < 6; ++i) shown[i] = ButtonIcon(d, kTwoUp0 + i);
  return shown;
}

struct PictureCase {
  const char* what;
  int32_t orientation;
  int32_t twoUp;
  int32_t fourUp;
  std::vector<UserAction> clicks;
  OrderPictures shown;
};

TEST_F(DialogTest, LayoutOrderPicturesFollowOrientationAndChoice) {
  const PictureCase cases[] = {
      {"portrait, first orders", 1, 0, 0, {}, {2261, 2242, 2248, 2250, 2252, 2254}},
      {"portrait, last orders", 1, 1, 3, {}, {2241, 2262, 2249, 2250, 2252, 2255}},
      {"landscape: the 4-up set changes, the 2-up does not", 2, 0, 3, {}, {2261, 2242, 2227, 2228, 2229, 2260}},
      // A click changes only its own group: old choice normal, new one marked.
      {"2-up click", 1, 0, 2, {UserAction::Click(kTwoUp1)}, {2241, 2262, 2249, 2250, 2253, 2254}},
      {"4-up click", 2, 1, 0, {UserAction::Click(kFourUp3)}, {2241, 2262, 2227, 2228, 2229, 2260}},
      {"4-up click portrait", 1, 1, 3, {UserAction::Click(kFourUp0 + 1)}, {2241, 2262, 2249, 2251, 2252, 2254}},
      // Orders outside their range mark no button.
      {"orders out of range", 1, 5, -1, {}, {2241, 2242, 2249, 2250, 2252, 2254}},
      // Any orientation but portrait shows landscape, as the main page's
      // radios do.
      {"orientation 0", 0, 0, 0, {}, {2261, 2242, 2256, 2228, 2229, 2230}},
      {"orientation 9", 9, 0, 1, {}, {2261, 2242, 2227, 2258, 2229, 2230}},
  };
  for (const PictureCase& c : cases) {
    current_.Orientation = c.orientation;
    current_.Layout.TwoUpOrder = c.twoUp;
    current_.Layout.FourUpOrder = c.fourUp;
    std::vector<Step> steps(c.clicks.begin(), c.clicks.end());
    steps.push_back(Step([&c](HWND d) { EXPECT_EQ(Pictures(d), c.shown) << c.what; }));
    steps.push_back(UserAction::Cancel());
    CLayoutDlg dialog;
    RunDialog(dialog, steps);
  }
}

TEST_F(DialogTest, LayoutOkWritesTheWorkingBlockWithTheCarriedValues) {
  current_.Orientation = 1;
  current_.Layout = {11, 22, 33, 0, 0, 0, 0};
  CLayoutDlg dialog;
  EXPECT_EQ(RunDialog(dialog, {UserAction::Click(kTwoUp1), UserAction::Click(kFourUp0 + 2), UserAction::Click(kBorder),
                               UserAction::SelectIndex(kShapes, 1), UserAction::Ok()}),
            IDOK);
  const LayoutBlock expected{11, 22, 33, 1, 2, 1, 1};
  EXPECT_EQ(std::memcmp(&current_.Layout, &expected, sizeof expected), 0);
}

TEST_F(DialogTest, LayoutCancelLeavesTheRecordUntouched) {
  current_.Orientation = 2;
  current_.Layout = {11, 22, 33, 1, 3, 1, 1};
  const SettingsRecord before = current_;
  CLayoutDlg dialog;
  EXPECT_EQ(RunDialog(dialog, {UserAction::Click(kTwoUp0), UserAction::Click(kFourUp0), UserAction::SelectIndex(kShapes, 0),
                               UserAction::Click(kBorder), UserAction::Click(kRestore), UserAction::Cancel()}),
            IDCANCEL);
  EXPECT_EQ(std::memcmp(&before, &current_, sizeof before), 0);
}

TEST_F(DialogTest, LayoutBorderOffDisablesTheShapeButKeepsIt) {
  current_.Orientation = 1;
  current_.Layout.PrintBorder = 0;
  current_.Layout.BorderShape = 1;
  CLayoutDlg dialog;
  RunDialog(dialog, {Step([](HWND d) {
                       EXPECT_FALSE(ControlChecked(d, kBorder));
                       EXPECT_FALSE(ControlEnabled(d, kShapes));
                       EXPECT_FALSE(ControlEnabled(d, kShapeLabel));
                       EXPECT_EQ(SendDlgItemMessage(d, kShapes, CB_GETCOUNT, 0, 0), 2);
                       EXPECT_EQ(SendDlgItemMessage(d, kShapes, CB_GETCURSEL, 0, 0), 1);
                     }),
                     UserAction::Click(kBorder), Step([](HWND d) {
                       EXPECT_TRUE(ControlEnabled(d, kShapes));
                       EXPECT_TRUE(ControlEnabled(d, kShapeLabel));
                     }),
                     UserAction::Click(kBorder), UserAction::Ok()});
  EXPECT_EQ(current_.Layout.PrintBorder, 0);
  EXPECT_EQ(current_.Layout.BorderShape, 1);
}

TEST_F(DialogTest, LayoutShapeOutsideTheListSelectsNothingAndIsKept) {
  for (const int32_t shape : {4, -1}) {
    current_.Layout.PrintBorder = 1;
    current_.Layout.BorderShape = shape;
    CLayoutDlg dialog;
    RunDialog(dialog, {Step([shape](HWND d) {
                         EXPECT_EQ(SendDlgItemMessage(d, kShapes, CB_GETCURSEL, 0, 0), CB_ERR) << shape;
                       }),
                       UserAction::Ok()});
    EXPECT_EQ(current_.Layout.BorderShape, shape);
  }
}

TEST_F(DialogTest, LayoutRestoreDefaultShowsTheDefaultsAndOkStoresThem) {
  current_.Orientation = 1;
  current_.Layout = {0, 0, 0, 0, 0, 0, 0};
  defaults_.Layout = {7, 8, 9, 1, 3, 1, 1};
  defaults_.Orientation = 2;  // the pictures follow the current record's orientation
  CLayoutDlg dialog;
  RunDialog(dialog, {UserAction::Click(kRestore), Step([](HWND d) {
                       EXPECT_EQ(Pictures(d), (OrderPictures{2241, 2262, 2249, 2250, 2252, 2255}));
                       EXPECT_TRUE(ControlChecked(d, kBorder));
                       EXPECT_TRUE(ControlEnabled(d, kShapes));
                       EXPECT_EQ(SendDlgItemMessage(d, kShapes, CB_GETCURSEL, 0, 0), 1);
                     }),
                     UserAction::Ok()});
  EXPECT_EQ(std::memcmp(&current_.Layout, &defaults_.Layout, sizeof(LayoutBlock)), 0);
  EXPECT_EQ(current_.Orientation, 1);
}

TEST_F(DialogTest, LayoutHelpTopics) {
  const std::pair<int, DWORD> cases[] = {
      {2193, 0x80131}, {kTwoUp1, 0x80131}, {kFourUp3, 0x80131}, {kBorder, 0x80132}, {kShapes, 0x80133},
      {IDOK, 0x80127}, {IDCANCEL, 0x80128}, {kRestore, 0x80134},
  };
  current_.Layout.PrintBorder = 1;
  for (const auto& [id, context] : cases) {
    CLayoutDlg dialog;
    RunDialog(dialog, {UserAction::Help(id), UserAction::Cancel()});
    EXPECT_EQ(LastHelpContext(), context) << id;
  }
}

}  // namespace
}  // namespace velko::ui::testing
