// Edits: typing as one change cut at the limit in bytes, the order of the
// notifications, EM_SETSEL and the caret, WM_SETTEXT's notifications, and
// EN_KILLFOCUS when the focus leaves.
#include "tests/platform/user_test_support.h"

namespace velko::platform::user_test {
namespace {

using UserEditTest = UserTest;

// GB2312: 名 C3FB, 称 B3C6.
constexpr const char* kName = "\xC3\xFB";
constexpr const char* kTitle = "\xB3\xC6";

TEST_F(UserEditTest, TypingIsCutAtTheLimitInBytes) {
  struct Case {
    const char* name;
    std::size_t limit;
    std::string before;
    std::string typed;
    std::string after;
    bool cut;  // EN_MAXTEXT
  } cases[] = {
      {"fits", 16, "", "AB", "AB", false},
      {"ascii cut", 4, "", "ABCDEF", "ABCD", true},
      {"limit counts bytes of double-byte text", 4, "", std::string(kName) + kTitle + "X", std::string(kName) + kTitle, true},
      {"half a character is not inserted", 3, "", std::string(kName) + kTitle, kName, true},
      {"room left by existing text", 5, "AB", std::string(kName) + kTitle, std::string("AB") + kName, true},
      {"full edit takes nothing", 2, "AB", "C", "AB", true},
      {"limit 0 means the maximum", 0, "", std::string(100, 'x'), std::string(100, 'x'), false},
  };
  for (const Case& c : cases) {
    const HWND dialog = Open({Control(100, "EDIT", 0)});
    SetDlgItemText(dialog, 100, c.before.c_str());
    SendDlgItemMessage(dialog, 100, EM_LIMITTEXT, c.limit, 0);
    SendDlgItemMessage(dialog, 100, EM_SETSEL, c.before.size(), c.before.size());
    Notes().clear();
    ApplyAction(dialog, UserAction::Type(100, c.typed));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 100)), c.after) << c.name;
    const bool changed = c.after != c.before;
    std::vector<Note> expected{Command(100, EN_SETFOCUS)};
    if (c.cut) expected.push_back(Command(100, EN_MAXTEXT));
    if (changed) {
      expected.push_back(Command(100, EN_UPDATE));
      expected.push_back(Command(100, EN_CHANGE));
    }
    EXPECT_EQ(Notes(), expected) << c.name;
    DestroyWindow(dialog);
  }
}

TEST_F(UserEditTest, TypedTextReplacesTheSelectionAtTheCaret) {
  const HWND dialog = Open({Control(100, "EDIT", 0)});
  SetDlgItemText(dialog, 100, "210.0");
  ApplyAction(dialog, UserAction::Type(100, "9"));
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 100)), "9210.0") << "WM_SETTEXT leaves the caret at the start";
  SendDlgItemMessage(dialog, 100, EM_SETSEL, 1, 4);
  ApplyAction(dialog, UserAction::Type(100, "xy"));
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 100)), "9xy.0");
  ApplyAction(dialog, UserAction::Type(100, "z"));
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 100)), "9xyz.0") << "the caret follows the inserted text";
  DWORD start = 0;
  DWORD end = 0;
  SendDlgItemMessage(dialog, 100, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 4u);
  EXPECT_EQ(end, 4u);
}

