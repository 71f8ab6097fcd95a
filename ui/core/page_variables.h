// The module variables of the page-call contract: every page procedure sets
// them from its arguments before it looks at the message, and the handlers,
// the dialogs they open and later calls for other pages read them. They keep
// their values after a call returns; they are not guarded (calls never
// overlap).
#pragma once

#include <cstdint>

#include "platform/win32_types.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

extern SettingsRecord* CurrentSettings;  // edited in place by the pages and dialogs
extern SettingsRecord* DefaultSettings;  // read only: restore-default buttons
extern HWND MainPageWindow;
extern HWND ColorPageWindow;
extern HWND OptionsPageWindow;
extern HWND VersionPageWindow;
extern uint32_t PageReserved;  // stored from every call, read by nothing

// The name the list-edit dialog added or modified last (cleared when it
// opens), read by its openers: the color page and the watermark dialog.
inline constexpr int kChosenNameBytes = 20;
extern char ChosenName[kChosenNameBytes];

}  // namespace velko::ui
