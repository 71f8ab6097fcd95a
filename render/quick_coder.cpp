// xbicolquick: each 4 x 4 block of a color band becomes two colors and one
// bit per pixel (8-byte records). Mixtures of black, white and color are
// resolved by counting rules that may drop a lone pixel kind.
#include <array>
#include <cstddef>

#include "render/block_analysis.h"
#include "render/color_strip_loop.h"
#include "render/velko_sb.h"

namespace velko::sb {
namespace {

#pragma pack(push, 1)
struct QuickRecord {
  uint8_t a[3];     // color A, taken where the mask bit is 0
  uint8_t b[3];     // color B, taken where the mask bit is 1
  uint8_t mask[2];  // pixels 0..7 then 8..15, the first pixel in bit 7
};
#pragma pack(pop)
static_assert(sizeof(QuickRecord) == 8);
static_assert(offsetof(QuickRecord, b) == 3);
static_assert(offsetof(QuickRecord, mask) == 6);

using QuickBlock = Block<4>;
using QuickMask = Mask<4>;

// Red at or above this value is light in mixtures of all three kinds.
constexpr uint8_t kLightRed = 127;

// The two colors and the pixels that take B, before conversion. A color
// that is a mean or a uniform block's color clears its ink bits; one set by
// rule (white, black, the empty placeholder) does not.
struct TwoColors {
  Rgb a = kWhite;
  Rgb b = kBlack;
  QuickMask takesB = QuickMask::None();
  uint8_t inkUsed = 0;

  void MeanA(const QuickBlock& px, const QuickMask& set) {
    a = MeanOf(px, set);
    inkUsed |= InkBitsOf(a);
  }
  void MeanB(const QuickBlock& px, const QuickMask& set) {
    b = MeanOf(px, set);
    takesB = set;
    inkUsed |= InkBitsOf(b);
  }
  void UniformA(Rgb color) {
    a = color;
    inkUsed |= InkBitsOf(a);
  }
  void UniformB(Rgb color, const QuickMask& set) {
    b = color;
    takesB = set;
    inkUsed |= InkBitsOf(b);
  }
  void BlackB(const QuickMask& set) {
    b = kBlack;
    takesB = set;
    inkUsed |= kInkBlackBit;
  }
};

// The split of all 16 pixels on the channel of the widest range between LO
// and HI: pixels below lo + range / 2 form cluster B.
QuickMask ClusterB(const QuickBlock& px, Rgb lo, Rgb hi) {
  const int range[3] = {hi.r - lo.r, hi.g - lo.g, hi.b - lo.b};
  const int channel = SplitChannel(range[0], range[1], range[2]);
  const uint8_t low[3] = {lo.r, lo.g, lo.b};
  return px.ch[channel].Below(low[channel] + range[channel] / 2);
}

// A and B as the means of the two clusters. Cluster A is never empty; an
// empty B is the placeholder 0, 0, 0 that no pixel takes.
// The sums of A are those of the whole block less those of B.
TwoColors MeansOfClusters(const QuickBlock& px, const QuickMask& clusterB) {
  TwoColors two;
  uint32_t all[3], sumB[3];
  MaskedSums(px.ch, QuickMask::All(), all);
  MaskedSums(px.ch, clusterB, sumB);
  const int countB = clusterB.Count(), countA = 16 - countB;
  two.a = Rgb{DivideByCount(all[0] - sumB[0], countA), DivideByCount(all[1] - sumB[1], countA),
              DivideByCount(all[2] - sumB[2], countA)};
  two.inkUsed |= InkBitsOf(two.a);
  if (countB > 0) {
    two.b = Rgb{DivideByCount(sumB[0], countB), DivideByCount(sumB[1], countB), DivideByCount(sumB[2], countB)};
    two.takesB = clusterB;
    two.inkUsed |= InkBitsOf(two.b);
  }
  return two;
}

// Color pixels only.
TwoColors CodeColorOnly(const QuickBlock& px, const BlockKinds<4>& kinds) {
  const ChannelStats& s = kinds.colorStats;
  if (s.Flat()) {
    TwoColors two;
    two.UniformA(s.Smallest());
    return two;
  }
  return MeansOfClusters(px, ClusterB(px, s.Smallest(), s.Largest()));
}

// Color and black pixels, no white.
TwoColors CodeColorAndBlack(const QuickBlock& px, const BlockKinds<4>& kinds) {
  const ChannelStats& s = kinds.colorStats;
  if (s.Flat()) {
    TwoColors two;
    two.UniformA(s.Smallest());
    two.BlackB(kinds.black);
    return two;
  }
  const QuickMask clusterB = ClusterB(px, kBlack, s.Largest());
  // A cluster B of black pixels only stays black instead of their mean.
  if (clusterB.Empty() || !Without(clusterB, kinds.black).Empty()) return MeansOfClusters(px, clusterB);
  TwoColors two;
  two.MeanA(px, ~clusterB);
  two.BlackB(clusterB);
  return two;
}

// Color and white pixels, no black.
TwoColors CodeColorAndWhite(const QuickBlock& px, const BlockKinds<4>& kinds) {
  const ChannelStats& s = kinds.colorStats;
  if (s.Flat()) {
    TwoColors two;
    two.UniformB(s.Smallest(), kinds.color);
    return two;
  }
  return MeansOfClusters(px, ClusterB(px, s.Smallest(), kWhite));
}

// All three kinds: the block is cut on red alone, and a lone kind on the
// side that has only white or only black is dropped by the counting rules.
TwoColors CodeAllKinds(const QuickBlock& px, const BlockKinds<4>& kinds) {
  const QuickMask dark = px.ch[0].Below(kLightRed);
  const QuickMask light = ~dark;
  const QuickMask lightColor = kinds.color & light;
  const QuickMask darkColor = kinds.color & dark;
  const int blacks = kinds.black.Count();
  const int lightColors = lightColor.Count(), darkColors = darkColor.Count();

  TwoColors two;
  if (lightColors > 0 && darkColors > 0) {
    two.MeanA(px, light);
    two.MeanB(px, dark);
  } else if (lightColors > 0) {  // the dark side is black only
    if (lightColors > 1 && blacks > 1) {
      two.MeanA(px, light);
      two.BlackB(kinds.black);
    } else if (blacks >= lightColors) {
      two.BlackB(kinds.black);
    } else {
      two.MeanB(px, lightColor);
    }
  } else {  // the light side is white only
    if (darkColors > 1 && blacks > 1) {
      two.MeanA(px, kinds.white | darkColor);
      two.BlackB(kinds.black);
    } else if (darkColors > blacks) {
      two.MeanB(px, darkColor);
    } else {
      two.BlackB(kinds.black);
    }
  }
  return two;
}

TwoColors CodeTwoColors(const QuickBlock& px) {
  const BlockKinds<4> kinds = Classify(px);
  if (kinds.color.Empty()) {
    TwoColors two;
    two.BlackB(kinds.black);
    return two;
  }
  const bool white = !kinds.white.Empty(), black = !kinds.black.Empty();
  if (!white && !black) return CodeColorOnly(px, kinds);
  if (!white) return CodeColorAndBlack(px, kinds);
  if (!black) return CodeColorAndWhite(px, kinds);
  return CodeAllKinds(px, kinds);
}

// Bits of a byte in reverse order: pixel p of a mask sits in bit p, the
// record wants the first pixel in bit 7.
inline constexpr std::array<uint8_t, 256> kReversedBits = [] {
  std::array<uint8_t, 256> table{};
  for (int v = 0; v < 256; ++v) {
    for (int bit = 0; bit < 8; ++bit) {
      if (v >> bit & 1) table[std::size_t(v)] |= uint8_t(0x80 >> bit);
    }
  }
  return table;
}();
static_assert(kReversedBits[0x01] == 0x80 && kReversedBits[0x06] == 0x60);

struct QuickCoder {
  static constexpr int kN = 4;
  static constexpr CoderShape kShape = kQuickShape;

