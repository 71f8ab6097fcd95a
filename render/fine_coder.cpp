// xbicolfine and xbicolfine2: each 4 x 4 (or 8 x 8) block of a color band
// becomes four colors and a two-bit number per pixel, so black, white and
// up to two color groups survive side by side. Numbers 0 and 1 go to the
// light half of a split, 2 and 3 to the dark half.
#include <array>
#include <cstddef>

#include "render/block_analysis.h"
#include "render/color_strip_loop.h"
#include "render/velko_sb.h"

namespace velko::sb {
namespace {

#pragma pack(push, 1)
template <int N>
struct FineRecord {
  uint8_t color[4][3];       // colors 0..3, red, green, blue
  uint8_t numbers[N * N / 4];  // two bits per pixel, the first pixel in bits 7-6
};
#pragma pack(pop)
static_assert(sizeof(FineRecord<4>) == 16);
static_assert(sizeof(FineRecord<8>) == 28);
static_assert(offsetof(FineRecord<4>, numbers) == 12);
static_assert(offsetof(FineRecord<8>, numbers) == 12);

// Red at or above this value is light in mixtures of all three kinds.
constexpr uint8_t kLightRed = 127;

// The four colors and the pixels taking each number, before conversion.
// Colors that are means of non-empty groups or a uniform block's color clear
// their ink bits; colors set by rule and empty groups do not.
template <int N>
struct FourColors {
  Rgb color[4] = {kBlack, kBlack, kBlack, kBlack};
  Mask<N> takes[4] = {Mask<N>::None(), Mask<N>::None(), Mask<N>::None(), Mask<N>::None()};
  uint8_t inkUsed = 0;

  void Set(int number, Rgb c, const Mask<N>& pixels) {
    color[number] = c;
    takes[number] = pixels;
  }
  void Measured(int number, Rgb c) {
    color[number] = c;
    inkUsed |= InkBitsOf(c);
  }
  // Color NUMBER becomes the mean of its pixels, when it has any.
  void Mean(const Block<N>& px, int number) {
    if (!takes[number].Empty()) Measured(number, MeanOf(px, takes[number]));
  }
};

// Black and white only: black pixels take 3.
template <int N>
FourColors<N> CodeBlackAndWhite(const BlockKinds<N>& kinds) {
  FourColors<N> four;
  four.Set(0, kWhite, kinds.white);
  four.Set(3, kBlack, kinds.black);
  four.inkUsed = kInkBlackBit;
  return four;
}

// Color pixels only: a first split into a light and a dark half, then each
// half split again on its own channel (the light half strictly below its
// threshold, the dark half at or below).
template <int N>
FourColors<N> CodeColorOnly(const Block<N>& px, const BlockKinds<N>& kinds) {
  FourColors<N> four;
  const ChannelStats& s = kinds.colorStats;
  if (s.Flat()) {
    four.takes[0] = Mask<N>::All();
    four.Measured(0, s.Smallest());
    return four;
  }
  const int s1 = SplitChannel(s);
  const Mask<N> dark = px.ch[s1].Below(s.Threshold(s1));
  const Mask<N> light = ~dark;
  const ChannelStats lightStats = StatsOf(px, light), darkStats = StatsOf(px, dark);
  const int sL = SplitChannel(lightStats), sD = SplitChannel(darkStats);
  if (lightStats.FlatOn(sL) && darkStats.FlatOn(sD)) {
    four.takes[0] = light;
    four.takes[3] = dark;
    four.Measured(0, lightStats.Smallest());
    four.Measured(3, darkStats.Smallest());
    return four;
  }
  const Mask<N> lightLow = Below(px, sL, lightStats.Threshold(sL), light);
  const Mask<N> darkLow = Below(px, sD, darkStats.Threshold(sD) + 1, dark);
  four.takes[0] = Without(light, lightLow);
  four.takes[1] = lightLow;
  four.takes[2] = Without(dark, darkLow);
  four.takes[3] = darkLow;
  for (int number = 0; number < 4; ++number) four.Mean(px, number);
  return four;
}

// Color and black, no white: the light half (split from 0 to the largest
// values) keeps one mean; dark pixels that are 0 on the dark half's channel
// are coded black.
template <int N>
FourColors<N> CodeColorAndBlack(const Block<N>& px, const BlockKinds<N>& kinds) {
  FourColors<N> four;
  const ChannelStats& s = kinds.colorStats;
  four.inkUsed = kInkBlackBit;
  if (s.Flat()) {
    four.takes[0] = kinds.color;
    four.Measured(0, s.Smallest());
    four.Set(3, kBlack, kinds.black);
    return four;
  }
  const int s1 = SplitChannel(s.max[0], s.max[1], s.max[2]);
  const Mask<N> dark = px.ch[s1].Below(s.max[s1] / 2);
  const int sD = SplitChannel(StatsOf(px, dark));
  const Mask<N> darkZero = Below(px, sD, 1, dark);
  four.takes[0] = ~dark;
  four.takes[2] = Without(dark, darkZero);
  four.Mean(px, 0);
  four.Mean(px, 2);
  four.Set(3, kBlack, darkZero);
  return four;
}

// Color and white, no black: the first split runs from the smallest values
// to 255, so every white pixel is light; light colors take 1, the dark half
// is split at or below its threshold into 3 and 2.
template <int N>
FourColors<N> CodeColorAndWhite(const Block<N>& px, const BlockKinds<N>& kinds) {
  FourColors<N> four;
  const ChannelStats& s = kinds.colorStats;
  if (s.Flat()) {
    four.takes[0] = kinds.color;
    four.Measured(0, s.Smallest());
    four.color[1] = four.color[2] = kWhite;
    four.Set(3, kWhite, kinds.white);
    return four;
  }
  const int s1 = SplitChannel(255 - s.min[0], 255 - s.min[1], 255 - s.min[2]);
  const Mask<N> dark = px.ch[s1].Below(s.min[s1] + (255 - s.min[s1]) / 2);
  const ChannelStats darkStats = StatsOf(px, dark);
  const int sD = SplitChannel(darkStats);
  const Mask<N> darkLow = Below(px, sD, darkStats.Threshold(sD) + 1, dark);
  four.Set(0, kWhite, kinds.white);
  four.takes[1] = Without(~dark, kinds.white);
  four.takes[2] = Without(dark, darkLow);
  four.takes[3] = darkLow;
  for (int number = 1; number < 4; ++number) four.Mean(px, number);
  return four;
}

// All three kinds: cut on red alone; dark pixels (black included) that are
// 0 on the dark side's channel are coded black.
template <int N>
FourColors<N> CodeAllKinds(const Block<N>& px, const BlockKinds<N>& kinds) {
  FourColors<N> four;
  const ChannelStats& s = kinds.colorStats;
  four.inkUsed = kInkBlackBit;
  four.Set(0, kWhite, kinds.white);
  if (s.Flat()) {
    four.takes[1] = kinds.color;
    four.Measured(1, s.Smallest());
    four.Set(3, kBlack, kinds.black);
    return four;
  }
  const Mask<N> dark = px.ch[0].Below(kLightRed);
  const int sD = SplitChannel(StatsOf(px, dark));
  const Mask<N> darkZero = Below(px, sD, 1, dark);
  four.takes[1] = Without(~dark, kinds.white);
  four.takes[2] = Without(dark, darkZero);
  four.Mean(px, 1);
  four.Mean(px, 2);
  four.Set(3, kBlack, darkZero);
  return four;
}

template <int N>
FourColors<N> CodeFourColors(const Block<N>& px) {
  const BlockKinds<N> kinds = Classify(px);
  if (kinds.color.Empty()) return CodeBlackAndWhite<N>(kinds);
  const bool white = !kinds.white.Empty(), black = !kinds.black.Empty();
  if (!white && !black) return CodeColorOnly(px, kinds);
  if (!white) return CodeColorAndBlack(px, kinds);
  if (!black) return CodeColorAndWhite(px, kinds);
  return CodeAllKinds(px, kinds);
}

// The record byte of four pixels from the high and low bits of their numbers
// (pixel i of the four in bit i of each nibble): the first pixel goes to bits
// 7-6.
inline constexpr std::array<uint8_t, 256> kNumberBytes = [] {
  std::array<uint8_t, 256> table{};
  for (int high = 0; high < 16; ++high) {
    for (int low = 0; low < 16; ++low) {
      uint8_t byte = 0;
      for (int i = 0; i < 4; ++i) byte |= uint8_t(((high >> i & 1) * 2 + (low >> i & 1)) << (6 - 2 * i));
      table[std::size_t(high << 4 | low)] = byte;
    }
  }
  return table;
}();
static_assert(kNumberBytes[0x11] == 0xC0 && kNumberBytes[0x0F] == 0x55);

template <int N>
struct FineCoder {
  static constexpr int kN = N;
  static constexpr CoderShape kShape = N == 4 ? kFineShape : kFine2Shape;
  static_assert(kShape.recordBytes == sizeof(FineRecord<N>));

