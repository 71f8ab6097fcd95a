// Page calls through thunk entry 1, from the 16-bit side's records in 16:16
// memory to the page procedures of VelkoUI and back as a 16-bit BOOL.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "platform/afx/app.h"
#include "platform/kernel/kernel.h"
#include "platform/thunk/thunk.h"
#include "tests/bridge/bridge_fixture.h"

namespace velko::testing {
namespace {

constexpr uint32_t kWmPaint = 0x000F;
constexpr uint32_t kWmNotify = 0x004E;
constexpr uint32_t kWmInitDialog = 0x0110;
constexpr uint32_t kWmCommand = 0x0111;
constexpr uint32_t kWmTimer = 0x0113;

// A far pointer whose selector was never handed out.
constexpr DWORD kNowhere = 0x7FF70000;

class PageCallTest : public BridgeTest {
 protected:
  // The window variables of the four pages, main page first.
  static std::array<HWND, 4> PageWindows() {
    const auto state = PageState();
    return {state.mainPageWindow, state.colorPageWindow, state.optionsPageWindow,
            state.versionPageWindow};
  }

  // A PageMessage in 16:16 memory the test keeps, for raw entry calls.
  host::FarBlock RecordOf(const PageMessage& message) {
    host::FarBlock block = driver().AllocFar(sizeof(PageMessage));
    std::memcpy(block.bytes.data(), &message, sizeof message);
    return block;
  }

