// Buttons: what a click does to each kind, radio groups, check messages and
// the images of icon buttons.
#include "tests/platform/user_test_support.h"

namespace velko::platform::user_test {
namespace {

using UserButtonTest = UserTest;

TEST_F(UserButtonTest, ClickByKind) {
  struct Case {
    const char* name;
    DWORD style;
    UINT check_before;
    UINT check_after;
    bool notifies;
  } cases[] = {
      {"push", BS_PUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED, true},
      {"default push", BS_DEFPUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED, true},
      {"auto check box checks", BS_AUTOCHECKBOX, BST_UNCHECKED, BST_CHECKED, true},
      {"auto check box unchecks", BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED, true},
      {"plain check box leaves it to the program", BS_CHECKBOX, BST_UNCHECKED, BST_UNCHECKED, true},
      {"auto three-state steps to indeterminate", BS_AUTO3STATE, BST_CHECKED, BST_INDETERMINATE, true},
      {"auto radio checks itself", BS_AUTORADIOBUTTON, BST_UNCHECKED, BST_CHECKED, true},
      {"plain radio leaves it to the program", BS_RADIOBUTTON, BST_UNCHECKED, BST_UNCHECKED, true},
      {"icon push button", BS_PUSHBUTTON | BS_ICON, BST_UNCHECKED, BST_UNCHECKED, true},
  };
  for (const Case& c : cases) {
    const HWND dialog = Open({Control(100, "BUTTON", c.style)});
    CheckDlgButton(dialog, 100, c.check_before);
    Notes().clear();
    EXPECT_TRUE(ApplyAction(dialog, UserAction::Click(100))) << c.name;
    EXPECT_EQ(IsDlgButtonChecked(dialog, 100), c.check_after) << c.name;
    EXPECT_EQ(Notes(), c.notifies ? std::vector<Note>{Command(100, BN_CLICKED)} : std::vector<Note>{}) << c.name;
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 100)) << c.name << ": a clicked button takes the focus";
    DestroyWindow(dialog);
  }
}

TEST_F(UserButtonTest, GroupBoxAndDisabledButtonsTakeNoClick) {
  const HWND dialog = Open({Control(100, "BUTTON", BS_GROUPBOX), Control(101, "BUTTON", BS_PUSHBUTTON | WS_DISABLED)});
  EXPECT_FALSE(ApplyAction(dialog, UserAction::Click(100)));
  EXPECT_FALSE(ApplyAction(dialog, UserAction::Click(101)));
  SendDlgItemMessage(dialog, 101, BM_CLICK, 0, 0);
  EXPECT_TRUE(Notes().empty());
}

// Two groups of radio buttons: 200-202 and, after a WS_GROUP, 210-211.
std::vector<ControlTemplate> TwoRadioGroups() {
  return {Control(200, "BUTTON", BS_AUTORADIOBUTTON | WS_GROUP), Control(201, "BUTTON", BS_AUTORADIOBUTTON),
          Control(202, "BUTTON", BS_AUTORADIOBUTTON),           Control(210, "BUTTON", BS_AUTORADIOBUTTON | WS_GROUP),
          Control(211, "BUTTON", BS_AUTORADIOBUTTON)};
}

TEST_F(UserButtonTest, AutoRadioClickUnchecksItsGroupOnly) {
  const HWND dialog = Open(TwoRadioGroups());
  CheckDlgButton(dialog, 200, BST_CHECKED);
  CheckDlgButton(dialog, 210, BST_CHECKED);
  ApplyAction(dialog, UserAction::Click(202));
  EXPECT_EQ(IsDlgButtonChecked(dialog, 200), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 201), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 202), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 210), BST_CHECKED) << "the next group is not touched";
  // The first button of the second group: its group starts at itself.
  ApplyAction(dialog, UserAction::Click(211));
  EXPECT_EQ(IsDlgButtonChecked(dialog, 210), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 202), BST_CHECKED);
}

TEST_F(UserButtonTest, AutoRadioUnchecksDisabledMembersToo) {
  const HWND dialog = Open(TwoRadioGroups());
  CheckDlgButton(dialog, 201, BST_CHECKED);
  EnableWindow(GetDlgItem(dialog, 201), FALSE);
  ApplyAction(dialog, UserAction::Click(200));
  EXPECT_EQ(IsDlgButtonChecked(dialog, 201), BST_UNCHECKED) << "a group never keeps two checked";
}

TEST_F(UserButtonTest, CheckMessagesDoNotNotifyOrTouchTheGroup) {
  const HWND dialog = Open(TwoRadioGroups());
  CheckDlgButton(dialog, 200, BST_CHECKED);
  CheckDlgButton(dialog, 201, BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 200), BST_CHECKED) << "BM_SETCHECK is not a click";
  EXPECT_TRUE(Notes().empty());
  CheckRadioButton(dialog, 200, 202, 202);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 200), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 201), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 202), BST_CHECKED);
  EXPECT_TRUE(Notes().empty());
}

TEST_F(UserButtonTest, CheckStatesByKind) {
  struct Case {
    DWORD style;
    UINT set;
    UINT read;
  } cases[] = {
      {BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},         // push buttons have no check
      {BS_AUTOCHECKBOX, BST_INDETERMINATE, BST_CHECKED},   // two-state boxes take it as checked
      {BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE},   // three-state boxes keep it
      {BS_GROUPBOX, BST_CHECKED, BST_UNCHECKED},
  };
  for (const Case& c : cases) {
    const HWND dialog = Open({Control(100, "BUTTON", c.style)});
    CheckDlgButton(dialog, 100, c.set);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 100), c.read) << "style " << c.style;
    DestroyWindow(dialog);
  }
}

TEST_F(UserButtonTest, SetImageReturnsThePreviousOne) {
  const HWND dialog = Open({Control(100, "BUTTON", BS_PUSHBUTTON | BS_ICON)});
  constexpr WPARAM kIcon = 1;
  constexpr WPARAM kBitmap = 0;
  EXPECT_EQ(SendDlgItemMessage(dialog, 100, BM_SETIMAGE, kIcon, 0x2241), 0);
  EXPECT_EQ(SendDlgItemMessage(dialog, 100, BM_SETIMAGE, kIcon, 0x2261), 0x2241);
  EXPECT_EQ(SendDlgItemMessage(dialog, 100, BM_GETIMAGE, kIcon, 0), 0x2261);
  EXPECT_EQ(SendDlgItemMessage(dialog, 100, BM_GETIMAGE, kBitmap, 0), 0) << "icon and bitmap are kept apart";
}

TEST_F(UserButtonTest, DefaultPushButtonIsTheDialogsDefault) {
  const HWND dialog = Open({Control(IDOK, "BUTTON", BS_PUSHBUTTON), Control(2129, "BUTTON", BS_DEFPUSHBUTTON)});
  EXPECT_EQ(SendMessage(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(2129, DC_HASDEFID));
  SendMessage(dialog, DM_SETDEFID, IDOK, 0);
  EXPECT_EQ(GetWindowLong(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLong(GetDlgItem(dialog, 2129), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

}  // namespace
}  // namespace velko::platform::user_test