  template <class Convert>
  static void Code(const Block<N>& px, Convert& convert, uint8_t* out, uint8_t& ink) {
    const FourColors<N> four = CodeFourColors(px);
    ink &= uint8_t(~four.inkUsed);
    // Stored byte by byte straight into the output, in FineRecord's layout.
    for (int number = 0; number < 4; ++number) {
      const Rgb c = convert(four.color[number]);
      uint8_t* color = out + offsetof(FineRecord<N>, color) + 3 * number;
      color[0] = c.r;
      color[1] = c.g;
      color[2] = c.b;
    }
    const uint64_t high = (four.takes[2] | four.takes[3]).Bits();
    const uint64_t low = (four.takes[1] | four.takes[3]).Bits();
    uint8_t* numbers = out + offsetof(FineRecord<N>, numbers);
    for (int group = 0; group < N * N / 4; ++group) {
      numbers[group] = kNumberBytes[(high >> (4 * group) & 15) << 4 | (low >> (4 * group) & 15)];
    }
  }
};

}  // namespace
}  // namespace velko::sb

VELKO_EXPORT uint32_t xbicolfine(int32_t padBlocks, uint8_t* stripFlags, uint8_t* inkFlags, uint8_t* red,
                                 uint8_t* green, uint8_t* blue, int32_t convert, uint8_t* out,
                                 uint32_t bandBytes, uint32_t stride, int32_t width, int32_t* nextRow,
                                 const uint8_t* table) {
  using namespace velko::sb;
  const ColorCall call{padBlocks, stripFlags, inkFlags, {red, green, blue}, convert, out,
                       bandBytes, stride,     width,    nextRow,           table};
  return RunColorCoder<FineCoder<4>>(call);
}

VELKO_EXPORT uint32_t xbicolfine2(int32_t padBlocks, uint8_t* stripFlags, uint8_t* inkFlags, uint8_t* red,
                                  uint8_t* green, uint8_t* blue, int32_t convert, uint8_t* out,
                                  uint32_t bandBytes, uint32_t stride, int32_t width, int32_t* nextRow,
                                  const uint8_t* table) {
  using namespace velko::sb;
  const ColorCall call{padBlocks, stripFlags, inkFlags, {red, green, blue}, convert, out,
                       bandBytes, stride,     width,    nextRow,           table};
  return RunColorCoder<FineCoder<8>>(call);
}
