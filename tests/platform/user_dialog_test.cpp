// Dialogs: base units and dialog units, templates registered with a module,
// modal runs and how they end, context help, message boxes, the open-file
// dialog and string resources.
#include <cstring>

#include "platform/gdi/gdi.h"
#include "platform/kernel/modules.h"
#include "tests/platform/user_test_support.h"

namespace velko::platform::user_test {
namespace {

using UserDialogTest = UserTest;

constexpr const char* kSong = "\xCB\xCE\xCC\xE5";  // 宋体

TEST(UserDialogUnits, BaseUnitsOfTheTemplateFont) {
  struct Case {
    const char* face;
    int points;
    int cx;
    int cy;
  } cases[] = {
      {"MS Shell Dlg", 8, 6, 13},  // the classic 6 x 13
      {"ms shell dlg", 8, 6, 13},  // face names without regard to case
      {kSong, 8, 6, 11},           // the song face fills its em: 11 pixels at 8 points
      {kSong, 9, 6, 12},
      {"SimSun", 8, 6, 11},
      {"Some Face", 10, 7, 16},    // others: 13-pixel em, a fifth more for the line
      {"MS Shell Dlg", 0, 6, 13},  // no size: 8 points
  };
  for (const Case& c : cases) {
    const DialogBaseUnits base = BaseUnitsForFont(c.face, c.points);
    EXPECT_EQ(base.cx, c.cx) << c.face << " " << c.points;
    EXPECT_EQ(base.cy, c.cy) << c.face << " " << c.points;
  }
}

TEST(UserDialogUnits, ToPixelsRoundsHalfAwayFromZero) {
  struct Case {
    RECT units;
    DialogBaseUnits base;
    RECT pixels;
  } cases[] = {
      {{0, 0, 200, 130}, {6, 11}, {0, 0, 300, 179}},  // 130 * 11 / 8 = 178.75
      {{0, 0, 200, 90}, {6, 13}, {0, 0, 300, 146}},   // 90 * 13 / 8 = 146.25
      {{1, 4, 3, 12}, {6, 13}, {2, 7, 5, 20}},        // 1.5 -> 2, 6.5 -> 7, 4.5 -> 5, 19.5 -> 20
      {{-1, -4, 0, 0}, {6, 13}, {-2, -7, 0, 0}},      // and away from zero below it
  };
  for (const Case& c : cases) {
    const RECT got = DialogUnitsToPixels(c.units, c.base);
    EXPECT_EQ(got.left, c.pixels.left);
    EXPECT_EQ(got.top, c.pixels.top);
    EXPECT_EQ(got.right, c.pixels.right);
    EXPECT_EQ(got.bottom, c.pixels.bottom);
  }
}

// A module with the custom size dialog's frame as template 2407.
class UserModuleTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    module_ = RegisterModule("UserTest.dll");
    const ResourceEntry entries[] = {
        DialogResource(2407, kCustomSize),
        {kResourceString, 5208, reinterpret_cast<const uint8_t*>(kExists), std::strlen(kExists)},
        {kResourceIcon, 2219, kIcon, sizeof kIcon},
    };
    RegisterResources(module_, entries);
  }
  void TearDown() override {
    UserTest::TearDown();
    UnregisterResources(module_);
    UnregisterModule(module_);
  }

  static constexpr const char* kExists = "\xC3\xFB\xB3\xC6\xD2\xD1\xBE\xAD\xB4\xE6\xD4\xDA";  // 名称已经存在
  // A 1 x 1 32-bit packed DIB.
  static constexpr uint8_t kIcon[44] = {40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 4, 0,
                                        0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  static constexpr ControlTemplate kControls[] = {
      {2066, "EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 40, 10, 50, 12},
      {2126, "STATIC", "", WS_VISIBLE | SS_ICON, 120, 60, 20, 20, 2219},
      {2068, "BUTTON", "0.1mm", WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP, 10, 60, 60, 10},
      {IDOK, "BUTTON", "\xC8\xB7\xB6\xA8", WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 40, 105, 50, 14},
      {IDCANCEL, "BUTTON", "\xC8\xA1\xCF\xFB", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 110, 105, 50, 14},
  };
  static constexpr DialogTemplate kCustomSize{.caption = "\xD7\xD4\xB6\xA8\xD2\xE5\xB3\xDF\xB4\xE7",  // 自定义尺寸
                                              .font_name = "\xCB\xCE\xCC\xE5",
                                              .font_size = 8,
                                              .cx = 200,
                                              .cy = 130,
                                              .controls = kControls};
  HINSTANCE module_ = 0;
};

// Ends on OK and Cancel as the class library's dialog does; button 300 ends
// with 42; button 301 opens the same template again, modally.
INT_PTR EndingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    switch (LOWORD(wParam)) {
      case IDOK:
      case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
      case 300: EndDialog(dialog, 42); return TRUE;
      default: break;
    }
  }
  return RecordNotes(dialog, message, wParam, lParam);
}

