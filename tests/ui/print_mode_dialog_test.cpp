// The print mode dialog on its real template: the radio the record's mode
// checks, fast withheld in monochrome, what OK and Cancel store, context
// help.
#include "tests/ui/dialog_steps.h"
#include "ui/dialogs/print_mode_dialog.h"

namespace velko::ui::testing {
namespace {

enum : int { kFast = 2005, kNormal = 1042, kFine = 2006 };
constexpr int32_t kMonochrome = 3;
constexpr int32_t kPhoto = 1;

struct ModeCase {
  const char* what;
  int32_t stored;
  int32_t colorMode;
  std::vector<UserAction> actions;  // after the look at the opened dialog
  int checked;                      // the radio checked when it opens
  bool fastEnabled;
  INT_PTR result;
  int32_t storedAfter;
};

TEST_F(DialogTest, PrintModeDialogChecksStoresAndWithholdsFastInMonochrome) {
  const ModeCase cases[] = {
      {"monochrome turns fast into normal", 1, kMonochrome, {UserAction::Ok()}, kNormal, false, IDOK, 0},
      {"Cancel in monochrome leaves fast", 1, kMonochrome, {UserAction::Cancel()}, kNormal, false, IDCANCEL, 1},
      {"fast in color", 1, kPhoto, {UserAction::Ok()}, kFast, true, IDOK, 1},
      {"fine in monochrome stays", 2, kMonochrome, {UserAction::Ok()}, kFine, false, IDOK, 2},
      {"normal, fine clicked", 0, kPhoto, {UserAction::Click(kFine), UserAction::Ok()}, kNormal, true, IDOK, 2},
      {"fast clicked, then Cancel", 0, kPhoto, {UserAction::Click(kFast), UserAction::Cancel()}, kNormal, true,
       IDCANCEL, 0},
      {"an unknown mode shows normal and is kept", 7, kPhoto, {UserAction::Ok()}, kNormal, true, IDOK, 7},
      {"an unknown mode changes once a radio is clicked", 7, kPhoto,
       {UserAction::Click(kNormal), UserAction::Ok()}, kNormal, true, IDOK, 0},
      {"a negative mode in monochrome is kept", -1, kMonochrome, {UserAction::Ok()}, kNormal, false, IDOK, -1},
  };
  for (const ModeCase& c : cases) {
    current_.PrintMode = c.stored;
    current_.ColorMode = c.colorMode;
    std::vector<Step> steps{Step([&c](HWND d) {
      for (const int radio : {kFast, kNormal, kFine}) {
        EXPECT_EQ(ControlChecked(d, radio), radio == c.checked) << c.what << ": radio " << radio;
      }
      EXPECT_EQ(ControlEnabled(d, kFast), c.fastEnabled) << c.what;
      EXPECT_TRUE(ControlEnabled(d, kNormal)) << c.what;
    })};
    steps.insert(steps.end(), c.actions.begin(), c.actions.end());
    CPrintModeDlg dialog;
    EXPECT_EQ(RunDialog(dialog, steps), c.result) << c.what;
    EXPECT_EQ(current_.PrintMode, c.storedAfter) << c.what;
    EXPECT_EQ(current_.ColorMode, c.colorMode) << c.what << ": the color mode is only read";
  }
}

TEST_F(DialogTest, PrintModeDialogHelpTopics) {
  const std::pair<int, DWORD> cases[] = {
      {kFast, 0x80135}, {kNormal, 0x80135}, {kFine, 0x80135}, {IDOK, 0x80127}, {IDCANCEL, 0x80128},
  };
  for (const auto& [id, context] : cases) {
    CPrintModeDlg dialog;
    RunDialog(dialog, {UserAction::Help(id), UserAction::Cancel()});
    EXPECT_EQ(LastHelpContext(), context) << id;
  }
}

}  // namespace
}  // namespace velko::ui::testing
