// Shared by the tests of the modal dialogs of VelkoUI: a run of user actions
// with looks at the open dialog between them, over records that stand in
// for the current and default settings of a page call.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/page_variables.h"
#include "ui/core/settings_record.h"

namespace velko::ui::testing {

using platform::UserAction;

// One step of a run: a user action, or a look at the open dialog taken once
// everything before it has been handled.
struct Step {
  std::function<void(HWND dialog)> look;
  UserAction action;

  Step(UserAction a) : action(std::move(a)) {}  // NOLINT: steps read as a list of actions
  Step(std::function<void(HWND)> l) : look(std::move(l)) {}  // NOLINT
};

class StepInput : public platform::InputSource {
 public:
  explicit StepInput(std::vector<Step> steps) : steps_(steps.begin(), steps.end()) {}

  std::optional<UserAction> Next() override {
    while (!steps_.empty()) {
      Step step = std::move(steps_.front());
      steps_.pop_front();
      if (!step.look) return step.action;
      step.look(platform::ActiveModalWindow());
    }
    return std::nullopt;
  }
  void Fault(const UserAction* action, std::string_view why) override {
    faults_.push_back(std::string(platform::ActionName(action != nullptr ? action->kind : platform::ActionKind::Ok)) +
                      ": " + std::string(why));
  }
  const std::vector<std::string>& faults() const { return faults_; }

 private:
  std::deque<Step> steps_;
  std::vector<std::string> faults_;
};

// Runs `dialog` modally over `steps`; every step must apply.
inline INT_PTR RunDialog(CDialog& dialog, std::vector<Step> steps) {
  StepInput input(std::move(steps));
  platform::ScopedInputSource use(input);
  const INT_PTR result = dialog.DoModal();
  EXPECT_TRUE(input.faults().empty()) << input.faults().front();
  return result;
}

inline std::string ControlText(HWND dialog, int id) {
  char text[128] = {};
  GetDlgItemText(dialog, id, text, sizeof text);
  return text;
}

inline bool ControlVisible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
inline bool ControlEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
inline bool ControlChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The icon resource a button shows (0 for none).
inline WORD ButtonIcon(HWND dialog, int id) {
  const auto icon = static_cast<HICON>(SendDlgItemMessage(dialog, id, BM_GETIMAGE, IMAGE_ICON, 0));
  return icon != 0 ? platform::IconResourceId(icon) : 0;
}

// Current and default records made the page call's, and no window, input
// source or help record left behind.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_current_ = CurrentSettings;
    saved_defaults_ = DefaultSettings;
    CurrentSettings = &current_;
    DefaultSettings = &defaults_;
    platform::ClearUserRecords();
  }
  void TearDown() override {
    platform::SetInputSource(nullptr);
    for (HWND top : platform::TopLevelWindows()) DestroyWindow(top);
    EXPECT_EQ(platform::WindowCount(), 0u) << "a window outlived its test";
    platform::ClearUserRecords();
    CurrentSettings = saved_current_;
    DefaultSettings = saved_defaults_;
  }

  // The help context the last right click asked for (0: none found).
  static DWORD LastHelpContext() {
    const auto& help = platform::UserRecords().help;
    return help.empty() || !help.back().found ? 0 : help.back().context;
  }

  SettingsRecord current_{};
  SettingsRecord defaults_{};

 private:
  SettingsRecord* saved_current_ = nullptr;
  SettingsRecord* saved_defaults_ = nullptr;
};

}  // namespace velko::ui::testing
