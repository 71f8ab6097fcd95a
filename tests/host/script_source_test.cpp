// The script as the platform's input source, on a modal dialog of its own
// (the pages open none yet): checks run as they are pulled, inside the
// modal loop; failures and faults carry their line; a script that runs dry
// under a modal dialog cancels it and says so; message boxes, context help,
// INI values and dumps are read back.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "host/script/checks.h"
#include "host/script/parser.h"
#include "host/script/script_source.h"
#include "platform/gdi/gdi.h"
#include "platform/kernel/drive.h"
#include "platform/kernel/modules.h"
#include "platform/kernel/profile.h"
#include "platform/user/user.h"

namespace velko::script {
namespace {

constexpr WORD kTemplateId = 4001;
constexpr WORD kIconId = 77;
constexpr int kCheckBox = 10;
constexpr int kWarnButton = 11;
constexpr int kCombo = 12;
constexpr int kIcon = 13;
constexpr int kEdit = 14;
constexpr int kHiddenButton = 15;

// "名称已经存在" (the name already exists), GB2312.
constexpr const char* kWarning = "\xC3\xFB\xB3\xC6\xD2\xD1\xBE\xAD\xB4\xE6\xD4\xDA";
constexpr DWORD kHelpTable[] = {kCheckBox, 555, kCombo, 0x80001234u, 0, 0};

constexpr platform::ControlTemplate kControls[] = {
    {kCheckBox, "BUTTON", "box", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 5, 5, 60, 10},
    {kWarnButton, "BUTTON", "warn", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 5, 20, 60, 14},
    {kCombo, "COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 5, 40, 80, 60},
    {kIcon, "STATIC", "", WS_VISIBLE | SS_ICON, 100, 5, 21, 20},
    {kEdit, "EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 100, 40, 40, 12},
    {kHiddenButton, "BUTTON", "hidden", WS_TABSTOP | BS_PUSHBUTTON, 100, 60, 40, 12},
    {IDOK, "BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 5, 80, 50, 14},
    {IDCANCEL, "BUTTON", "Cancel", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 60, 80, 50, 14},
};
constexpr platform::DialogTemplate kDialog{.caption = "test",
                                           .font_name = "\xCB\xCE\xCC\xE5",
                                           .font_size = 8,
                                           .cx = 160,
                                           .cy = 100,
                                           .controls = kControls};

// A 1 x 1 icon as the module's resources hold one: a packed 32-bit DIB.
struct PackedIcon {
  BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 1, 1, 1, 32, 0, 4, 0, 0, 0, 0};
  uint8_t pixel[4] = {0, 0, 255, 0};
};
const PackedIcon kIconBytes{};

HINSTANCE g_module = 0;  // the test module, whose icon the dialog shows

INT_PTR TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SendDlgItemMessage(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("A4"));
      SendDlgItemMessage(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kWarning));
      SendDlgItemMessage(dialog, kIcon, STM_SETICON,
                         LoadIcon(g_module, MAKEINTRESOURCE(kIconId)),
                         0);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (LOWORD(wParam) == kWarnButton) MessageBox(dialog, kWarning, "VelkoUI", MB_OK | MB_ICONWARNING);
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    case WM_CONTEXTMENU:
      WinHelp(static_cast<HWND>(wParam), "Velko.hlp", HELP_CONTEXTMENU, kHelpTable);
      return TRUE;
    default:
      return FALSE;
  }
}

class ScriptSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const platform::ResourceEntry entries[] = {
        platform::DialogResource(kTemplateId, kDialog),
        {platform::kResourceIcon, kIconId, reinterpret_cast<const uint8_t*>(&kIconBytes), sizeof kIconBytes},
    };
    platform::RegisterResources(module_.handle(), entries);
    g_module = module_.handle();
    platform::ClearUserRecords();
    windows_before_ = platform::WindowCount();
  }
  void TearDown() override {
    EXPECT_EQ(platform::WindowCount(), windows_before_) << "a window was left behind";
    platform::UnregisterResources(module_.handle());
  }

  // Parses `text` (which must be well formed) and runs the test dialog
  // modally with the script as the input source, then pulls the rest of the
  // script as a top-level driver would; the dialog's result.
  INT_PTR RunDialog(const std::string& text) {
    ParseResult parsed = ParseScript(text, "t.vsh");
    EXPECT_TRUE(parsed.errors.empty()) << (parsed.errors.empty() ? "" : parsed.errors[0].message);
    script_ = std::move(parsed.script);
    source_.emplace(script_, ScriptWorld{[] { return HWND{0}; }, &record_}, out_, err_);
    const platform::ScopedInputSource scope(*source_);
    const INT_PTR result = DialogBoxParam(module_.handle(), MAKEINTRESOURCE(kTemplateId), 0, TestDialogProc, 0);
    while (const std::optional<platform::UserAction> action = platform::NextUserAction()) {
      platform::ReportInputFault(&*action, "no dialog is open");
    }
    return result;
  }

  const std::vector<std::string>& failures() const { return source_->failures(); }

  platform::ModuleRegistration module_{"ScriptTest.dll"};
  SettingsRecord record_{};
  Script script_;
  std::optional<ScriptSource> source_;
  std::ostringstream out_, err_;
  std::size_t windows_before_ = 0;
};

