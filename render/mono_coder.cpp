// xmonoblk: a 1-bit band (set bit = white) regrouped into 8 x 8 tiles, each
// the eight bytes of one byte column over the eight rows of a strip,
// inverted so that a set bit is a black dot.
#include <emmintrin.h>

#include <cstring>

#include "render/band_geometry.h"
#include "render/velko_sb.h"

namespace velko::sb {
namespace {

constexpr int kStripRows = 8;
constexpr std::size_t kTileBytes = 8;

// True when all BYTES bytes of every row are 0xFF. Scans sixteen columns of
// all eight rows at a time, so that a strip with ink stops early.
bool RowsAreWhite(uint8_t* const rows[kStripRows], std::size_t bytes) {
  const __m128i ones = _mm_set1_epi8(-1);
  std::size_t i = 0;
  for (; i + 16 <= bytes; i += 16) {
    __m128i all = ones;
    for (int k = 0; k < kStripRows; ++k) {
      all = _mm_and_si128(all, _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + i)));
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(all, ones)) != 0xFFFF) return false;
  }
  uint8_t tail = 0xFF;
  for (; i < bytes; ++i) {
    for (int k = 0; k < kStripRows; ++k) tail &= rows[k][i];
  }
  return tail == 0xFF;
}

// Sixteen tiles from sixteen byte columns of the eight rows: a byte
// transpose of an 8 x 16 block by three rounds of interleaving, inverted.
// White columns (the most common case on a text page) store zero tiles and
// leave the band untouched, being white already.
void StoreSixteenTiles(uint8_t* const rows[kStripRows], std::size_t column, uint8_t* out, __m128i& all) {
  const __m128i ones = _mm_set1_epi8(-1);
  __m128i r[kStripRows];
  __m128i chunk = ones;
  for (int k = 0; k < kStripRows; ++k) {
    r[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + column));
    chunk = _mm_and_si128(chunk, r[k]);
  }
  uint8_t* tilesOut = out + column * kTileBytes;
  if (_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, ones)) == 0xFFFF) {
    for (int t = 0; t < 8; ++t) _mm_storeu_si128(reinterpret_cast<__m128i*>(tilesOut + 16 * t), _mm_setzero_si128());
    return;
  }
  all = _mm_and_si128(all, chunk);
  for (int k = 0; k < kStripRows; ++k) _mm_storeu_si128(reinterpret_cast<__m128i*>(rows[k] + column), ones);
  // Rows pairwise, then in fours, then all eight per column.
  const __m128i a0 = _mm_unpacklo_epi8(r[0], r[1]), a1 = _mm_unpackhi_epi8(r[0], r[1]);
  const __m128i a2 = _mm_unpacklo_epi8(r[2], r[3]), a3 = _mm_unpackhi_epi8(r[2], r[3]);
  const __m128i a4 = _mm_unpacklo_epi8(r[4], r[5]), a5 = _mm_unpackhi_epi8(r[4], r[5]);
  const __m128i a6 = _mm_unpacklo_epi8(r[6], r[7]), a7 = _mm_unpackhi_epi8(r[6], r[7]);
  const __m128i b0 = _mm_unpacklo_epi16(a0, a2), b1 = _mm_unpackhi_epi16(a0, a2);
  const __m128i b2 = _mm_unpacklo_epi16(a1, a3), b3 = _mm_unpackhi_epi16(a1, a3);
  const __m128i b4 = _mm_unpacklo_epi16(a4, a6), b5 = _mm_unpackhi_epi16(a4, a6);
  const __m128i b6 = _mm_unpacklo_epi16(a5, a7), b7 = _mm_unpackhi_epi16(a5, a7);
  const __m128i tiles[8] = {
      _mm_unpacklo_epi32(b0, b4), _mm_unpackhi_epi32(b0, b4), _mm_unpacklo_epi32(b1, b5), _mm_unpackhi_epi32(b1, b5),
      _mm_unpacklo_epi32(b2, b6), _mm_unpackhi_epi32(b2, b6), _mm_unpacklo_epi32(b3, b7), _mm_unpackhi_epi32(b3, b7),
  };
  for (int t = 0; t < 8; ++t) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(tilesOut + 16 * t), _mm_xor_si128(tiles[t], ones));
  }
}

// Stores the tiles of COLUMNS byte columns and whitens them in the band.
// Returns the AND of the source bytes, all ones when they were all white.
uint8_t StoreTiles(uint8_t* const rows[kStripRows], std::size_t columns, uint8_t* out) {
  __m128i all = _mm_set1_epi8(-1);
  std::size_t column = 0;
  for (; column + 16 <= columns; column += 16) StoreSixteenTiles(rows, column, out, all);
  uint8_t tail = 0xFF;
  for (; column < columns; ++column) {
    for (int k = 0; k < kStripRows; ++k) {
      const uint8_t source = rows[k][column];
      tail &= source;
      out[column * kTileBytes + std::size_t(k)] = uint8_t(~source);
      rows[k][column] = 0xFF;
    }
  }
  const bool white = _mm_movemask_epi8(_mm_cmpeq_epi8(all, _mm_set1_epi8(-1))) == 0xFFFF && tail == 0xFF;
  return white ? 0xFF : 0x00;
}

}  // namespace
}  // namespace velko::sb

VELKO_EXPORT uint32_t xmonoblk(int32_t padBlocks, uint8_t* stripFlags, uint8_t* bits, uint8_t* out,
                               uint32_t bandBytes, uint32_t stride, int32_t width, int32_t* nextRow) {
  using namespace velko::sb;
  const uint32_t strips = StripsPerCall(kMonoShape, bandBytes, stride, *nextRow, width, padBlocks);
  const std::size_t columns = BlocksPerStrip(kMonoShape, width);
  const std::size_t tileBytes = columns * kTileBytes;
  const std::size_t stripBytes = std::size_t(StripOutputBytes(kMonoShape, width, padBlocks));
  const uint32_t perSegment = RowsPerSegment(stride);
  uint32_t row = uint32_t(*nextRow);
  for (uint32_t strip = 0; strip < strips; ++strip, row += kStripRows, out += stripBytes) {
    uint8_t* rows[kStripRows];
    for (int k = 0; k < kStripRows; ++k) rows[k] = bits + RowOffset(row + uint32_t(k), stride);
    const bool straddles = row % perSegment + kStripRows > perSegment;
    if (!straddles && RowsAreWhite(rows, stride)) {
      stripFlags[strip] = 1;  // blank: nothing stored, the output still advances
      continue;
    }
    // A strip continued in the next segment is always stored; its flag
    // looks at the coded columns only.
    const uint8_t all = StoreTiles(rows, columns, out);
    if (stripBytes > tileBytes) std::memset(out + tileBytes, 0x00, stripBytes - tileBytes);  // pad tiles
    stripFlags[strip] = straddles && all == 0xFF ? 1 : 0;
  }
  stripFlags[strips] = 0xFF;
  *nextRow += int32_t(strips * kStripRows);
  return strips;
}
