// The rule that locks options switch 1072 on: fine printing, or paper code
// 8 (A3) or 257, in every color mode but monochrome. The options page
// applies it to the record and its check box; the main page, after its print
// mode dialog, to the record only.
#pragma once

#include "platform/win32_types.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

// True when `settings` must have switch 1072 forced on.
bool Option1072IsForced(const SettingsRecord& settings);

// Applies the rule to `settings`; when `optionsPage` is a window, also
// enables or disables its check box 1072 (its check state is left to the
// caller's fill).
void ForcedOption1072(SettingsRecord& settings, HWND optionsPage);

}  // namespace velko::ui
