// The page laid into band bitmaps the way the driver lays it: rows of
// `stride` bytes in whole 64 KB segments, each band a multiple of the strip
// height; color bands as three planes (255 = no color), mono bands as one
// plane of bits (set bit = white).
#pragma once

#include <cstdint>
#include <vector>

#include "tools/print/image.h"
#include "tools/print/printer_data.h"

namespace velko::print {

// A band covers this many 64 KB segments of each plane.
inline constexpr uint32_t kSegmentsPerBand = 16;

struct BandGeometry {
  uint32_t stride = 0;       // bytes per row of each plane
  uint32_t stripHeight = 0;  // rows per strip of the coder
  uint32_t bandRows = 0;     // rows of a full band, a multiple of stripHeight
  std::size_t planeBytes = 0;  // whole segments holding one plane of a band

  // Rows of the band starting at page row FIRSTROW: cut to the page, rounded
  // up to whole strips.
  uint32_t RowsOfBand(uint32_t firstRow, uint32_t pageHeight) const;
};

// Geometry of the bands of a page WIDTH pixels wide for CODER (not mh).
BandGeometry PlanBands(CoderKind coder, uint32_t width);

// One color band: three planes; rows past the page and columns past its
// width are white.
class ColorBand {
 public:
  explicit ColorBand(const BandGeometry& geometry);
  void Fill(const RgbImage& page, uint32_t firstRow, uint32_t rows);
  uint8_t* Plane(int channel) { return planes_[channel].data(); }

 private:
  BandGeometry geometry_;
  std::vector<uint8_t> planes_[3];
};

// One mono band of bi-level rows, set bit = white, padding white.
class MonoBand {
 public:
  explicit MonoBand(const BandGeometry& geometry);
  void Fill(const RgbImage& page, uint32_t firstRow, uint32_t rows);
  uint8_t* Bits() { return bits_.data(); }

 private:
  BandGeometry geometry_;
  std::vector<uint8_t> bits_;
};

}  // namespace velko::print
