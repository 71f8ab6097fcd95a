// One block coded on its own: the block's pixels are painted as ranges of
// pixel numbers over white, the block is the whole band, and the test reads
// back the single record and the InkFlags.
#pragma once

#include <vector>

#include "tests/render/band_fixture.h"

namespace velko::sb::test {

// Pixels FROM..TO (pixel number = side x row + column) take COLOR.
struct Paint {
  int from;
  int to;
  Pixel color;
};

inline void PaintBlock(ColorBand& band, int side, const std::vector<Paint>& paints, int scale = 1) {
  for (const Paint& paint : paints) {
    for (int p = paint.from; p <= paint.to; ++p) {
      band.Fill(uint32_t(p % side * scale), uint32_t(p / side * scale), uint32_t(scale), uint32_t(scale),
                paint.color);
    }
  }
}

struct CodedBlock {
  std::vector<uint8_t> record;
  uint8_t inkFlags;
};

// SCALE > 1 paints every pixel as a SCALE x SCALE square of a larger block.
inline CodedBlock CodeOneBlock(const ColorCoder& coder, const std::vector<Paint>& paints, int scale = 1,
                               int32_t convert = 0, const uint8_t* table = nullptr) {
  const uint32_t side = coder.shape.blockSize;
  ColorBand band(side, side);
  PaintBlock(band, int(side) / scale, paints, scale);
  ColorCallSetup setup;
  setup.width = int32_t(side);
  setup.bandRows = side;
  setup.convert = convert;
  setup.table = table;
  const CallResult result = CallColorCoder(coder, band, setup, 1);
  return {std::vector<uint8_t>(result.out.begin(), result.out.begin() + coder.shape.recordBytes),
          result.inkFlags};
}

}  // namespace velko::sb::test
