// The settings record the 16-bit driver starts from, and hands to every
// page call as the default record.
#pragma once

#include "ui/core/settings_record.h"

namespace velko::host {

// A4 paper printed as the paper, automatic tray, plain paper, portrait, one
// page per sheet, one copy, normal print mode; document color mode on the
// normal base color with every slider at 0; the watermark off but set up as
// a light, centred "CONFIDENTIAL"; empty lists.
SettingsRecord DefaultSettingsRecord();

}  // namespace velko::host
