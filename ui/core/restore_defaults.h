// Restore-all-defaults of the version page: the default record over the
// current one, except the user's watermark list.
#pragma once

#include "ui/core/settings_record.h"

namespace velko::ui {

// Copies `defaults` over `current` and keeps current's WatermarkList.
void RestoreAllDefaults(SettingsRecord& current, const SettingsRecord& defaults);

// The same on DefaultSettings and CurrentSettings of the last page call;
// nothing before the first page call.
void RestoreAllDefaults();

}  // namespace velko::ui
