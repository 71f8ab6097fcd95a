// velko sheet: runs the driver's property sheet headlessly over a settings
// record, playing the user's part from a script (host/script/parser.h has
// the language), and writes the record the pages left.
#include <fmt/core.h>

#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "host/script/parser.h"
#include "host/sheet/sheet_run.h"
#include "tools/velko/commands.h"
#include "tools/velko/files.h"

namespace velko::cli {
namespace {

struct SheetOptions {
  std::string settings;
  std::string defaults;
  std::string script;
  std::string save;
};

// The parsed script; every malformed line is printed, then the run is
// refused as bad usage.
script::Script LoadScript(const std::string& path) {
  if (path.empty()) return script::Script{"(no script)", {}};
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  script::ParseResult parsed =
      script::ParseScript(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path);
  for (const script::ScriptError& error : parsed.errors) {
    fmt::print(stderr, "{}\n", script::Describe(parsed.script, error));
  }
  if (!parsed.errors.empty()) {
    throw UsageError(fmt::format("sheet: {} has {} malformed line{}; nothing was run", path, parsed.errors.size(),
                                 parsed.errors.size() == 1 ? "" : "s"));
  }
  return std::move(parsed.script);
}

std::unique_ptr<host::Driver> LoadDriver() {
  try {
    return host::Driver::Load();
  } catch (const host::DriverError& e) {
    throw WorkError(fmt::format("sheet: {}", e.what()));
  }
}

void RunSheet(const SheetOptions& options) {
  const script::Script script = LoadScript(options.script);
  std::optional<SettingsRecord> current, defaults;
  if (!options.settings.empty()) current = ReadSettingsFile(options.settings);
  if (!options.defaults.empty()) defaults = ReadSettingsFile(options.defaults);

  const std::unique_ptr<host::Driver> driver = LoadDriver();
  if (current) driver->Current() = *current;
  if (defaults) driver->Defaults() = *defaults;
  const host::SheetRunReport report = host::RunSheetScript(*driver, script, std::cout, std::cerr);
  std::cout.flush();

  if (!options.save.empty()) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&driver->Current());
    WriteFileAtomically(options.save, std::span(bytes, sizeof(SettingsRecord)));
  }
  if (!report.ok()) {
    throw WorkError(fmt::format("sheet: {} failed: {} of {} checks and actions went wrong", script.name,
                                report.failures.size(), report.checks + report.actions));
  }
}

void AddSheetCommand(CLI::App& app) {
  auto options = std::make_shared<SheetOptions>();
  CLI::App* cmd = app.add_subcommand(
      "sheet", "Run the printer-properties sheet headlessly, the user's part played by a script");
  cmd->add_option("--settings", options->settings, "current record: a raw 3,376-byte file (default: the driver's defaults)")
      ->check(CLI::ExistingFile);
  cmd->add_option("--defaults", options->defaults, "default record: a raw 3,376-byte file (default: the driver's defaults)")
      ->check(CLI::ExistingFile);
  cmd->add_option("--script", options->script, "script of actions and checks, one a line (default: none); "
                 "`shot` writes its PNG files relative to the working folder")
      ->check(CLI::ExistingFile);
  cmd->add_option("--save", options->save, "write the current record here at the end");
  cmd->callback([options] { RunSheet(*options); });
}

}  // namespace

VELKO_COMMAND(40, AddSheetCommand);

}  // namespace velko::cli
