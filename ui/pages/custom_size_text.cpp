// The main page's custom size item: the stored size rounded to the unit's
// step and clamped to the printer's limits, shown after "Custom Size".
#include "ui/pages/custom_size_text.h"

#include <cstdio>

#include "platform/win32.h"
#include "ui/core/page_variables.h"
#include "ui/dialogs/custom_size_units.h"

namespace velko::ui {
namespace {

constexpr int kPaperCombo = 1010;
constexpr const char* kCustomSizeName = "Custom Size";

// The item texts by unit; "%4.1f" and "%4.2f" as the paper list shows them.
constexpr const char* kItemFormats[2] = {"%s(%4.1f x %4.1f mm)", "%s(%4.2f x %4.2f in)"};

// The step of a position in the record, in double precision: the record
// holds the size the list shows (210.0, not the 210.0000031 of a float
// step), so a stored size reads back as exactly what was shown.
constexpr double kStoredSteps[2] = {0.1, 0.01};

}  // namespace

std::string CustomSizeText(SettingsRecord& record) {
  const int unit = record.CustomUnit != kMillimetres ? kInches : kMillimetres;
  const int w = ClampPosition(SizeToPosition(record.CustomWidth, unit), SizeDimension::Width, unit);
  const int h = ClampPosition(SizeToPosition(record.CustomHeight, unit), SizeDimension::Height, unit);
  record.CustomWidth = w * kStoredSteps[unit];
  record.CustomHeight = h * kStoredSteps[unit];
  char text[64];
  std::snprintf(text, sizeof text, kItemFormats[unit], kCustomSizeName, record.CustomWidth, record.CustomHeight);
  return text;
}

void CustomSizeItemText(HWND page, SettingsRecord& record) {
  const std::string text = CustomSizeText(record);
  // The list holds the item once it has been filled from the paper table;
  // an unfilled list gets none, so the custom size never lands on another
  // index than the last.
  const LRESULT found = SendDlgItemMessage(page, kPaperCombo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(kCustomSizeName));
  if (found == CB_ERR) return;
  SendDlgItemMessage(page, kPaperCombo, CB_DELETESTRING, static_cast<WPARAM>(found), 0);
  SendDlgItemMessage(page, kPaperCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CustomSizeItemText() {
  if (CurrentSettings == nullptr) return;
  CustomSizeItemText(MainPageWindow, *CurrentSettings);
}

}  // namespace velko::ui
