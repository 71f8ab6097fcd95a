// velko apply: shows what a color table does to a picture, by mapping every
// pixel through it with the same integer lookup the preview and the color
// coders use.
#include <fmt/core.h>

#include <memory>
#include <span>
#include <string>

#include "color/color_table.h"
#include "tools/print/image.h"
#include "tools/print/print_error.h"
#include "tools/velko/commands.h"
#include "tools/velko/files.h"

namespace velko::cli {
namespace {

struct ApplyOptions {
  std::string table;
  std::string input;
  std::string output;
};

std::vector<uint8_t> ReadTableFile(const std::string& path) {
  std::vector<uint8_t> bytes = ReadFileBytes(path);
  if (bytes.size() != color::kColorTableBytes) {
    throw UsageError(fmt::format("{}: a color table is {} bytes, this file has {}", path,
                                 color::kColorTableBytes, bytes.size()));
  }
  return bytes;
}

void RunApply(const ApplyOptions& options) {
  const std::vector<uint8_t> table = ReadTableFile(options.table);
  print::RgbImage image;
  try {
    image = print::ReadImage(options.input);
  } catch (const print::WrongKindError& e) {
    throw UsageError(e.what());
  } catch (const print::PrintError& e) {
    throw WorkError(e.what());
  }

  // The lookup object is large (one packed word per grid point); keep it off
  // the stack.
  const auto lookup = std::make_unique<color::TableLookup>(color::TableView(table.data(), color::kColorTableBytes));
  for (uint32_t y = 0; y < image.height(); ++y) {
    lookup->MapRgb(image.Row(y), image.Row(y), image.width());
  }

  std::vector<uint8_t> png;
  try {
    png = print::EncodePng(image);
  } catch (const print::PrintError& e) {
    throw WorkError(e.what());
  }
  WriteFileAtomically(options.output, png);
}

void AddApplyCommand(CLI::App& app) {
  auto options = std::make_shared<ApplyOptions>();
  CLI::App* cmd = app.add_subcommand("apply", "Map a PNG or PNM picture through a color table (what the printer would print)");
  cmd->add_option("--table", options->table, "raw 14,739-byte table from `velko table -o`")->required()->check(CLI::ExistingFile);
  cmd->add_option("IN", options->input, "input picture (PNG or PNM)")->required()->check(CLI::ExistingFile);
  cmd->add_option("OUT", options->output, "output PNG")->required();
  cmd->callback([options] { RunApply(*options); });
}

}  // namespace

VELKO_COMMAND(20, AddApplyCommand);

}  // namespace velko::cli