TEST_F(UserModuleTest, TemplateByIdInPixelsOfItsFont) {
  EXPECT_EQ(FindDialogTemplate(module_, 2407), &kCustomSize);
  EXPECT_EQ(FindDialogTemplate(module_, 2408), nullptr);
  const HWND dialog = CreateDialogParam(module_, MAKEINTRESOURCE(2407), 0, RecordingProc, 0);
  ASSERT_NE(dialog, 0u);
  EXPECT_EQ(DialogTemplateId(dialog), 2407);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 179);
  RECT ok;
  GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
  POINT at{ok.left, ok.top};
  ScreenToClient(dialog, &at);
  EXPECT_EQ(at.x, 60);                     // 40 units * 6 / 4
  EXPECT_EQ(at.y, 144);                    // 105 units * 11 / 8 = 144.4
  EXPECT_EQ(ok.right - ok.left, 75);
  EXPECT_EQ(ok.bottom - ok.top, 19);       // 14 * 11 / 8 = 19.25
  RECT units{0, 0, 4, 8};
  MapDialogRect(dialog, &units);
  EXPECT_EQ(units.right, 6);
  EXPECT_EQ(units.bottom, 11);
  EXPECT_EQ(WindowText(dialog), kCustomSize.caption);
  EXPECT_FALSE(IsWindowVisible(dialog)) << "a template without WS_VISIBLE stays hidden";
  EXPECT_EQ(CreateDialogParam(module_, MAKEINTRESOURCE(2999), 0, RecordingProc, 0), 0u);
}

TEST_F(UserModuleTest, TemplateIconsComeFromTheModule) {
  const HWND dialog = CreateDialogParam(module_, MAKEINTRESOURCE(2407), 0, RecordingProc, 0);
  const HICON icon = static_cast<HICON>(SendDlgItemMessage(dialog, 2126, STM_GETICON, 0, 0));
  ASSERT_NE(icon, 0u);
  EXPECT_EQ(IconResourceId(icon), 2219);
}

TEST_F(UserModuleTest, ModalRunsEndAsTheUserEndsThem) {
  struct Case {
    const char* name;
    std::vector<UserAction> actions;
    INT_PTR result;
    std::size_t faults;
  } cases[] = {
      {"OK button", {UserAction::Ok()}, IDOK, 0},
      {"Escape", {UserAction::Cancel()}, IDCANCEL, 0},
      {"close box", {UserAction::Close()}, IDCANCEL, 0},
      {"typing first", {UserAction::Type(2066, "250"), UserAction::Ok()}, IDOK, 0},
      {"the input runs dry", {}, IDCANCEL, 1},
      {"a failed action is reported and the run goes on", {UserAction::Click(999), UserAction::Ok()}, IDOK, 1},
  };
  for (const Case& c : cases) {
    QueuedInput input(c.actions);
    ScopedInputSource use(input);
    EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, EndingProc, 0), c.result) << c.name;
    EXPECT_EQ(input.faults().size(), c.faults) << c.name;
    EXPECT_EQ(input.remaining(), 0u) << c.name;
    EXPECT_EQ(WindowCount(), 0u) << c.name << ": the dialog is destroyed";
    EXPECT_EQ(ModalDepth(), 0) << c.name;
  }
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2999), 0, EndingProc, 0), -1) << "no such template";
}

TEST_F(UserModuleTest, ADialogThatIgnoresCancelStillEndsWhenInputRunsDry) {
  QueuedInput input({UserAction::Cancel(), UserAction::Close()});
  ScopedInputSource use(input);
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, RecordingProc, 0), IDCANCEL);
  ASSERT_EQ(input.faults().size(), 1u);
  EXPECT_NE(input.faults()[0].find("dialog 2407"), std::string::npos) << input.faults()[0];
}

