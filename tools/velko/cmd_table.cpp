// velko table: builds the color table the driver would get for a settings
// record (or for the eight block values given as options) and writes it raw
// and/or as a .cube LUT.
#include <fmt/core.h>

#include <memory>
#include <optional>
#include <string>

#include "tools/velko/commands.h"
#include "tools/velko/cube.h"
#include "tools/velko/driver_table.h"
#include "tools/velko/files.h"

namespace velko::cli {
namespace {

struct TableOptions {
  std::string settings;
  std::string raw_out;
  std::string cube_out;
  // One optional override per field of the block, in the block's order.
  std::optional<int32_t> fields[8];
};

struct BlockOption {
  const char* flag;
  const char* help;
};

// Fields 1..7 of the block; field 0 (the preview's sample) has no bearing on
// the table.
constexpr BlockOption kBlockOptions[8] = {
    {nullptr, nullptr},
    {"--base", "base table: 1 normal, 2 document, 3 photo, 4 graphics (others: normal)"},
    {"--bright", "brightness, -10..10"},
    {"--fullness", "saturation, -10..10"},
    {"--contrast", "contrast, -10..10"},
    {"--cyan-red", "color balance cyan (-) to red (+), -10..10"},
    {"--magenta-green", "color balance magenta (-) to green (+), -10..10"},
    {"--yellow-blue", "color balance yellow (-) to blue (+), -10..10"},
};

ColorAdjustBlock ChosenBlock(const TableOptions& options) {
  ColorAdjustBlock block = options.settings.empty() ? DriverDefaultSettings().ColorAdjust
                                                    : ReadSettingsFile(options.settings).ColorAdjust;
  int32_t* fields = &block.Sample;
  for (int i = 1; i < 8; ++i) {
    if (options.fields[i]) fields[i] = *options.fields[i];
  }
  return block;
}

void RunTable(const TableOptions& options) {
  if (options.raw_out.empty() && options.cube_out.empty()) {
    throw UsageError("table: nothing to write; give -o FILE and/or --cube FILE");
  }
  const auto table = BuildTableThroughDriver(ChosenBlock(options));
  if (!options.raw_out.empty()) WriteFileAtomically(options.raw_out, table);
  if (!options.cube_out.empty()) {
    WriteFileAtomically(options.cube_out, ColorTableToCube(table, "Velko color table"));
  }
}

void AddTableCommand(CLI::App& app) {
  auto options = std::make_shared<TableOptions>();
  CLI::App* cmd = app.add_subcommand(
      "table", "Build the 17x17x17 color table from a settings record or block values");
  cmd->add_option("--settings", options->settings, "raw 3,376-byte settings record (default: the driver's defaults)")
      ->check(CLI::ExistingFile);
  for (int i = 1; i < 8; ++i) {
    cmd->add_option(kBlockOptions[i].flag, options->fields[i], kBlockOptions[i].help);
  }
  cmd->add_option("-o,--output", options->raw_out, "write the raw 14,739-byte table here");
  cmd->add_option("--cube", options->cube_out, "write a .cube 3D LUT (17 points) here");
  cmd->callback([options] { RunTable(*options); });
}

}  // namespace

VELKO_COMMAND(10, AddTableCommand);

}  // namespace velko::cli
