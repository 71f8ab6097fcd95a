// xbicolfine and xbicolfine2 block by block: the five cases of the
// four-color coder with their splits, thresholds (strictly below in the
// light half, at or below in the dark half), the red limit 127, the black
// rule of the dark half, and the ink bits. Every 4 x 4 case also runs
// through xbicolfine2 with each pixel doubled in both directions, which must
// keep the four colors and double the numbers.
#include <gtest/gtest.h>

#include "tests/render/block_case.h"

namespace velko::sb::test {
namespace {

struct FineCase {
  const char* what;
  std::vector<Paint> paints;   // over a white 4 x 4 block
  std::vector<uint8_t> colors;  // 12 bytes
  std::vector<uint8_t> numbers; // 4 bytes, one row each
  uint8_t inkFlags;             // from 0x0F
  friend void PrintTo(const FineCase& c, std::ostream* os) { *os << c.what; }
};

constexpr Pixel kOrange{200, 100, 50};

const FineCase kFineCases[] = {
    // Color only, both halves uniform: colors 0 and 3, the others empty.
    {"two uniform halves",
     {{0, 7, {10, 20, 30}}, {8, 15, {250, 200, 100}}},
     Bytes({0xFA, 0xC8, 0x64, 0, 0, 0, 0, 0, 0, 0x0A, 0x14, 0x1E}),
     Bytes({0xFF, 0xFF, 0x00, 0x00}),
     0x08},
    // Color only, two-level split: row 0 (10) is at or below tD = 35, row 3
    // (200) below tL = 225.
    {"two-level split",
     {{0, 3, {10, 20, 30}}, {4, 7, {60, 20, 30}}, {8, 11, {250, 200, 100}}, {12, 15, {200, 200, 100}}},
     Bytes({0xFA, 0xC8, 0x64, 0xC8, 0xC8, 0x64, 0x3C, 0x14, 0x1E, 0x0A, 0x14, 0x1E}),
     Bytes({0xFF, 0xAA, 0x00, 0x55}),
     0x08},
    // Values exactly at the thresholds: 35 = tD takes 3 (at or below), 225 =
    // tL takes 0 (not below).
    {"values at the thresholds",
     {{0, 3, {10, 20, 30}}, {4, 5, {60, 20, 30}}, {6, 7, {35, 20, 30}}, {8, 11, {250, 200, 100}},
      {12, 12, {225, 200, 100}}, {13, 15, {200, 200, 100}}},
     Bytes({0xF5, 0xC8, 0x64, 0xC8, 0xC8, 0x64, 0x3C, 0x14, 0x1E, 0x12, 0x14, 0x1E}),
     Bytes({0xFF, 0xAF, 0x00, 0x15}),
     0x08},
    // Color only, uniform: color 0 and nothing else.
    {"uniform color", {{0, 15, kOrange}}, Bytes({0xC8, 0x64, 0x32, 0, 0, 0, 0, 0, 0, 0, 0, 0}), Bytes({0, 0, 0, 0}), 0x08},
    // Largest range 1: the dark half is empty (threshold 255, never
    // uniform) and the light half's own split takes nobody.
    {"range one",
     {{0, 15, {100, 100, 100}}, {1, 1, {101, 100, 100}}, {3, 3, {101, 100, 100}}},
     Bytes({0x64, 0x64, 0x64, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
     Bytes({0, 0, 0, 0}),
     0x08},
    // Black and white only: colors 1..3 black, black pixels take 3.
    {"one black pixel", {{0, 0, K}}, Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0}), Bytes({0xC0, 0, 0, 0}), 0x07},
    // All kinds, uniform: white 0, the color 1, black 3.
    {"black, color and white",
     {{0, 0, K}, {1, 1, kOrange}},
     Bytes({0xFF, 0xFF, 0xFF, 0xC8, 0x64, 0x32, 0, 0, 0, 0, 0, 0}),
     Bytes({0xD0, 0, 0, 0}),
     0x00},
    // Color and black, uniform: the color 0, black pixels 3.
    {"uniform color and black",
     {{0, 14, {50, 60, 70}}, {15, 15, K}},
     Bytes({0x32, 0x3C, 0x46, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
     Bytes({0, 0, 0, 0x03}),
     0x00},
    // Color and black: split from 0 on red (largest 200, threshold 100); the
    // dark half splits on red, its zeros are black. Color 1 stays unused.
    {"color and black",
     {{0, 3, K}, {4, 7, {40, 0, 0}}, {8, 15, kOrange}},
     Bytes({0xC8, 0x64, 0x32, 0, 0, 0, 0x28, 0, 0, 0, 0, 0}),
     Bytes({0xFF, 0xAA, 0, 0}),
     0x00},
    // ... a dark color pixel that is 0 on the dark channel (green here) is
    // coded black.
    {"dark color coded black",
     {{0, 3, K}, {4, 5, {40, 0, 0}}, {6, 7, {0, 60, 0}}, {8, 15, kOrange}},
     Bytes({0xC8, 0x64, 0x32, 0, 0, 0, 0, 0x3C, 0, 0, 0, 0}),
     Bytes({0xFF, 0xFA, 0, 0}),
     0x00},
    // Color and white, uniform: colors 1..3 white, white pixels take 3.
    {"one blue pixel",
     {{0, 0, {0, 0, 255}}},
     Bytes({0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
     Bytes({0x3F, 0xFF, 0xFF, 0xFF}),
     0x09},
    // Color and white: split on blue from the smallest values to 255
    // (threshold 157); light colors take 1; the dark half splits on blue at
    // or below tD = 80, so blue 80 takes 3.
    {"color and white",
     {{8, 11, {100, 150, 200}}, {12, 12, {200, 150, 100}}, {13, 13, {210, 150, 80}}, {14, 15, {220, 150, 60}}},
     Bytes({0xFF, 0xFF, 0xFF, 0x64, 0x96, 0xC8, 0xC8, 0x96, 0x64, 0xD8, 0x96, 0x42}),
     Bytes({0, 0, 0x55, 0xBF}),
     0x08},
    // All kinds: cut on red at 127; the dark side (black included) splits on
    // green, its zeros black.
    {"all kinds",
     {{0, 0, K}, {1, 1, kOrange}, {2, 2, {50, 100, 0}}, {3, 3, {0, 80, 0}}},
     Bytes({0xFF, 0xFF, 0xFF, 0xC8, 0x64, 0x32, 0x19, 0x5A, 0, 0, 0, 0}),
     Bytes({0xDA, 0, 0, 0}),
     0x00},
    // ... red 127 counts as light.
    {"red 127 is light",
     {{0, 0, K}, {1, 1, {127, 100, 50}}, {2, 2, {50, 100, 0}}},
     Bytes({0xFF, 0xFF, 0xFF, 0x7F, 0x64, 0x32, 0x32, 0x64, 0, 0, 0, 0}),
     Bytes({0xD8, 0, 0, 0}),
     0x00},
};

std::string CaseName(const char* what) {
  std::string name = what;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

class RenderFineBlock : public ::testing::TestWithParam<FineCase> {};

TEST_P(RenderFineBlock, RecordAndInkFlags) {
  const FineCase& c = GetParam();
  const CodedBlock coded = CodeOneBlock(kFine, c.paints);
  std::vector<uint8_t> expected = c.colors;
  expected.insert(expected.end(), c.numbers.begin(), c.numbers.end());
  EXPECT_EQ(coded.record, expected);
  EXPECT_EQ(coded.inkFlags, c.inkFlags);
}

// Doubling a 4 x 4 row of numbers: each two-bit number twice, the row twice.
std::vector<uint8_t> DoubledNumbers(const std::vector<uint8_t>& numbers) {
  std::vector<uint8_t> doubled;
  for (uint8_t row : numbers) {
    uint16_t wide = 0;
    for (int p = 0; p < 4; ++p) {
      const unsigned n = row >> (6 - 2 * p) & 3;
      wide |= uint16_t((n << 2 | n) << (12 - 4 * p));
    }
    for (int copy = 0; copy < 2; ++copy) {
      doubled.push_back(uint8_t(wide >> 8));
      doubled.push_back(uint8_t(wide));
    }
  }
  return doubled;
}

TEST_P(RenderFineBlock, EightByEightWithDoubledPixels) {
  const FineCase& c = GetParam();
  const CodedBlock coded = CodeOneBlock(kFine2, c.paints, 2);
  std::vector<uint8_t> expected = c.colors;
  const auto numbers = DoubledNumbers(c.numbers);
  expected.insert(expected.end(), numbers.begin(), numbers.end());
  EXPECT_EQ(coded.record, expected);
  EXPECT_EQ(coded.inkFlags, c.inkFlags);
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderFineBlock, ::testing::ValuesIn(kFineCases),
                         [](const auto& info) { return CaseName(info.param.what); });

// The worked 8 x 8 record, spelled out: it also pins the row layout of
// the two-byte rows.
TEST(RenderFine2Block, DoubledTwoLevelSplitSpelledOut) {
  const CodedBlock coded = CodeOneBlock(
      kFine2, {{0, 3, {10, 20, 30}}, {4, 7, {60, 20, 30}}, {8, 11, {250, 200, 100}}, {12, 15, {200, 200, 100}}}, 2);
  EXPECT_EQ(coded.record, Bytes({0xFA, 0xC8, 0x64, 0xC8, 0xC8, 0x64, 0x3C, 0x14, 0x1E, 0x0A, 0x14, 0x1E,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xAA, 0xAA, 0xAA, 0xAA, 0x00, 0x00, 0x00, 0x00,
                                 0x55, 0x55, 0x55, 0x55}));
}

}  // namespace
}  // namespace velko::sb::test
