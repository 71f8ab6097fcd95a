// The color description dialog run modally on its template 2404: the radio
// shown for a stored value, clicks kept until OK, restore default from the
// default record (even a value outside 1..3), Cancel storing nothing, and the
// context help.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/page_variables.h"
#include "ui/dialogs/color_desc_dialog.h"

namespace {

using velko::SettingsRecord;
using velko::platform::UserAction;
using velko::ui::CColDescDlg;

// Hands out `actions`, then runs `probe` on the dialog as the user would see
// it, then hands out `closing`.
class ProbedInput : public velko::platform::InputSource {
 public:
  ProbedInput(std::vector<UserAction> actions, std::function<void()> probe, UserAction closing)
      : actions_(std::move(actions)), probe_(std::move(probe)) {
    actions_.push_back(std::move(closing));
  }
  std::optional<UserAction> Next() override {
    if (next_ + 1 == actions_.size() && probe_) std::exchange(probe_, nullptr)();
    if (next_ >= actions_.size()) return std::nullopt;
    return actions_[next_++];
  }
  void Fault(const UserAction*, std::string_view why) override { faults.emplace_back(why); }
  std::vector<std::string> faults;

 private:
  std::vector<UserAction> actions_;
  std::function<void()> probe_;
  std::size_t next_ = 0;
};

class ColorDescDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    velko::ui::CurrentSettings = &current_;
    velko::ui::DefaultSettings = &defaults_;
    velko::platform::ClearUserRecords();
  }
  void TearDown() override {
    velko::platform::SetInputSource(nullptr);
    velko::ui::CurrentSettings = nullptr;
    velko::ui::DefaultSettings = nullptr;
  }

  SettingsRecord current_{};
  SettingsRecord defaults_{};
};

struct DescCase {
  const char* what;
  int32_t stored;
  int32_t byDefault;
  std::vector<UserAction> actions;
  int shownRadio;  // the one checked after the actions
  UserAction closing;
  INT_PTR result;
  int32_t after;
};

TEST_F(ColorDescDialogTest, TheChoiceReachesTheRecordOnlyOnOk) {
  const UserAction ok = UserAction::Ok();
  const UserAction cancel = UserAction::Cancel();
  const DescCase cases[] = {
      {"saturated shown, OK keeps it", 1, 2, {}, 2113, ok, IDOK, 1},
      {"vivid shown", 2, 2, {}, 2115, ok, IDOK, 2},
      // Values outside 1..3 show as colorimetric and stay stored as they are.
      {"0 shows colorimetric, OK keeps 0", 0, 2, {}, 2116, ok, IDOK, 0},
      {"9 shows colorimetric", 9, 2, {}, 2116, ok, IDOK, 9},
      {"a click, then OK", 1, 2, {UserAction::Click(2116)}, 2116, ok, IDOK, 3},
      {"a click, then Cancel", 1, 2, {UserAction::Click(2115)}, 2115, cancel, IDCANCEL, 1},
      {"clicks, the last one counts", 3, 2, {UserAction::Click(2113), UserAction::Click(2115)}, 2115, ok, IDOK, 2},
      {"restore default, then Cancel", 1, 3, {UserAction::Click(2014)}, 2116, cancel, IDCANCEL, 1},
      {"restore default, then OK", 1, 3, {UserAction::Click(2014)}, 2116, ok, IDOK, 3},
      {"a click, restore default: only the default's radio", 3, 2,
       {UserAction::Click(2113), UserAction::Click(2014)}, 2115, ok, IDOK, 2},
      // The default record's value is taken as it is, even outside 1..3.
      {"restore an odd default, then OK", 2, 0, {UserAction::Click(2014)}, 2116, ok, IDOK, 0},
  };
  for (const DescCase& c : cases) {
    current_.ColorDescription = c.stored;
    defaults_.ColorDescription = c.byDefault;
    CColDescDlg dialog(nullptr);
    std::vector<int> checked;
    ProbedInput input(
        c.actions,
        [&] {
          for (const int id : {2113, 2115, 2116}) {
            if (::IsDlgButtonChecked(dialog.m_hWnd, id) == BST_CHECKED) checked.push_back(id);
          }
        },
        c.closing);
    velko::platform::ScopedInputSource use(input);
    EXPECT_EQ(dialog.DoModal(), c.result) << c.what;
    EXPECT_EQ(checked, std::vector<int>{c.shownRadio}) << c.what;
    EXPECT_EQ(current_.ColorDescription, c.after) << c.what;
    EXPECT_EQ(defaults_.ColorDescription, c.byDefault) << c.what << ": the default record is never written";
    EXPECT_TRUE(input.faults.empty()) << c.what;
  }
}

TEST_F(ColorDescDialogTest, ContextHelp) {
  struct HelpCase {
    int control;
    DWORD context;
  };
  const HelpCase cases[] = {{2113, 524627}, {2115, 524627}, {2116, 524627}, {1, 524583}, {2, 524584}, {2014, 524596}};
  std::vector<UserAction> actions;
  for (const HelpCase& c : cases) actions.push_back(UserAction::Help(c.control));
  ProbedInput input(actions, nullptr, UserAction::Cancel());
  velko::platform::ScopedInputSource use(input);
  CColDescDlg dialog(nullptr);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  const auto& help = velko::platform::UserRecords().help;
  ASSERT_EQ(help.size(), std::size(cases));
  for (std::size_t i = 0; i < help.size(); ++i) {
    EXPECT_EQ(help[i].control_id, cases[i].control);
    EXPECT_EQ(help[i].file, "Velko.hlp");
    EXPECT_TRUE(help[i].table_ok && help[i].found);
    EXPECT_EQ(help[i].context, cases[i].context) << cases[i].control;
  }
}

}  // namespace
