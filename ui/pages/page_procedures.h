// The page procedures VelkoUI exports by name, one per page of the driver's
// property sheet, and the inspection of the last page call. Each takes the
// message (in), the current settings record (in/out, edited in place) and
// the default record (in), and returns 1 for every message.
#pragma once

#include <cstdint>

#include "platform/export.h"
#include "ui/core/page_message.h"
#include "ui/core/settings_record.h"
#include "ui/pages/page_contract.h"

VELKO_EXPORT int32_t MainPropPage(const velko::FlatPageMessage* message,
                                  velko::SettingsRecord* current, velko::SettingsRecord* defaults);
VELKO_EXPORT int32_t ColorPropPage(const velko::FlatPageMessage* message,
                                   velko::SettingsRecord* current, velko::SettingsRecord* defaults);
VELKO_EXPORT int32_t OptPropPage(const velko::FlatPageMessage* message,
                                 velko::SettingsRecord* current, velko::SettingsRecord* defaults);
VELKO_EXPORT int32_t VerPropPage(const velko::FlatPageMessage* message,
                                 velko::SettingsRecord* current, velko::SettingsRecord* defaults);

// Copies the module variables and the last message a page procedure got
// into `state` (out), so that a program that loaded the module can see what
// the pages were given.
VELKO_EXPORT void VelkoUIInspectPageCall(velko::ui::PageCallState* state);
