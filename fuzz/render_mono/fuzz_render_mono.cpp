// Fuzzes xmonoblk: any band geometry, row index and pad count within the
// caller contract, buffers exactly as large as it requires; checks the tiles
// against the source bytes, the blank rule and the whitening.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "fuzz/render_common/color_band_fuzz.h"
#include "render/band_geometry.h"
#include "render/velko_sb.h"

namespace {

using velko::fuzz::Check;

struct CallFacts {
  uint32_t result, strips;
  int32_t row, nextRow;
  uint32_t stride;
  int32_t width, padBlocks;
};

constexpr uint8_t kUntouched = 0xA5;

// Strip count and row advance, the terminator, the blank rule (whole rows,
// or the coded columns of a strip continued in the next segment), tiles
// equal to the inverted source bytes, coded bytes whitened, pad tiles zero,
// blank strips not stored.
VELKO_FUZZ_HARNESS void CheckTiles(const CallFacts& f, const uint8_t* flags, const uint8_t* out,
                                   const std::vector<uint8_t>& before, const std::vector<uint8_t>& band) {
  using namespace velko::sb;
  Check(f.result == f.strips);
  Check(f.row == f.nextRow + int32_t(8 * f.strips));
  Check(flags[f.strips] == 0xFF);
  const std::size_t columns = BlocksPerStrip(kMonoShape, f.width);
  const std::size_t stripBytes = std::size_t(StripOutputBytes(kMonoShape, f.width, f.padBlocks));
  const uint32_t perSegment = RowsPerSegment(f.stride);
  for (uint32_t strip = 0; strip < f.strips; ++strip) {
    const uint32_t first = uint32_t(f.nextRow) + 8 * strip;
    const bool continued = first % perSegment + 8 > perSegment;
    bool codedWhite = true, rowsWhite = true;
    for (uint32_t k = 0; k < 8; ++k) {
      const std::size_t at = RowOffset(first + k, f.stride);
      for (std::size_t x = 0; x < f.stride; ++x) {
        (x < columns ? codedWhite : rowsWhite) &= before[at + x] == 0xFF;
      }
    }
    const bool blank = continued ? codedWhite : codedWhite && rowsWhite;
    Check(flags[strip] == (blank ? 1 : 0));
    const uint8_t* tiles = out + strip * stripBytes;
    if (blank && !continued) {
      Check(std::all_of(tiles, tiles + stripBytes, [](uint8_t b) { return b == kUntouched; }));
      continue;
    }
    for (std::size_t c = 0; c < columns; ++c) {
      for (uint32_t k = 0; k < 8; ++k) {
        const std::size_t at = RowOffset(first + k, f.stride) + c;
        Check(tiles[c * 8 + k] == uint8_t(~before[at]));
        Check(band[at] == 0xFF);
      }
    }
    Check(std::all_of(tiles + columns * 8, tiles + stripBytes, [](uint8_t b) { return b == 0; }));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velko::sb;
  FuzzedDataProvider input(data, size);
  const uint32_t stride = velko::fuzz::ChooseStride(input);
  const int32_t width = input.ConsumeIntegralInRange<int32_t>(0, int32_t(stride * 8));
  const uint32_t bandRows = velko::fuzz::ChooseRows(input, stride);
  const int32_t nextRow = input.ConsumeIntegralInRange<int32_t>(0, int32_t(bandRows - 1));
  const int32_t padBlocks = input.ConsumeIntegralInRange<int32_t>(0, 40);

  const uint32_t bandBytes = bandRows * stride;
  const uint32_t strips = StripsPerCall(kMonoShape, bandBytes, stride, nextRow, width, padBlocks);
  const uint32_t readableRows = std::max(bandRows, uint32_t(nextRow) + 8 * strips);
  std::vector<uint8_t> band(BandAllocation(readableRows, stride));
  velko::fuzz::FillFromRest(input, &band, 1);
  const std::vector<uint8_t> before = band;
  const std::size_t stripBytes = std::size_t(StripOutputBytes(kMonoShape, width, padBlocks));
  // Allocated with new[] so that even an empty output area is a valid,
  // checked allocation.
  const std::size_t outBytes = stripBytes * strips;
  const std::unique_ptr<uint8_t[]> out(new uint8_t[outBytes]);
  std::fill(out.get(), out.get() + outBytes, kUntouched);
  const std::unique_ptr<uint8_t[]> flags(new uint8_t[strips + 1]);

  int32_t row = nextRow;
  const uint32_t result =
      xmonoblk(padBlocks, flags.get(), band.data(), out.get(), bandBytes, stride, width, &row);

  CheckTiles({result, strips, row, nextRow, stride, width, padBlocks}, flags.get(), out.get(), before, band);
  return 0;
}
