// velko: builds color tables, prints pages to printer data and decodes them
// back, and runs the property sheet, all through the same modules the driver
// uses. Exit status: 0 done, 1 the work failed, 2 bad usage.
#include <algorithm>
#include <cstdio>

#include <fmt/core.h>

#include "tools/velko/commands.h"

namespace velko::cli {

std::vector<CommandEntry>& CommandRegistry() {
  static std::vector<CommandEntry> entries;
  return entries;
}

}  // namespace velko::cli

int main(int argc, char** argv) {
  using namespace velko::cli;
  CLI::App app{"velko: color tables, printer data and the property sheet of the Velko printer driver"};
  app.require_subcommand(1, 1);
  app.fallthrough(false);

  auto& entries = CommandRegistry();
  std::ranges::sort(entries, {}, &CommandEntry::order);
  for (const auto& entry : entries) entry.add(app);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);  // prints help or the parse error
    return code == 0 ? 0 : 2;
  } catch (const UsageError& e) {
    fmt::print(stderr, "velko: {}\n", e.what());
    return 2;
  } catch (const WorkError& e) {
    fmt::print(stderr, "velko: {}\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    fmt::print(stderr, "velko: {}\n", e.what());
    return 1;
  }
  return 0;
}
