// Ordered dithering with the classic 8 x 8 Bayer matrix: a pixel is black
// when its luminance (ITU-R BT.601 weights) is below the matrix threshold.
#include "tools/print/bilevel.h"

#include <algorithm>
#include <array>

namespace velko::print {
namespace {

constexpr std::array<std::array<uint8_t, 8>, 8> kBayer8 = {{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};

// Thresholds 2, 6, ... 254: luminance 0 is always black, 255 never.
constexpr bool Black(uint32_t luminance, uint32_t x, uint32_t y) { return luminance < kBayer8[y % 8][x % 8] * 4u + 2; }
static_assert(Black(0, 7, 7) && !Black(255, 0, 0) && !Black(255, 3, 3));

constexpr uint32_t Luminance(const uint8_t* rgb) { return (299u * rgb[0] + 587u * rgb[1] + 114u * rgb[2]) / 1000u; }

}  // namespace

void BilevelRow(const RgbImage& image, uint32_t y, std::span<uint8_t> row) {
  std::fill(row.begin(), row.end(), 0);
  const uint8_t* pixel = image.Row(y);
  for (uint32_t x = 0; x < image.width(); ++x, pixel += 3) {
    if (Black(Luminance(pixel), x, y)) row[x / 8] |= uint8_t(0x80 >> (x % 8));
  }
}

RgbImage BilevelPage(const RgbImage& image) {
  RgbImage page(image.width(), image.height());
  std::vector<uint8_t> row(BilevelRowBytes(image.width()));
  for (uint32_t y = 0; y < image.height(); ++y) {
    BilevelRow(image, y, row);
    for (uint32_t x = 0; x < image.width(); ++x) {
      if (row[x / 8] >> (7 - x % 8) & 1) page.Set(x, y, Rgb8{0, 0, 0});
    }
  }
  return page;
}

}  // namespace velko::print
