// Geometry of the band coders: where a row of a segmented band lies, and how
// many strips one coder call codes. Header-only, so that whoever lays bands
// out for the coders (the print pipeline, tests, fuzzers) sizes its buffers by
// the very rules the coders follow.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace velko::sb {

// Bands live in 64 KB segments and no row crosses one: the tail of each
// segment that cannot hold a whole row stays unused.
inline constexpr uint32_t kSegmentBytes = 65536;
// A call's records are meant to stay below this many bytes.
inline constexpr uint64_t kOutputLimit = 65536;
// Coders that may span two segments per call look at most this far ahead.
inline constexpr uint32_t kTwoSegmentBytes = 131072;

constexpr uint32_t RowsPerSegment(uint32_t stride) { return kSegmentBytes / stride; }

// Byte offset of ROW from the band's base.
constexpr std::size_t RowOffset(uint32_t row, uint32_t stride) {
  const uint32_t perSegment = RowsPerSegment(stride);
  return std::size_t(row / perSegment) * kSegmentBytes + std::size_t(row % perSegment) * stride;
}

// Bytes a caller must allocate so that rows 0..rows-1 are addressable.
constexpr std::size_t BandAllocation(uint32_t rows, uint32_t stride) {
  return rows == 0 ? 0 : RowOffset(rows - 1, stride) + stride;
}

// How far one call may look into the rest of the band.
enum class Lookahead {
  kTwoSegments,  // at most 131072 bytes of rows
  kOneSegment,   // below 65536 bytes as is, else the rows of one segment
};

struct CoderShape {
  uint32_t blockSize;    // pixels per block side; also the strip height
  uint32_t recordBytes;  // bytes per block record or tile
  Lookahead lookahead;
  uint32_t minStrips;    // the color coders always code a strip
};

inline constexpr CoderShape kQuickShape{4, 8, Lookahead::kTwoSegments, 1};
inline constexpr CoderShape kFineShape{4, 16, Lookahead::kOneSegment, 1};
inline constexpr CoderShape kFine2Shape{8, 28, Lookahead::kTwoSegments, 1};
inline constexpr CoderShape kMonoShape{8, 8, Lookahead::kOneSegment, 0};

// Blocks (or tile columns) per strip; a width of 0 or less codes none.
constexpr uint32_t BlocksPerStrip(const CoderShape& shape, int32_t width) {
  if (width <= 0) return 0;
  return (uint32_t(width) + shape.blockSize - 1) / shape.blockSize;
}

// Records a strip occupies in the output: its blocks, then the pad records.
// A negative pad count means no pad.
constexpr uint64_t RecordsPerStrip(const CoderShape& shape, int32_t width, int32_t padBlocks) {
  return uint64_t(BlocksPerStrip(shape, width)) + uint64_t(std::max(padBlocks, 0));
}

constexpr uint64_t StripOutputBytes(const CoderShape& shape, int32_t width, int32_t padBlocks) {
  return RecordsPerStrip(shape, width, padBlocks) * shape.recordBytes;
}

// Strips one call codes from NEXTROW on. The remaining byte count is formed
// with 32-bit unsigned arithmetic, as the driver's calls expect; the output
// limit takes one strip off once, so it bounds a call only when a strip is
// at least the excess (the caller sizes its output by this count).
constexpr uint32_t StripsPerCall(const CoderShape& shape, uint32_t bandBytes, uint32_t stride,
                                 int32_t nextRow, int32_t width, int32_t padBlocks) {
  const uint32_t remaining = bandBytes - stride * uint32_t(nextRow);
  uint32_t rows = 0;
  if (shape.lookahead == Lookahead::kTwoSegments) {
    rows = std::min(remaining, kTwoSegmentBytes) / stride;
  } else {
    rows = remaining < kSegmentBytes ? remaining / stride : RowsPerSegment(stride);
  }
  uint32_t strips = std::max(rows / shape.blockSize, shape.minStrips);
  if (strips > 0 && StripOutputBytes(shape, width, padBlocks) * strips >= kOutputLimit) --strips;
  return strips;
}

}  // namespace velko::sb
