// Conversion of block colors through the 17 x 17 x 17 color table: the
// integer trilinear lookup (4-bit fractions, sum / 4096) with a cache of the
// last grid cube and the last color, so that runs of similar colors stay off
// the table. The mode (none, all, all but the pure colors) is chosen once per
// call and becomes the functor type the strip loop is instantiated with.
#pragma once

#include <emmintrin.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace velko::sb {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

inline constexpr std::size_t kTableGridPoints = 17;
inline constexpr std::size_t kTableBytes = kTableGridPoints * kTableGridPoints * kTableGridPoints * 3;
static_assert(kTableBytes == 14739);

// The trilinear lookup with its cache. A fresh object is the reset cache:
// cube (0, 0, 0) loaded from the table, last color and result black. Beyond
// the last cube it keeps a few dozen recently used cubes, since the two or
// four colors of a block often fall in different cubes; the results never
// depend on what is cached.
class TableLookup {
 public:
  explicit TableLookup(const uint8_t* table) : table_(table) {
    keys_.fill(-1);
    LoadCube(0, 0, 0, SlotOf(0));
  }

  Rgb operator()(Rgb in) {
    if (in == lastIn_) return lastOut_;
    const int i = in.r >> 4, j = in.g >> 4, k = in.b >> 4;
    const int key = i << 8 | j << 4 | k;
    const int slot = SlotOf(key);
    if (keys_[std::size_t(slot)] != key) LoadCube(i, j, k, slot);
    lastIn_ = in;
    lastOut_ = Interpolate(corners_[slot], in.r & 15, in.g & 15, in.b & 15);
    return lastOut_;
  }

 private:
  static constexpr int kSlots = 64;
  struct CubeCorners {
    __m128i channel[3];
  };
  static int SlotOf(int key) { return (key ^ key >> 6) & (kSlots - 1); }

  // Corner c of the cube: bit 2 the red step, bit 1 green, bit 0 blue. The
  // corners are kept per output channel as eight 16-bit values.
  void LoadCube(int i, int j, int k, int slot) {
    keys_[std::size_t(slot)] = i << 8 | j << 4 | k;
    alignas(16) int16_t corners[3][8];
    for (int c = 0; c < 8; ++c) {
      const std::size_t point = 289 * std::size_t(i + (c >> 2)) + 17 * std::size_t(j + ((c >> 1) & 1)) +
                                std::size_t(k + (c & 1));
      for (int ch = 0; ch < 3; ++ch) corners[ch][c] = table_[3 * point + std::size_t(ch)];
    }
    for (int ch = 0; ch < 3; ++ch) {
      corners_[slot].channel[ch] = _mm_load_si128(reinterpret_cast<const __m128i*>(corners[ch]));
    }
  }

  // Weight of a corner = product of the three axis factors (f for the far
  // grid point, 16 - f for the near one); the eight weights add up to 4096.
  // The green and blue factors come as one table row per (f1, f2), laid out
  // over the corners; the red factor is near + f0 x (far - near).
  static constexpr std::array<std::array<int16_t, 8>, 256> kGreenBlueFactors = [] {
    std::array<std::array<int16_t, 8>, 256> rows{};
    for (int f1 = 0; f1 < 16; ++f1) {
      for (int f2 = 0; f2 < 16; ++f2) {
        for (int c = 0; c < 8; ++c) {
          const int green = (c >> 1 & 1) ? f1 : 16 - f1, blue = (c & 1) ? f2 : 16 - f2;
          rows[std::size_t(f1 * 16 + f2)][std::size_t(c)] = int16_t(green * blue);
        }
      }
    }
    return rows;
  }();

  static Rgb Interpolate(const CubeCorners& corners, int f0, int f1, int f2) {
    const __m128i red = _mm_add_epi16(_mm_setr_epi16(16, 16, 16, 16, 0, 0, 0, 0),
                                      _mm_mullo_epi16(_mm_set1_epi16(int16_t(f0)),
                                                      _mm_setr_epi16(-1, -1, -1, -1, 1, 1, 1, 1)));
    __m128i greenBlue;
    std::memcpy(&greenBlue, kGreenBlueFactors[std::size_t(f1 * 16 + f2)].data(), sizeof greenBlue);
    const __m128i weights = _mm_mullo_epi16(red, greenBlue);
    // Weighted sums per channel: pairs by madd, then the four pair sums.
    const __m128i r = _mm_madd_epi16(corners.channel[0], weights);
    const __m128i g = _mm_madd_epi16(corners.channel[1], weights);
    __m128i b = _mm_madd_epi16(corners.channel[2], weights);
    __m128i rg = _mm_add_epi32(_mm_unpacklo_epi32(r, g), _mm_unpackhi_epi32(r, g));
    rg = _mm_add_epi32(rg, _mm_shuffle_epi32(rg, 0x4E));  // R G R G
    b = _mm_add_epi32(b, _mm_shuffle_epi32(b, 0x4E));
    b = _mm_add_epi32(b, _mm_shuffle_epi32(b, 0xB1));  // B B B B
    const __m128i sums = _mm_srli_epi32(_mm_unpacklo_epi64(rg, b), 12);  // R G B B, truncated
    const __m128i words = _mm_packs_epi32(sums, sums);
    const uint32_t bytes = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(words, words)));
    return Rgb{uint8_t(bytes), uint8_t(bytes >> 8), uint8_t(bytes >> 16)};
  }

  const uint8_t* table_;
  std::array<int, kSlots> keys_;
  CubeCorners corners_[kSlots];
  Rgb lastIn_ = kBlack;
  Rgb lastOut_ = kBlack;
};

// convert = 0: colors are stored as computed.
struct NoConversion {
  Rgb operator()(Rgb in) const { return in; }
};

// Any other convert value: every color but black and white goes through the
// table.
class ConvertAll {
 public:
  explicit ConvertAll(const uint8_t* table) : lookup_(table) {}
  Rgb operator()(Rgb in) {
    if (in == kBlack || in == kWhite) return in;
    return lookup_(in);
  }

 private:
  TableLookup lookup_;
};

// convert = 5: the three primaries and their three mixes keep their exact
// values, so pure inks stay pure on the printer.
class ConvertKeepingPureColors {
 public:
  explicit ConvertKeepingPureColors(const uint8_t* table) : lookup_(table) {}
  Rgb operator()(Rgb in) {
    if (IsPure(in)) return in;
    return lookup_(in);
  }

 private:
  // Black, white and the six colors whose channels are all 0 or 255.
  static bool IsPure(Rgb c) {
    auto extreme = [](uint8_t v) { return v == 0 || v == 255; };
    return extreme(c.r) && extreme(c.g) && extreme(c.b);
  }
  TableLookup lookup_;
};

inline constexpr int32_t kConvertKeepPure = 5;

// InkFlags bits cleared by a coded color: a channel below 255 means that ink
// is used (red bit 2, green bit 1, blue bit 0).
constexpr uint8_t InkBitsOf(Rgb c) {
  return uint8_t((c.r != 255 ? 4 : 0) | (c.g != 255 ? 2 : 0) | (c.b != 255 ? 1 : 0));
}
inline constexpr uint8_t kInkBlackBit = 8;
inline constexpr uint8_t kInkFlagsKept = 0x0F;

}  // namespace velko::sb
