// The page-call contract: the four page procedures store the module
// variables of every call and return 1; the common dispatch decodes
// WM_NOTIFY and WM_COMMAND and reaches the page's handlers.
#include "ui/pages/page_contract.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/core/page_variables.h"
#include "ui/pages/page_procedures.h"

namespace {

using namespace velko;
using namespace velko::ui;

using PageProcedure = int32_t (*)(const FlatPageMessage*, SettingsRecord*, SettingsRecord*);

struct PageCase {
  const char* name;
  PageProcedure procedure;
  HWND* window;
};

const PageCase kPages[] = {
    {"MainPropPage", MainPropPage, &MainPageWindow},
    {"ColorPropPage", ColorPropPage, &ColorPageWindow},
    {"OptPropPage", OptPropPage, &OptionsPageWindow},
    {"VerPropPage", VerPropPage, &VersionPageWindow},
};

// A notification header as the 16-bit driver lays it out: code at byte 8.
struct NotifyHeader {
  uint8_t bytes[12] = {};
  explicit NotifyHeader(uint32_t code) { std::memcpy(bytes + 8, &code, 4); }
};

FlatPageMessage Message(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, void* far = nullptr) {
  FlatPageMessage m{};
  m.PageId = kMainPageId;
  m.Message = message;
  m.WParam = wParam;
  m.LParam = far ? reinterpret_cast<LPARAM>(far) : lParam;
  m.LParamFar = far;
  return m;
}

void ClearPageWindows() {
  for (const auto& page : kPages) *page.window = 0;
}

TEST(PageProcedureTest, EachStoresTheCallsVariablesInItsOwnWindow) {
  SettingsRecord current{}, defaults{};
  for (const auto& page : kPages) {
    ClearPageWindows();
    FlatPageMessage message = Message(WM_TIMER);
    message.Window = 0x4321;
    message.Reserved = 0xABCD0001;
    EXPECT_EQ(page.procedure(&message, &current, &defaults), 1) << page.name;
    EXPECT_EQ(CurrentSettings, &current) << page.name;
    EXPECT_EQ(DefaultSettings, &defaults) << page.name;
    EXPECT_EQ(PageReserved, 0xABCD0001u) << page.name;
    for (const auto& other : kPages) {
      EXPECT_EQ(*other.window, other.window == page.window ? 0x4321u : 0u)
          << page.name << " set the window of " << other.name;
    }
  }
}

TEST(PageProcedureTest, TheVariablesOutliveTheCallAndFollowTheLatestCall) {
  SettingsRecord first{}, second{}, defaults{};
  FlatPageMessage message = Message(WM_PAINT);
  message.Window = 0x11;
  MainPropPage(&message, &first, &defaults);
  message.Window = 0x22;
  ColorPropPage(&message, &second, &defaults);
  EXPECT_EQ(MainPageWindow, 0x11u);
  EXPECT_EQ(ColorPageWindow, 0x22u);
  EXPECT_EQ(CurrentSettings, &second);
}

TEST(PageProcedureTest, EveryMessageGetsOne) {
  SettingsRecord current{}, defaults{};
  NotifyHeader setActive(0xFFFFFF38);
  const FlatPageMessage messages[] = {
      Message(WM_INITDIALOG),       Message(WM_PAINT),
      Message(WM_DRAWITEM),         Message(WM_NOTIFY, 0, 0, setActive.bytes),
      Message(WM_COMMAND, 1086, 0), Message(WM_TIMER),
      Message(WM_HSCROLL),
  };
  for (const auto& page : kPages) {
    for (const auto& message : messages) {
      EXPECT_EQ(page.procedure(&message, &current, &defaults), 1)
          << page.name << " message " << message.Message;
    }
  }
}

// What the test page's handlers saw, in order.
std::vector<std::string> events;

int32_t Initialise() {
  events.push_back("initialise");
  return 7;  // the dispatch hands back whatever the initialisation gives
}
void Paint() { events.push_back("paint"); }
void SetActive(const FlatPageMessage&) { events.push_back("set-active"); }
void KillActive(const FlatPageMessage&) { events.push_back("kill-active"); }
void OnRestoreAll(const FlatPageMessage&) { events.push_back("1086 clicked"); }
void OnPaperChange(const FlatPageMessage&) { events.push_back("1010 changed"); }

constexpr CommandHandler kCommands[] = {
    {1086, 0, OnRestoreAll},
    {1010, 1, OnPaperChange},
};
constexpr PageHandlers kTestPage{Initialise, Paint, SetActive, KillActive, kCommands};

struct DispatchCase {
  const char* what;
  FlatPageMessage message;
  int32_t result;
  const char* handler;  // the one handler that runs, or nullptr
};

TEST(PageDispatchTest, MessagesReachTheirHandlers) {
  NotifyHeader setActive(0x0000FF38);
  NotifyHeader setActiveHigh(0xFFFFFF38);
  NotifyHeader setActiveOdd(0x1234FF38);
  NotifyHeader killActive(0xFFFFFF37);
  NotifyHeader other(0xFFFFFF36);
  const DispatchCase cases[] = {
      {"init gives its own result", Message(WM_INITDIALOG), 7, "initialise"},
      {"paint draws the banner", Message(WM_PAINT), 1, "paint"},
      {"draw-item draws the banner", Message(WM_DRAWITEM), 1, "paint"},
      // Only the low 16 bits at offset 8 count.
      {"PSN_SETACTIVE", Message(WM_NOTIFY, 0, 0, setActive.bytes), 1, "set-active"},
      {"PSN_SETACTIVE, high bits set", Message(WM_NOTIFY, 0, 0, setActiveHigh.bytes), 1,
       "set-active"},
      {"PSN_SETACTIVE, odd high bits", Message(WM_NOTIFY, 0, 0, setActiveOdd.bytes), 1,
       "set-active"},
      {"PSN_KILLACTIVE", Message(WM_NOTIFY, 0, 0, killActive.bytes), 1, "kill-active"},
      {"another notification", Message(WM_NOTIFY, 0, 0, other.bytes), 1, nullptr},
      // Without a header there is no code to read; the 16-bit lParam is no address.
      {"a notification without header", Message(WM_NOTIFY, 0, 0xFF38), 1, nullptr},
      // Control id from WParam, notification code from LParam's high word.
      {"button 1086 clicked", Message(WM_COMMAND, 1086, 0x00000412), 1, "1086 clicked"},
      {"combo 1010 selection changed", Message(WM_COMMAND, 1010, 0x00010412), 1, "1010 changed"},
      {"1086 with another code", Message(WM_COMMAND, 1086, 0x00050412), 1, nullptr},
      {"a control not in the table", Message(WM_COMMAND, 1087, 0), 1, nullptr},
      // The id is the whole WParam, not its low word.
      {"a WParam with high bits", Message(WM_COMMAND, 0x00010000 + 1086, 0), 1, nullptr},
      {"an unhandled message", Message(WM_TIMER), 1, nullptr},
  };
  for (const auto& c : cases) {
    events.clear();
    EXPECT_EQ(DispatchPageMessage(c.message, kTestPage), c.result) << c.what;
    const auto expected =
        c.handler ? std::vector<std::string>{c.handler} : std::vector<std::string>{};
    EXPECT_EQ(events, expected) << c.what;
  }
}

TEST(PageDispatchTest, APageWithoutNotificationHandlersIgnoresThem) {
  constexpr PageHandlers kQuietPage{Initialise, Paint, nullptr, nullptr, {}};
  NotifyHeader setActive(0xFF38);
  NotifyHeader killActive(0xFF37);
  events.clear();
  EXPECT_EQ(DispatchPageMessage(Message(WM_NOTIFY, 0, 0, setActive.bytes), kQuietPage), 1);
  EXPECT_EQ(DispatchPageMessage(Message(WM_NOTIFY, 0, 0, killActive.bytes), kQuietPage), 1);
  EXPECT_EQ(DispatchPageMessage(Message(WM_COMMAND, 1086, 0), kQuietPage), 1);
  EXPECT_TRUE(events.empty());
}

TEST(PageDispatchTest, TheInspectionShowsTheLastCall) {
  SettingsRecord current{}, defaults{};
  NotifyHeader header(0xFF38);
  FlatPageMessage message = Message(WM_NOTIFY, 5, 0, header.bytes);
  message.Window = 0x77;
  OptPropPage(&message, &current, &defaults);
  PageCallState state{};
  VelkoUIInspectPageCall(&state);
  EXPECT_EQ(state.currentSettings, &current);
  EXPECT_EQ(state.defaultSettings, &defaults);
  EXPECT_EQ(state.optionsPageWindow, 0x77u);
  EXPECT_EQ(state.lastMessage.Message, WM_NOTIFY);
  EXPECT_EQ(state.lastMessage.LParamFar, static_cast<void*>(header.bytes));
}

}  // namespace
