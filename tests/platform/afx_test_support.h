// Shared by the class library's tests: a module with the tests' dialog and
// page templates and strings, made the application's resource module, an
// application object, and a fixture that leaves no window, record or input
// source behind.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/afx.h"

namespace velko::platform::afx_test {

using velko::platform::ControlTemplate;
using velko::platform::DialogTemplate;

// Template ids and control ids of the tests' dialogs.
enum : int {
  kNameDialog = 3001,
  kPageA = 3010,
  kPageB = 3011,
  kSheetCaption = 4001,
  kWarning = 4002,
  kPageBTitle = 4003,
  kPicture = 4100,
  kNameEdit = 101,
  kNameList = 102,
  kScrollBar = 103,
  kNumberEdit = 104,
  kFirstRadio = 110,
  kLastRadio = 112,
  kWarnButton = 120,
  kRoundTripButton = 121,
  kPageText = 201,
  kPageCheck = 202,
  kPageNumber = 203,
};

inline constexpr const char* kWarningText = "\xC3\xFB\xB3\xC6\xD2\xD1\xBE\xAD\xB4\xE6\xD4\xDA";  // 名称已经存在
inline constexpr const char* kSheetCaptionText = "\xC9\xAB\xB2\xCA\xB5\xF7\xBD\xDA";             // 色彩调节
inline constexpr const char* kPageBTitleText = "\xC5\xA8\xB6\xC8";                              // 浓度

inline constexpr ControlTemplate kNameControls[] = {
    {kNameEdit, "EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 80, 12},
    {kNameList, "LISTBOX", "", WS_VISIBLE | WS_TABSTOP | LBS_SORT | LBS_NOTIFY | WS_VSCROLL, 10, 26, 80, 40},
    {kScrollBar, "SCROLLBAR", "", WS_VISIBLE | SBS_HORZ, 10, 70, 80, 10},
    {kNumberEdit, "EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 84, 40, 12},
    {kFirstRadio, "BUTTON", "A", WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP, 100, 10, 40, 10},
    {111, "BUTTON", "B", WS_VISIBLE | BS_AUTORADIOBUTTON, 100, 22, 40, 10},
    {kLastRadio, "BUTTON", "C", WS_VISIBLE | BS_AUTORADIOBUTTON, 100, 34, 40, 10},
    {kWarnButton, "BUTTON", "Warn", WS_VISIBLE | BS_PUSHBUTTON | WS_GROUP, 100, 50, 40, 14},
    {kRoundTripButton, "BUTTON", "Again", WS_VISIBLE | BS_PUSHBUTTON, 100, 66, 40, 14},
    {IDOK, "BUTTON", "\xC8\xB7\xB6\xA8", WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 40, 105, 50, 14},
    {IDCANCEL, "BUTTON", "\xC8\xA1\xCF\xFB", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 110, 105, 50, 14},
};
inline constexpr DialogTemplate kNameTemplate{
    .caption = "Name", .font_name = "MS Shell Dlg", .font_size = 8, .cx = 200, .cy = 130, .controls = kNameControls};

inline constexpr ControlTemplate kPageAControls[] = {
    {kPageText, "EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 10, 80, 12},
    {kPageNumber, "EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 30, 40, 12},
};
inline constexpr DialogTemplate kPageATemplate{.caption = "A",
                                               .font_name = "MS Shell Dlg",
                                               .font_size = 8,
                                               .cx = 150,
                                               .cy = 80,
                                               .controls = kPageAControls,
                                               .style = WS_CHILD | WS_CAPTION};

inline constexpr ControlTemplate kPageBControls[] = {
    {kPageCheck, "BUTTON", "On", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 10, 60, 10},
};
inline constexpr DialogTemplate kPageBTemplate{.caption = "B",
                                               .font_name = "MS Shell Dlg",
                                               .font_size = 8,
                                               .cx = 150,
                                               .cy = 80,
                                               .controls = kPageBControls,
                                               .style = WS_CHILD | WS_CAPTION};

// A 2 x 1 24-bit packed DIB: red, then blue (rows padded to 8 bytes).
inline constexpr uint8_t kPictureBits[48] = {40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
                                             0,  0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0,
                                             0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0};

inline velko::platform::ResourceEntry StringEntry(WORD id, const char* text) {
  return {velko::platform::kResourceString, id, reinterpret_cast<const uint8_t*>(text), std::strlen(text)};
}

class AfxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace vp = velko::platform;
    module_ = vp::RegisterModule("AfxTest.dll");
    const vp::ResourceEntry entries[] = {
        vp::DialogResource(kNameDialog, kNameTemplate),
        vp::DialogResource(kPageA, kPageATemplate),
        vp::DialogResource(kPageB, kPageBTemplate),
        StringEntry(kSheetCaption, kSheetCaptionText),
        StringEntry(kWarning, kWarningText),
        StringEntry(kPageBTitle, kPageBTitleText),
        {vp::kResourceBitmap, kPicture, kPictureBits, sizeof kPictureBits},
    };
    vp::RegisterResources(module_, entries);
    ASSERT_TRUE(AfxWinInit(module_, 0, nullptr, 0));
    vp::ClearUserRecords();
    ::SetFocus(0);
  }

  void TearDown() override {
    namespace vp = velko::platform;
    vp::SetInputSource(nullptr);
    for (HWND top : vp::TopLevelWindows()) ::DestroyWindow(top);
    EXPECT_EQ(vp::WindowCount(), 0u) << "a window outlived its test";
    vp::ClearUserRecords();
    vp::UnregisterResources(module_);
    vp::UnregisterModule(module_);
  }

  HINSTANCE module_ = 0;
  CWinApp app_{"AfxTest"};
};

// A trace of what handlers ran, compared whole.
using Trace = std::vector<std::string>;

}  // namespace velko::platform::afx_test
