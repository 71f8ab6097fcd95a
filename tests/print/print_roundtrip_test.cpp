// Printing a page with each coder and decoding the printer data back: the
// bi-level coders must give back exactly the dithered page, the color coders
// a close page whose white paper, pure inks and flat areas are exact; the
// file's framing must follow the calls' results.
#include <gtest/gtest.h>

#include <cstring>

#include "render/band_geometry.h"
#include "tests/print/print_fixture.h"
#include "tools/print/bilevel.h"
#include "tools/print/compare.h"
#include "tools/print/page_decoder.h"
#include "tools/print/print_error.h"

namespace velko::print::test {
namespace {

struct CoderCase {
  CoderKind coder;
  int32_t convert;
  int32_t padBlocks;
  double minPsnr;  // against the input page, color coders only
  friend void PrintTo(const CoderCase& c, std::ostream* os) {
    *os << CoderName(c.coder) << " convert " << c.convert << " pad " << c.padBlocks;
  }
};

class PrintRoundTrip : public ::testing::TestWithParam<CoderCase> {};

TEST_P(PrintRoundTrip, DecodedPageMatchesTheInput) {
  const CoderCase& c = GetParam();
  const RgbImage& page = SmallTestPage();
  const Table table = IdentityTable();
  const PrintSummary printed = PrintPage(page, {c.coder, c.convert, c.padBlocks}, table);
  const RgbImage decoded = DecodePrinterData(printed.data, "page.vkpd");
  ASSERT_EQ(decoded.width(), page.width());
  ASSERT_EQ(decoded.height(), page.height());
  if (c.coder == CoderKind::kMono || c.coder == CoderKind::kMh) {
    EXPECT_TRUE(decoded.bytes() == BilevelPage(page).bytes()) << "bi-level coding is lossless";
    return;
  }
  EXPECT_GT(Psnr(decoded, page), c.minPsnr);
  EXPECT_GT(printed.blankStrips, 0u) << "the page has white strips";
  EXPECT_GT(printed.storedStrips, 0u);
  // Paper stays white; uniform blocks keep their color, and pure red stays
  // pure unless converted (convert 1: the identity table's top cell gives 254).
  EXPECT_EQ(decoded.At(page.width() / 2, page.height() - 3), (Rgb8{255, 255, 255}));
  const uint32_t inkX = uint32_t(0.66 * page.width()) + uint32_t(0.065 * page.width());
  const uint32_t inkY = uint32_t(0.56 * page.height()) + uint32_t(0.0325 * page.height());
  ASSERT_EQ(page.At(inkX, inkY), (Rgb8{255, 0, 0})) << "the probe sits in the red patch";
  EXPECT_EQ(decoded.At(inkX, inkY), (Rgb8{uint8_t(c.convert == 1 ? 254 : 255), 0, 0}));
}

const CoderCase kCoderCases[] = {
    // Measured on the 100 dpi page: quick 42.6 dB, fine 49.0, fine2 46.4.
    {CoderKind::kQuick, 0, 0, 40.0},  {CoderKind::kFine, 0, 0, 46.0},  {CoderKind::kFine2, 0, 0, 44.0},
    {CoderKind::kQuick, 1, 3, 40.0},  {CoderKind::kFine, 5, 0, 46.0},  {CoderKind::kFine2, 1, 2, 44.0},
    {CoderKind::kMono, 0, 0, 0},      {CoderKind::kMono, 0, 5, 0},     {CoderKind::kMh, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Coders, PrintRoundTrip, ::testing::ValuesIn(kCoderCases), [](const auto& info) {
  return std::string(CoderName(info.param.coder)) + "_convert" + std::to_string(info.param.convert) + "_pad" +
         std::to_string(info.param.padBlocks);
});

// Walks the call chunks of a band coder's file: each call's strips continue
// where the last one ended, band by band, and cover the page.
TEST(PrintFraming, CallsCoverThePageInOrder) {
  const RgbImage& page = SmallTestPage();
  for (CoderKind coder : {CoderKind::kQuick, CoderKind::kFine, CoderKind::kFine2, CoderKind::kMono}) {
    const PrintSummary printed = PrintPage(page, {coder, 0, 1}, IdentityTable());
    FileHeader header;
    std::memcpy(&header, printed.data.data(), sizeof header);
    const uint32_t stripHeight = coder == CoderKind::kQuick || coder == CoderKind::kFine ? 4 : 8;
    const auto& shape = coder == CoderKind::kQuick ? sb::kQuickShape
                        : coder == CoderKind::kFine ? sb::kFineShape
                        : coder == CoderKind::kFine2 ? sb::kFine2Shape
                                                     : sb::kMonoShape;
    const std::size_t stripBytes = std::size_t(sb::StripOutputBytes(shape, int32_t(header.width), 1));
    std::size_t at = sizeof header;
    uint32_t expectedRow = 0, calls = 0;
    while (printed.data[at] == uint8_t(ChunkKind::kCall)) {
      CallHeader call;
      std::memcpy(&call, &printed.data[at], sizeof call);
      at += sizeof call;
      ASSERT_EQ(call.firstRow, expectedRow) << CoderName(coder) << " call " << calls;
      const uint8_t* flags = &printed.data[at];
      EXPECT_EQ(flags[call.strips], 0xFF);
      at += call.strips + 1;
      const uint8_t* present = &printed.data[at];
      at += (call.strips + 7) / 8;
      for (uint32_t i = 0; i < call.strips; ++i) {
        if (present[i / 8] >> (i % 8) & 1) at += stripBytes;
      }
      expectedRow += call.strips * stripHeight;
      ++calls;
    }
    EXPECT_EQ(printed.data[at], uint8_t(ChunkKind::kEnd));
    EXPECT_EQ(at + 1, printed.data.size());
    EXPECT_GE(expectedRow, page.height());
    EXPECT_LT(expectedRow, page.height() + stripHeight) << "the last band is rounded up to whole strips only";
    EXPECT_EQ(calls, printed.calls);
    EXPECT_GT(calls, 1u);
  }
}

TEST(PrintFraming, MhKeepsLinesThatDoNotCompressRaw) {
  const PrintSummary printed = PrintPage(SmallTestPage(), {CoderKind::kMh, 0, 0}, IdentityTable());
  EXPECT_GT(printed.codedLines, 0u);
  EXPECT_GT(printed.rawLines, 0u) << "the dithered photo area does not compress";
  EXPECT_EQ(printed.codedLines + printed.rawLines, SmallTestPage().height());
}

// Conversion goes through the table: a table that maps everything to one
// gray turns every coded color (but black and white) into that gray.
TEST(PrintConversion, ColorsGoThroughTheTable) {
  Table gray{};
  gray.fill(100);
  RgbImage page(64, 16);
  for (uint32_t y = 0; y < 16; ++y) {
    for (uint32_t x = 0; x < 32; ++x) page.Set(x, y, Rgb8{200, 30, 90});
  }
  const RgbImage decoded = DecodePrinterData(PrintPage(page, {CoderKind::kFine, 1, 0}, gray).data, "gray");
  EXPECT_EQ(decoded.At(5, 5), (Rgb8{100, 100, 100}));
  EXPECT_EQ(decoded.At(40, 5), (Rgb8{255, 255, 255}));
  const RgbImage plain = DecodePrinterData(PrintPage(page, {CoderKind::kFine, 0, 0}, gray).data, "plain");
  EXPECT_EQ(plain.At(5, 5), (Rgb8{200, 30, 90}));
}

struct TooWideCase {
  CoderKind coder;
  uint32_t widest;  // pixels, with no pad records
};

// One strip must stay below the 65536-byte output limit of a call.
TEST(PrintLimits, PagesTooWideForOneStripAreRefused) {
  const TooWideCase cases[] = {
      {CoderKind::kQuick, 32764},  // 8191 records of 8 bytes
      {CoderKind::kFine, 16380},   // 4095 records of 16 bytes
      {CoderKind::kFine2, 18720},  // 2340 records of 28 bytes
      {CoderKind::kMono, 65528},   // 8191 tiles
  };
  for (const TooWideCase& c : cases) {
    EXPECT_NO_THROW(CheckPageFits(c.widest, {c.coder, 0, 0})) << CoderName(c.coder);
    try {
      CheckPageFits(c.widest + 8, {c.coder, 0, 0});
      ADD_FAILURE() << CoderName(c.coder) << " accepted a page too wide";
    } catch (const PrintError& e) {
      EXPECT_NE(std::string(e.what()).find(std::to_string(c.widest)), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(CheckPageFits(16000, {CoderKind::kFine, 0, 200}), PrintError) << "pad records count too";
  EXPECT_NO_THROW(CheckPageFits(100000, {CoderKind::kMh, 0, 0})) << "lines have no such limit";
}

}  // namespace
}  // namespace velko::print::test

namespace velko::print::test {
namespace {

// A small user page of an odd size read from a PNG file: every coder prints
// it, the decoded page has its size, flat areas come back exact and the
// bi-level coders give back the dithered page.
TEST(PrintUserPng, EveryCoderPrintsIt) {
  RgbImage drawn(45, 30);
  for (uint32_t y = 0; y < 30; ++y) {
    for (uint32_t x = 0; x < 45; ++x) {
      drawn.Set(x, y, x < 16 ? Rgb8{0, 0, 255} : Rgb8{uint8_t(x * 5), uint8_t(y * 8), 90});
    }
  }
  for (uint32_t x = 0; x < 45; ++x) drawn.Set(x, 17, Rgb8{0, 0, 0});
  const auto path = TempPath("user.png");
  WriteFile(path, EncodePng(drawn));
  const RgbImage page = ReadImage(path);
  for (CoderKind coder : {CoderKind::kQuick, CoderKind::kFine, CoderKind::kFine2, CoderKind::kMono, CoderKind::kMh}) {
    const RgbImage decoded = DecodePrinterData(PrintPage(page, {coder, 0, 0}, IdentityTable()).data, "user.vkpd");
    ASSERT_EQ(decoded.width(), 45u);
    ASSERT_EQ(decoded.height(), 30u);
    if (coder == CoderKind::kMono || coder == CoderKind::kMh) {
      EXPECT_TRUE(decoded.bytes() == BilevelPage(page).bytes()) << CoderName(coder);
    } else {
      EXPECT_EQ(decoded.At(3, 3), (Rgb8{0, 0, 255})) << CoderName(coder);
      EXPECT_EQ(decoded.At(30, 17), (Rgb8{0, 0, 0})) << CoderName(coder) << ": black line kept";
      EXPECT_GT(Psnr(decoded, page), 25.0) << CoderName(coder);
    }
  }
}

}  // namespace
}  // namespace velko::print::test
