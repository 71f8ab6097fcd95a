// velko decode: rebuilds the page a printer would print from a printer-data
// file of `velko print` (blocks with their colors and choices, tiles, MH
// lines) and writes it as a PNG, so that one can look at what the coders did.
#include <fmt/core.h>

#include <memory>
#include <string>

#include "tools/print/image.h"
#include "tools/print/page_decoder.h"
#include "tools/print/print_error.h"
#include "tools/velko/commands.h"
#include "tools/velko/files.h"

namespace velko::cli {
namespace {

struct DecodeOptions {
  std::string input;
  std::string output;
};

void RunDecode(const DecodeOptions& options) {
  const std::vector<uint8_t> data = ReadFileBytes(options.input);
  print::RgbImage page;
  try {
    page = print::DecodePrinterData(data, options.input);
  } catch (const print::WrongKindError& e) {
    throw UsageError(e.what());
  } catch (const print::PrintError& e) {
    throw WorkError(e.what());
  }
  WriteFileAtomically(options.output, print::EncodePng(page));
  fmt::print("decoded {} ({} x {}) to {}\n", options.input, page.width(), page.height(), options.output);
}

void AddDecodeCommand(CLI::App& app) {
  auto options = std::make_shared<DecodeOptions>();
  CLI::App* cmd = app.add_subcommand("decode", "Rebuild the printed page from printer data of `velko print` as a PNG");
  cmd->add_option("data", options->input, "printer-data file")->required()->check(CLI::ExistingFile);
  cmd->add_option("-o,--output", options->output, "write the page here as a PNG")->required();
  cmd->callback([options] { RunDecode(*options); });
}

}  // namespace

VELKO_COMMAND(30, AddDecodeCommand);

}  // namespace velko::cli
