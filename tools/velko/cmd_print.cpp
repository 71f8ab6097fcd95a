// velko print: prints a page (a PNG or PNM file, or the built-in test page)
// the way the driver does - band by band through VelkoSB's coders, colors
// converted through the table the driver gets for the settings record - and
// writes the printer data (tools/print/FORMAT.md); optionally the MH page as
// a TIFF, and how the decoded page compares with the input.
#include <fmt/core.h>

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "tools/print/bilevel.h"
#include "tools/print/compare.h"
#include "tools/print/mh_tiff.h"
#include "tools/print/page_decoder.h"
#include "tools/print/page_printer.h"
#include "tools/print/print_error.h"
#include "tools/print/test_page.h"
#include "tools/velko/commands.h"
#include "tools/velko/driver_table.h"
#include "tools/velko/files.h"

namespace velko::cli {
namespace {

struct PrintCommandOptions {
  std::string image;
  std::string output;
  std::string coder = "fine";
  std::string settings;
  bool noConvert = false;
  int32_t padBlocks = 0;
  std::string tiff;
  bool compare = false;
};

const std::map<std::string, print::CoderKind, std::less<>> kCoders = {
    {"quick", print::CoderKind::kQuick}, {"fine", print::CoderKind::kFine}, {"fine2", print::CoderKind::kFine2},
    {"mono", print::CoderKind::kMono},   {"mh", print::CoderKind::kMh},
};

bool IsColorCoder(print::CoderKind coder) {
  return coder != print::CoderKind::kMono && coder != print::CoderKind::kMh;
}

print::RgbImage LoadPage(const PrintCommandOptions& options) {
  if (options.image.empty()) return print::MakeTestPage();
  try {
    return print::ReadImage(options.image);
  } catch (const print::PrintError& e) {
    throw WorkError(e.what());
  }
}

// The table the driver gets for the record's color block, through thunk
// entry 0; a zero table when nothing is converted.
std::array<uint8_t, print::kColorTableBytes> ColorTable(const PrintCommandOptions& options, int32_t convert) {
  const SettingsRecord record = options.settings.empty() ? DriverDefaultSettings() : ReadSettingsFile(options.settings);
  if (convert == 0) return {};
  return BuildTableThroughDriver(record.ColorAdjust);
}

void ReportComparison(const print::RgbImage& page, const print::PrintSummary& printed, print::CoderKind coder) {
  const print::RgbImage decoded = print::DecodePrinterData(printed.data, "the printer data");
  const double rgbBytes = 3.0 * page.width() * page.height();
  const auto decibels = [](double psnr) {
    return std::isinf(psnr) ? std::string("inf (identical)") : fmt::format("{:.2f} dB", psnr);
  };
  fmt::print("compare: {} bytes, size ratio {:.4f} of the 24-bit page", printed.data.size(),
             double(printed.data.size()) / rgbBytes);
  if (!IsColorCoder(coder)) {
    fmt::print(", {:.4f} of the 1-bit page", double(printed.data.size()) * 8 / (rgbBytes / 3));
  }
  fmt::print("; PSNR {} against the input", decibels(print::Psnr(decoded, page)));
  if (!IsColorCoder(coder)) fmt::print(", {} against its bi-level rendering", decibels(print::Psnr(decoded, print::BilevelPage(page))));
  fmt::print("\n");
}

void RunPrint(const PrintCommandOptions& options) {
  const print::CoderKind coder = kCoders.at(options.coder);
  if (!options.tiff.empty() && coder != print::CoderKind::kMh) {
    throw UsageError("print: --tiff writes MH lines; use it with --coder mh");
  }
  const print::RgbImage page = LoadPage(options);
  const int32_t convert = options.noConvert || !IsColorCoder(coder) ? 0 : 1;
  const print::PrintOptions printOptions{coder, convert, options.padBlocks};
  try {
    print::CheckPageFits(page.width(), printOptions);
  } catch (const print::PrintError& e) {
    throw WorkError(fmt::format("print: {}", e.what()));
  }
  const auto table = ColorTable(options, convert);
  const print::PrintSummary printed = print::PrintPage(page, printOptions, table);
  WriteFileAtomically(options.output, printed.data);

  const std::string source = options.image.empty() ? "the test page" : options.image;
  fmt::print("printed {} ({} x {}) with the {} coder to {}: {} bytes", source, page.width(), page.height(),
             print::CoderName(coder), options.output, printed.data.size());
  if (coder == print::CoderKind::kMh) {
    fmt::print(", {} coded and {} raw lines\n", printed.codedLines, printed.rawLines);
  } else {
    fmt::print(", {} calls, {} strips stored, {} blank\n", printed.calls, printed.storedStrips, printed.blankStrips);
  }
  if (!options.tiff.empty()) {
    WriteFileAtomically(options.tiff, print::MhTiffFromPrinterData(printed.data, options.output));
    fmt::print("wrote the coded page as a TIFF to {}\n", options.tiff);
  }
  if (options.compare) ReportComparison(page, printed, coder);
}

void AddPrintCommand(CLI::App& app) {
  auto options = std::make_shared<PrintCommandOptions>();
  CLI::App* cmd = app.add_subcommand("print", "Print a page to printer data through VelkoSB's coders (the main job)");
  cmd->add_option("image", options->image, "PNG or PNM page (default: the built-in A4 test page at 600 dpi)")
      ->check(CLI::ExistingFile);
  cmd->add_option("-o,--output", options->output, "write the printer data here (format: tools/print/FORMAT.md)")
      ->required();
  cmd->add_option("--coder", options->coder, "quick, fine, fine2 (color blocks), mono (tiles) or mh (MH lines)")
      ->check(CLI::IsMember({"quick", "fine", "fine2", "mono", "mh"}))
      ->capture_default_str();
  cmd->add_option("--settings", options->settings, "raw 3,376-byte settings record (default: the driver's defaults)")
      ->check(CLI::ExistingFile);
  cmd->add_flag("--no-convert", options->noConvert, "store block colors as computed, not through the color table");
  cmd->add_option("--pad", options->padBlocks, "white records appended to every strip")
      ->check(CLI::Range(0, 65535));
  cmd->add_option("--tiff", options->tiff, "with --coder mh: also write the coded page as a TIFF (CCITT RLE)");
  cmd->add_flag("--compare", options->compare, "decode the printer data and print its size ratio and PSNR");
  cmd->callback([options] { RunPrint(*options); });
}

}  // namespace

VELKO_COMMAND(20, AddPrintCommand);

}  // namespace velko::cli
