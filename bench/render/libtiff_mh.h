// libtiff's Modified Huffman encoder (TIFF compression 2, CCITT RLE) run
// over a whole page in memory: the peer the MH line encoder is measured
// against.
#pragma once

#include <cstdint>
#include <vector>

#include "bench/render/pages.h"

namespace velko::bench {

// Encodes PAGE as one strip into an in-memory TIFF; returns the file size.
std::size_t EncodeWithLibtiff(const BilevelPage& page, std::vector<uint8_t>& file);

}  // namespace velko::bench
