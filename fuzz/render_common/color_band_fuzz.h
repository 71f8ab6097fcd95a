// The body shared by the color coder fuzzers: the input chooses the band
// geometry, the call arguments and the pixels; the band, output and flag
// areas are allocated exactly as large as the caller contract requires, so
// AddressSanitizer sees any access past them; the framing rules are then
// checked on the result.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "render/band_geometry.h"
#include "render/velko_sb.h"

namespace velko::fuzz {

using ColorCoderFn = decltype(&xbicolquick);

inline void Check(bool condition) {
  if (!condition) std::abort();
}

// Pixel bytes drawn so that white, black and pure values are common.
inline uint8_t PixelByte(FuzzedDataProvider& input) {
  const uint8_t v = input.ConsumeIntegral<uint8_t>();
  if (v < 64) return 0xFF;
  if (v < 80) return 0x00;
  return v;
}

inline int RunColorCoderFuzz(const uint8_t* data, size_t size, ColorCoderFn coder, const sb::CoderShape& shape) {
  FuzzedDataProvider input(data, size);
  const uint32_t n = shape.blockSize;
  // Strides around the segment-splitting sizes matter most; now and then a
  // wide one.
  const uint32_t stride = input.ConsumeBool() ? input.ConsumeIntegralInRange<uint32_t>(1, 1100)
                                              : input.ConsumeIntegralInRange<uint32_t>(1, 65536);
  const uint32_t maxBlocks = stride / n;
  const int32_t width = maxBlocks == 0 ? 0 : input.ConsumeIntegralInRange<int32_t>(0, int32_t(maxBlocks * n));
  // Bands of up to two segments and a little more, so that calls look past
  // segment boundaries without making every run slow.
  const uint32_t maxRows = std::max<uint32_t>(1, std::min<uint32_t>(400, 140000 / stride));
  const uint32_t bandRows = input.ConsumeIntegralInRange<uint32_t>(1, maxRows);
  const int32_t nextRow = input.ConsumeIntegralInRange<int32_t>(0, int32_t(bandRows - 1));
  const int32_t padBlocks = input.ConsumeIntegralInRange<int32_t>(0, 40);
  const int32_t convert = input.PickValueInArray<int32_t>({0, 1, 5, -7});
  uint8_t ink = input.ConsumeIntegral<uint8_t>();
  const uint8_t inkAtEntry = ink;

  const uint32_t bandBytes = bandRows * stride;
  const uint32_t strips = sb::StripsPerCall(shape, bandBytes, stride, nextRow, width, padBlocks);
  // Rows must be readable up to a strip past nextRow (the coder codes at
  // least one strip, even past the band's end).
  const uint32_t readableRows = std::max(bandRows, uint32_t(nextRow) + n * std::max(strips, 1u));
  const std::size_t planeBytes = sb::BandAllocation(readableRows, stride);
  std::vector<uint8_t> planes[3];
  for (auto& plane : planes) {
    plane.resize(planeBytes);
    for (auto& b : plane) b = input.remaining_bytes() > 0 ? PixelByte(input) : 0xFF;
  }
  std::vector<uint8_t> table(17 * 17 * 17 * 3);
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = uint8_t(i * 37 + 11);

  const std::size_t stripBytes = std::size_t(sb::StripOutputBytes(shape, width, padBlocks));
  constexpr uint8_t kUntouched = 0xA5;
  // Allocated with new[] so that even an empty output area is a valid,
  // checked allocation.
  const std::size_t outBytes = stripBytes * strips;
  const std::unique_ptr<uint8_t[]> out(new uint8_t[outBytes]);
  std::fill(out.get(), out.get() + outBytes, kUntouched);
  const std::unique_ptr<uint8_t[]> flags(new uint8_t[strips + 1]);
  const std::vector<uint8_t> before[3] = {planes[0], planes[1], planes[2]};

  int32_t row = nextRow;
  const uint32_t result = coder(padBlocks, flags.get(), &ink, planes[0].data(), planes[1].data(), planes[2].data(),
                                convert, out.get(), bandBytes, stride, width, &row, table.data());

  Check(result == strips);
  Check(row == nextRow + int32_t(strips * n));
  Check(flags[strips] == 0xFF);
  Check((ink & 0xF0) == 0 && (ink & ~inkAtEntry) == 0);
  const std::size_t codedBytes = std::size_t(sb::BlocksPerStrip(shape, width)) * n;
  for (uint32_t strip = 0; strip < strips; ++strip) {
    bool white = true;
    for (uint32_t k = 0; k < n; ++k) {
      const std::size_t at = sb::RowOffset(uint32_t(nextRow) + strip * n + k, stride);
      for (int c = 0; c < 3; ++c) {
        for (std::size_t x = 0; x < codedBytes; ++x) {
          white = white && before[c][at + x] == 0xFF;
          Check(planes[c][at + x] == 0xFF);  // everything coded is whitened
        }
      }
    }
    Check(flags[strip] == (white ? 1 : 0));
    const uint8_t* first = out.get() + strip * stripBytes;
    const uint8_t* last = first + stripBytes;
    if (white) {
      Check(std::all_of(first, last, [](uint8_t b) { return b == kUntouched; }));
    } else {
      Check(std::all_of(last - std::size_t(padBlocks) * shape.recordBytes, last,
                        [](uint8_t b) { return b == 0xFF; }));
    }
  }
  return 0;
}

}  // namespace velko::fuzz
