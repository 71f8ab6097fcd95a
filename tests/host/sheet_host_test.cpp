// The property sheet host over the real driver: pages created from the
// driver's templates on first activation, every forwarded message seen as
// the 16-bit side sends it (a recorder sits in front of thunk entry 1),
// the calls reaching VelkoUI's page procedures, and what OK and Cancel do
// to the record.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "host/sheet/sheet_host.h"
#include "platform/thunk/selectors.h"
#include "platform/user/user.h"
#include "ui/pages/page_contract.h"

namespace velko::host {
namespace {

using platform::UserAction;

// One page call as it left the host, with the notification code read from
// the 16:16 header at the time of the call.
struct Seen {
  PageMessage message;
  uint32_t notify_code = 0;
};

class RecordingCalls : public PageCalls {
 public:
  explicit RecordingCalls(PageCalls& next) : next_(next) {}

  int16_t PageCall(const PageMessage& m) override {
    Seen seen{m};
    if (m.LParamFar != 0) std::memcpy(&seen.notify_code, static_cast<uint8_t*>(platform::MapSL(m.LParamFar)) + 8, 4);
    calls.push_back(seen);
    if (hook) hook(m);
    return next_.PageCall(m);
  }

  // The calls other than control notifications, as (message, page) and
  // notification code: the sheet's own sequence.
  std::vector<std::tuple<UINT, int32_t, uint32_t>> SheetSequence(std::size_t from = 0) const {
    std::vector<std::tuple<UINT, int32_t, uint32_t>> out;
    for (std::size_t i = from; i < calls.size(); ++i) {
      const PageMessage& m = calls[i].message;
      if (m.Message != WM_COMMAND) out.emplace_back(m.Message, m.PageId, calls[i].notify_code);
    }
    return out;
  }

  std::vector<Seen> calls;
  std::function<void(const PageMessage&)> hook;

 private:
  PageCalls& next_;
};

class SheetHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    driver_ = Driver::Load();
    ui_ = dlopen("libVelkoUI.so", RTLD_NOW | RTLD_NOLOAD);
  }
  static void TearDownTestSuite() {
    if (ui_ != nullptr) dlclose(ui_);
    driver_.reset();
  }
  void SetUp() override {
    driver_->Current() = driver_->Defaults();
    windows_before_ = platform::WindowCount();
  }
  void TearDown() override {
    sheet_.reset();
    EXPECT_EQ(platform::WindowCount(), windows_before_) << "the sheet left windows behind";
  }

  SheetHost& Open(int start = 0) {
    sheet_ = std::make_unique<SheetHost>(recorder_, driver_->Current());
    sheet_->Open(start);
    return *sheet_;
  }
  HWND Page(int index) const { return platform::PropertySheetPage(sheet_->sheet(), index); }

  static inline std::unique_ptr<Driver> driver_;
  static inline void* ui_ = nullptr;
  DriverPageCalls calls_{*driver_};
  RecordingCalls recorder_{calls_};
  std::unique_ptr<SheetHost> sheet_;
  std::size_t windows_before_ = 0;
};

constexpr uint32_t kSetActive = PSN_SETACTIVE;
constexpr uint32_t kKillActive = PSN_KILLACTIVE;
using Step = std::tuple<UINT, int32_t, uint32_t>;

TEST_F(SheetHostTest, OpeningCreatesTheFirstPageActivatesAndPaintsIt) {
  SheetHost& sheet = Open();
  ASSERT_NE(sheet.sheet(), 0u);
  EXPECT_EQ(sheet.outcome(), SheetOutcome::Open);
  EXPECT_EQ(platform::DialogTemplateId(sheet.sheet()), 1001);
  EXPECT_EQ(recorder_.SheetSequence(), (std::vector<Step>{{WM_INITDIALOG, 1001, 0},
                                                          {WM_NOTIFY, 1001, kSetActive},
                                                          {WM_PAINT, 1001, 0}}));
  for (const Seen& s : recorder_.calls) EXPECT_EQ(s.message.Window, Page(0));
  EXPECT_EQ(Page(1), 0u);  // the other pages wait for their first activation
  EXPECT_TRUE(sheet.call_failures().empty());
}