TEST_F(UserEditTest, SelectionMessages) {
  const HWND dialog = Open({Control(100, "EDIT", 0)});
  SetDlgItemText(dialog, 100, std::string("ab").append(kName).c_str());  // 4 bytes, 名 at 2..3
  struct Case {
    int start;
    int end;
    DWORD want_start;
    DWORD want_end;
  } cases[] = {
      {0, -1, 0, 4},   // everything
      {3, 1, 1, 2},    // either order; 3 falls inside 名 and moves back to 2
      {1, 99, 1, 4},   // past the end is the end
      {-1, 0, 4, 4},   // -1 drops the selection, the caret stays at its end
  };
  for (const Case& c : cases) {
    SendDlgItemMessage(dialog, 100, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
    const LRESULT got = SendDlgItemMessage(dialog, 100, EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(static_cast<uintptr_t>(got)), c.want_start) << c.start << "," << c.end;
    EXPECT_EQ(HIWORD(static_cast<uintptr_t>(got)), c.want_end) << c.start << "," << c.end;
  }
  EXPECT_EQ(SendDlgItemMessage(dialog, 100, EM_SCROLLCARET, 0, 0), TRUE);
}

TEST_F(UserEditTest, SetTextNotifiesAndIgnoresTheLimit) {
  const HWND dialog = Open({Control(100, "EDIT", 0)});
  SendDlgItemMessage(dialog, 100, EM_LIMITTEXT, 3, 0);
  Notes().clear();
  SetDlgItemText(dialog, 100, "ABCDE");
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 100)), "ABCDE");
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(100, EN_UPDATE), Command(100, EN_CHANGE)}));
  Notes().clear();
  SetDlgItemText(dialog, 100, "ABCDE");
  EXPECT_EQ(Notes().size(), 2u) << "every WM_SETTEXT notifies, the same text too";
  EXPECT_EQ(SendDlgItemMessage(dialog, 100, EM_GETLIMITTEXT, 0, 0), 3);
}

// A handler that cleans the text on EN_UPDATE, as the pages' text filters
// do; the notification its own WM_SETTEXT raises finds the text clean.
INT_PTR FilteringProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_UPDATE) {
    Notes().push_back(Command(LOWORD(wParam), EN_UPDATE));
    const std::string text = WindowText(GetDlgItem(dialog, LOWORD(wParam)));
    const std::string kept = text.substr(0, text.find(','));
    if (kept != text) SetDlgItemText(dialog, LOWORD(wParam), kept.c_str());
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

TEST_F(UserEditTest, TypedTextThatAFilterCutsRaisesOneMoreUpdate) {
  const std::vector<ControlTemplate> controls{Control(1064, "EDIT", 0)};
  DialogTemplate t = Dialog(controls);
  const HWND dialog = CreateDialogIndirectParam(0, &t, 0, FilteringProc, 0);
  SendDlgItemMessage(dialog, 1064, EM_LIMITTEXT, 4, 0);
  Notes().clear();
  ShowWindow(dialog, SW_SHOW);
  ApplyAction(dialog, UserAction::Type(1064, "ab,cd"));
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 1064)), "ab");
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(1064, EN_UPDATE), Command(1064, EN_UPDATE)}));
}

TEST_F(UserEditTest, ClearDeletesAllAsOneChange) {
  const HWND dialog = Open({Control(100, "EDIT", 0)});
  SetDlgItemText(dialog, 100, "123");
  Notes().clear();
  ApplyAction(dialog, UserAction::Clear(100));
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 100)), "");
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(100, EN_SETFOCUS), Command(100, EN_UPDATE), Command(100, EN_CHANGE)}));
  Notes().clear();
  ApplyAction(dialog, UserAction::Clear(100));
  EXPECT_TRUE(Notes().empty()) << "nothing to delete, nothing changes";
}

TEST_F(UserEditTest, LeavingSendsKillFocus) {
  const HWND dialog = Open({Control(1014, "EDIT", 0), Control(1016, "BUTTON", BS_AUTOCHECKBOX)});
  ApplyAction(dialog, UserAction::Leave(1014));
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(1014, EN_SETFOCUS), Command(1014, EN_KILLFOCUS)}));
  EXPECT_EQ(GetFocus(), 0u);
  // A click elsewhere takes the focus from the edit, as a real click does.
  ApplyAction(dialog, UserAction::Type(1014, "5"));
  Notes().clear();
  ApplyAction(dialog, UserAction::Click(1016));
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(1014, EN_KILLFOCUS), Command(1016, BN_CLICKED)}));
}

TEST_F(UserEditTest, ReadOnlyEditRefusesTyping) {
  const HWND dialog = Open({Control(100, "EDIT", ES_READONLY)});
  const ActionResult result = ApplyAction(dialog, UserAction::Type(100, "x"));
  EXPECT_FALSE(result);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 100)), "");
}

}  // namespace
}  // namespace velko::platform::user_test
