// The command line's way into the driver: the color table is asked for as
// the 16-bit driver asks for it, through thunk entry 0 of the bridge, so the
// command exercises the same road as printing does.
#pragma once

#include <array>
#include <cstdint>

#include "ui/core/settings_record.h"

namespace velko::cli {

// MakeRdt through the thunk bridge; WorkError when the bridge cannot load.
std::array<uint8_t, 14739> BuildTableThroughDriver(const ColorAdjustBlock& block);

// The settings record the driver starts from.
SettingsRecord DriverDefaultSettings();

}  // namespace velko::cli
