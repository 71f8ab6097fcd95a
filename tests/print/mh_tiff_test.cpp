// The MH page as a TIFF: libtiff must open it and give back every pixel
// of the bi-level page, for coded lines (re-framed without their EOLs) and
// lines that were kept raw (coded without the limit) alike; and the
// printer-data decoder must refuse damaged files without crashing.
#include <gtest/gtest.h>
#include <tiffio.h>

#include <random>

#include "tests/print/print_fixture.h"
#include "tools/print/bilevel.h"
#include "tools/print/mh_tiff.h"
#include "tools/print/page_decoder.h"
#include "tools/print/print_error.h"

namespace velko::print::test {
namespace {

TEST(PrintTiff, LibtiffReadsEveryPixel) {
  const RgbImage& page = SmallTestPage();
  const PrintSummary printed = PrintPage(page, {CoderKind::kMh, 0, 0}, IdentityTable());
  ASSERT_GT(printed.rawLines, 0u);
  ASSERT_GT(printed.codedLines, 0u);
  const auto path = TempPath("page.tif");
  WriteFile(path, MhTiffFromPrinterData(printed.data, "page.vkpd"));

  TIFF* tif = TIFFOpen(path.string().c_str(), "r");
  ASSERT_NE(tif, nullptr);
  uint32_t width = 0, height = 0;
  uint16_t compression = 0, photometric = 0;
  TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height);
  TIFFGetField(tif, TIFFTAG_COMPRESSION, &compression);
  TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
  EXPECT_EQ(width, page.width());
  EXPECT_EQ(height, page.height());
  EXPECT_EQ(compression, COMPRESSION_CCITTRLE);
  EXPECT_EQ(photometric, PHOTOMETRIC_MINISWHITE);
  std::vector<uint8_t> expected(BilevelRowBytes(width)), row(std::size_t(TIFFScanlineSize(tif)));
  int wrong = 0;
  for (uint32_t y = 0; y < height; ++y) {
    ASSERT_EQ(TIFFReadScanline(tif, row.data(), y, 0), 1) << "row " << y;
    BilevelRow(page, y, expected);
    for (uint32_t x = 0; x < width; ++x) {
      const bool black = row[x / 8] >> (7 - x % 8) & 1, wanted = expected[x / 8] >> (7 - x % 8) & 1;
      if (black != wanted && ++wrong < 5) ADD_FAILURE() << "pixel " << x << ", " << y;
    }
  }
  TIFFClose(tif);
  EXPECT_EQ(wrong, 0);
}

TEST(PrintTiff, OnlyMhPagesMakeATiff) {
  const PrintSummary printed = PrintPage(SmallTestPage(), {CoderKind::kMono, 0, 0}, IdentityTable());
  EXPECT_THROW(MhTiffFromPrinterData(printed.data, "mono.vkpd"), PrintError);
}

TEST(PrintDecoder, RefusesWhatIsNotPrinterData) {
  const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0, 0, 0, 0};
  EXPECT_THROW(DecodePrinterData(png, "x.png"), WrongKindError);
}

// Truncated and damaged files: a PrintError naming the file, never a crash.
TEST(PrintDecoder, DamagedFilesAreRefused) {
  for (CoderKind coder : {CoderKind::kFine2, CoderKind::kMh, CoderKind::kMono}) {
    const PrintSummary printed = PrintPage(MakeTestPage(30), {coder, 0, 1}, IdentityTable());
    for (std::size_t cut : {std::size_t(40), printed.data.size() / 2, printed.data.size() - 1}) {
      std::vector<uint8_t> truncated(printed.data.begin(), printed.data.begin() + long(cut));
      try {
        DecodePrinterData(truncated, "cut.vkpd");
        ADD_FAILURE() << "accepted a file cut at " << cut;
      } catch (const PrintError& e) {
        EXPECT_NE(std::string(e.what()).find("cut.vkpd"), std::string::npos);
      }
    }
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
      std::vector<uint8_t> damaged = printed.data;
      for (int flips = 0; flips < 3; ++flips) damaged[sizeof(FileHeader) + rng() % (damaged.size() - 32)] ^= uint8_t(1 + rng() % 255);
      try {
        DecodePrinterData(damaged, "damaged.vkpd");
      } catch (const PrintError&) {
      }
    }
  }
}

}  // namespace
}  // namespace velko::print::test
