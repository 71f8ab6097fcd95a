// Printing a page: the page laid into bands, each band coded by repeated
// calls of one VelkoSB coder as the driver calls it (or each row by
// xMHConvert), and everything the coders return written as a printer-data
// file (see printer_data.h).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/print/image.h"
#include "tools/print/printer_data.h"

namespace velko::print {

inline constexpr std::size_t kColorTableBytes = 14739;

struct PrintOptions {
  CoderKind coder = CoderKind::kFine;
  int32_t convert = 1;    // the color coders' convert argument
  int32_t padBlocks = 0;  // pad records per strip
};

struct PrintSummary {
  std::vector<uint8_t> data;  // the printer-data file
  uint32_t calls = 0;         // coder calls (band coders)
  uint32_t storedStrips = 0;
  uint32_t blankStrips = 0;
  uint32_t codedLines = 0;  // mh
  uint32_t rawLines = 0;    // mh
};

// PrintError when one strip of the page would not fit a call's output limit
// (the coder would then make no progress), saying how wide the page may be.
void CheckPageFits(uint32_t width, const PrintOptions& options);

// Prints PAGE. TABLE is the 14,739-byte color table (read when converting).
PrintSummary PrintPage(const RgbImage& page, const PrintOptions& options,
                       std::span<const uint8_t, kColorTableBytes> table);

}  // namespace velko::print
