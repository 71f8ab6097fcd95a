// The main page's custom size item: its text with rounding, clamping and the
// size stored back, and the item replaced in the paper list so that it
// stays the last one.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/win32.h"
#include "ui/core/page_helpers.h"
#include "ui/pages/custom_size_text.h"

namespace {

using namespace velko;
using namespace velko::ui;
using velko::platform::ControlTemplate;
using velko::platform::DialogTemplate;

struct ItemCase {
  int32_t unit;
  double width;
  double height;
  const char* text;
  double storedWidth;
  double storedHeight;
};

TEST(CustomSizeItem, TextShowsTheRoundedClampedSizeAndStoresIt) {
  const ItemCase cases[] = {
      // Below both limits: clamped up, and the record takes the limits.
      {0, 50.0, 100.0, "Custom Size(100.0 x 210.0 mm)", 100.0, 210.0},
      // Above both: clamped down.
      {0, 300.0, 400.0, "Custom Size(215.9 x 297.0 mm)", 215.9, 297.0},
      // Rounded to the nearest step by adding half a step before truncating.
      {0, 123.449, 250.051, "Custom Size(123.4 x 250.1 mm)", 123.4, 250.1},
      // "%4.1f" pads nothing at three digits; inches use "%4.2f" and "in".
      {1, 8.5, 11.0, "Custom Size(8.50 x 11.00 in)", 8.5, 11.0},
      {1, 3.0, 12.0, "Custom Size(3.94 x 11.69 in)", 3.94, 11.69},
      // Any nonzero unit is inches; the unit itself is left as stored.
      {5, 8.264, 8.276, "Custom Size(8.26 x 8.28 in)", 8.26, 8.28},
      // Not a number: the lower limits.
      {0, std::nan(""), std::nan(""), "Custom Size(100.0 x 210.0 mm)", 100.0, 210.0},
  };
  for (const ItemCase& c : cases) {
    SettingsRecord record{};
    record.CustomUnit = c.unit;
    record.CustomWidth = c.width;
    record.CustomHeight = c.height;
    EXPECT_EQ(CustomSizeText(record), c.text) << c.width << " x " << c.height;
    // Stored in double steps, so the record holds what the list shows.
    EXPECT_DOUBLE_EQ(record.CustomWidth, c.storedWidth) << c.text;
    EXPECT_DOUBLE_EQ(record.CustomHeight, c.storedHeight) << c.text;
    EXPECT_EQ(record.CustomUnit, c.unit);
    // Once rounded, the text and the record no longer change.
    const SettingsRecord before = record;
    EXPECT_EQ(CustomSizeText(record), c.text);
    EXPECT_EQ(record.CustomWidth, before.CustomWidth);
  }
}

constexpr ControlTemplate kControls[] = {
    {1010, "COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 160, 80},
};
constexpr DialogTemplate kPage{
    .caption = "Main", .font_name = "MS Shell Dlg", .font_size = 8, .cx = 180, .cy = 100, .controls = kControls};

INT_PTR QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

std::string Item(HWND page, int index) {
  char text[64] = {};
  SendDlgItemMessage(page, 1010, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

int Count(HWND page) { return static_cast<int>(SendDlgItemMessage(page, 1010, CB_GETCOUNT, 0, 0)); }

TEST(CustomSizeItem, ReplacesTheLastItemOfThePaperList) {
  const HWND page = CreateDialogIndirectParam(0, &kPage, 0, QuietProc, 0);
  ASSERT_NE(page, 0u);
  FillComboById(page, 1010, kPaperNames);
  SettingsRecord record{};
  record.CustomWidth = 200.0;
  record.CustomHeight = 280.0;
  CustomSizeItemText(page, record);
  EXPECT_EQ(Count(page), 13);
  EXPECT_EQ(Item(page, 12), "Custom Size(200.0 x 280.0 mm)");
  EXPECT_EQ(Item(page, 11), "InternationalDL 110 x 220 mm");
  // Again, with the item already rewritten: found by its beginning, still
  // one item, still the last.
  record.CustomUnit = 1;
  record.CustomWidth = 8.5;
  record.CustomHeight = 11.0;
  CustomSizeItemText(page, record);
  EXPECT_EQ(Count(page), 13);
  EXPECT_EQ(Item(page, 12), "Custom Size(8.50 x 11.00 in)");
  DestroyWindow(page);
}

TEST(CustomSizeItem, AnUnfilledListGetsNoItem) {
  const HWND page = CreateDialogIndirectParam(0, &kPage, 0, QuietProc, 0);
  ASSERT_NE(page, 0u);
  SettingsRecord record{};
  CustomSizeItemText(page, record);
  EXPECT_EQ(Count(page), 0) << "the custom item would sit at index 0, not 12";
  EXPECT_DOUBLE_EQ(record.CustomWidth, 100.0) << "the record is still rounded";
  DestroyWindow(page);
}

}  // namespace
