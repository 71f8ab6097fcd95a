// Modified Huffman lines outside the driver's encoder: decoding a coded line
// back to pixels (to rebuild a page, and to find where a line's codes end),
// and coding a line without the raw-size limit (for TIFF files, which must
// hold every line coded). Both use the T.4 tables of the line encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velko::print {

// Decodes the codes of one line of WIDTH pixels into PIXELS ((WIDTH + 7) / 8
// bytes, set bit = black). Returns the number of code bits the line's runs
// took, or nothing when the codes are not valid T.4 codes or do not add up
// to exactly WIDTH pixels within CODE.
std::optional<std::size_t> DecodeMhLine(std::span<const uint8_t> code, uint32_t width, std::span<uint8_t> pixels);

// True when the 12 bits at bit BIT of CODE are an EOL.
bool EolAt(std::span<const uint8_t> code, std::size_t bit);

// The codes of the line's runs (set bit = black), with no EOL and no limit,
// the last byte padded with 0 bits.
std::vector<uint8_t> EncodeMhLineUnlimited(std::span<const uint8_t> pixels, uint32_t width);

}  // namespace velko::print
