// The coded page as a standard TIFF: the MH lines of a printer-data file
// re-framed as TIFF compression 2 (CCITT RLE: each line's codes without
// EOLs, byte aligned), which libtiff's tools and ordinary viewers read.
// Lines the driver kept raw are coded without the raw-size limit.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velko::print {

// The TIFF file's bytes for the mh printer data DATA; PrintError when the
// data is not an mh page or cannot be read. NAME is used in messages.
std::vector<uint8_t> MhTiffFromPrinterData(std::span<const uint8_t> data, const std::string& name);

}  // namespace velko::print