TEST_F(ScriptSourceTest, ChecksRunInsideTheModalLoopWhereTheyStand) {
  const INT_PTR result = RunDialog(
      "expect dialog 4001\n"
      "expect checked 10 0\n"
      "click 10\n"
      "expect checked 10 1\n"
      "select 12 1\n"
      "expect selected 12 1\n"
      "expect count 12 2\n"
      "expect item 12 1 \"名称已经存在\"\n"
      "type 14 \"纸张\"\n"
      "expect text 14 \"纸张\"\n"
      "expect icon 13 77\n"
      "expect visible 15 0\n"
      "expect enabled 15 1\n"
      "ok\n"
      "expect dialog none\n");
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(failures().empty()) << err_.str();
  EXPECT_EQ(source_->checks_run(), 11);
  EXPECT_EQ(source_->actions_pulled(), 4);
  EXPECT_TRUE(source_->finished());
}

TEST_F(ScriptSourceTest, AFailedCheckGivesItsLineAndBothValues) {
  RunDialog(
      "click 10\n"
      "# a comment keeps its line\n"
      "expect checked 10 0\n"
      "expect text 14 \"abc\"\n"
      "expect item 12 5 \"x\"\n"
      "expect text 99 \"x\"\n"
      "expect selected 10 0\n"
      "ok\n");
  ASSERT_EQ(failures().size(), 5u) << err_.str();
  EXPECT_EQ(failures()[0], "t.vsh:3: `expect checked 10 0` failed: expected 0, got 1");
  EXPECT_EQ(failures()[1], "t.vsh:4: `expect text 14 \"abc\"` failed: expected \"abc\", got \"\"");
  EXPECT_EQ(failures()[2], "t.vsh:5: `expect item 12 5 \"x\"` failed: no item 5 (it has 2) (expected \"x\")");
  EXPECT_EQ(failures()[3], "t.vsh:6: `expect text 99 \"x\"` failed: no control 99 on dialog 4001 (expected \"x\")");
  EXPECT_EQ(failures()[4],
            "t.vsh:7: `expect selected 10 0` failed: control 10 is a BUTTON, not a combo box or list box "
            "(expected 0)");
  EXPECT_NE(err_.str().find(failures()[0] + "\n"), std::string::npos);  // written as it happened
}

TEST_F(ScriptSourceTest, AnActionThatCannotBeDoneIsReportedAtItsLine) {
  const INT_PTR result = RunDialog(
      "click 99\n"
      "click 15\n"
      "answer ok\n"
      "cancel\n");
  EXPECT_EQ(result, IDCANCEL);
  ASSERT_EQ(failures().size(), 3u) << err_.str();
  EXPECT_EQ(failures()[0], "t.vsh:1: `click 99` could not be done: no control 99");
  EXPECT_EQ(failures()[1], "t.vsh:2: `click 15` could not be done: control 15 is hidden");
  EXPECT_EQ(failures()[2].rfind("t.vsh:3: `answer ok` could not be done: ", 0), 0u) << failures()[2];
}

TEST_F(ScriptSourceTest, RunningDryUnderAModalDialogCancelsItAndSaysSo) {
  const INT_PTR result = RunDialog(
      "click 10\n"
      "expect checked 10 1\n");
  EXPECT_EQ(result, IDCANCEL);
  ASSERT_EQ(failures().size(), 1u) << err_.str();
  EXPECT_EQ(failures()[0].rfind("t.vsh:2: the input ran out while dialog 4001 was open", 0), 0u) << failures()[0];
  EXPECT_EQ(source_->checks_run(), 1);
}

TEST_F(ScriptSourceTest, MessageBoxesAreAnsweredAndReadBack) {
  RunDialog(
      "expect message \"名称已经存在\"\n"
      "click 11\n"
      "answer ok\n"
      "expect message \"名称已经存在\"\n"
      "expect message \"other\"\n"
      "ok\n");
  ASSERT_EQ(failures().size(), 2u) << err_.str();
  EXPECT_EQ(failures()[0], "t.vsh:1: `expect message \"名称已经存在\"` failed: no message box was shown "
                           "(expected \"名称已经存在\")");
  EXPECT_EQ(failures()[1], "t.vsh:5: `expect message \"other\"` failed: expected \"other\", got \"名称已经存在\"");
  ASSERT_EQ(platform::UserRecords().message_boxes.size(), 1u);
  EXPECT_EQ(platform::UserRecords().message_boxes[0].answer, IDOK);
}

