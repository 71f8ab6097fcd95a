// Integer trilinear lookup in a color table: 4-bit fractions, weights out of
// 4,096, truncated. LookupColorTable is the driver's per-pixel form over the
// module table; TableLookup gives the same bytes over any table, fast enough
// for whole images.
#include <algorithm>

#include "color/color_table.h"

namespace velko::color {
namespace {

constexpr unsigned kWeightShift = 12;  // the 8 weights add up to 16^3 = 4096
constexpr int kLaneBits = 21;
constexpr uint64_t kLaneMask = (uint64_t{1} << kLaneBits) - 1;
static_assert(255u * 4096u <= kLaneMask, "a channel's weighted sum must fit its lane");

// Offsets of the 8 cell corners from the near corner, in grid points, in the
// order (di, dj, dk) = 000, 001, 010, 011, 100, 101, 110, 111.
constexpr int kCornerStep[8] = {0, 1, 17, 18, 289, 290, 306, 307};

// Inputs are bytes; a larger value is held at 255 so that the far corner of
// its cell still lies inside the table.
unsigned ClampInput(unsigned v) { return std::min(v, 255u); }

}  // namespace

void LookupColorTable(unsigned r, unsigned g, unsigned b, uint8_t* outR, uint8_t* outG,
                      uint8_t* outB) {
  r = ClampInput(r);
  g = ClampInput(g);
  b = ClampInput(b);
  const uint8_t* table = CurrentColorTable().data();
  const unsigned i = r >> 4, fr = r & 15;
  const unsigned j = g >> 4, fg = g & 15;
  const unsigned k = b >> 4, fb = b & 15;
  unsigned sum[3] = {0, 0, 0};
  for (unsigned di = 0; di < 2; ++di) {
    for (unsigned dj = 0; dj < 2; ++dj) {
      for (unsigned dk = 0; dk < 2; ++dk) {
        const unsigned w = (di ? fr : 16 - fr) * (dj ? fg : 16 - fg) * (dk ? fb : 16 - fb);
        const uint8_t* e = table + GridOffset(i + di, j + dj, k + dk);
        for (int c = 0; c < 3; ++c) sum[c] += w * e[c];
      }
    }
  }
  *outR = static_cast<uint8_t>(sum[0] >> kWeightShift);
  *outG = static_cast<uint8_t>(sum[1] >> kWeightShift);
  *outB = static_cast<uint8_t>(sum[2] >> kWeightShift);
}

TableLookup::TableLookup(TableView table) {
  for (int p = 0; p < kGridPoints * kGridPoints * kGridPoints; ++p) {
    const uint8_t* e = table.data() + 3 * p;
    packed_[p] = uint64_t{e[0]} | uint64_t{e[1]} << kLaneBits | uint64_t{e[2]} << 2 * kLaneBits;
  }
}

void TableLookup::Map(unsigned r, unsigned g, unsigned b, uint8_t* outR, uint8_t* outG,
                      uint8_t* outB) const {
  r = ClampInput(r);
  g = ClampInput(g);
  b = ClampInput(b);
  const uint64_t* cell = packed_ + 289 * (r >> 4) + 17 * (g >> 4) + (b >> 4);
  const uint64_t fr = r & 15, fg = g & 15, fb = b & 15;
  const uint64_t rg00 = (16 - fr) * (16 - fg), rg01 = (16 - fr) * fg;
  const uint64_t rg10 = fr * (16 - fg), rg11 = fr * fg;
  const uint64_t nb = 16 - fb;
  const uint64_t sum = rg00 * nb * cell[kCornerStep[0]] + rg00 * fb * cell[kCornerStep[1]] +
                       rg01 * nb * cell[kCornerStep[2]] + rg01 * fb * cell[kCornerStep[3]] +
                       rg10 * nb * cell[kCornerStep[4]] + rg10 * fb * cell[kCornerStep[5]] +
                       rg11 * nb * cell[kCornerStep[6]] + rg11 * fb * cell[kCornerStep[7]];
  *outR = static_cast<uint8_t>((sum & kLaneMask) >> kWeightShift);
  *outG = static_cast<uint8_t>((sum >> kLaneBits & kLaneMask) >> kWeightShift);
  *outB = static_cast<uint8_t>((sum >> 2 * kLaneBits & kLaneMask) >> kWeightShift);
}

void TableLookup::MapRgb(const uint8_t* in, uint8_t* out, std::size_t pixels) const {
  for (std::size_t p = 0; p < pixels; ++p, in += 3, out += 3) {
    Map(in[0], in[1], in[2], &out[0], &out[1], &out[2]);
  }
}

}  // namespace velko::color