  template <class Convert>
  static void Code(const QuickBlock& px, Convert& convert, uint8_t* out, uint8_t& ink) {
    const TwoColors two = CodeTwoColors(px);
    ink &= uint8_t(~two.inkUsed);
    const Rgb a = convert(two.a);
    const Rgb b = convert(two.b);
    const uint64_t mask = two.takesB.Bits();
    // Stored byte by byte straight into the output, in QuickRecord's layout.
    const uint8_t bytes[sizeof(QuickRecord)] = {
        a.r, a.g, a.b, b.r, b.g, b.b, kReversedBits[mask & 0xFF], kReversedBits[mask >> 8 & 0xFF]};
    for (std::size_t i = 0; i < sizeof bytes; ++i) out[i] = bytes[i];
  }
};
static_assert(QuickCoder::kShape.recordBytes == sizeof(QuickRecord));

}  // namespace
}  // namespace velko::sb

VELKO_EXPORT uint32_t xbicolquick(int32_t padBlocks, uint8_t* stripFlags, uint8_t* inkFlags, uint8_t* red,
                                  uint8_t* green, uint8_t* blue, int32_t convert, uint8_t* out,
                                  uint32_t bandBytes, uint32_t stride, int32_t width, int32_t* nextRow,
                                  const uint8_t* table) {
  using namespace velko::sb;
  const ColorCall call{padBlocks, stripFlags, inkFlags, {red, green, blue}, convert, out,
                       bandBytes, stride,     width,    nextRow,           table};
  return RunColorCoder<QuickCoder>(call);
}
