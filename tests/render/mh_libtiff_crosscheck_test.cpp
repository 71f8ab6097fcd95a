// Cross-check of xMHConvert against an independent implementation: libtiff
// encodes the same rows as CCITT RLE (Modified Huffman, each row byte
// aligned, no EOL). For rows whose runs are at most 2560 pixels long, our
// code bits before the EOLs must be libtiff's: since an EOL opens with
// eleven 0 bits, libtiff's zero padding of the last byte matches our bytes
// too, so whole rows compare byte for byte.
#include <gtest/gtest.h>
#include <tiffio.h>

#include <filesystem>
#include <unistd.h>
#include <random>
#include <string>
#include <vector>

#include "render/velko_sb.h"

namespace {

using Row = std::vector<uint8_t>;

// Rows of runs drawn from a mix of text-like (short), graphic (medium) and
// blank (long, up to 2560) runs; set bit = black.
std::vector<Row> MakeRows(uint32_t width, int count, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<Row> rows;
  for (int r = 0; r < count; ++r) {
    Row row((width + 7) / 8, 0);
    uint32_t x = 0;
    bool black = rng() % 4 == 0;  // some rows open with black
    while (x < width) {
      uint32_t run = 0;
      switch (rng() % 6) {
        case 0: run = 1 + rng() % 4; break;
        case 1: case 2: run = 1 + rng() % 40; break;
        case 3: run = 60 + rng() % 200; break;
        case 4: run = 1 + rng() % 2560; break;
        default: run = 1700 + rng() % 900; break;
      }
      run = std::min({run, width - x, 2560u});
      for (uint32_t i = 0; i < run; ++i, ++x) {
        if (black) row[x / 8] |= uint8_t(0x80 >> (x % 8));
      }
      black = !black;
    }
    // Bits past the width in the last byte are not pixels: fill them with
    // noise, which neither encoder may code.
    if (width % 8 != 0) row.back() |= uint8_t(rng() & (0xFFu >> (width % 8)));
    rows.push_back(std::move(row));
  }
  return rows;
}

// libtiff's code for every row, one row per strip.
std::vector<Row> LibtiffRows(const std::vector<Row>& rows, uint32_t width) {
  const std::string path =
      (std::filesystem::path(::testing::TempDir()) /
       ("mh_crosscheck_" + std::to_string(::getpid()) + "_" + std::to_string(width) + ".tif")).string();
  TIFF* out = TIFFOpen(path.c_str(), "w");
  EXPECT_NE(out, nullptr);
  if (out == nullptr) return {};
  TIFFSetField(out, TIFFTAG_IMAGEWIDTH, width);
  TIFFSetField(out, TIFFTAG_IMAGELENGTH, uint32_t(rows.size()));
  TIFFSetField(out, TIFFTAG_BITSPERSAMPLE, 1);
  TIFFSetField(out, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(out, TIFFTAG_COMPRESSION, COMPRESSION_CCITTRLE);
  TIFFSetField(out, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
  TIFFSetField(out, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
  TIFFSetField(out, TIFFTAG_ROWSPERSTRIP, 1);
  for (uint32_t y = 0; y < rows.size(); ++y) {
    Row copy = rows[y];  // libtiff may scribble on the row it is given
    EXPECT_EQ(TIFFWriteScanline(out, copy.data(), y, 0), 1);
  }
  TIFFClose(out);

  std::vector<Row> coded;
  TIFF* in = TIFFOpen(path.c_str(), "r");
  EXPECT_NE(in, nullptr);
  if (in == nullptr) return {};
  for (tstrip_t strip = 0; strip < TIFFNumberOfStrips(in); ++strip) {
    Row raw(TIFFRawStripSize(in, strip));
    const tmsize_t got = TIFFReadRawStrip(in, strip, raw.data(), tmsize_t(raw.size()));
    raw.resize(got < 0 ? 0 : std::size_t(got));
    coded.push_back(std::move(raw));
  }
  TIFFClose(in);
  std::filesystem::remove(path);
  return coded;
}

class RenderMhAgainstLibtiff : public ::testing::TestWithParam<uint32_t> {};

TEST_P(RenderMhAgainstLibtiff, SameCodeBitsBeforeTheEols) {
  const uint32_t width = GetParam();
  const auto rows = MakeRows(width, 400, width);
  const auto reference = LibtiffRows(rows, width);
  ASSERT_EQ(reference.size(), rows.size());
  const std::size_t limit = width / 8;
  int compared = 0;
  for (std::size_t y = 0; y < rows.size(); ++y) {
    Row ours(2 * limit + 8);
    const uint32_t result = xMHConvert(rows[y].data(), ours.data(), int32_t(width));
    const Row& theirs = reference[y];
    if (result == 0) {
      EXPECT_GT(theirs.size() + 3, limit) << "row " << y << " was refused though it codes short";
      continue;
    }
    // With EOLs the whole reference row is ours; without (exactly the raw
    // size) the last partial byte was dropped.
    const std::size_t n = result == limit ? result : theirs.size();
    ASSERT_LE(n, theirs.size()) << "row " << y;
    ASSERT_LE(n, std::size_t(result)) << "row " << y;
    EXPECT_EQ(Row(ours.begin(), ours.begin() + long(n)), Row(theirs.begin(), theirs.begin() + long(n))) << "row " << y;
    ++compared;
  }
  EXPECT_GT(compared, 300) << "most rows compress and are compared";
}

// The fax width, an A4 page at 600 dpi, and a width that ends inside a byte.
INSTANTIATE_TEST_SUITE_P(Widths, RenderMhAgainstLibtiff, ::testing::Values(1728u, 4960u, 1725u));

}  // namespace
