// Building the color table: the worked values of the default block, what
// every slider does at its limits, the steps that must be skipped, and the
// fast builder against the plain per-point conversion.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <vector>

#include "color/color_pipeline.h"
#include "color/color_table.h"

namespace velko::color {
namespace {

using Table = std::array<uint8_t, kColorTableBytes>;

ColorAdjustBlock Block(int32_t baseColor, int32_t bright = 0, int32_t fullness = 0,
                       int32_t contrast = 0, int32_t cyanRed = 0, int32_t magentaGreen = 0,
                       int32_t yellowBlue = 0) {
  return {0, baseColor, bright, fullness, contrast, cyanRed, magentaGreen, yellowBlue};
}

Table Built(const ColorAdjustBlock& block) {
  BuildColorTable(&block);
  Table out{};
  std::ranges::copy(CurrentColorTable(), out.begin());
  return out;
}

std::array<int, 3> GridPoint(const Table& t, int r, int g, int b) {
  const std::size_t at = GridOffset(r / 16, g / 16, b / 16);
  return {t[at], t[at + 1], t[at + 2]};
}

struct WorkedCase {
  int r, g, b;
  double L, a, bb;  // after the chroma clip, to two decimals
  std::array<int, 3> rgb;
};

// Base color 1, all sliders 0: the pipeline is not neutral there.
constexpr WorkedCase kWorked[] = {
    {256, 256, 256, 100.00, 0.04, 0.01, {255, 254, 254}},  // white: kR 0.9 tints it
    {256, 0, 0, 54.74, 89.18, 77.16, {254, 13, 23}},       // saturated red
    {128, 128, 128, 53.32, -4.08, -1.43, {128, 134, 141}}, // mid gray, contrast applied
    {64, 128, 192, 51.62, -8.24, -45.34, {78, 159, 243}},  // a blue
};

TEST(ColorTableBuild, WorkedValuesOfTheDefaultBlock) {
  const Table t = Built(Block(1));
  for (const WorkedCase& w : kWorked) {
    EXPECT_EQ(GridPoint(t, w.r, w.g, w.b), w.rgb) << w.r << "," << w.g << "," << w.b;
    const Lab lab = GridPointLab(CoefficientsFor(Block(1), BaseTable(1).data()), w.r, w.g, w.b);
    EXPECT_NEAR(lab.L, w.L, 0.005);
    EXPECT_NEAR(lab.a, w.a, 0.005);
    EXPECT_NEAR(lab.b, w.bb, 0.005);
  }
}

TEST(ColorTableBuild, BlackIsTheFirstNeutralEntryWhateverTheSettings) {
  const ColorAdjustBlock blocks[] = {
      Block(1), Block(2), Block(3), Block(4),
      Block(1, 10, 10, 10, 10, 10, 10), Block(3, -10, -10, -10, -10, -10, -10),
      Block(2, 7, -3, 9, -8, 4, 2),
  };
  for (const ColorAdjustBlock& block : blocks) {
    EXPECT_EQ(GridPoint(Built(block), 0, 0, 0), (std::array<int, 3>{1, 0, 0}))
        << "base " << block.BaseColor << " bright " << block.Bright;
  }
}

// Sets slider number `s` (0 Bright .. 5 YellowBlue) of a block.
ColorAdjustBlock WithSlider(int s, int32_t value) {
  ColorAdjustBlock block = Block(1);
  int32_t* sliders[] = {&block.Bright, &block.Fullness, &block.Contrast,
                        &block.CyanRed, &block.MagentaGreen, &block.YellowBlue};
  *sliders[s] = value;
  return block;
}

TEST(ColorTableBuild, SlidersBeyondTheirRangeActAsTheirLimit) {
  for (int s = 0; s < 6; ++s) {
    const Table low = Built(WithSlider(s, -10));
    const Table high = Built(WithSlider(s, 10));
    EXPECT_NE(low, high) << "slider " << s << " has no effect";
    EXPECT_EQ(Built(WithSlider(s, -15)), low) << "slider " << s;
    EXPECT_EQ(Built(WithSlider(s, 15)), high) << "slider " << s;
    // Values that would overflow slider + 10 clamp the same way.
    EXPECT_EQ(Built(WithSlider(s, INT32_MIN)), low) << "slider " << s;
    EXPECT_EQ(Built(WithSlider(s, INT32_MAX)), high) << "slider " << s;
  }
}

TEST(ColorTableBuild, UnknownBaseColorBuildsWithTheNormalTable) {
  const Table normal = Built(Block(1));
  for (int32_t id : {0, 5, -1}) EXPECT_EQ(Built(Block(id)), normal) << "base color " << id;
  EXPECT_EQ(Built(Block(2)), Built(Block(4)));
  EXPECT_NE(Built(Block(3)), normal);
}

TEST(ColorTableBuild, NeutralBrightnessAndContrastSkipTheirStepsAndTheClamp) {
  // Contrast -1 gives kC = 1.0 and Bright 0 gives kL = 1.0: white stays above
  // L* 100, where the contrast step would have clamped it.
  const ColorAdjustBlock skipped = Block(1, 0, 0, -1);
  const ColorCoefficients k = CoefficientsFor(skipped, BaseTable(1).data());
  ASSERT_EQ(k.kL, 1.0);
  ASSERT_EQ(k.kC, 1.0);
  const Lab white = GridPointLab(k, 256, 256, 256);
  const Lab raw = LinearRgbToLab(ChannelGamma(256, k.kR), ChannelGamma(256, k.kG), ChannelGamma(256, k.kB));
  EXPECT_GT(white.L, 100.0);
  EXPECT_EQ(white.L, raw.L);
  EXPECT_EQ(white.a, raw.a * k.kS);
  // With contrast on (slider 0, kC 0.9) the same input is clamped to 100.
  EXPECT_EQ(GridPointLab(CoefficientsFor(Block(1), BaseTable(1).data()), 256, 256, 256).L, 100.0);
}

TEST(ColorTableBuild, ChromaClipKeepsTheHue) {
  // Fullness 10 (kS 1.8) pushes saturated red past 120 in a* and b*.
  const ColorCoefficients k = CoefficientsFor(Block(1, 0, 10), BaseTable(1).data());
  const Lab raw = LinearRgbToLab(ChannelGamma(256, k.kR), ChannelGamma(0, k.kG), ChannelGamma(0, k.kB));
  const Lab clipped = GridPointLab(k, 256, 0, 0);
  ASSERT_GT(raw.a * k.kS, 120.0);
  EXPECT_LE(std::max(std::abs(clipped.a), std::abs(clipped.b)), 120.0);
  EXPECT_NEAR(clipped.b / clipped.a, raw.b / raw.a, 1e-12);
}

TEST(ColorTableBuild, MakeRdtWritesExactlyTheTable) {
  constexpr uint8_t kGuard = 0xA5;
  std::vector<uint8_t> buffer(kColorTableBytes + 64, kGuard);
  const ColorAdjustBlock block = Block(3, 2, -4, 6, 1, -1, 3);
  MakeRdt(&block, buffer.data());
  EXPECT_TRUE(std::equal(CurrentColorTable().begin(), CurrentColorTable().end(), buffer.begin()));
  EXPECT_TRUE(std::all_of(buffer.begin() + kColorTableBytes, buffer.end(),
                          [](uint8_t b) { return b == kGuard; }));
}

// The builder computes shared terms once; its bytes must equal the plain
// conversion of every grid point, truncated, for blocks that exercise every
// step (brightness on and off, contrast above and below 1, clipping).
TEST(ColorTableBuild, FastBuildEqualsThePlainConversionAtEveryPoint) {
  const ColorAdjustBlock blocks[] = {
      Block(1), Block(2, 0, 0, -1), Block(3, 10, 10, 10, 10, 10, 10),
      Block(4, -10, -10, -10, -10, -10, -10), Block(1, 5, 8, -7, -3, 6, -9),
      Block(3, -6, 10, 3, 10, -10, 0),
  };
  for (const ColorAdjustBlock& block : blocks) {
    const Table fast = Built(block);  // also leaves the coefficients of `block`
    int mismatches = 0;
    for (int i = 0; i < kGridPoints; ++i) {
      for (int j = 0; j < kGridPoints; ++j) {
        for (int n = 0; n < kGridPoints; ++n) {
          const DeviceRgb d = ConvertGridPoint(16 * i, 16 * j, 16 * n);
          const std::size_t at = GridOffset(i, j, n);
          mismatches += fast[at] != static_cast<int>(d.r);
          mismatches += fast[at + 1] != static_cast<int>(d.g);
          mismatches += fast[at + 2] != static_cast<int>(d.b);
        }
      }
    }
    EXPECT_EQ(mismatches, 0) << "base " << block.BaseColor << " bright " << block.Bright;
  }
}

}  // namespace
}  // namespace velko::color
