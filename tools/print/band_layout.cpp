// Band geometry and the copying of page rows into band planes.
#include "tools/print/band_layout.h"

#include <cstring>

#include "render/band_geometry.h"
#include "tools/print/bilevel.h"

namespace velko::print {
namespace {

constexpr uint32_t RoundUp(uint32_t value, uint32_t step) { return (value + step - 1) / step * step; }

}  // namespace

uint32_t BandGeometry::RowsOfBand(uint32_t firstRow, uint32_t pageHeight) const {
  const uint32_t left = pageHeight - firstRow;
  return left >= bandRows ? bandRows : RoundUp(left, stripHeight);
}

BandGeometry PlanBands(CoderKind coder, uint32_t width) {
  BandGeometry geometry;
  // Rows are whole DWORDs and hold every block the coders read.
  if (coder == CoderKind::kMono) {
    geometry.stride = RoundUp(uint32_t(BilevelRowBytes(width)), 4);
    geometry.stripHeight = 8;
  } else {
    geometry.stride = RoundUp(width, 8);
    geometry.stripHeight = coder == CoderKind::kFine2 ? 8 : 4;
  }
  const uint32_t rowsPerSegment = sb::RowsPerSegment(geometry.stride);
  geometry.bandRows = kSegmentsPerBand * rowsPerSegment / geometry.stripHeight * geometry.stripHeight;
  geometry.planeBytes = RoundUp(uint32_t(sb::BandAllocation(geometry.bandRows, geometry.stride)), sb::kSegmentBytes);
  return geometry;
}

ColorBand::ColorBand(const BandGeometry& geometry) : geometry_(geometry) {
  for (auto& plane : planes_) plane.assign(geometry.planeBytes, 0xFF);
}

void ColorBand::Fill(const RgbImage& page, uint32_t firstRow, uint32_t rows) {
  for (uint32_t y = 0; y < rows; ++y) {
    const std::size_t at = sb::RowOffset(y, geometry_.stride);
    uint8_t* red = planes_[0].data() + at;
    uint8_t* green = planes_[1].data() + at;
    uint8_t* blue = planes_[2].data() + at;
    std::memset(red, 0xFF, geometry_.stride);
    std::memset(green, 0xFF, geometry_.stride);
    std::memset(blue, 0xFF, geometry_.stride);
    if (firstRow + y >= page.height()) continue;
    const uint8_t* rgb = page.Row(firstRow + y);
    for (uint32_t x = 0; x < page.width(); ++x, rgb += 3) {
      red[x] = rgb[0];
      green[x] = rgb[1];
      blue[x] = rgb[2];
    }
  }
}

MonoBand::MonoBand(const BandGeometry& geometry) : geometry_(geometry), bits_(geometry.planeBytes, 0xFF) {}

void MonoBand::Fill(const RgbImage& page, uint32_t firstRow, uint32_t rows) {
  std::vector<uint8_t> black(BilevelRowBytes(page.width()));
  for (uint32_t y = 0; y < rows; ++y) {
    uint8_t* row = bits_.data() + sb::RowOffset(y, geometry_.stride);
    std::memset(row, 0xFF, geometry_.stride);
    if (firstRow + y >= page.height()) continue;
    BilevelRow(page, firstRow + y, black);
    for (std::size_t i = 0; i < black.size(); ++i) row[i] = uint8_t(~black[i]);
  }
}

}  // namespace velko::print
