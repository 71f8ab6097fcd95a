// Synthetic A4 pages at 600 dpi for the coder benchmarks: bi-level pages
// (white, text-like, halftone, noise) and color pages laid out as segmented
// band planes (white, text, photo). Deterministic, so runs compare.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velko::bench {

inline constexpr uint32_t kPageWidth = 4960;   // 210 mm at 600 dpi
inline constexpr uint32_t kPageHeight = 7016;  // 297 mm at 600 dpi

// Rows of packed pixels, most significant bit first, set bit = black.
struct BilevelPage {
  std::string name;
  uint32_t width = 0, height = 0, rowBytes = 0;
  std::vector<uint8_t> bits;
  const uint8_t* Row(uint32_t y) const { return bits.data() + std::size_t(y) * rowBytes; }
  double BlackFraction() const;
};

enum class BilevelKind { kWhite, kText, kHalftone, kNoise };
BilevelPage MakeBilevelPage(BilevelKind kind);

// Three planes of one band covering the whole page, in 64 KB segments.
struct ColorPage {
  std::string name;
  uint32_t width = 0, height = 0, stride = 0;
  std::vector<uint8_t> planes[3];
  std::size_t PlaneBytes() const { return planes[0].size(); }
};

enum class ColorKind { kWhite, kText, kPhoto };
ColorPage MakeColorPage(ColorKind kind);

// The text page as the mono coder reads it: set bit = white, in segments.
struct MonoPage {
  uint32_t width = 0, height = 0, stride = 0;
  std::vector<uint8_t> bits;
};
MonoPage MakeMonoTextPage();

}  // namespace velko::bench
