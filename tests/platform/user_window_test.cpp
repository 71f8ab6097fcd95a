// Windows and messages: handles, the tree, texts, numbers in texts, state,
// focus, geometry and the delivery of paints.
#include <climits>
#include <cstring>

#include "platform/gdi/surface.h"
#include "tests/platform/user_test_support.h"

namespace velko::platform::user_test {
namespace {

using UserWindowTest = UserTest;

TEST_F(UserWindowTest, StaleHandlesAnswerNothing) {
  const HWND dialog = Open({Control(100, "EDIT", 0)});
  const HWND edit = GetDlgItem(dialog, 100);
  DestroyWindow(dialog);
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(SendMessage(edit, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_FALSE(SetWindowText(edit, "x"));
  EXPECT_EQ(GetDlgItem(dialog, 100), 0u);
}

TEST_F(UserWindowTest, TreeKeepsCreationOrder) {
  const HWND dialog = Open({Control(1, "BUTTON", 0), Control(2, "EDIT", 0), Control(3, "STATIC", 0)});
  const HWND first = GetWindow(dialog, GW_CHILD);
  EXPECT_EQ(GetDlgCtrlID(first), 1);
  EXPECT_EQ(GetDlgCtrlID(GetWindow(first, GW_HWNDNEXT)), 2);
  EXPECT_EQ(GetDlgCtrlID(GetWindow(first, GW_HWNDLAST)), 3);
  EXPECT_EQ(GetParent(first), dialog);
  EXPECT_TRUE(IsChild(dialog, first));
  EXPECT_EQ(WindowClassName(first), "BUTTON");
}

TEST_F(UserWindowTest, UnknownClassFailsCreation) {
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_CHILD, 0, 0, 1, 1, 0, 0, 0, nullptr), 0u);
  // A child needs a live parent.
  EXPECT_EQ(CreateWindowEx(0, "EDIT", "", WS_CHILD, 0, 0, 1, 1, 0x7FFF, 0, 0, nullptr), 0u);
}

TEST_F(UserWindowTest, TextReadsNeverSplitADoubleByteCharacter) {
  const HWND dialog = Open({Control(100, "STATIC", 0)});
  SetDlgItemText(dialog, 100, "ab\xC3\xFB\xB3\xC6");  // ab名称
  struct Case {
    int size;
    const char* expected;
  } cases[] = {
      {1, ""},                      // room for the NUL only
      {3, "ab"},                    // two bytes fit
      {4, "ab"},                    // three bytes would cut 名 in half
      {5, "ab\xC3\xFB"},            // 名 fits whole
      {7, "ab\xC3\xFB\xB3\xC6"},    // everything
      {64, "ab\xC3\xFB\xB3\xC6"},   // a large buffer
  };
  for (const Case& c : cases) {
    char buffer[64];
    std::memset(buffer, 'X', sizeof buffer);
    const UINT n = GetDlgItemText(dialog, 100, buffer, c.size);
    EXPECT_STREQ(buffer, c.expected) << "size " << c.size;
    EXPECT_EQ(n, std::strlen(c.expected)) << "size " << c.size;
  }
  EXPECT_EQ(GetWindowTextLength(GetDlgItem(dialog, 100)), 6);
}

TEST_F(UserWindowTest, GetDlgItemIntReadsLeadingDigits) {
  const HWND dialog = Open({Control(100, "EDIT", 0)});
  struct Case {
    const char* text;
    BOOL is_signed;
    UINT value;
    BOOL translated;
  } cases[] = {
      {"42", TRUE, 42, TRUE},
      {"  7", TRUE, 7, TRUE},                          // leading blanks are skipped
      {"-15", TRUE, static_cast<UINT>(-15), TRUE},     // a sign when signed
      {"-15", FALSE, 0, FALSE},                        // no sign when unsigned
      {"12abc", TRUE, 12, TRUE},                       // stops at the first other character
      {"abc", TRUE, 0, FALSE},                         // no digit
      {"", TRUE, 0, FALSE},                            // empty
      {"2147483647", TRUE, INT_MAX, TRUE},             // the largest int
      {"2147483648", TRUE, 0, FALSE},                  // one more overflows
      {"-2147483648", TRUE, static_cast<UINT>(INT_MIN), TRUE},
      {"4294967295", FALSE, UINT_MAX, TRUE},           // the largest unsigned
      {"4294967296", FALSE, 0, FALSE},
  };
  for (const Case& c : cases) {
    SetDlgItemText(dialog, 100, c.text);
    BOOL translated = 2;
    EXPECT_EQ(GetDlgItemInt(dialog, 100, &translated, c.is_signed), c.value) << c.text;
    EXPECT_EQ(translated, c.translated) << c.text;
  }
  SetDlgItemInt(dialog, 100, static_cast<UINT>(-3), TRUE);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 100)), "-3");
}

