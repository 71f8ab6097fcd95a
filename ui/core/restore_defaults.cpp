// Restore-all-defaults: save the watermark list, copy the whole default
// record, put the list back.
#include "ui/core/restore_defaults.h"

#include <cstring>

#include "ui/core/page_variables.h"

namespace velko::ui {

void RestoreAllDefaults(SettingsRecord& current, const SettingsRecord& defaults) {
  if (&current == &defaults) return;
  WatermarkEntry kept[kWatermarkListEntries];
  std::memcpy(kept, current.WatermarkList, sizeof kept);
  std::memcpy(&current, &defaults, sizeof current);
  std::memcpy(current.WatermarkList, kept, sizeof kept);
}

void RestoreAllDefaults() {
  if (CurrentSettings && DefaultSettings) RestoreAllDefaults(*CurrentSettings, *DefaultSettings);
}

}  // namespace velko::ui
