// xmonoblk: inverted 8 x 8 tiles, the blank rule over the whole stride,
// pad tiles, strips continued in the next segment, 0 strips, and strips
// per call with the 8192-record limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/render/band_fixture.h"

namespace velko::sb::test {
namespace {

TEST(RenderMonoTiles, WhiteStripStoresNothingAndTheNextStripStartsFurtherOn) {
  MonoBand band(4, 16);
  band.At(1, 8) = 0x7F;  // one black dot in strip 1, column 1
  const CallResult result = CallMono(band, 32, 16, 0, 2);
  const std::size_t stripBytes = (4 + 2) * 8;
  ASSERT_EQ(result.strips, 2u);
  EXPECT_EQ(result.flags, Bytes({1, 0, 0xFF}));
  EXPECT_TRUE(std::all_of(result.out.begin(), result.out.begin() + long(stripBytes),
                          [](uint8_t b) { return b == kSentinel; }));
  std::vector<uint8_t> expected(stripBytes, 0x00);
  expected[8] = 0x80;  // tile 1, row 0 of the strip
  EXPECT_EQ(std::vector<uint8_t>(result.out.begin() + long(stripBytes), result.out.begin() + long(2 * stripBytes)),
            expected)
      << "tiles, then pad tiles of 0x00";
  EXPECT_EQ(result.nextRow, 16);
}

TEST(RenderMonoTiles, TileIsTheInvertedColumnTopToBottom) {
  MonoBand band(2, 8);
  band.At(0, 0) = 0x0F;
  band.At(0, 7) = 0xFE;
  band.At(1, 3) = 0x00;
  const CallResult result = CallMono(band, 16, 8, 0, 0);
  EXPECT_EQ(result.flags, Bytes({0, 0xFF}));
  EXPECT_EQ(std::vector<uint8_t>(result.out.begin(), result.out.begin() + 16),
            Bytes({0xF0, 0, 0, 0, 0, 0, 0, 0x01, 0, 0, 0, 0xFF, 0, 0, 0, 0}));
  for (uint32_t y = 0; y < 8; ++y) {
    EXPECT_EQ(band.At(0, y), 0xFF);
    EXPECT_EQ(band.At(1, y), 0xFF);
  }
}

// Wide rows go sixteen columns at a time; white column groups, inked ones
// and the columns left over must all give the inverted bytes in order.
TEST(RenderMonoTiles, WideStripMatchesTheColumnsOneByOne) {
  const uint32_t columns = 16 * 3 + 5;
  MonoBand band(columns, 8);
  std::mt19937 rng(3);
  for (uint32_t y = 0; y < 8; ++y) {
    for (uint32_t c = 0; c < columns; ++c) {
      const bool whiteGroup = c >= 16 && c < 32;  // one group left white
      band.At(c, y) = whiteGroup ? 0xFF : uint8_t(rng());
    }
  }
  MonoBand source = band;
  const CallResult result = CallMono(band, int32_t(columns * 8), 8, 0, 1);
  ASSERT_EQ(result.flags, Bytes({0, 0xFF}));
  for (uint32_t c = 0; c < columns; ++c) {
    for (uint32_t k = 0; k < 8; ++k) {
      EXPECT_EQ(result.out[c * 8 + k], uint8_t(~source.At(c, k))) << "column " << c << " row " << k;
      EXPECT_EQ(band.At(c, k), 0xFF);
    }
  }
  EXPECT_EQ(std::vector<uint8_t>(result.out.begin() + columns * 8, result.out.begin() + (columns + 1) * 8),
            std::vector<uint8_t>(8, 0x00));
}

TEST(RenderMonoTiles, BytesPastTheWidthMakeAStripNonBlankButAreNotCoded) {
  MonoBand band(4, 8);
  band.At(3, 5) = 0x00;  // outside the 16 coded pixels
  const CallResult result = CallMono(band, 16, 8, 0, 0);
  EXPECT_EQ(result.flags, Bytes({0, 0xFF}));
  EXPECT_EQ(std::vector<uint8_t>(result.out.begin(), result.out.begin() + 16), std::vector<uint8_t>(16, 0x00));
  EXPECT_EQ(result.out[16], kSentinel);
  EXPECT_EQ(band.At(3, 5), 0x00) << "only the coded columns are whitened";
}

TEST(RenderMonoTiles, StripContinuedInTheNextSegmentIsAlwaysStored) {
  // Stride 1000: 65 rows per segment; the strip at row 64 takes row 64 from
  // the first segment and rows 65..71 from the second.
  for (const bool blank : {true, false}) {
    MonoBand band(1000, 72);
    if (!blank) {
      band.At(0, 64) = 0xFE;
      band.At(0, 65) = 0x7F;
      band.At(0, 71) = 0x00;
    }
    const CallResult result = CallMono(band, 16, 72, 64, 1);
    ASSERT_EQ(result.strips, 1u);
    EXPECT_EQ(result.flags, Bytes({blank ? 1 : 0, 0xFF}));
    std::vector<uint8_t> expected(3 * 8, 0x00);
    if (!blank) {
      expected[0] = 0x01;
      expected[1] = 0x80;
      expected[7] = 0xFF;
    }
    EXPECT_EQ(std::vector<uint8_t>(result.out.begin(), result.out.begin() + 24), expected) << "blank " << blank;
    EXPECT_TRUE(std::all_of(band.data() + 65000, band.data() + 65536, [](uint8_t b) { return b == kSentinel; }))
        << "the segment tail is not part of any row";
    EXPECT_EQ(band.At(0, 71), 0xFF);
  }
}

TEST(RenderMonoTiles, ContinuedStripFlagLooksAtCodedColumnsOnly) {
  MonoBand band(1000, 72);
  band.At(500, 66) = 0x00;
  const CallResult result = CallMono(band, 16, 72, 64, 0);
  EXPECT_EQ(result.flags, Bytes({1, 0xFF}));
  EXPECT_EQ(std::vector<uint8_t>(result.out.begin(), result.out.begin() + 16), std::vector<uint8_t>(16, 0x00));
}

struct MonoStripsCase {
  const char* what;
  uint32_t stride;
  int32_t width;
  int32_t padBlocks;
  uint32_t bandRows;
  int32_t nextRow;
  uint32_t strips;
  friend void PrintTo(const MonoStripsCase& c, std::ostream* os) { *os << c.what; }
};

const MonoStripsCase kMonoStripsCases[] = {
    // A4 at 600 dpi, 620 bytes a row: 105 rows of one segment make 13 strips.
    {"A4 row", 620, 4960, 0, 200, 0, 13},
    // 13 x (620 + 11) = 8203 records reach 8192: one strip fewer.
    {"pad reaches the limit", 620, 4960, 11, 200, 0, 12},
    {"pad just below", 620, 4960, 10, 200, 0, 13},
    // Below 65536 bytes the remaining rows count as they are.
    {"short band", 100, 800, 0, 100, 0, 12},
    {"from the middle", 100, 800, 0, 100, 40, 7},
    // Fewer than 8 rows left: nothing.
    {"seven rows left", 100, 800, 0, 100, 93, 0},
    // One strip that alone reaches 8192 records: nothing.
    {"one strip too wide", 8192, 65536, 0, 8, 0, 0},
};

class RenderMonoStripsPerCall : public ::testing::TestWithParam<MonoStripsCase> {};

TEST_P(RenderMonoStripsPerCall, CountNextRowAndTerminator) {
  const MonoStripsCase& c = GetParam();
  MonoBand band(c.stride, std::max(c.bandRows, uint32_t(c.nextRow) + 8 * c.strips));
  for (uint32_t y = 0; y < band.rows(); ++y) band.At(0, y) = 0x00;
  const CallResult result = CallMono(band, c.width, c.bandRows, c.nextRow, c.padBlocks, std::max(c.strips, 1u));
  EXPECT_EQ(result.strips, c.strips);
  EXPECT_EQ(result.nextRow, c.nextRow + int32_t(8 * c.strips));
  ASSERT_EQ(result.flags.size(), c.strips + 1);
  EXPECT_EQ(result.flags.back(), 0xFF);
  if (c.strips == 0) {
    EXPECT_TRUE(std::all_of(result.out.begin(), result.out.end(), [](uint8_t b) { return b == kSentinel; }));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderMonoStripsPerCall, ::testing::ValuesIn(kMonoStripsCases), [](const auto& info) {
  std::string name = info.param.what;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

}  // namespace
}  // namespace velko::sb::test
