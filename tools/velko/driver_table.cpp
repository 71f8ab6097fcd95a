#include "tools/velko/driver_table.h"

#include <fmt/core.h>

#include "host/default_settings.h"
#include "host/driver.h"
#include "tools/velko/commands.h"

namespace velko::cli {

std::array<uint8_t, 14739> BuildTableThroughDriver(const ColorAdjustBlock& block) {
  try {
    auto driver = host::Driver::Load();
    return driver->MakeColorTable(block);
  } catch (const host::DriverError& e) {
    throw WorkError(fmt::format("cannot reach the driver's color table: {}", e.what()));
  }
}

SettingsRecord DriverDefaultSettings() { return host::DefaultSettingsRecord(); }

}  // namespace velko::cli
