// The color table of VelkoUI: a 17 x 17 x 17 grid over input RGB holding the
// device RGB to print, built from the user's color adjustments through CIE
// L*a*b* and one of the printer's base tables, and the integer lookup that the
// preview and the band coders use to read it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/export.h"
#include "ui/core/settings_record.h"

// Builds the module's ColorTable from `block` (in) and copies its 14,739
// bytes to `out` (out, room for 14,739 bytes). The result means nothing.
VELKO_EXPORT int32_t MakeRdt(const velko::ColorAdjustBlock* block, uint8_t* out);

namespace velko::color {

inline constexpr int kGridPoints = 17;                      // per axis
inline constexpr std::size_t kColorTableBytes = 3 * 17 * 17 * 17;
static_assert(kColorTableBytes == 14739);

// A color table or base table: 17 x 17 x 17 entries of three bytes, the
// first axis slowest.
using TableView = std::span<const uint8_t, kColorTableBytes>;

// Byte offset of grid entry (i, j, k).
constexpr std::size_t GridOffset(int i, int j, int k) {
  return 3 * static_cast<std::size_t>(289 * i + 17 * j + k);
}

// Selects the base table and the seven coefficients from `block` (in).
void PrepareColorCoefficients(const ColorAdjustBlock* block);

// Prepares the coefficients from `block` (in), then recomputes all 4,913
// grid points of the module's ColorTable.
void BuildColorTable(const ColorAdjustBlock* block);

// The module's current ColorTable, as the last build left it (zeros before
// the first build).
TableView CurrentColorTable();

// The base table for a base color id: 1 normal, 2 and 4 document/graphics,
// 3 photo; any other id selects the normal table.
TableView BaseTable(int32_t baseColor);

// Device color of input (r, g, b), 0..255 each, from the current ColorTable:
// integer trilinear interpolation with 4-bit fractions, truncated.
void LookupColorTable(unsigned r, unsigned g, unsigned b, uint8_t* outR, uint8_t* outG,
                      uint8_t* outB);

// The same lookup over any given table, for whole images. Results equal
// LookupColorTable's over that table, pixel for pixel.
class TableLookup {
 public:
  explicit TableLookup(TableView table);

  // Maps `pixels` RGB triples from `in` to `out` (may be the same buffer).
  void MapRgb(const uint8_t* in, uint8_t* out, std::size_t pixels) const;

  // Maps one pixel.
  void Map(unsigned r, unsigned g, unsigned b, uint8_t* outR, uint8_t* outG,
           uint8_t* outB) const;

 private:
  // Each grid point's three bytes spread into 21-bit lanes of one word, so
  // that one multiplication weighs all three channels of a corner at once:
  // a channel's sum is at most 255 x 4096 < 2^21, so lanes never carry.
  uint64_t packed_[kGridPoints * kGridPoints * kGridPoints];
};

}  // namespace velko::color