TEST_F(UserModuleTest, WithoutAnInputSourceAModalDialogEndsAtOnce) {
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, EndingProc, 0), IDCANCEL);
}

TEST_F(UserModuleTest, DisabledCancelIgnoresEscape) {
  struct Disabling {
    static INT_PTR Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == WM_INITDIALOG) EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
      return EndingProc(dialog, message, wParam, lParam);
    }
  };
  QueuedInput input({UserAction::Cancel(), UserAction::Ok()});
  ScopedInputSource use(input);
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, Disabling::Proc, 0), IDOK);
  EXPECT_EQ(input.faults().size(), 1u) << "Escape did nothing and was reported";
}

HINSTANCE g_module = 0;
std::vector<INT_PTR> g_inner_results;
INT_PTR OpeningProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == 2068 && HIWORD(wParam) == BN_CLICKED) {
    g_inner_results.push_back(DialogBoxParam(g_module, MAKEINTRESOURCE(2407), dialog, EndingProc, 0));
    return TRUE;
  }
  return EndingProc(dialog, message, wParam, lParam);
}

TEST_F(UserModuleTest, NestedModalRunsTakeTheActionsWhileOpen) {
  g_module = module_;
  g_inner_results.clear();
  QueuedInput input({UserAction::Type(2066, "1"), UserAction::Click(2068), UserAction::Type(2066, "2"),
                     UserAction::Ok(), UserAction::Ok()});
  ScopedInputSource use(input);
  struct Watch {
    static INT_PTR Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EXPECT_EQ(WindowText(GetDlgItem(dialog, 2066)), "1") << "the inner dialog took the second text";
        EXPECT_TRUE(IsWindowEnabled(dialog)) << "the owner is enabled again";
      }
      return OpeningProc(dialog, message, wParam, lParam);
    }
  };
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, Watch::Proc, 0), IDOK);
  EXPECT_EQ(g_inner_results, std::vector<INT_PTR>{IDOK});
  EXPECT_TRUE(input.faults().empty());
}

TEST_F(UserModuleTest, NestedRunsDryCancelInnermostFirst) {
  g_module = module_;
  g_inner_results.clear();
  QueuedInput input({UserAction::Click(2068)});
  ScopedInputSource use(input);
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, OpeningProc, 0), IDCANCEL);
  EXPECT_EQ(g_inner_results, std::vector<INT_PTR>{IDCANCEL});
  EXPECT_EQ(input.faults().size(), 2u);
}

TEST_F(UserModuleTest, OwnerIsDisabledDuringTheRunAndFocusComesBack) {
  const HWND owner = Open({Control(100, "EDIT", WS_TABSTOP)});
  ApplyAction(owner, UserAction::Type(100, "7"));
  Notes().clear();
  struct Check {
    static INT_PTR Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == WM_INITDIALOG) {
        EXPECT_NE(GetParent(dialog), 0u);
      }
      return EndingProc(dialog, message, wParam, lParam);
    }
  };
  QueuedInput input({UserAction::Ok()});
  ScopedInputSource use(input);
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), GetDlgItem(owner, 100), Check::Proc, 0), IDOK);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetFocus(), GetDlgItem(owner, 100));
  std::vector<Note> owner_notes;
  for (const Note& n : Notes()) {
    if (n.id == 100) owner_notes.push_back(n);
  }
  EXPECT_EQ(owner_notes, (std::vector<Note>{Command(100, EN_KILLFOCUS), Command(100, EN_SETFOCUS)}))
      << "the owner's edit lost the focus to the dialog and got it back";
}

TEST_F(UserModuleTest, EndDialogDuringInitNeedsNoInput) {
  struct Quick {
    static INT_PTR Proc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
      if (message == WM_INITDIALOG) EndDialog(dialog, lParam);
      return message == WM_INITDIALOG;
    }
  };
  QueuedInput input({UserAction::Ok()});
  ScopedInputSource use(input);
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, Quick::Proc, 77), 77) << "lParam reaches WM_INITDIALOG";
  EXPECT_EQ(input.remaining(), 1u);
}

// The custom size dialog's help table (control, topic), ending with zeros.
constexpr DWORD kHelpIds[] = {2066, 524579, 2126, 524582, IDOK, 524583, 0, 0};
static_assert(HelpTableEndsWithZeros(kHelpIds));
constexpr DWORD kUnterminated[] = {2066, 524579, IDOK, 524583};
static_assert(!HelpTableEndsWithZeros(kUnterminated));

