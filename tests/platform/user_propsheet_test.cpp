// Property sheets: pages made on their first activation, the page-change
// notifications, the OK and Cancel sequences, the buttons, subclassing from
// the callback, and modeless sheets driven by actions.
#include <cstring>
#include <string>

#include "tests/platform/user_test_support.h"

namespace velko::platform::user_test {
namespace {


// What the pages saw, as "page:event" texts.
std::vector<std::string>& Events() {
  static std::vector<std::string> events;
  return events;
}

std::string Tag(HWND page) { return std::to_string(GetWindowLongPtr(page, DWLP_USER)); }

// Refused by page tag: PSN_KILLACTIVE (page 0 while it is set) and PSN_APPLY.
int g_refuse_kill = -1;
LONG_PTR g_apply_answer = PSNRET_NOERROR;

INT_PTR PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* sheet_page = reinterpret_cast<const PROPSHEETPAGE*>(lParam);
      SetWindowLongPtr(page, DWLP_USER, sheet_page->lParam);
      Events().push_back(Tag(page) + ":init");
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      EXPECT_EQ(header->hwndFrom, GetParent(page)) << "notifications come from the sheet";
      EXPECT_EQ(header->idFrom, 0u);
      const char* name = header->code == PSN_SETACTIVE    ? "set"
                         : header->code == PSN_KILLACTIVE ? "kill"
                         : header->code == PSN_APPLY      ? "apply"
                         : header->code == PSN_RESET      ? "reset"
                         : header->code == PSN_QUERYCANCEL ? "query"
                                                            : "other";
      Events().push_back(Tag(page) + ":" + name);
      if (header->code == PSN_KILLACTIVE && GetWindowLongPtr(page, DWLP_USER) == g_refuse_kill) {
        SetWindowLongPtr(page, DWLP_MSGRESULT, TRUE);
      }
      if (header->code == PSN_APPLY) SetWindowLongPtr(page, DWLP_MSGRESULT, g_apply_answer);
      return TRUE;
    }
    case WM_COMMAND:
      Events().push_back(Tag(page) + ":command " + std::to_string(LOWORD(wParam)) + "/" +
                         std::to_string(HIWORD(wParam)));
      return TRUE;
    default:
      return FALSE;
  }
}

constexpr ControlTemplate kPageControls[] = {
    {1049, "BUTTON", "x", WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 60, 10},
};
constexpr DialogTemplate kPage{.caption = "Page", .font_name = "MS Shell Dlg", .font_size = 8, .cx = 200,
                               .cy = 100, .controls = kPageControls, .style = WS_CHILD | DS_CONTROL};
constexpr DialogTemplate kTallPage{.caption = "Tall", .font_name = "MS Shell Dlg", .font_size = 8, .cx = 100,
                                   .cy = 160, .controls = kPageControls, .style = WS_CHILD | DS_CONTROL};

class Sheet {
 public:
  explicit Sheet(DWORD flags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW, UINT start = 0) {
    for (int i = 0; i < 2; ++i) {
      pages_[i].dwFlags = PSP_DLGINDIRECT;
      pages_[i].pResource = i == 0 ? &kPage : &kTallPage;
      pages_[i].pfnDlgProc = PageProc;
      pages_[i].lParam = i;
    }
    header.dwFlags = flags;
    header.pszCaption = "\xC9\xAB\xB2\xCA\xB5\xF7\xBD\xDA";  // 色彩调节
    header.nPages = 2;
    header.nStartPage = start;
    header.ppsp = pages_;
  }
  PROPSHEETHEADER header;

 private:
  PROPSHEETPAGE pages_[2];
};

class UserPropertySheetTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    Events().clear();
    g_refuse_kill = -1;
    g_apply_answer = PSNRET_NOERROR;
  }
};

