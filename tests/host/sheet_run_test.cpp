// A whole `velko sheet` run over the real driver: the script drives the
// sheet from its first line to its last, and the report says how it went.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "host/script/parser.h"
#include "host/sheet/sheet_run.h"
#include "platform/user/user.h"

namespace velko::host {
namespace {

class SheetRunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { driver_ = Driver::Load(); }
  static void TearDownTestSuite() { driver_.reset(); }
  void SetUp() override {
    driver_->Current() = driver_->Defaults();
    windows_before_ = platform::WindowCount();
  }
  void TearDown() override { EXPECT_EQ(platform::WindowCount(), windows_before_); }

  SheetRunReport Run(const std::string& text) {
    script::ParseResult parsed = script::ParseScript(text, "t.vsh");
    EXPECT_TRUE(parsed.errors.empty()) << (parsed.errors.empty() ? "" : parsed.errors[0].message);
    script_ = std::move(parsed.script);
    return RunSheetScript(*driver_, script_, out_, err_);
  }

  static inline std::unique_ptr<Driver> driver_;
  script::Script script_;
  std::ostringstream out_, err_;
  std::size_t windows_before_ = 0;
};

TEST_F(SheetRunTest, AScriptDrivesTheSheetFromOpeningToOk) {
  const SheetRunReport report = Run(
      "expect dialog 1001\n"
      "expect field Copies 1\n"
      "page color\n"
      "expect dialog 1002\n"
      "click 1050\n"
      "expect checked 1050 0\n"
      "page options\n"
      "page version\n"
      "expect dialog 1004\n"
      "page main\n"
      "click 1018\n"
      "expect checked 1017 0\n"
      "expect checked 1018 1\n"
      "ok\n"
      "expect dialog none\n");
  EXPECT_TRUE(report.ok()) << err_.str();
  EXPECT_EQ(report.checks, 8);
  EXPECT_EQ(report.actions, 7);
  EXPECT_EQ(report.outcome, SheetOutcome::Ok);
  EXPECT_TRUE(err_.str().empty());
}

TEST_F(SheetRunTest, ActionsAfterTheSheetClosedFailWhileChecksGoOn) {
  const SheetRunReport report = Run(
      "cancel\n"
      "expect dialog none\n"
      "click 1016\n"
      "expect field Copies 1\n");
  EXPECT_EQ(report.outcome, SheetOutcome::Cancelled);
  ASSERT_EQ(report.failures.size(), 1u) << err_.str();
  EXPECT_EQ(report.failures[0], "t.vsh:3: `click 1016` could not be done: the property sheet is closed");
  EXPECT_EQ(report.checks, 2);
}

TEST_F(SheetRunTest, AScriptThatEndsWithTheSheetOpenKeepsTheRecordAsItIs) {
  driver_->Current().Copies = 7;
  const SheetRunReport report = Run("page version\n");
  EXPECT_TRUE(report.ok()) << err_.str();
  EXPECT_EQ(report.outcome, SheetOutcome::Open);
  EXPECT_EQ(driver_->Current().Copies, 7);
}

TEST_F(SheetRunTest, FailuresAndDumpsGoToTheirStreams) {
  const SheetRunReport report = Run(
      "expect field PaperSize 8\n"
      "dump 1016\n"
      "expect text 1026 \"61%\"\n");
  ASSERT_EQ(report.failures.size(), 2u);
  EXPECT_EQ(report.failures[0], "t.vsh:1: `expect field PaperSize 8` failed: expected 8, got 9");
  EXPECT_EQ(err_.str(), report.failures[0] + "\n" + report.failures[1] + "\n");
  const nlohmann::json dump = nlohmann::json::parse(out_.str());
  EXPECT_EQ(dump["line"], 2);
  EXPECT_EQ(dump["control"]["class"], "BUTTON");
  EXPECT_EQ(dump["control"]["checked"], 0);
}

}  // namespace
}  // namespace velko::host
