// The settings summary on the main page: 24 static texts, 1201 to 1224, in
// rows of label, separator and value, showing the color mode (with the base
// color and entry name in the custom mode), print mode, black generation,
// smoothing and toner saving of the current record.
//
//   RefreshSummary();   // on PSN_SETACTIVE and after the print mode dialog
#pragma once

#include <array>
#include <string>

#include "ui/core/settings_record.h"

namespace velko::ui {

inline constexpr int kFirstSummaryControl = 1201;
inline constexpr int kSummaryControls = 24;

// The texts of 1201 to 1224 for `settings`, GB2312; unused controls empty.
std::array<std::string, kSummaryControls> SummaryTexts(const SettingsRecord& settings);

// Rewrites 1201 to 1224 of the main page from CurrentSettings.
void RefreshSummary();

}  // namespace velko::ui