TEST_F(UserWindowTest, EnableAndShowReportThePreviousState) {
  const HWND dialog = Open({Control(100, "BUTTON", BS_PUSHBUTTON)});
  const HWND button = GetDlgItem(dialog, 100);
  EXPECT_FALSE(EnableWindow(button, FALSE)) << "it was enabled";
  EXPECT_FALSE(IsWindowEnabled(button));
  EXPECT_TRUE(EnableWindow(button, TRUE)) << "it was disabled";
  EXPECT_TRUE(ShowWindow(button, SW_HIDE)) << "it was visible";
  EXPECT_FALSE(IsWindowVisible(button));
  ShowWindow(button, SW_SHOW);
  ShowWindow(dialog, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(button)) << "a control of a hidden dialog is not visible";
  EXPECT_TRUE(GetWindowLong(button, GWL_STYLE) & WS_VISIBLE) << "though its own style still says so";
}

// Records the focus messages of one window class instance by subclassing.
std::vector<std::pair<UINT, int>> g_focus_log;
WNDPROC g_edit_proc = nullptr;
LRESULT FocusLoggingEdit(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_SETFOCUS || m == WM_KILLFOCUS) g_focus_log.emplace_back(m, GetDlgCtrlID(h));
  return CallWindowProc(g_edit_proc, h, m, w, l);
}

TEST_F(UserWindowTest, FocusMovesWithKillBeforeSetAndEditsNotify) {
  const HWND dialog = Open({Control(100, "EDIT", WS_TABSTOP), Control(101, "EDIT", WS_TABSTOP)});
  g_focus_log.clear();
  for (int id : {100, 101}) {
    g_edit_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(GetDlgItem(dialog, id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FocusLoggingEdit)));
  }
  SetFocus(GetDlgItem(dialog, 100));
  Notes().clear();
  g_focus_log.clear();
  EXPECT_EQ(SetFocus(GetDlgItem(dialog, 101)), GetDlgItem(dialog, 100));
  EXPECT_EQ(g_focus_log, (std::vector<std::pair<UINT, int>>{{WM_KILLFOCUS, 100}, {WM_SETFOCUS, 101}}));
  EXPECT_EQ(Notes(), (std::vector<Note>{Command(100, EN_KILLFOCUS), Command(101, EN_SETFOCUS)}));
  // Disabling the focused control takes the focus away from it.
  Notes().clear();
  EnableWindow(GetDlgItem(dialog, 101), FALSE);
  EXPECT_EQ(GetFocus(), 0u);
  EXPECT_EQ(Notes(), std::vector<Note>{Command(101, EN_KILLFOCUS)});
}

TEST_F(UserWindowTest, InitialFocusGoesToTheFirstTabStop) {
  const HWND dialog = Open({Control(1, "STATIC", 0), Control(2, "BUTTON", BS_PUSHBUTTON | WS_DISABLED | WS_TABSTOP),
                            Control(3, "EDIT", WS_TABSTOP)});
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 3)) << "statics and disabled controls are skipped";
}

TEST_F(UserWindowTest, GeometryMapsBetweenClientAndScreen) {
  ControlTemplate c = Control(100, "STATIC", 0);
  c.x = 8;   // 12 pixels
  c.y = 16;  // 26 pixels
  c.cx = 20;
  c.cy = 8;
  const HWND dialog = Open({c});
  const HWND control = GetDlgItem(dialog, 100);
  RECT r;
  ASSERT_TRUE(GetWindowRect(control, &r));
  POINT top_left{r.left, r.top};
  ScreenToClient(dialog, &top_left);
  EXPECT_EQ(top_left.x, 12);
  EXPECT_EQ(top_left.y, 26);
  EXPECT_EQ(r.right - r.left, 30);
  EXPECT_EQ(r.bottom - r.top, 13);
  // The dialog's frame: caption and borders lie outside its client area.
  RECT window;
  RECT client;
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &client);
  EXPECT_EQ(window.right - window.left, client.right + 6);
  EXPECT_EQ(window.bottom - window.top, client.bottom + 18 + 6);

  MoveWindow(control, 5, 6, 40, 20, TRUE);
  GetWindowRect(control, &r);
  POINT moved{r.left, r.top};
  ScreenToClient(dialog, &moved);
  EXPECT_EQ(moved.x, 5);
  EXPECT_EQ(moved.y, 6);
  SetWindowPos(control, 0, 0, 0, 33, 11, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(control, &r);
  EXPECT_EQ(r.right, 33);
  EXPECT_EQ(r.bottom, 11);
  EXPECT_EQ(WindowSurface(control)->width, 33) << "the surface follows the client size";
}

// Counts WM_PAINT per control id.
std::vector<int> g_painted;
INT_PTR PaintLogging(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_PAINT) return FALSE;
  g_painted.push_back(GetDlgCtrlID(dialog));
  PAINTSTRUCT ps;
  BeginPaint(dialog, &ps);
  EndPaint(dialog, &ps);
  return TRUE;
}