TEST_F(SheetHostTest, TabChangesCreateEachPageOnceAndSwapActivation) {
  Open();
  const std::size_t opened = recorder_.calls.size();
  ASSERT_TRUE(sheet_->Apply(UserAction::Page(1)));
  EXPECT_EQ(recorder_.SheetSequence(opened), (std::vector<Step>{{WM_NOTIFY, 1001, kKillActive},
                                                                 {WM_INITDIALOG, 1002, 0},
                                                                 {WM_NOTIFY, 1002, kSetActive},
                                                                 {WM_PAINT, 1002, 0}}));
  const std::size_t color = recorder_.calls.size();
  ASSERT_TRUE(sheet_->Apply(UserAction::Page(0)));
  EXPECT_EQ(recorder_.SheetSequence(color), (std::vector<Step>{{WM_NOTIFY, 1002, kKillActive},
                                                                {WM_NOTIFY, 1001, kSetActive},
                                                                {WM_PAINT, 1001, 0}}));
  EXPECT_EQ(platform::DialogTemplateId(sheet_->sheet()), 1001);
  EXPECT_FALSE(sheet_->Apply(UserAction::Page(4)));  // four pages only
}

TEST_F(SheetHostTest, NotificationHeadersLieIn16BitMemoryThatGoesWithTheSheet) {
  Open();
  std::vector<DWORD> fars;
  for (const Seen& s : recorder_.calls) {
    if (s.message.Message != WM_NOTIFY) continue;
    EXPECT_NE(s.message.LParamFar, 0u);
    EXPECT_EQ(s.message.LParam, s.message.LParamFar);
    EXPECT_NE(platform::MapSL(s.message.LParamFar), nullptr);
    fars.push_back(s.message.LParamFar);
  }
  ASSERT_FALSE(fars.empty());
  sheet_.reset();  // a sheet opened again and again must not use up the selectors
  for (DWORD far : fars) EXPECT_EQ(platform::MapSL(far), nullptr);
}

TEST_F(SheetHostTest, DrawingRecordsAreCopiedInto16BitMemory) {
  Open();
  DRAWITEMSTRUCT draw;
  std::memset(&draw, 0, sizeof draw);
  draw.CtlType = ODT_STATIC;
  draw.CtlID = 1024;
  draw.itemAction = ODA_DRAWENTIRE;
  draw.hwndItem = GetDlgItem(Page(0), 1024);
  draw.rcItem = RECT{0, 0, 112, 23};
  const std::size_t before = recorder_.calls.size();
  SendMessage(Page(0), WM_DRAWITEM, 1024, reinterpret_cast<LPARAM>(&draw));
  ASSERT_EQ(recorder_.calls.size(), before + 1);
  const PageMessage& m = recorder_.calls.back().message;
  EXPECT_EQ(m.Message, WM_DRAWITEM);
  EXPECT_EQ(m.WParam, 1024u);
  ASSERT_NE(m.LParamFar, 0u);
  EXPECT_EQ(m.LParam, m.LParamFar);
  EXPECT_EQ(std::memcmp(platform::MapSL(m.LParamFar), &draw, sizeof draw), 0);
}