TEST_F(UserPropertySheetTest, StartPageIsCreatedAloneAndPagesComeOnFirstUse) {
  Sheet sheet(PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_MODELESS, 1);
  const HWND window = static_cast<HWND>(PropertySheet(&sheet.header));
  ASSERT_TRUE(IsPropertySheet(window));
  EXPECT_EQ(Events(), (std::vector<std::string>{"1:init", "1:set"}));
  EXPECT_EQ(PropertySheetActivePage(window), 1);
  EXPECT_EQ(PropertySheetPage(window, 0), 0u) << "page 0 is not made before it is shown";
  EXPECT_EQ(PropertySheetPageTitle(window, 0), "Page");

  Events().clear();
  ASSERT_TRUE(ApplyAction(window, UserAction::Page(0)));
  EXPECT_EQ(Events(), (std::vector<std::string>{"1:kill", "0:init", "0:set"}));
  EXPECT_TRUE(IsWindowVisible(PropertySheetPage(window, 0)));
  EXPECT_FALSE(IsWindowVisible(PropertySheetPage(window, 1)));

  Events().clear();
  ApplyAction(window, UserAction::Page(1));
  EXPECT_EQ(Events(), (std::vector<std::string>{"0:kill", "1:set"})) << "no second WM_INITDIALOG";
  Events().clear();
  ApplyAction(window, UserAction::Page(1));
  EXPECT_TRUE(Events().empty()) << "the active tab again changes nothing";
  EXPECT_FALSE(ApplyAction(window, UserAction::Page(2)));
}

TEST_F(UserPropertySheetTest, KillActiveCanKeepThePage) {
  Sheet sheet(PSH_PROPSHEETPAGE | PSH_MODELESS);
  const HWND window = static_cast<HWND>(PropertySheet(&sheet.header));
  g_refuse_kill = 0;
  Events().clear();
  ApplyAction(window, UserAction::Page(1));
  EXPECT_EQ(Events(), std::vector<std::string>{"0:kill"});
  EXPECT_EQ(PropertySheetActivePage(window), 0);
  EXPECT_EQ(SendMessage(window, PSM_GETCURRENTPAGEHWND, 0, 0), static_cast<LRESULT>(PropertySheetPage(window, 0)));
}

TEST_F(UserPropertySheetTest, PagesFillTheLargestPageArea) {
  Sheet sheet(PSH_PROPSHEETPAGE | PSH_MODELESS);
  const HWND window = static_cast<HWND>(PropertySheet(&sheet.header));
  ApplyAction(window, UserAction::Page(1));
  for (int i = 0; i < 2; ++i) {
    RECT r;
    GetClientRect(PropertySheetPage(window, i), &r);
    EXPECT_EQ(r.right, 300) << "200 units of the wider page";
    EXPECT_EQ(r.bottom, 260) << "160 units of the taller page";
  }
}

TEST_F(UserPropertySheetTest, ButtonsFollowTheHeaderFlags) {
  struct Case {
    DWORD flags;
    bool apply;
    bool help;
  } cases[] = {
      {PSH_PROPSHEETPAGE | PSH_MODELESS, true, false},
      {PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW, false, false},
      {PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_HASHELP, true, true},
  };
  for (const Case& c : cases) {
    Sheet sheet(c.flags);
    const HWND window = static_cast<HWND>(PropertySheet(&sheet.header));
    EXPECT_NE(GetDlgItem(window, IDOK), 0u);
    EXPECT_NE(GetDlgItem(window, IDCANCEL), 0u);
    EXPECT_EQ(GetDlgItem(window, ID_APPLY_NOW) != 0, c.apply) << c.flags;
    EXPECT_EQ(GetDlgItem(window, IDHELP) != 0, c.help) << c.flags;
    if (c.apply) {
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, ID_APPLY_NOW))) << "Apply waits for a change";
      SendMessage(window, PSM_CHANGED, 0, 0);
      EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, ID_APPLY_NOW)));
    }
    DestroyWindow(window);
  }
}

