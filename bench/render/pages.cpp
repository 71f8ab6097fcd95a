// The benchmark pages. Text is drawn as lines of glyph boxes with a stem and
// a bar each (about 7 % black); halftone is an 8 x 8 ordered dither of a
// diagonal ramp; photo is smooth color fields with a little noise, so that
// no block is white or uniform.
#include "bench/render/pages.h"

#include <array>
#include <bit>
#include <cmath>
#include <random>

#include "render/band_geometry.h"

namespace velko::bench {
namespace {

constexpr uint32_t kMargin = 300;
constexpr uint32_t kLineHeight = 100;
constexpr uint32_t kGlyphHeight = 60;
constexpr uint32_t kGlyphWidth = 40;
constexpr uint32_t kGlyphAdvance = 50;

// Black pixels of the text page, one row at a time (true = ink).
class TextRaster {
 public:
  TextRaster() {
    std::mt19937 rng(42);
    for (auto& glyph : glyphs_) {
      glyph.stemX = rng() % (kGlyphWidth - 6);
      glyph.barY = rng() % (kGlyphHeight - 6);
      glyph.blank = rng() % 6 == 0;  // word spaces
    }
  }

  bool Ink(uint32_t x, uint32_t y) const {
    if (x < kMargin || x >= kPageWidth - kMargin || y < kMargin || y >= kPageHeight - kMargin) return false;
    const uint32_t line = (y - kMargin) / kLineHeight, inLineY = (y - kMargin) % kLineHeight;
    if (inLineY >= kGlyphHeight) return false;
    const uint32_t column = (x - kMargin) / kGlyphAdvance, inGlyphX = (x - kMargin) % kGlyphAdvance;
    if (inGlyphX >= kGlyphWidth) return false;
    const Glyph& g = glyphs_[(line * 97 + column) % glyphs_.size()];
    if (g.blank) return false;
    const bool stem = inGlyphX >= g.stemX && inGlyphX < g.stemX + 6;
    const bool bar = inLineY >= g.barY && inLineY < g.barY + 5;
    return stem || bar;
  }

 private:
  struct Glyph {
    uint32_t stemX, barY;
    bool blank;
  };
  std::array<Glyph, 251> glyphs_{};
};

constexpr uint8_t kBayer8[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
};

}  // namespace

double BilevelPage::BlackFraction() const {
  uint64_t black = 0;
  for (uint8_t b : bits) black += uint64_t(std::popcount(b));
  return double(black) / (double(width) * height);
}

BilevelPage MakeBilevelPage(BilevelKind kind) {
  BilevelPage page;
  page.width = kPageWidth;
  page.height = kPageHeight;
  page.rowBytes = kPageWidth / 8;
  page.bits.assign(std::size_t(page.rowBytes) * page.height, 0);
  const TextRaster text;
  std::mt19937 rng(5);
  static const char* const kNames[] = {"white", "text", "halftone", "noise"};
  page.name = kNames[int(kind)];
  for (uint32_t y = 0; y < page.height; ++y) {
    uint8_t* row = page.bits.data() + std::size_t(y) * page.rowBytes;
    for (uint32_t x = 0; x < page.width; ++x) {
      bool black = false;
      switch (kind) {
        case BilevelKind::kWhite: break;
        case BilevelKind::kText: black = text.Ink(x, y); break;
        case BilevelKind::kHalftone: {
          const uint32_t level = (x + y) * 64 / (kPageWidth + kPageHeight);
          black = kBayer8[y % 8][x % 8] < level;
          break;
        }
        case BilevelKind::kNoise: black = rng() & 1; break;
      }
      if (black) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    }
  }
  return page;
}

ColorPage MakeColorPage(ColorKind kind) {
  ColorPage page;
  page.width = kPageWidth;
  page.height = kPageHeight;
  page.stride = kPageWidth;
  static const char* const kNames[] = {"white", "text", "photo"};
  page.name = kNames[int(kind)];
  const std::size_t bytes = sb::BandAllocation(page.height, page.stride);
  for (auto& plane : page.planes) plane.assign(bytes, 0xFF);
  if (kind == ColorKind::kWhite) return page;
  const TextRaster text;
  std::mt19937 rng(9);
  for (uint32_t y = 0; y < page.height; ++y) {
    const std::size_t row = sb::RowOffset(y, page.stride);
    for (uint32_t x = 0; x < page.width; ++x) {
      uint8_t rgb[3] = {255, 255, 255};
      if (kind == ColorKind::kText) {
        if (text.Ink(x, y)) {
          const bool blueLine = (y / kLineHeight) % 10 == 3;
          rgb[0] = rgb[1] = 0;
          rgb[2] = blueLine ? 200 : 0;
        }
      } else {
        const double fx = x / 600.0, fy = y / 600.0;
        const uint32_t noise = rng();
        rgb[0] = uint8_t(120 + 100 * std::sin(fx * 1.3 + fy * 0.4) + (noise & 7));
        rgb[1] = uint8_t(120 + 90 * std::sin(fy * 0.9 - fx * 0.2) + (noise >> 3 & 7));
        rgb[2] = uint8_t(120 + 80 * std::cos(fx * 0.5 + fy * 1.1) + (noise >> 6 & 7));
      }
      for (int c = 0; c < 3; ++c) page.planes[c][row + x] = rgb[c];
    }
  }
  return page;
}

MonoPage MakeMonoTextPage() {
  MonoPage page;
  page.width = kPageWidth;
  page.height = kPageHeight;
  page.stride = kPageWidth / 8;
  page.bits.assign(sb::BandAllocation(page.height, page.stride), 0xFF);
  const TextRaster text;
  for (uint32_t y = 0; y < page.height; ++y) {
    uint8_t* row = page.bits.data() + sb::RowOffset(y, page.stride);
    for (uint32_t x = 0; x < page.width; ++x) {
      if (text.Ink(x, y)) row[x / 8] &= uint8_t(~(0x80 >> (x % 8)));
    }
  }
  return page;
}

}  // namespace velko::bench
