// Test helpers for the band coders: segmented color and mono bands laid out
// as the driver lays them, the three color coders behind one signature, and
// one call with its output area pre-filled with a sentinel so that bytes the
// coder did not store stay visible.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "render/band_geometry.h"
#include "render/velko_sb.h"

namespace velko::sb::test {

inline constexpr uint8_t kSentinel = 0xA5;

struct Pixel {
  uint8_t r, g, b;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};

inline constexpr Pixel W{255, 255, 255};
inline constexpr Pixel K{0, 0, 0};

// Three planes of ROWS rows of STRIDE bytes in 64 KB segments, white, with
// the unused segment tails filled with the sentinel.
class ColorBand {
 public:
  ColorBand(uint32_t stride, uint32_t rows) : stride_(stride), rows_(rows) {
    for (auto& plane : planes_) {
      plane.assign(BandAllocation(rows, stride), kSentinel);
      for (uint32_t y = 0; y < rows; ++y) std::memset(plane.data() + RowOffset(y, stride), 0xFF, stride);
    }
  }

  void Set(uint32_t x, uint32_t y, Pixel p) {
    const std::size_t at = RowOffset(y, stride_) + x;
    planes_[0][at] = p.r;
    planes_[1][at] = p.g;
    planes_[2][at] = p.b;
  }
  Pixel Get(uint32_t x, uint32_t y) const {
    const std::size_t at = RowOffset(y, stride_) + x;
    return Pixel{planes_[0][at], planes_[1][at], planes_[2][at]};
  }
  void Fill(uint32_t x0, uint32_t y0, uint32_t w, uint32_t h, Pixel p) {
    for (uint32_t y = y0; y < y0 + h; ++y) {
      for (uint32_t x = x0; x < x0 + w; ++x) Set(x, y, p);
    }
  }

  uint8_t* Plane(int c) { return planes_[c].data(); }
  const std::vector<uint8_t>& PlaneBytes(int c) const { return planes_[c]; }
  uint32_t stride() const { return stride_; }
  uint32_t rows() const { return rows_; }

 private:
  uint32_t stride_;
  uint32_t rows_;
  std::vector<uint8_t> planes_[3];
};

using ColorCoderFn = uint32_t (*)(int32_t, uint8_t*, uint8_t*, uint8_t*, uint8_t*, uint8_t*, int32_t, uint8_t*,
                                  uint32_t, uint32_t, int32_t, int32_t*, const uint8_t*);

struct ColorCoder {
  std::string name;
  ColorCoderFn fn;
  CoderShape shape;
};

inline const ColorCoder kQuick{"quick", &xbicolquick, kQuickShape};
inline const ColorCoder kFine{"fine", &xbicolfine, kFineShape};
inline const ColorCoder kFine2{"fine2", &xbicolfine2, kFine2Shape};

struct ColorCallSetup {
  int32_t width = 0;
  uint32_t bandRows = 0;  // rows counted in bandBytes (the band may hold more)
  int32_t nextRow = 0;
  int32_t padBlocks = 0;
  int32_t convert = 0;
  const uint8_t* table = nullptr;
  uint8_t inkFlags = 0x0F;
};

struct CallResult {
  uint32_t strips = 0;
  std::vector<uint8_t> flags;  // up to and including the terminator
  std::vector<uint8_t> out;    // sentinel where nothing was stored
  uint8_t inkFlags = 0;
  int32_t nextRow = 0;
};

// Room for a generous number of strips; what a call may use is bounded by
// the strips-per-call rule, checked by the tests that care.
inline CallResult CallColorCoder(const ColorCoder& coder, ColorBand& band, const ColorCallSetup& setup,
                                 std::size_t outStrips = 64) {
  CallResult result;
  result.out.assign(outStrips * StripOutputBytes(coder.shape, setup.width, setup.padBlocks), kSentinel);
  std::vector<uint8_t> flags(outStrips + 1, kSentinel);
  result.inkFlags = setup.inkFlags;
  result.nextRow = setup.nextRow;
  result.strips = coder.fn(setup.padBlocks, flags.data(), &result.inkFlags, band.Plane(0), band.Plane(1),
                           band.Plane(2), setup.convert, result.out.data(), band.stride() * setup.bandRows,
                           band.stride(), setup.width, &result.nextRow, setup.table);
  flags.resize(result.strips + 1 <= flags.size() ? result.strips + 1 : flags.size());
  result.flags = flags;
  return result;
}

// A 1-bit band, white, sentinel in the segment tails.
class MonoBand {
 public:
  MonoBand(uint32_t stride, uint32_t rows) : stride_(stride), rows_(rows) {
    bytes_.assign(BandAllocation(rows, stride), kSentinel);
    for (uint32_t y = 0; y < rows; ++y) std::memset(bytes_.data() + RowOffset(y, stride), 0xFF, stride);
  }
  uint8_t& At(uint32_t column, uint32_t y) { return bytes_[RowOffset(y, stride_) + column]; }
  uint8_t* data() { return bytes_.data(); }
  uint32_t stride() const { return stride_; }
  uint32_t rows() const { return rows_; }

 private:
  uint32_t stride_;
  uint32_t rows_;
  std::vector<uint8_t> bytes_;
};

inline CallResult CallMono(MonoBand& band, int32_t width, uint32_t bandRows, int32_t nextRow, int32_t padBlocks,
                           std::size_t outStrips = 64) {
  CallResult result;
  result.out.assign(outStrips * StripOutputBytes(kMonoShape, width, padBlocks), kSentinel);
  std::vector<uint8_t> flags(outStrips + 1, kSentinel);
  result.nextRow = nextRow;
  result.strips = xmonoblk(padBlocks, flags.data(), band.data(), result.out.data(), band.stride() * bandRows,
                           band.stride(), width, &result.nextRow);
  flags.resize(result.strips + 1 <= flags.size() ? result.strips + 1 : flags.size());
  result.flags = flags;
  return result;
}

inline std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> bytes;
  for (int v : values) bytes.push_back(uint8_t(v));
  return bytes;
}

}  // namespace velko::sb::test
