// The version page: which windows restore-all takes for pages of its own
// sheet, and the button's restore through the page procedure.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/win32.h"
#include "ui/core/page_variables.h"
#include "ui/pages/page_procedures.h"
#include "ui/pages/version_page.h"

namespace {

using namespace velko;
using namespace velko::ui;
using velko::platform::ControlTemplate;
using velko::platform::DialogTemplate;

// Pages with the one control that tells them apart, as children of a sheet.
constexpr ControlTemplate kMainControls[] = {{1010, "COMBOBOX", "", WS_VISIBLE | CBS_DROPDOWNLIST, 4, 4, 80, 60}};
constexpr ControlTemplate kOptionsControls[] = {{1077, "COMBOBOX", "", WS_VISIBLE | CBS_DROPDOWNLIST, 4, 4, 80, 60}};
constexpr ControlTemplate kColorControls[] = {{1057, "COMBOBOX", "", WS_VISIBLE | CBS_DROPDOWNLIST, 4, 4, 80, 60}};
constexpr ControlTemplate kVersionControls[] = {{1086, "BUTTON", "", WS_VISIBLE | BS_PUSHBUTTON, 4, 4, 80, 14}};

constexpr DialogTemplate PageTemplate(std::span<const ControlTemplate> controls) {
  return {.caption = "", .font_name = "MS Shell Dlg", .font_size = 8, .cx = 100, .cy = 60, .controls = controls,
          .style = WS_CHILD | WS_VISIBLE};
}
constexpr DialogTemplate kMainPage = PageTemplate(kMainControls);
constexpr DialogTemplate kOptionsPage = PageTemplate(kOptionsControls);
constexpr DialogTemplate kColorPage = PageTemplate(kColorControls);
constexpr DialogTemplate kVersionPage = PageTemplate(kVersionControls);
constexpr DialogTemplate kSheet{.caption = "Sheet", .font_name = "MS Shell Dlg", .font_size = 8, .cx = 120, .cy = 80,
                                .controls = {}, .style = WS_POPUP | WS_VISIBLE};

INT_PTR QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

HWND Make(const DialogTemplate& t, HWND parent) { return CreateDialogIndirectParam(0, &t, parent, QuietProc, 0); }

class VersionPage : public ::testing::Test {
 protected:
  void SetUp() override {
    sheet_ = Make(kSheet, 0);
    main_ = Make(kMainPage, sheet_);
    options_ = Make(kOptionsPage, sheet_);
    color_ = Make(kColorPage, sheet_);
    version_ = Make(kVersionPage, sheet_);
    otherSheet_ = Make(kSheet, 0);
    otherMain_ = Make(kMainPage, otherSheet_);
    ASSERT_NE(otherMain_, 0u);
    saved_ = VersionPageWindow;
    VersionPageWindow = version_;
  }
  void TearDown() override {
    VersionPageWindow = saved_;
    DestroyWindow(sheet_);
    DestroyWindow(otherSheet_);
  }

  HWND sheet_ = 0, main_ = 0, options_ = 0, color_ = 0, version_ = 0, otherSheet_ = 0, otherMain_ = 0;
  HWND saved_ = 0;
};

TEST_F(VersionPage, OnlyLivePagesOfItsOwnSheetAreRefilled) {
  const HWND gone = Make(kMainPage, sheet_);
  DestroyWindow(gone);
  ASSERT_FALSE(IsWindow(gone));
  struct Case {
    const char* what;
    HWND page;
    int ownControl;
    bool refilled;
  } cases[] = {
      {"main page of this sheet", main_, 1010, true},
      {"options page", options_, 1077, true},
      {"color page", color_, 1057, true},
      {"never created: 0", 0, 1010, false},
      {"destroyed", gone, 1010, false},
      {"a page of an earlier sheet still open", otherMain_, 1010, false},
      {"a handle now another page of this sheet", options_, 1010, false},
      {"the version page itself", version_, 1086, false},
      {"a control on a page, not a page", GetDlgItem(main_, 1010), 1010, false},
      {"the sheet", sheet_, 1010, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPageOfThisSheet(c.page, c.ownControl), c.refilled) << c.what;
}

TEST_F(VersionPage, AVersionPageOutsideASheetRefillsNothing) {
  VersionPageWindow = 0;
  EXPECT_FALSE(IsPageOfThisSheet(main_, 1010));
  VersionPageWindow = otherSheet_;  // a top-level window: no sheet above it
  EXPECT_FALSE(IsPageOfThisSheet(otherMain_, 1010));
}

FlatPageMessage Command(HWND page, WORD id, WORD code) {
  FlatPageMessage m{};
  m.PageId = kVersionPageId;
  m.Window = page;
  m.Message = WM_COMMAND;
  m.WParam = id;
  m.LParam = static_cast<LPARAM>(MAKELONG(0, code));
  return m;
}

TEST_F(VersionPage, RestoreAllPutsTheDefaultsBackExceptTheWatermarkList) {
  SettingsRecord current{}, defaults{};
  std::memset(&defaults, 0x5A, sizeof defaults);
  current.PaperSize = 8;
  current.Copies = 12;
  std::strcpy(current.WatermarkList[3].Name, "Mine");
  std::strcpy(current.WatermarkList[9].File, "C:\\pic.bmp");
  const SettingsRecord before = current;

  // Another notification from the button does nothing.
  FlatPageMessage m = Command(version_, 1086, BN_DOUBLECLICKED);
  EXPECT_EQ(VerPropPage(&m, &current, &defaults), 1);
  EXPECT_EQ(std::memcmp(&current, &before, sizeof current), 0);

  // Pages of another sheet in the variables must not stop it.
  MainPageWindow = otherMain_;
  OptionsPageWindow = 0;
  ColorPageWindow = 0xFFFF;
  m = Command(version_, 1086, BN_CLICKED);
  EXPECT_EQ(VerPropPage(&m, &current, &defaults), 1);
  EXPECT_EQ(std::memcmp(&current, &defaults, offsetof(SettingsRecord, WatermarkList)), 0);
  EXPECT_EQ(std::memcmp(current.WatermarkList, before.WatermarkList, sizeof current.WatermarkList), 0);
  MainPageWindow = 0;
  ColorPageWindow = 0;
}

}  // namespace