TEST_F(SheetHostTest, ControlNotificationsArriveIn16BitForm) {
  Open();
  const HWND box = GetDlgItem(Page(0), 1016);
  const std::size_t before = recorder_.calls.size();
  ASSERT_TRUE(sheet_->Apply(UserAction::Click(1016)));
  EXPECT_EQ(IsDlgButtonChecked(Page(0), 1016), BST_CHECKED);  // an auto check box toggles
  // The page's own answer may raise notifications of other controls; keep
  // the box's.
  std::vector<PageMessage> commands;
  for (std::size_t i = before; i < recorder_.calls.size(); ++i) {
    const PageMessage& m = recorder_.calls[i].message;
    if (m.Message == WM_COMMAND && m.WParam == 1016) commands.push_back(m);
  }
  ASSERT_FALSE(commands.empty());
  const PageMessage& clicked = commands.back();
  EXPECT_EQ(clicked.PageId, 1001);
  EXPECT_EQ(clicked.WParam, 1016u);
  EXPECT_EQ(clicked.LParam >> 16, BN_CLICKED);
  EXPECT_EQ(clicked.LParam & 0xFFFF, LOWORD(box));
  EXPECT_EQ(clicked.LParamFar, 0u);

  const std::size_t typed = recorder_.calls.size();
  ASSERT_TRUE(sheet_->Apply(UserAction::Type(1064, "AB")));
  ASSERT_TRUE(sheet_->Apply(UserAction::Leave(1064)));
  std::vector<uint32_t> codes;
  for (std::size_t i = typed; i < recorder_.calls.size(); ++i) {
    const PageMessage& m = recorder_.calls[i].message;
    if (m.Message == WM_COMMAND && m.WParam == 1064) codes.push_back(m.LParam >> 16);
  }
  EXPECT_EQ(codes, (std::vector<uint32_t>{EN_SETFOCUS, EN_UPDATE, EN_CHANGE, EN_KILLFOCUS}));
}