TEST_F(UserWindowTest, PaintsArriveOnceWhenIdleAndNotForHiddenWindows) {
  DialogTemplate t = Dialog({});
  t.style |= WS_VISIBLE;
  const HWND dialog = CreateDialogIndirectParam(0, &t, 0, PaintLogging, 0);
  g_painted.clear();
  DispatchPendingPaints();
  EXPECT_EQ(g_painted.size(), 1u) << "a new visible window paints once";
  DispatchPendingPaints();
  EXPECT_EQ(g_painted.size(), 1u) << "and not again until invalidated";

  RECT part{0, 0, 10, 10};
  InvalidateRect(dialog, &part, FALSE);
  InvalidateRect(dialog, &part, FALSE);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(dialog, &update, FALSE));
  UpdateWindow(dialog);
  EXPECT_EQ(g_painted.size(), 2u) << "two invalidations, one paint";

  ShowWindow(dialog, SW_HIDE);
  InvalidateRect(dialog, nullptr, TRUE);
  DispatchPendingPaints();
  EXPECT_EQ(g_painted.size(), 2u) << "hidden windows wait";
  ShowWindow(dialog, SW_SHOW);
  DispatchPendingPaints();
  EXPECT_EQ(g_painted.size(), 3u);
}

TEST_F(UserWindowTest, EraseFillsTheDialogFace) {
  DialogTemplate t = Dialog({});
  t.style |= WS_VISIBLE;
  const HWND dialog = CreateDialogIndirectParam(0, &t, 0, RecordingProc, 0);
  DispatchPendingPaints();
  std::shared_ptr<Surface> surface = WindowSurface(dialog);
  ASSERT_TRUE(surface);
  surface->pixels.assign(surface->pixels.size(), 0x123456);
  RECT part{2, 3, 4, 5};
  InvalidateRect(dialog, &part, TRUE);
  DispatchPendingPaints();
  const auto at = [&](int x, int y) { return surface->pixels[static_cast<std::size_t>(y * surface->width + x)]; };
  EXPECT_EQ(at(2, 3), kDialogFaceColor);
  EXPECT_EQ(at(3, 4), kDialogFaceColor);
  EXPECT_EQ(at(4, 5), 0x123456u) << "outside the invalidated part";
  EXPECT_EQ(at(1, 3), 0x123456u);
}

// Records the WM_DRAWITEM an owner-drawn control asks its parent for.
std::vector<DRAWITEMSTRUCT> g_draw_items;
INT_PTR DrawItemLogging(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    g_draw_items.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return RecordNotes(dialog, message, wParam, lParam);
}

TEST_F(UserWindowTest, OwnerDrawnControlsAskTheirParentToDraw) {
  const std::vector<ControlTemplate> controls{Control(1024, "STATIC", SS_OWNERDRAW), Control(1025, "STATIC", 0)};
  DialogTemplate t = Dialog(controls);
  t.style |= WS_VISIBLE;
  const HWND dialog = CreateDialogIndirectParam(0, &t, 0, DrawItemLogging, 0);
  g_draw_items.clear();
  DispatchPendingPaints();
  ASSERT_EQ(g_draw_items.size(), 1u) << "only the owner-drawn static";
  EXPECT_EQ(g_draw_items[0].CtlType, ODT_STATIC);
  EXPECT_EQ(g_draw_items[0].CtlID, 1024u);
  EXPECT_EQ(g_draw_items[0].hwndItem, GetDlgItem(dialog, 1024));
  EXPECT_NE(g_draw_items[0].hDC, 0u) << "a device context of the control";
  EXPECT_EQ(g_draw_items[0].rcItem.right, 60);
}

// The order of the first messages a dialog procedure sees.
std::vector<UINT> g_first_messages;
LPARAM g_create_param = 0;
INT_PTR CreationLogging(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_CREATE) g_create_param = reinterpret_cast<LPARAM>(reinterpret_cast<const CREATESTRUCT*>(lParam)->lpCreateParams);
  if (message == WM_CREATE || message == WM_INITDIALOG) g_first_messages.push_back(message);
  return message == WM_INITDIALOG;
}

TEST_F(UserWindowTest, DialogProcedureSeesCreateBeforeInitDialog) {
  DialogTemplate t = Dialog({});
  g_first_messages.clear();
  CreateDialogIndirectParam(0, &t, 0, CreationLogging, 1234);
  EXPECT_EQ(g_first_messages, (std::vector<UINT>{WM_CREATE, WM_INITDIALOG}));
  EXPECT_EQ(g_create_param, 1234) << "the class library finds its object in WM_CREATE";
}

TEST_F(UserWindowTest, WindowLongsAndSubclassing) {
  const HWND dialog = Open({Control(100, "BUTTON", BS_PUSHBUTTON)});
  SetWindowLongPtr(dialog, DWLP_USER, 1234);
  EXPECT_EQ(GetWindowLongPtr(dialog, DWLP_USER), 1234);
  EXPECT_EQ(GetWindowLongPtr(dialog, DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(RecordingProc));
  EXPECT_EQ(GetWindowLong(GetDlgItem(dialog, 100), GWL_ID), 100);
  EXPECT_EQ(GetWindowLongPtr(GetDlgItem(dialog, 100), DWLP_USER), 0) << "dialog slots belong to dialogs";
}

}  // namespace
}  // namespace velko::platform::user_test
