// The strip loop shared by the three color coders: strips per call, blocks
// read (and whitened) from the three segmented planes, white blocks deferred
// so that runs of them cost a counter, black blocks, blank strips that only
// advance the output, pad records, StripFlags and InkFlags. What a coded
// block becomes is the BlockCoder's business:
//   BlockCoder::kN             block side (and strip height)
//   BlockCoder::kShape         its CoderShape
//   BlockCoder::Code(px, convert, record, ink)  writes the record, clears ink bits
#pragma once

#include <cstring>

#include "render/band_geometry.h"
#include "render/block_analysis.h"
#include "render/block_lanes.h"
#include "render/color_conversion.h"

namespace velko::sb {

struct ColorCall {
  int32_t padBlocks;
  uint8_t* stripFlags;
  uint8_t* inkFlags;
  uint8_t* planes[3];
  int32_t convert;
  uint8_t* out;
  uint32_t bandBytes;
  uint32_t stride;
  int32_t width;
  int32_t* nextRow;
  const uint8_t* table;
};

inline constexpr uint8_t kStripStored = 0;
inline constexpr uint8_t kStripBlank = 1;
inline constexpr uint8_t kFlagsEnd = 0xFF;

namespace detail {

// The rows of one strip in the three planes; a strip may continue in the
// next segment, so each row has its own offset.
template <int N>
struct StripRows {
  uint8_t* row[3][N];

  StripRows(uint8_t* const planes[3], uint32_t firstRow, uint32_t stride) {
    for (int k = 0; k < N; ++k) {
      const std::size_t offset = RowOffset(firstRow + uint32_t(k), stride);
      for (int c = 0; c < 3; ++c) row[c][k] = planes[c] + offset;
    }
  }
};

// True when the first BYTES bytes of every row of the strip are 0xFF.
template <int N>
bool StripIsWhite(const StripRows<N>& rows, std::size_t bytes) {
  for (int c = 0; c < 3; ++c) {
    for (int k = 0; k < N; ++k) {
      const uint8_t* p = rows.row[c][k];
      uint64_t all = ~uint64_t{0};
      std::size_t i = 0;
      for (; i + 8 <= bytes; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        all &= word;
      }
      for (; i < bytes; ++i) all &= 0xFFFFFFFFFFFFFF00u | p[i];
      if (all != ~uint64_t{0}) return false;
    }
  }
  return true;
}

template <int N>
constexpr uint64_t kWholeBlock = N * N == 64 ? ~uint64_t{0} : (uint64_t{1} << (N * N)) - 1;

// Whitens blocks FIRST..END-1 of the strip: a run of coded blocks is
// whitened at once, row by row, rather than four bytes at a time.
template <int N>
void WhitenBlocks(const StripRows<N>& rows, std::size_t first, std::size_t end) {
  for (int c = 0; c < 3; ++c) {
    for (int k = 0; k < N; ++k) std::memset(rows.row[c][k] + first * N, 0xFF, (end - first) * N);
  }
}

// Codes one strip that is not all white into OUT (the caller advances OUT by
// the strip's full size). White blocks only count until a stored record
// follows them; black blocks are all-zero records.
template <class BlockCoder, class Convert>
void CodeStrip(const StripRows<BlockCoder::kN>& rows, uint32_t blocks, int32_t padBlocks, uint8_t* out,
               Convert& convert, uint8_t& ink) {
  constexpr int N = BlockCoder::kN;
  constexpr std::size_t kRecord = BlockCoder::kShape.recordBytes;
  std::size_t pendingWhite = 0;
  std::size_t codedFrom = 0;  // first block of the current run of stored blocks
  for (uint32_t index = 0; index < blocks; ++index) {
    const std::size_t x = std::size_t(index) * N;
    Block<N> block;
    for (int c = 0; c < 3; ++c) block.ch[c] = LoadRows<N>(rows.row[c], x);
    if ((block.ch[0] & block.ch[1] & block.ch[2]).Equal(0xFF).Bits() == kWholeBlock<N>) {
      if (pendingWhite == 0 && codedFrom < index) WhitenBlocks<N>(rows, codedFrom, index);
      ++pendingWhite;
      continue;
    }
    if (pendingWhite > 0) {
      std::memset(out, 0xFF, pendingWhite * kRecord);
      out += pendingWhite * kRecord;
      pendingWhite = 0;
      codedFrom = index;
    }
    if ((block.ch[0] | block.ch[1] | block.ch[2]).Equal(0).Bits() == kWholeBlock<N>) {
      std::memset(out, 0x00, kRecord);
      ink &= uint8_t(~kInkBlackBit);
    } else {
      BlockCoder::Code(block, convert, out, ink);
    }
    out += kRecord;
  }
  if (pendingWhite == 0) WhitenBlocks<N>(rows, codedFrom, blocks);
  std::memset(out, 0xFF, (pendingWhite + std::size_t(std::max(padBlocks, 0))) * kRecord);
}

template <class BlockCoder, class Convert>
uint32_t RunStrips(const ColorCall& call, Convert convert) {
  constexpr int N = BlockCoder::kN;
  constexpr CoderShape kShape = BlockCoder::kShape;
  const uint32_t strips =
      StripsPerCall(kShape, call.bandBytes, call.stride, *call.nextRow, call.width, call.padBlocks);
  const uint32_t blocks = BlocksPerStrip(kShape, call.width);
  const std::size_t stripBytes = std::size_t(StripOutputBytes(kShape, call.width, call.padBlocks));
  uint8_t ink = *call.inkFlags & kInkFlagsKept;
  uint8_t* out = call.out;
  uint32_t row = uint32_t(*call.nextRow);
  for (uint32_t strip = 0; strip < strips; ++strip, row += N, out += stripBytes) {
    const StripRows<N> rows(call.planes, row, call.stride);
    if (StripIsWhite<N>(rows, std::size_t(blocks) * N)) {
      call.stripFlags[strip] = kStripBlank;
      continue;
    }
    call.stripFlags[strip] = kStripStored;
    CodeStrip<BlockCoder>(rows, blocks, call.padBlocks, out, convert, ink);
  }
  call.stripFlags[strips] = kFlagsEnd;
  *call.nextRow += int32_t(strips * N);
  *call.inkFlags = ink;
  return strips;
}

}  // namespace detail

// Runs a color coder over one call's strips with the conversion its
// `convert` argument selects; a converting call starts with a fresh cache.
template <class BlockCoder>
uint32_t RunColorCoder(const ColorCall& call) {
  if (call.convert == 0) return detail::RunStrips<BlockCoder>(call, NoConversion{});
  if (call.convert == kConvertKeepPure) {
    return detail::RunStrips<BlockCoder>(call, ConvertKeepingPureColors(call.table));
  }
  return detail::RunStrips<BlockCoder>(call, ConvertAll(call.table));
}

}  // namespace velko::sb