TEST_F(SheetHostTest, OnlyTheColorPageGetsItsSlidersScrolls) {
  driver_->Current().ColorOption = 1;  // the slider's group enabled
  Open();
  ASSERT_TRUE(sheet_->Apply(UserAction::Page(1)));
  const std::size_t before = recorder_.calls.size();
  ASSERT_TRUE(sheet_->Apply(UserAction::MoveTrackbar(1044, 1)));
  std::vector<std::pair<uint32_t, uint32_t>> scrolls;
  for (std::size_t i = before; i < recorder_.calls.size(); ++i) {
    const PageMessage& m = recorder_.calls[i].message;
    if (m.Message == WM_HSCROLL) scrolls.emplace_back(m.WParam, m.LParam & 0xFFFF);
  }
  const int pos = static_cast<int>(SendDlgItemMessage(Page(1), 1044, TBM_GETPOS, 0, 0));
  EXPECT_EQ(scrolls, (std::vector<std::pair<uint32_t, uint32_t>>{
                         {TB_THUMBTRACK, pos}, {TB_THUMBPOSITION, pos}, {TB_ENDTRACK, 0}}));

  const std::size_t main_before = recorder_.calls.size();
  SendMessage(Page(0), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(recorder_.calls.size(), main_before);
}

TEST_F(SheetHostTest, TheCallsReachVelkoUIsPageProcedures) {
  ASSERT_NE(ui_, nullptr) << "VelkoUI did not come with Velkot2";
  const auto inspect = reinterpret_cast<void (*)(ui::PageCallState*)>(dlsym(ui_, "VelkoUIInspectPageCall"));
  ASSERT_NE(inspect, nullptr);
  Open();
  ASSERT_TRUE(sheet_->Apply(UserAction::Page(3)));
  ui::PageCallState state{};
  inspect(&state);
  EXPECT_EQ(state.mainPageWindow, Page(0));
  EXPECT_EQ(state.versionPageWindow, Page(3));
  EXPECT_EQ(state.currentSettings, &driver_->Current());  // edited in place
  EXPECT_EQ(state.defaultSettings, &driver_->Defaults());
}

TEST_F(SheetHostTest, OkKeepsThePagesEditsAndCancelPutsTheRecordBack) {
  const struct {
    UserAction end;
    SheetOutcome outcome;
    uint32_t last_notification;
    int32_t switch_after;
  } cases[] = {
      {UserAction::Ok(), SheetOutcome::Ok, PSN_APPLY, 42},
      {UserAction::Cancel(), SheetOutcome::Cancelled, PSN_RESET, 1},
      {UserAction::Close(), SheetOutcome::Cancelled, PSN_RESET, 1},
  };
  // Option1073 is a field the main page never writes, so only the hook's
  // edit moves it.
  for (const auto& c : cases) {
    driver_->Current().Option1073 = 1;
    recorder_.calls.clear();
    // The page's edit, made during the page call as VelkoUI makes it.
    recorder_.hook = [&](const PageMessage& m) {
      if (m.Message == WM_COMMAND && m.WParam == 1016) driver_->Current().Option1073 = 42;
    };
    Open();
    ASSERT_TRUE(sheet_->Apply(UserAction::Click(1016)));
    EXPECT_EQ(driver_->Current().Option1073, 42);
    ASSERT_TRUE(sheet_->Apply(c.end));
    EXPECT_EQ(sheet_->outcome(), c.outcome);
    EXPECT_EQ(sheet_->sheet(), 0u);
    EXPECT_EQ(driver_->Current().Option1073, c.switch_after);
    EXPECT_EQ(recorder_.SheetSequence().back(), (Step{WM_NOTIFY, 1001, c.last_notification}));
    const platform::ActionResult after = sheet_->Apply(UserAction::Click(1016));
    EXPECT_EQ(after.error, "the property sheet is closed");
    recorder_.hook = nullptr;
    sheet_.reset();
  }
}

TEST_F(SheetHostTest, NestedPageCallsKeepTheirOwnNotificationHeaders) {
  bool nested_sent = false;
  uint32_t outer_code_after_nested = 0;
  recorder_.hook = [&](const PageMessage& m) {
    if (m.Message != WM_NOTIFY || nested_sent) return;
    nested_sent = true;
    NMHDR inner{sheet_->sheet(), 0, PSN_HELP};
    SendMessage(m.Window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&inner));
    std::memcpy(&outer_code_after_nested, static_cast<uint8_t*>(platform::MapSL(m.LParamFar)) + 8, 4);
  };
  Open();
  ASSERT_TRUE(nested_sent);
  EXPECT_EQ(outer_code_after_nested, kSetActive);
  std::vector<DWORD> fars;
  for (const Seen& s : recorder_.calls) {
    if (s.message.Message == WM_NOTIFY) fars.push_back(s.message.LParamFar);
  }
  ASSERT_EQ(fars.size(), 2u);
  EXPECT_NE(fars[0], fars[1]);
}

// Page calls that never reach a page: VelkoUI missing, the thunk refusing.
class FailingCalls : public PageCalls {
 public:
  explicit FailingCalls(bool throws) : throws_(throws) {}
  int16_t PageCall(const PageMessage&) override {
    if (throws_) throw DriverError("the page entry of the thunk cannot be called");
    return 0;
  }

 private:
  bool throws_;
};

TEST(SheetHostFailures, PageCallsThatFailAreReportedToTheInputSource) {
  const struct {
    bool throws;
    const char* says;
  } cases[] = {
      {false, "the page call of message 0x0110 to page 1001 did not reach the page"},
      {true, "the page call of message 0x0110 to page 1001 failed: the page entry of the thunk cannot be called"},
  };
  for (const auto& c : cases) {
    FailingCalls calls(c.throws);
    SettingsRecord record{};
    platform::QueuedInput input;
    const platform::ScopedInputSource scope(input);
    {
      SheetHost sheet(calls, record);
      sheet.Open();
      ASSERT_FALSE(sheet.call_failures().empty());
      EXPECT_EQ(sheet.call_failures().front(), c.says);
    }
    ASSERT_FALSE(input.faults().empty());
    EXPECT_EQ(input.faults().front(), c.says);
  }
}

}  // namespace
}  // namespace velko::host
