// Combo boxes and list boxes: the item messages, the searches, sorted
// insertion, and what a pick by the user sends.
#include "tests/platform/user_test_support.h"

namespace velko::platform::user_test {
namespace {

using UserListTest = UserTest;

constexpr int kCombo = 1010;
constexpr int kList = 2414;

// "Custom Size" is the main page's last paper item; 普通纸 (plain paper).
constexpr const char* kPlain = "\xC6\xD5\xCD\xA8\xD6\xBD";

void Fill(HWND dialog, int id, UINT add, std::initializer_list<const char*> items) {
  for (const char* item : items) SendDlgItemMessage(dialog, id, add, 0, reinterpret_cast<LPARAM>(item));
}

HWND OpenCombo(UserTest& test, std::initializer_list<const char*> items, DWORD style = CBS_DROPDOWNLIST) {
  const HWND dialog = test.Open({Control(kCombo, "COMBOBOX", style | WS_TABSTOP)});
  Fill(dialog, kCombo, CB_ADDSTRING, items);
  return dialog;
}

TEST_F(UserListTest, ComboSetCurSel) {
  const HWND dialog = OpenCombo(*this, {"A3", "A4", "A5"});
  struct Case {
    int index;
    LRESULT result;
    LRESULT selection_after;
  } cases[] = {
      {1, 1, 1},            // in range selects
      {2, 2, 2},            // the last item
      {3, CB_ERR, CB_ERR},  // one past the end clears the selection
      {0, 0, 0},
      {-1, CB_ERR, CB_ERR}, // -1 clears it too
      {99, CB_ERR, CB_ERR},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_SETCURSEL, static_cast<WPARAM>(c.index), 0), c.result) << c.index;
    EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), c.selection_after) << c.index;
  }
  EXPECT_TRUE(Notes().empty()) << "programmatic selection does not notify";
}

TEST_F(UserListTest, ComboSelectStringIsACaseInsensitivePrefixSearch) {
  const HWND dialog = OpenCombo(*this, {"Letter 8.5 x 11 in", "Executive 7.25 x 10.5 in", "Custom Size",
                                        "Custom Size(100.0 x 210.0 mm)", kPlain});
  struct Case {
    int start;
    const char* text;
    LRESULT found;
  } cases[] = {
      {-1, "custom", 2},              // prefix, any case, first match from the top
      {-1, "CUSTOM SIZE(", 3},        // a longer prefix picks the longer item
      {2, "Custom", 3},               // the search starts after `start`
      {3, "Custom", 2},               // and wraps around to the top
      {-1, "Size", CB_ERR},           // not a prefix of anything
      {-1, kPlain, 4},                // double-byte text compares by its bytes
      {-1, "", 0},                    // the empty prefix matches the first item
      {99, "letter", 0},              // a start past the end searches from the top
  };
  for (const Case& c : cases) {
    SendDlgItemMessage(dialog, kCombo, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_FINDSTRING, static_cast<WPARAM>(c.start),
                                 reinterpret_cast<LPARAM>(c.text)),
              c.found)
        << c.text << " from " << c.start;
    EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_SELECTSTRING, static_cast<WPARAM>(c.start),
                                 reinterpret_cast<LPARAM>(c.text)),
              c.found)
        << c.text;
    EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), c.found == CB_ERR ? 1 : c.found)
        << "a failed search keeps the selection";
  }
}

TEST_F(UserListTest, ComboItemsDeleteAndText) {
  const HWND dialog = OpenCombo(*this, {"zero", "one", "two", "three"});
  SendDlgItemMessage(dialog, kCombo, CB_SETCURSEL, 2, 0);
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_DELETESTRING, 0, 0), 3) << "the count left";
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), 1) << "the selection moves with its item";
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kCombo)), "two") << "a drop-down list shows its selection";
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_DELETESTRING, 1, 0), 2);
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), CB_ERR) << "deleting the selection clears it";
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_DELETESTRING, 5, 0), CB_ERR);
  char text[16];
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)), 5);
  EXPECT_STREQ(text, "three");
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETLBTEXTLEN, 0, 0), 3);
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETLBTEXT, 7, reinterpret_cast<LPARAM>(text)), CB_ERR);
  SendDlgItemMessage(dialog, kCombo, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kCombo)), "");
}