INT_PTR HelpProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CONTEXTMENU) {
    const HWND clicked = static_cast<HWND>(wParam);
    if (GetDlgCtrlID(clicked) == 2068) {
      WinHelp(clicked, "Velko.hlp", HELP_CONTEXTMENU, kUnterminated);
    } else if (GetDlgCtrlID(clicked) == IDCANCEL) {
      WinHelp(clicked, "Velko.hlp", HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(kHelpIds));
    } else {
      WinHelp(clicked, "Velko.hlp", HELP_CONTEXTMENU, kHelpIds);
    }
    return TRUE;
  }
  return EndingProc(dialog, message, wParam, lParam);
}

TEST_F(UserModuleTest, RightClickAsksForContextHelp) {
  QueuedInput input({UserAction::Help(2066), UserAction::Help(2126), UserAction::Help(IDCANCEL),
                     UserAction::Help(2068), UserAction::Ok()});
  ScopedInputSource use(input);
  DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, HelpProc, 0);
  const std::vector<HelpRecord>& help = UserRecords().help;
  ASSERT_EQ(help.size(), 4u);
  struct Expected {
    int control;
    bool table_ok;
    bool found;
    DWORD context;
  } expected[] = {
      {2066, true, true, 524579},   // an edit
      {2126, true, true, 524582},   // a static icon
      {IDCANCEL, true, false, 0},   // not in the table (read through a raw pointer)
      {2068, false, false, 0},      // a table without its two zeros
  };
  for (std::size_t i = 0; i < help.size(); ++i) {
    EXPECT_EQ(help[i].control_id, expected[i].control);
    EXPECT_EQ(help[i].table_ok, expected[i].table_ok) << expected[i].control;
    EXPECT_EQ(help[i].found, expected[i].found) << expected[i].control;
    EXPECT_EQ(help[i].context, expected[i].context) << expected[i].control;
    EXPECT_EQ(help[i].file, "Velko.hlp");
    EXPECT_EQ(help[i].command, HELP_CONTEXTMENU);
  }
}

TEST_F(UserDialogTest, MessageBoxAnswers) {
  struct Case {
    UINT type;
    std::optional<UserAction> next;
    int answer;
    bool fault;
  } cases[] = {
      {MB_OK | MB_ICONWARNING, UserAction::Answer(IDOK), IDOK, false},
      {MB_OK, UserAction::Answer(IDCANCEL), IDOK, false},            // a box with only OK answers OK to Escape
      {MB_OKCANCEL, UserAction::Answer(IDCANCEL), IDCANCEL, false},
      {MB_YESNO, UserAction::Answer(IDOK), IDYES, false},
      {MB_YESNO, UserAction::Answer(IDCANCEL), IDNO, false},
      {MB_OKCANCEL, std::nullopt, IDCANCEL, true},                  // the input ran dry: Escape
      {MB_OKCANCEL, UserAction::Click(5), IDCANCEL, true},          // not an answer: Escape, the click waits
  };
  for (const Case& c : cases) {
    QueuedInput input;
    if (c.next) input.Push(*c.next);
    ScopedInputSource use(input);
    EXPECT_EQ(MessageBox(0, "\xC3\xFB", "VelkoUI", c.type), c.answer) << c.type;
    EXPECT_EQ(input.faults().size(), c.fault ? 1u : 0u) << c.type;
    if (c.next && c.next->kind == ActionKind::Click) {
      const std::optional<UserAction> waiting = NextUserAction();
      ASSERT_TRUE(waiting);
      EXPECT_EQ(waiting->kind, ActionKind::Click) << "the declined action is pulled next";
    }
  }
  const MessageBoxRecord& first = UserRecords().message_boxes.front();
  EXPECT_EQ(first.text, "\xC3\xFB");
  EXPECT_EQ(first.caption, "VelkoUI");
  EXPECT_EQ(first.icon, MB_ICONWARNING);
  EXPECT_EQ(first.buttons, MB_OK);
  EXPECT_EQ(UserRecords().message_boxes.size(), std::size(cases));
  EXPECT_EQ(MessageBox(0, "x", nullptr, MB_OK), IDOK);
  EXPECT_EQ(UserRecords().message_boxes.back().caption, "Error");
}

