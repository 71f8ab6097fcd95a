// The integer lookup in a color table: grid points come back exactly, the
// far corners weigh as the 4-bit fractions say, and the image mapper gives
// the same bytes as the per-pixel lookup.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "color/color_table.h"

namespace velko::color {
namespace {

using Rgb = std::array<int, 3>;

Rgb Lookup(unsigned r, unsigned g, unsigned b) {
  uint8_t out[3];
  LookupColorTable(r, g, b, &out[0], &out[1], &out[2]);
  return {out[0], out[1], out[2]};
}

Rgb GridEntry(int i, int j, int k) {
  const std::size_t at = GridOffset(i, j, k);
  const TableView t = CurrentColorTable();
  return {t[at], t[at + 1], t[at + 2]};
}

class ColorLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    // Photo table with every slider off center: grid points that differ
    // from their neighbours in all three channels.
    const ColorAdjustBlock block{0, 3, 3, -5, 4, 6, -2, 7};
    BuildColorTable(&block);
  }
};

TEST_F(ColorLookup, MultiplesOfSixteenReturnTheirGridPoint) {
  struct Case {
    unsigned r, g, b;
    int i, j, k;
  } const cases[] = {
      {0, 0, 0, 0, 0, 0},        // black: grid point 0, no interpolation at all
      {16, 32, 48, 1, 2, 3},     // the three axes are not mixed up
      {240, 0, 128, 15, 0, 8},   // last grid point an input can name exactly
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Lookup(c.r, c.g, c.b), GridEntry(c.i, c.j, c.k)) << c.r << "," << c.g << "," << c.b;
  }
}

TEST_F(ColorLookup, WhiteMixesTheLastCellWithWeightsOfFifteenSixteenths) {
  // 255 = 15 x 16 + 15: weight 1 for the near corner, 15 for each corner one
  // axis away, 225 for two axes away, 3375 for the far corner (sum 4096).
  Rgb expected{};
  for (int c = 0; c < 3; ++c) {
    int sum = 0;
    for (int di = 0; di < 2; ++di) {
      for (int dj = 0; dj < 2; ++dj) {
        for (int dk = 0; dk < 2; ++dk) {
          const int far = di + dj + dk;
          const int weight = far == 0 ? 1 : far == 1 ? 15 : far == 2 ? 225 : 3375;
          sum += weight * GridEntry(15 + di, 15 + dj, 15 + dk)[c];
        }
      }
    }
    expected[c] = sum / 4096;
  }
  EXPECT_EQ(Lookup(255, 255, 255), expected);
}

TEST_F(ColorLookup, InputsAboveByteRangeActAs255) {
  EXPECT_EQ(Lookup(256, 1000, 255), Lookup(255, 255, 255));
}

std::vector<uint8_t> SamplePixels() {
  std::vector<uint8_t> pixels;
  // Every combination of the values at and around cell edges...
  const unsigned edges[] = {0, 1, 15, 16, 17, 127, 128, 129, 239, 240, 241, 254, 255};
  for (unsigned r : edges) {
    for (unsigned g : edges) {
      for (unsigned b : edges) pixels.insert(pixels.end(), {uint8_t(r), uint8_t(g), uint8_t(b)});
    }
  }
  // ...a dense lattice of all fractions on each axis...
  for (unsigned r = 0; r < 256; r += 3) {
    for (unsigned g = 1; g < 256; g += 5) {
      for (unsigned b = 2; b < 256; b += 7) pixels.insert(pixels.end(), {uint8_t(r), uint8_t(g), uint8_t(b)});
    }
  }
  // ...and random colors.
  std::mt19937 random(12345);
  for (int n = 0; n < 100000; ++n) pixels.push_back(static_cast<uint8_t>(random()));
  while (pixels.size() % 3) pixels.pop_back();
  return pixels;
}

TEST_F(ColorLookup, ImageMapperMatchesTheLookupPixelForPixel) {
  const std::vector<uint8_t> in = SamplePixels();
  const std::size_t count = in.size() / 3;
  std::vector<uint8_t> out(in.size());
  const TableLookup mapper(CurrentColorTable());
  mapper.MapRgb(in.data(), out.data(), count);
  int mismatches = 0;
  for (std::size_t p = 0; p < count; ++p) {
    const Rgb want = Lookup(in[3 * p], in[3 * p + 1], in[3 * p + 2]);
    mismatches += Rgb{out[3 * p], out[3 * p + 1], out[3 * p + 2]} != want;
  }
  EXPECT_EQ(mismatches, 0);
  // In place gives the same bytes.
  std::vector<uint8_t> inPlace = in;
  mapper.MapRgb(inPlace.data(), inPlace.data(), count);
  EXPECT_EQ(inPlace, out);
}

TEST(ColorLookupTable, MapperReadsTheTableItIsGivenAtFullScale) {
  // A table of all 255: the lanes of the packed sums must not spill into
  // each other even when every channel sums to 255 x 4096.
  std::array<uint8_t, kColorTableBytes> white;
  white.fill(255);
  const TableLookup mapper(white);
  uint8_t out[3];
  for (unsigned v : {0u, 7u, 128u, 255u}) {
    mapper.Map(v, 255 - v, v, &out[0], &out[1], &out[2]);
    EXPECT_EQ(out[0], 255);
    EXPECT_EQ(out[1], 255);
    EXPECT_EQ(out[2], 255);
  }
}

}  // namespace
}  // namespace velko::color