TEST_F(UserListTest, PickInAComboSendsWhatTheRealControlSends) {
  const HWND dialog = OpenCombo(*this, {"A3", "A4", "A5"});
  SetFocus(0);
  Notes().clear();
  ASSERT_TRUE(ApplyAction(dialog, UserAction::SelectIndex(kCombo, 2)));
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(kCombo, CBN_SETFOCUS), Command(kCombo, CBN_DROPDOWN),
                                        Command(kCombo, CBN_SELCHANGE), Command(kCombo, CBN_CLOSEUP),
                                        Command(kCombo, CBN_SELENDOK)}));
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), 2);
  Notes().clear();
  ASSERT_TRUE(ApplyAction(dialog, UserAction::SelectText(kCombo, "A4")));
  EXPECT_EQ(Notes().back(), Command(kCombo, CBN_SELENDOK)) << "the focus stayed, the pick notifies again";
  EXPECT_EQ(Notes().size(), 4u);
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(UserListTest, PicksThatCannotBeMade) {
  const HWND dialog = OpenCombo(*this, {"A3", "A4"});
  EXPECT_FALSE(ApplyAction(dialog, UserAction::SelectIndex(kCombo, 2)));
  EXPECT_FALSE(ApplyAction(dialog, UserAction::SelectText(kCombo, "a4"))) << "a pick by text wants the exact text";
  EnableWindow(GetDlgItem(dialog, kCombo), FALSE);
  EXPECT_FALSE(ApplyAction(dialog, UserAction::SelectIndex(kCombo, 0)));
  EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(UserListTest, SortedInsertion) {
  struct Case {
    const char* name;
    std::vector<const char*> added;
    std::vector<std::string> order;
  } cases[] = {
      {"letters without regard to case", {"beta", "Alpha", "gamma"}, {"Alpha", "beta", "gamma"}},
      {"digits before letters", {"b", "2", "a", "10"}, {"10", "2", "a", "b"}},
      {"equal texts keep their order", {"x", "X"}, {"x", "X"}},
      // 名称 (C3FB B3C6), 当前设置 (B5B1 ...), ASCII sorts before double-byte.
      {"double-byte by code", {"\xC3\xFB\xB3\xC6", "z", "\xB5\xB1\xC7\xB0"}, {"z", "\xB5\xB1\xC7\xB0", "\xC3\xFB\xB3\xC6"}},
  };
  for (const Case& c : cases) {
    const HWND dialog = Open({Control(kList, "LISTBOX", LBS_SORT | LBS_NOTIFY)});
    for (const char* item : c.added) SendDlgItemMessage(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    std::vector<std::string> order;
    for (LRESULT i = 0; i < SendDlgItemMessage(dialog, kList, LB_GETCOUNT, 0, 0); ++i) {
      char text[32];
      SendDlgItemMessage(dialog, kList, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      order.emplace_back(text);
    }
    EXPECT_EQ(order, c.order) << c.name;
    DestroyWindow(dialog);
  }
}

TEST_F(UserListTest, SortedAddReturnsTheIndexAndKeepsTheSelection) {
  const HWND dialog = Open({Control(kList, "LISTBOX", LBS_SORT | LBS_NOTIFY)});
  Fill(dialog, kList, LB_ADDSTRING, {"b", "d"});
  SendDlgItemMessage(dialog, kList, LB_SETCURSEL, 1, 0);  // "d"
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("c")), 1);
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_GETCURSEL, 0, 0), 2) << "still on \"d\"";
  const HWND unsorted = GetDlgItem(Open({Control(kList + 1, "LISTBOX", 0)}), kList + 1);
  Fill(GetParent(unsorted), kList + 1, LB_ADDSTRING, {"b", "a"});
  EXPECT_EQ(SendMessage(unsorted, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("a")), 1);
}

TEST_F(UserListTest, FindStringExactIsCaseInsensitiveWholeText) {
  const HWND dialog = Open({Control(kList, "LISTBOX", LBS_SORT)});
  Fill(dialog, kList, LB_ADDSTRING, {"Photo", "Photos", "\xC3\xFB\xB3\xC6"});
  struct Case {
    const char* text;
    LRESULT found;
  } cases[] = {
      {"photo", 0},                   // case does not matter
      {"PHOTOS", 1},                  // the whole text
      {"Phot", LB_ERR},               // a prefix is not enough
      {"Photo ", LB_ERR},             // nor is a longer text
      {"\xC3\xFB\xB3\xC6", 2},        // double-byte names
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(c.text)),
              c.found)
        << c.text;
  }
}

TEST_F(UserListTest, ListDeleteAndSetCurSel) {
  const HWND dialog = Open({Control(kList, "LISTBOX", LBS_NOTIFY)});
  Fill(dialog, kList, LB_ADDSTRING, {"a", "b", "c"});
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_DELETESTRING, 2, 0), 2);
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_GETCURSEL, 0, 0), LB_ERR) << "the selected item went";
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_SETCURSEL, 2, 0), LB_ERR) << "after the last item nothing is selected";
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
  EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_TRUE(Notes().empty());
}

TEST_F(UserListTest, PickInAListBoxNotifiesOnlyWithLbsNotify) {
  const HWND dialog = Open({Control(kList, "LISTBOX", LBS_NOTIFY), Control(kList + 1, "LISTBOX", 0)});
  Fill(dialog, kList, LB_ADDSTRING, {"a", "b"});
  Fill(dialog, kList + 1, LB_ADDSTRING, {"a", "b"});
  ApplyAction(dialog, UserAction::SelectIndex(kList, 1));
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(kList, LBN_SETFOCUS), Command(kList, LBN_SELCHANGE)}));
  Notes().clear();
  ApplyAction(dialog, UserAction::SelectIndex(kList + 1, 1));
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(kList, LBN_KILLFOCUS), Command(kList + 1, LBN_SETFOCUS)}));
  EXPECT_EQ(SendDlgItemMessage(dialog, kList + 1, LB_GETCURSEL, 0, 0), 1);
}

}  // namespace
}  // namespace velko::platform::user_test
