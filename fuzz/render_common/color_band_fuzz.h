// The body shared by the band coder fuzzers: the input chooses the band
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

// The harness's own loops (filling the band, checking the result) are left
// out of the coverage the fuzzer steers by: they would dominate its time and
// add no information about the coder.
#define VELKO_FUZZ_HARNESS __attribute__((no_sanitize("coverage")))

namespace velko::fuzz {

using ColorCoderFn = decltype(&xbicolquick);

inline void Check(bool condition) {
  if (!condition) std::abort();
}

// Pixel bytes drawn so that white, black and pure values are common.
inline uint8_t PixelByte(uint8_t v) {
  if (v < 64) return 0xFF;
  if (v < 80) return 0x00;
  return v;
}

// Strides: small ones (many blocks per byte of input), the ones around the
// segment-splitting sizes, and now and then a wide one.
inline uint32_t ChooseStride(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return input.ConsumeIntegralInRange<uint32_t>(1, 64);
  if (input.ConsumeBool()) return input.ConsumeIntegralInRange<uint32_t>(1, 1100);
  return input.ConsumeIntegralInRange<uint32_t>(1, 65536);
}

// Rows of a band: mostly a few kilobytes, sometimes more than two segments
// so that calls look past segment boundaries.
inline uint32_t ChooseRows(FuzzedDataProvider& input, uint32_t stride) {
  const uint32_t budget = input.ConsumeBool() ? 4096 : 140000;
  return input.ConsumeIntegralInRange<uint32_t>(1, std::max<uint32_t>(1, std::min<uint32_t>(600, budget / stride)));
}

// The rest of the input, repeated, as pixel bytes of COUNT interleaved
// planes; white when there is none.
VELKO_FUZZ_HARNESS inline void FillFromRest(FuzzedDataProvider& input, std::vector<uint8_t>* planes, int count) {
  const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
  std::size_t next = 0;
  for (std::size_t i = 0; i < planes[0].size(); ++i) {
    for (int c = 0; c < count; ++c) {
      planes[c][i] = rest.empty() ? 0xFF : PixelByte(rest[next]);
      if (++next == rest.size()) next = 0;
    }
  }
}

// Any complete color table will do; the conversion arithmetic is tested
// elsewhere.
VELKO_FUZZ_HARNESS inline std::vector<uint8_t> MakeTable() {
  std::vector<uint8_t> table(17 * 17 * 17 * 3);
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = uint8_t(i * 37 + 11);
  return table;
}

struct CallFacts {
  uint32_t result, strips;
  int32_t row, nextRow;
  uint32_t n;
  uint8_t ink, inkAtEntry;
  uint32_t stride;
  int32_t width, padBlocks;
  const sb::CoderShape& shape;
};

constexpr uint8_t kUntouched = 0xA5;

// The framing rules: strip count and row advance, the terminator, InkFlags
// only cleared and bits 4..7 zero, every coded byte whitened, a strip blank
// exactly when its blocks were white (and then its output untouched), pad
// records white.
VELKO_FUZZ_HARNESS inline void CheckResult(const CallFacts& f, const uint8_t* flags, const uint8_t* out,
                                           const std::vector<uint8_t> (&before)[3],
                                           const std::vector<uint8_t> (&planes)[3]) {
  Check(f.result == f.strips);
  Check(f.row == f.nextRow + int32_t(f.strips * f.n));
  Check(flags[f.strips] == 0xFF);
  Check((f.ink & 0xF0) == 0 && (f.ink & ~f.inkAtEntry) == 0);
  const std::size_t codedBytes = std::size_t(sb::BlocksPerStrip(f.shape, f.width)) * f.n;
  const std::size_t stripBytes = std::size_t(sb::StripOutputBytes(f.shape, f.width, f.padBlocks));
  for (uint32_t strip = 0; strip < f.strips; ++strip) {
    bool white = true;
    for (uint32_t k = 0; k < f.n; ++k) {
      const std::size_t at = sb::RowOffset(uint32_t(f.nextRow) + strip * f.n + k, f.stride);
      for (int c = 0; c < 3; ++c) {
        for (std::size_t x = 0; x < codedBytes; ++x) {
          white = white && before[c][at + x] == 0xFF;
          Check(planes[c][at + x] == 0xFF);
        }
      }
    }
    Check(flags[strip] == (white ? 1 : 0));
    const uint8_t* first = out + strip * stripBytes;
    const uint8_t* last = first + stripBytes;
    if (white) {
      Check(std::all_of(first, last, [](uint8_t b) { return b == kUntouched; }));
    } else {
      Check(std::all_of(last - std::size_t(f.padBlocks) * f.shape.recordBytes, last,
                        [](uint8_t b) { return b == 0xFF; }));
    }
  }
}

inline int RunColorCoderFuzz(const uint8_t* data, size_t size, ColorCoderFn coder, const sb::CoderShape& shape) {
  FuzzedDataProvider input(data, size);
  const uint32_t n = shape.blockSize;
  const uint32_t stride = ChooseStride(input);
  const uint32_t maxBlocks = stride / n;
  const int32_t width = maxBlocks == 0 ? 0 : input.ConsumeIntegralInRange<int32_t>(0, int32_t(maxBlocks * n));
  const uint32_t bandRows = ChooseRows(input, stride);
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
  for (auto& plane : planes) plane.resize(planeBytes);
  FillFromRest(input, planes, 3);
  static const std::vector<uint8_t> table = MakeTable();

  const std::size_t stripBytes = std::size_t(sb::StripOutputBytes(shape, width, padBlocks));
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

  CheckResult({result, strips, row, nextRow, n, ink, inkAtEntry, stride, width, padBlocks, shape}, flags.get(),
              out.get(), before, planes);
  return 0;
}

}  // namespace velko::fuzz
