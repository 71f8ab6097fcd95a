// The custom size item of the main page's paper list: "Custom Size" with the
// stored size, rounded to the unit's step and clamped to the printer's
// limits. The record takes the rounded size, and the list's item is
// replaced so that it stays the last one (index 12).
#pragma once

#include <string>

#include "platform/win32_types.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

// The item text for `record`'s custom size ("Custom Size(100.0 x 210.0 mm)"
// or "Custom Size(8.50 x 11.00 in)"); stores the rounded, clamped size back
// into `record`.
std::string CustomSizeText(SettingsRecord& record);

// Rewrites the custom item of combo 1010 of `page` from `record`.
void CustomSizeItemText(HWND page, SettingsRecord& record);

// The same for the main page window and CurrentSettings of the last page
// call; nothing before the first call.
void CustomSizeItemText();

}  // namespace velko::ui