TEST_F(UserPropertySheetTest, ModalRunsEndWithOkOrCancel) {
  struct Case {
    const char* name;
    std::vector<UserAction> actions;
    INT_PTR result;
    std::vector<std::string> events;
    std::size_t faults;
  } cases[] = {
      {"OK applies every created page",
       {UserAction::Page(1), UserAction::Ok()},
       1,
       {"0:init", "0:set", "0:kill", "1:init", "1:set", "1:kill", "0:apply", "1:apply"},
       0},
      {"Cancel resets them",
       {UserAction::Cancel()},
       0,
       {"0:init", "0:set", "0:query", "0:reset"},
       0},
      {"the close box is Cancel", {UserAction::Close()}, 0, {"0:init", "0:set", "0:query", "0:reset"}, 0},
      {"running dry cancels", {}, 0, {"0:init", "0:set", "0:query", "0:reset"}, 1},
      {"a click on a page control reaches the page",
       {UserAction::Click(1049), UserAction::Cancel()},
       0,
       {"0:init", "0:set", "0:command 1049/0", "0:query", "0:reset"},
       0},
  };
  for (const Case& c : cases) {
    Events().clear();
    QueuedInput input(c.actions);
    ScopedInputSource use(input);
    Sheet sheet;
    EXPECT_EQ(PropertySheet(&sheet.header), c.result) << c.name;
    EXPECT_EQ(Events(), c.events) << c.name;
    EXPECT_EQ(input.faults().size(), c.faults) << c.name;
    EXPECT_EQ(WindowCount(), 0u) << c.name;
  }
}

TEST_F(UserPropertySheetTest, ApplyInvalidKeepsTheSheetOpen) {
  g_apply_answer = PSNRET_INVALID_NOCHANGEPAGE;
  QueuedInput input({UserAction::Ok(), UserAction::Cancel()});
  ScopedInputSource use(input);
  Sheet sheet;
  EXPECT_EQ(PropertySheet(&sheet.header), 0) << "the first OK was refused, Cancel ended it";
}

// A sheet class as the class library builds one: it subclasses the sheet
// from the callback, handles OK itself and picks its start page after the
// base start.
WNDPROC g_sheet_base = nullptr;
LRESULT SubclassedSheet(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const LRESULT base = CallWindowProc(g_sheet_base, sheet, message, wParam, lParam);
    Events().push_back("sheet:init");
    SendMessage(sheet, PSM_SETCURSEL, 1, 0);
    return base;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    Events().push_back("sheet:ok");
    EndDialog(sheet, IDOK);
    return 0;
  }
  return CallWindowProc(g_sheet_base, sheet, message, wParam, lParam);
}

int SubclassFromCallback(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED) {
    g_sheet_base = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassedSheet)));
  }
  return 0;
}

TEST_F(UserPropertySheetTest, SubclassSeesTheStartAndTheOkButton) {
  QueuedInput input({UserAction::Ok()});
  ScopedInputSource use(input);
  Sheet sheet(PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK);
  sheet.header.pfnCallback = SubclassFromCallback;
  EXPECT_EQ(PropertySheet(&sheet.header), IDOK);
  EXPECT_EQ(Events(), (std::vector<std::string>{"0:init", "0:set", "sheet:init", "0:kill", "1:init", "1:set",
                                                "sheet:ok"}))
      << "the pages' own OK processing does not run";
}

TEST_F(UserPropertySheetTest, ModelessSheetAfterOkHasNoCurrentPage) {
  Sheet sheet(PSH_PROPSHEETPAGE | PSH_MODELESS);
  const HWND window = static_cast<HWND>(PropertySheet(&sheet.header));
  ASSERT_TRUE(ApplyAction(window, UserAction::Click(1049)));
  EXPECT_EQ(IsDlgButtonChecked(PropertySheetPage(window, 0), 1049), BST_CHECKED) << "the active page's control";
  ASSERT_TRUE(ApplyAction(window, UserAction::Ok()));
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(SendMessage(window, PSM_GETCURRENTPAGEHWND, 0, 0), 0);
}

TEST_F(UserPropertySheetTest, NotificationCodeLowWordIsWhatThe16BitPagesRead) {
  PSHNOTIFY notify{{1, 0, PSN_SETACTIVE}, 0};
  uint8_t bytes[sizeof(NMHDR)];
  std::memcpy(bytes, &notify.hdr, sizeof bytes);
  EXPECT_EQ(bytes[8] | (bytes[9] << 8), 0xFF38);
  notify.hdr.code = PSN_KILLACTIVE;
  std::memcpy(bytes, &notify.hdr, sizeof bytes);
  EXPECT_EQ(bytes[8] | (bytes[9] << 8), 0xFF37);
}

}  // namespace
}  // namespace velko::platform::user_test