  static void ExpectNothingFixed(std::initializer_list<DWORD> farPointers) {
    for (const DWORD far : farPointers) {
      EXPECT_EQ(platform::SelectorLockCount(platform::SelectorOf(far)), 0u) << std::hex << far;
    }
    EXPECT_EQ(platform::ThunkedCallDepth(), 0);
  }
};

struct RouteCase {
  int32_t pageId;
  int16_t result;
  int window;  // index of the page window variable the call sets, -1 for none
};

TEST_F(PageCallTest, PageIdChoosesTheProcedure) {
  const RouteCase cases[] = {
      {1001, 1, 0},
      {1002, 1, 1},
      {1003, 1, 2},
      {1004, 1, 3},
      // Next to the range, and far off it: no procedure runs.
      {1000, 0, -1},
      {1005, 0, -1},
      {0, 0, -1},
      {-1001, 0, -1},
  };
  HWND window = 0x500;
  for (const auto& c : cases) {
    const auto before = PageWindows();
    ++window;
    EXPECT_EQ(driver().PageCall(c.pageId, window, kWmTimer, 0, 0, 0), c.result) << c.pageId;
    auto expected = before;
    if (c.window >= 0) expected[c.window] = window;
    EXPECT_EQ(PageWindows(), expected) << c.pageId;
  }
}

TEST_F(PageCallTest, ThePagesAreGivenTheDriversOwnRecords) {
  ASSERT_EQ(driver().PageCall(1001, 0x42, kWmInitDialog, 0, 0, 0), 1);
  const auto state = PageState();
  EXPECT_EQ(state.currentSettings, &driver().Current());
  EXPECT_EQ(state.defaultSettings, &driver().Defaults());
  ExpectNothingFixed({driver().CurrentFar(), driver().DefaultsFar()});
}

TEST_F(PageCallTest, EveryCallSetsUpTheApplicationStateForTheProgram) {
  const HMODULE ui = GetModuleHandleA("VelkoUI.dll");
  ASSERT_EQ(AfxWinInit(ui, 0, nullptr, 0), TRUE);  // as VelkoUI's load left it
  ASSERT_EQ(driver().PageCall(1004, 0x42, kWmPaint, 0, 0, 0), 1);
  EXPECT_EQ(AfxGetInstanceHandle(), GetModuleHandleA(nullptr));
  // The pages' strings and bitmaps still load from VelkoUI.
  EXPECT_EQ(AfxGetResourceHandle(), ui);
}

TEST_F(PageCallTest, ACommandWithoutFarDataKeepsItsNotificationInLParam) {
  ASSERT_EQ(driver().PageCall(1001, 0x42, kWmCommand, 1019, 0x00010412, 0), 1);
  const FlatPageMessage seen = PageState().lastMessage;
  EXPECT_EQ(seen.Message, kWmCommand);
  EXPECT_EQ(seen.WParam, 1019u);
  EXPECT_EQ(seen.LParam, 0x00010412);
  EXPECT_EQ(seen.LParamFar, nullptr);
  EXPECT_EQ(static_cast<uint64_t>(seen.LParam) >> 16, 1u);  // the notification code
}

TEST_F(PageCallTest, ANotificationSeesItsHeaderAtAFlatAddress) {
  host::FarBlock header = driver().AllocFar(12);
  const uint32_t code = 0xFFFFFF38;  // PSN_SETACTIVE with the high bits set
  std::memcpy(header.bytes.data() + 8, &code, 4);
  const PageMessage message{1003, 0, 0x42, kWmNotify, 0, 0x1234, header.far};
  host::FarBlock record = RecordOf(message);

  const DWORD arguments[] = {record.far, driver().CurrentFar(), driver().DefaultsFar()};
  ASSERT_EQ(driver().CallEntry(1, arguments), 1u);

  const FlatPageMessage seen = PageState().lastMessage;
  EXPECT_EQ(seen.LParamFar, static_cast<void*>(header.bytes.data()));
  EXPECT_EQ(seen.LParam, reinterpret_cast<LPARAM>(header.bytes.data()));
  // The page worked on a copy: the driver's record is as it was.
  EXPECT_EQ(std::memcmp(record.bytes.data(), &message, sizeof message), 0);
  ExpectNothingFixed({record.far, header.far, driver().CurrentFar(), driver().DefaultsFar()});
}

TEST_F(PageCallTest, FarPointersThatReachNothingReachNoPage) {
  host::FarBlock record = RecordOf(PageMessage{1002, 0, 0x99, kWmPaint, 0, 0, 0});
  host::FarBlock tooSmall = driver().AllocFar(sizeof(SettingsRecord) - 1);
  struct Case {
    const char* what;
    DWORD message, current, defaults;
  } const cases[] = {
      {"no message record", kNowhere, driver().CurrentFar(), driver().DefaultsFar()},
      {"the null message record", 0, driver().CurrentFar(), driver().DefaultsFar()},
      {"no current record", record.far, kNowhere, driver().DefaultsFar()},
      {"no default record", record.far, driver().CurrentFar(), 0},
      {"a segment shorter than a record", record.far, tooSmall.far, driver().DefaultsFar()},
  };
  for (const auto& c : cases) {
    const HWND before = PageState().colorPageWindow;
    const DWORD arguments[] = {c.message, c.current, c.defaults};
    EXPECT_EQ(driver().CallEntry(1, arguments), 0u) << c.what;
    EXPECT_EQ(PageState().colorPageWindow, before) << c.what;
    ExpectNothingFixed({record.far, tooSmall.far, driver().CurrentFar(), driver().DefaultsFar()});
  }
}

TEST_F(PageCallTest, AnUnreachableHeaderLeavesTheSixteenBitLParam) {
  ASSERT_EQ(driver().PageCall(1001, 0x42, kWmNotify, 0, 0x5678, kNowhere), 1);
  const FlatPageMessage seen = PageState().lastMessage;
  EXPECT_EQ(seen.LParamFar, nullptr);
  EXPECT_EQ(seen.LParam, 0x5678);
}

TEST_F(PageCallTest, AnEntryCallWithTheWrongArgumentsIsRefused) {
  const DWORD two[] = {driver().CurrentFar(), driver().DefaultsFar()};
  EXPECT_FALSE(driver().CallEntry(1, two).has_value());
  EXPECT_FALSE(driver().CallEntry(2, two).has_value());
}

}  // namespace
}  // namespace velko::testing
