// The strip framing shared by the three color coders: blank strips, white
// block deferral, black blocks, pad records, StripFlags, InkFlags, nextRow,
// whitening of what was read, strips per call with the output limit, strips
// that straddle a segment boundary.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/render/block_case.h"

namespace velko::sb::test {
namespace {

constexpr Pixel kOrange{200, 100, 50};

class RenderColorStrips : public ::testing::TestWithParam<ColorCoder> {
 protected:
  const ColorCoder& coder() const { return GetParam(); }
  uint32_t n() const { return coder().shape.blockSize; }
  std::size_t record() const { return coder().shape.recordBytes; }
};

TEST_P(RenderColorStrips, WhiteBandStoresNothing) {
  ColorBand band(64, 3 * n());
  const std::vector<uint8_t> before = band.PlaneBytes(0);
  ColorCallSetup setup{.width = 64, .bandRows = 3 * n(), .inkFlags = 0xF5};
  const CallResult result = CallColorCoder(coder(), band, setup);
  EXPECT_EQ(result.strips, 3u);
  EXPECT_EQ(result.flags, Bytes({1, 1, 1, 0xFF}));
  EXPECT_TRUE(std::all_of(result.out.begin(), result.out.end(), [](uint8_t b) { return b == kSentinel; }));
  EXPECT_EQ(result.inkFlags, 0x05) << "bits 4..7 come back 0, the others untouched";
  EXPECT_EQ(result.nextRow, int32_t(3 * n()));
  EXPECT_EQ(band.PlaneBytes(0), before);
}

TEST_P(RenderColorStrips, LeftBlockThenWhiteRecordsAndPad) {
  ColorBand band(64, n());
  band.Fill(0, 0, n(), n(), kOrange);
  const CallResult result = CallColorCoder(coder(), band, {.width = 64, .bandRows = n(), .padBlocks = 2});
  const std::size_t blocks = 64 / n(), stripBytes = (blocks + 2) * record();
  ASSERT_EQ(result.flags, Bytes({0, 0xFF}));
  const CodedBlock alone = CodeOneBlock(coder(), {{0, int(n() * n()) - 1, kOrange}});
  EXPECT_TRUE(std::equal(alone.record.begin(), alone.record.end(), result.out.begin()));
  EXPECT_TRUE(std::all_of(result.out.begin() + long(record()), result.out.begin() + long(stripBytes),
                          [](uint8_t b) { return b == 0xFF; }))
      << "white blocks and pad records are stored as 0xFF";
  EXPECT_EQ(result.out[stripBytes], kSentinel) << "nothing past the strip";
}

TEST_P(RenderColorStrips, BlackBlocksAndDeferredWhites) {
  ColorBand band(4 * n(), n());
  band.Fill(n(), 0, n(), n(), K);
  band.Fill(3 * n(), 0, n(), n(), kOrange);
  const CallResult result = CallColorCoder(coder(), band, {.width = int32_t(4 * n()), .bandRows = n()});
  const auto rec = [&](int i) {
    return std::vector<uint8_t>(result.out.begin() + long(i * record()), result.out.begin() + long((i + 1) * record()));
  };
  EXPECT_EQ(rec(0), std::vector<uint8_t>(record(), 0xFF));
  EXPECT_EQ(rec(1), std::vector<uint8_t>(record(), 0x00));
  EXPECT_EQ(rec(2), std::vector<uint8_t>(record(), 0xFF));
  EXPECT_EQ(rec(3), CodeOneBlock(coder(), {{0, int(n() * n()) - 1, kOrange}}).record);
  EXPECT_EQ(result.inkFlags, 0x00) << "black block clears bit 3, the orange block bits 0..2";
}

TEST_P(RenderColorStrips, BlankStripStillAdvancesTheOutput) {
  ColorBand band(32, 2 * n());
  band.Fill(0, n(), n(), n(), K);
  const CallResult result = CallColorCoder(coder(), band, {.width = 32, .bandRows = 2 * n(), .padBlocks = 1});
  const std::size_t stripBytes = (32 / n() + 1) * record();
  ASSERT_EQ(result.flags, Bytes({1, 0, 0xFF}));
  EXPECT_TRUE(std::all_of(result.out.begin(), result.out.begin() + long(stripBytes),
                          [](uint8_t b) { return b == kSentinel; }));
  EXPECT_EQ(result.out[stripBytes], 0x00);
  EXPECT_EQ(result.inkFlags, 0x07);
}

TEST_P(RenderColorStrips, ReadBytesAreWhitenedAndOnlyThose) {
  // Width 10 rounds up to whole blocks; the extra columns are read (and
  // coded), the rest of the stride is not.
  const uint32_t blocksWidth = (10 + n() - 1) / n() * n();
  ColorBand band(blocksWidth + 4, n());
  band.Fill(0, 0, blocksWidth + 4, n(), {30, 60, 90});
  const CallResult result = CallColorCoder(coder(), band, {.width = 10, .bandRows = n()});
  ASSERT_EQ(result.flags, Bytes({0, 0xFF}));
  for (uint32_t y = 0; y < n(); ++y) {
    for (uint32_t x = 0; x < blocksWidth + 4; ++x) {
      EXPECT_EQ(band.Get(x, y), (x < blocksWidth ? W : Pixel{30, 60, 90})) << "x " << x << " y " << y;
    }
  }
  // The last block includes columns past the width: it is the same uniform block.
  const std::size_t last = (blocksWidth / n() - 1) * record();
  EXPECT_EQ(result.out[last], 30);
}

TEST_P(RenderColorStrips, StripStraddlingASegmentTakesRowsFromBoth) {
  // Stride 1000: 65 rows per segment; the strip at row 64 continues in the
  // next segment, past the 536 unused bytes of the first.
  const uint32_t half = n() / 2;
  ColorBand band(1000, 64 + n());
  band.Fill(0, 64, n(), half, {10, 20, 30});
  band.Fill(0, 64 + half, n(), half, {250, 200, 100});
  const CallResult result =
      CallColorCoder(coder(), band, {.width = int32_t(n()), .bandRows = 64 + n(), .nextRow = 64});
  ASSERT_EQ(result.strips, 1u);
  ASSERT_EQ(result.flags, Bytes({0, 0xFF}));
  const CodedBlock expected = CodeOneBlock(coder(), {{0, int(n() * half) - 1, {10, 20, 30}},
                                                     {int(n() * half), int(n() * n()) - 1, {250, 200, 100}}});
  EXPECT_EQ(std::vector<uint8_t>(result.out.begin(), result.out.begin() + long(record())), expected.record);
  for (int c = 0; c < 3; ++c) {
    const auto& plane = band.PlaneBytes(c);
    EXPECT_TRUE(std::all_of(plane.begin() + 65000, plane.begin() + 65536, [](uint8_t b) { return b == kSentinel; }))
        << "the segment tail is neither read as a row nor whitened";
  }
  for (uint32_t y = 64; y < 64 + n(); ++y) EXPECT_EQ(band.Get(0, y), W);
}

INSTANTIATE_TEST_SUITE_P(Coders, RenderColorStrips, ::testing::Values(kQuick, kFine, kFine2),
                         [](const auto& info) { return info.param.name; });

// Strips per call: the lookahead of each coder, the minimum of one strip,
// and the output limit that takes one strip off, once.
struct StripsCase {
  const char* what;
  const ColorCoder* coder;
  uint32_t stride;
  int32_t width;
  int32_t padBlocks;
  uint32_t bandRows;
  int32_t nextRow;
  uint32_t strips;
  friend void PrintTo(const StripsCase& c, std::ostream* os) { *os << c.what; }
};

const StripsCase kStripsCases[] = {
    // A4 at 600 dpi (more than 131072 bytes left): 26 rows of 4960.
    {"quick A4 row", &kQuick, 4960, 4960, 0, 40, 0, 6},
    // One segment holds 13 rows: three 4-row strips.
    {"fine A4 row", &kFine, 4960, 4960, 0, 40, 0, 3},
    {"fine2 A4 row", &kFine2, 4960, 4960, 0, 40, 0, 3},
    // 32 strips of 256 records of 8 bytes reach 65536 exactly: one fewer.
    {"quick output limit", &kQuick, 1024, 1024, 0, 256, 0, 31},
    {"fine output limit", &kFine, 1024, 1024, 0, 256, 0, 15},
    {"fine2 below the limit", &kFine2, 1024, 1024, 0, 256, 0, 16},
    // Below 65536 bytes the remaining rows are taken as they are.
    {"fine short band", &kFine, 100, 100, 0, 300, 0, 75},
    // Fewer rows left than a strip: still one strip.
    {"quick last rows", &kQuick, 64, 64, 0, 10, 8, 1},
    {"fine2 last rows", &kFine2, 64, 64, 0, 10, 8, 1},
    // One strip that alone reaches the limit leaves no strip at all.
    {"quick pad fills the limit", &kQuick, 4, 4, 8191, 4, 0, 0},
    {"fine widest that fits", &kFine, 16380, 16380, 0, 4, 0, 1},
    {"fine too wide", &kFine, 16384, 16384, 0, 4, 0, 0},
};

class RenderStripsPerCall : public ::testing::TestWithParam<StripsCase> {};

TEST_P(RenderStripsPerCall, CountAndNextRow) {
  const StripsCase& c = GetParam();
  const uint32_t n = c.coder->shape.blockSize;
  const uint32_t readable = std::max(c.bandRows, uint32_t(c.nextRow) + n * std::max(c.strips, 1u));
  ColorBand band(c.stride, readable);
  const CallResult result = CallColorCoder(
      *c.coder, band, {.width = c.width, .bandRows = c.bandRows, .nextRow = c.nextRow, .padBlocks = c.padBlocks, .inkFlags = 0xFF},
      std::max<std::size_t>(c.strips, 1));
  EXPECT_EQ(result.strips, c.strips);
  EXPECT_EQ(result.nextRow, c.nextRow + int32_t(c.strips * n));
  ASSERT_EQ(result.flags.size(), c.strips + 1);
  EXPECT_EQ(result.flags.back(), 0xFF);
  EXPECT_EQ(result.inkFlags, 0x0F);
  EXPECT_EQ(result.strips, velko::sb::StripsPerCall(c.coder->shape, c.stride * c.bandRows, c.stride, c.nextRow,
                                                    c.width, c.padBlocks))
      << "the shared geometry header agrees with the coder";
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderStripsPerCall, ::testing::ValuesIn(kStripsCases), [](const auto& info) {
  std::string name = info.param.what;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

}  // namespace
}  // namespace velko::sb::test