TEST_F(ScriptSourceTest, ContextHelpIsReadBackByControl) {
  RunDialog(
      "help 10\n"
      "help 12\n"
      "help 14\n"
      "expect help 10 555\n"
      "expect help 12 2147488308\n"
      "expect help 10 556\n"
      "expect help 14 1\n"
      "expect help 11 1\n"
      "ok\n");
  ASSERT_EQ(failures().size(), 3u) << err_.str();
  EXPECT_EQ(failures()[0], "t.vsh:6: `expect help 10 556` failed: expected 556, got 555");
  EXPECT_EQ(failures()[1], "t.vsh:7: `expect help 14 1` failed: control 14 is not in the help table (expected 1)");
  EXPECT_EQ(failures()[2], "t.vsh:8: `expect help 11 1` failed: no help was asked for control 11 (expected 1)");
}

TEST_F(ScriptSourceTest, FieldsCompareNumbersAsNumbersAndTextsAsBytes) {
  record_.Copies = 12;
  record_.CustomWidth = 215.9;
  std::memcpy(record_.ChosenEntryName, "\xB5\xB1\xC7\xB0\xC9\xE8\xD6\xC3", 9);  // 当前设置
  RunDialog(
      "expect field Copies 12\n"
      "expect field CustomWidth 215.90\n"
      "expect field ChosenEntryName \"当前设置\"\n"
      "expect field Copies 13\n"
      "expect field CustomWidth 215.8\n"
      "expect field ChosenEntryName \"当前\"\n"
      "ok\n");
  ASSERT_EQ(failures().size(), 3u) << err_.str();
  EXPECT_EQ(failures()[0], "t.vsh:4: `expect field Copies 13` failed: expected 13, got 12");
  EXPECT_EQ(failures()[1], "t.vsh:5: `expect field CustomWidth 215.8` failed: expected 215.8, got 215.9");
  EXPECT_EQ(failures()[2],
            "t.vsh:6: `expect field ChosenEntryName \"当前\"` failed: expected \"当前\", got \"当前设置\"");
}

TEST_F(ScriptSourceTest, IniValuesAreReadWhereTheApplicationObjectKeepsTheFile) {
  EXPECT_EQ(VelkoIniPath(), "C:\\WINDOWS\\SYSTEM\\Velko.ini");
  const std::optional<std::filesystem::path> file = platform::MapWindowsPath(VelkoIniPath());
  ASSERT_TRUE(file);
  std::filesystem::create_directories(file->parent_path());
  std::filesystem::remove(*file);
  ASSERT_TRUE(WritePrivateProfileStringA("UserEnt0", "UserEntName", "\xC9\xE8\xD6\xC3", VelkoIniPath().c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("UserEnt0", "Bright", "-3", VelkoIniPath().c_str()));
  RunDialog(
      "expect ini UserEnt0 UserEntName \"设置\"\n"
      "expect ini userent0 \"bright\" \"-3\"\n"
      "expect ini UserEnt0 Bright \"3\"\n"
      "expect ini UserEnt9 Bright \"0\"\n"
      "ok\n");
  std::filesystem::remove(*file);
  ASSERT_EQ(failures().size(), 2u) << err_.str();
  EXPECT_EQ(failures()[0], "t.vsh:3: `expect ini UserEnt0 Bright \"3\"` failed: expected \"3\", got \"-3\"");
  EXPECT_EQ(failures()[1], "t.vsh:4: `expect ini UserEnt9 Bright \"0\"` failed: no key Bright in section "
                           "[UserEnt9] of C:\\WINDOWS\\SYSTEM\\Velko.ini (expected \"0\")");
}

TEST_F(ScriptSourceTest, DumpsWriteOneJsonObjectALine) {
  record_.Copies = 3;
  RunDialog(
      "select 12 0\n"
      "dump 12\n"
      "dump record\n"
      "dump 99\n"
      "ok\n");
  EXPECT_TRUE(failures().empty()) << err_.str();
  std::istringstream lines(out_.str());
  std::vector<nlohmann::json> dumps;
  for (std::string line; std::getline(lines, line);) dumps.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_EQ(dumps[0]["line"], 2);
  const nlohmann::json& combo = dumps[0]["control"];
  EXPECT_EQ(combo["id"], kCombo);
  EXPECT_EQ(combo["class"], "COMBOBOX");
  EXPECT_EQ(combo["items"], nlohmann::json::array({"A4", "名称已经存在"}));
  EXPECT_EQ(combo["selected"], 0);
  EXPECT_EQ(combo["enabled"], true);
  EXPECT_EQ(dumps[1]["record"]["Copies"], 3);
  EXPECT_EQ(dumps[1]["record"].size(), 84u);
  EXPECT_EQ(dumps[2]["control"]["error"], "no control 99 on dialog 4001");
}

}  // namespace
}  // namespace velko::script
