// Pages for the bi-level coders: each pixel's luminance against an 8 x 8
// ordered dither, so that grays become dot patterns while pure black and
// pure white stay exact.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/print/image.h"

namespace velko::print {

// Bytes of one packed bi-level row of WIDTH pixels.
constexpr std::size_t BilevelRowBytes(uint32_t width) { return (std::size_t(width) + 7) / 8; }

// Row Y of IMAGE packed most significant bit first, a set bit meaning black;
// the bits past the width are 0 (white).
void BilevelRow(const RgbImage& image, uint32_t y, std::span<uint8_t> row);

// The whole page as bi-level rows (set bit = black), as a gray image of
// pure black and white: what the bi-level coders are given to print.
RgbImage BilevelPage(const RgbImage& image);

}  // namespace velko::print