INT_PTR WarningProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == 2068) {
    char text[64];
    LoadString(g_module, 5208, text, sizeof text);
    MessageBox(dialog, text, "VelkoUI", MB_ICONWARNING | MB_OK);
    return TRUE;
  }
  return EndingProc(dialog, message, wParam, lParam);
}

TEST_F(UserModuleTest, MessageBoxInsideAModalRunTakesTheNextAnswer) {
  g_module = module_;
  QueuedInput input({UserAction::Click(2068), UserAction::Answer(IDOK), UserAction::Ok()});
  ScopedInputSource use(input);
  EXPECT_EQ(DialogBoxParam(module_, MAKEINTRESOURCE(2407), 0, WarningProc, 0), IDOK);
  ASSERT_EQ(UserRecords().message_boxes.size(), 1u);
  EXPECT_EQ(UserRecords().message_boxes[0].text, kExists);
  EXPECT_TRUE(input.faults().empty());
  EXPECT_FALSE(ApplyAction(0, UserAction::Answer(IDOK))) << "no message box is open";
}

TEST_F(UserModuleTest, LoadStringCopiesWholeCharacters) {
  char buffer[8];
  EXPECT_EQ(LoadString(module_, 5208, buffer, 6), 4) << "five bytes would split 已";
  EXPECT_EQ(std::string(buffer), std::string(kExists, 4));
  EXPECT_EQ(LoadString(module_, 5209, buffer, sizeof buffer), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(LoadStringText(module_, 5208), std::string(kExists));
}

TEST_F(UserDialogTest, OpenFileDialogTakesTheBrowsedPath) {
  constexpr const char* kFilter = "Bitmap files (*.bmp)\0*.bmp\0Run-length encode files (*.rle)\0*.rle\0";
  struct Case {
    const char* name;
    std::optional<UserAction> next;
    DWORD buffer;
    BOOL chosen;
    const char* path;
    std::size_t faults;
  } cases[] = {
      {"browsed", UserAction::Browse("C:\\pics\\logo.bmp"), 260, TRUE, "C:\\pics\\logo.bmp", 0},
      {"default extension added", UserAction::Browse("C:\\pics\\logo"), 260, TRUE, "C:\\pics\\logo.bmp", 0},
      {"buffer too small", UserAction::Browse("C:\\pics\\logo.bmp"), 8, FALSE, nullptr, 0},
      {"cancelled", UserAction::Cancel(), 260, FALSE, nullptr, 0},
      {"ran dry", std::nullopt, 260, FALSE, nullptr, 1},
      {"not an answer", UserAction::Ok(), 260, FALSE, nullptr, 1},
  };
  for (const Case& c : cases) {
    QueuedInput input;
    if (c.next) input.Push(*c.next);
    ScopedInputSource use(input);
    char file[260] = "";
    char title[32] = "";
    OPENFILENAME request;
    request.lpstrFilter = kFilter;
    request.lpstrFile = file;
    request.nMaxFile = c.buffer;
    request.lpstrFileTitle = title;
    request.nMaxFileTitle = sizeof title;
    request.lpstrDefExt = "bmp";
    request.Flags = OFN_READONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS;
    EXPECT_EQ(GetOpenFileName(&request), c.chosen) << c.name;
    EXPECT_EQ(input.faults().size(), c.faults) << c.name;
    if (c.path != nullptr) {
      EXPECT_STREQ(file, c.path) << c.name;
      EXPECT_STREQ(title, "logo.bmp");
      EXPECT_EQ(request.nFileOffset, 8);
      EXPECT_EQ(request.nFileExtension, 13);
    }
    if (c.buffer == 8) {
      EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    }
  }
  const OpenFileRecord& first = UserRecords().open_files.front();
  EXPECT_EQ(first.filter, "Bitmap files (*.bmp)|*.bmp|Run-length encode files (*.rle)|*.rle");
  EXPECT_EQ(first.default_extension, "bmp");
  EXPECT_EQ(first.flags & OFN_FILEMUSTEXIST, OFN_FILEMUSTEXIST);
  EXPECT_EQ(first.path, "C:\\pics\\logo.bmp");
  EXPECT_FALSE(ApplyAction(0, UserAction::Browse("x.bmp")));
}

}  // namespace
}  // namespace velko::platform::user_test
