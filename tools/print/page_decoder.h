// Rebuilding the page a printer would print from a printer-data file: block
// records become their two or four colors with each pixel's choice, tiles
// and lines become black dots, blank strips stay white paper.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "tools/print/image.h"
#include "tools/print/printer_data.h"

namespace velko::print {

// The header of a printer-data file; WrongKindError when DATA is not one,
// PrintError when its fields make no sense. NAME is used in messages.
FileHeader ReadHeader(std::span<const uint8_t> data, const std::string& name);

// The printed page; PrintError (naming NAME and the byte offset) when the
// file is truncated or inconsistent.
RgbImage DecodePrinterData(std::span<const uint8_t> data, const std::string& name);

}  // namespace velko::print
