// The BMP reader over every header variant and pixel layout a user's file
// may have, and over malformed and truncated files, which must give no
// bitmap and a reason, never a crash.
#include <gtest/gtest.h>

#include "platform/gdi/bmp_reader.h"
#include "tests/platform/bmp_builder.h"
#include "tests/platform/gdi_fixture.h"

namespace velko::platform::testing {
namespace {

// The 2 x 2 test picture: red green / blue white, top row first.
const std::vector<COLORREF> kPicture = {kRed, kGreen, kBlue, kWhite};
const std::vector<RGBQUAD> kTable = {Quad(kRed), Quad(kGreen), Quad(kBlue), Quad(kWhite)};

// Bottom row first, as files store it.
const std::vector<uint8_t> kBgr24 = PaddedRows({{255, 0, 0, 255, 255, 255}, {0, 0, 255, 0, 255, 0}});
const std::vector<uint8_t> kBgrx32 = {255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0};
const std::vector<uint8_t> kIndex8 = PaddedRows({{2, 3}, {0, 1}});

std::vector<COLORREF> PixelsOf(const Bitmap& b) {
  std::vector<COLORREF> out(static_cast<std::size_t>(b.width()) * b.height());
  for (int y = 0; y < b.height(); ++y) b.ReadRow(y, 0, b.width(), &out[y * b.width()]);
  return out;
}

BmpLayout Layout(DWORD header, WORD bits, std::vector<uint8_t> pixels) {
  BmpLayout s;
  s.header_size = header;
  s.width = 2;
  s.height = 2;
  s.bits = bits;
  s.pixels = std::move(pixels);
  return s;
}

BmpLayout With(BmpLayout s, auto change) {
  change(s);
  return s;
}

struct VariantCase {
  const char* what;
  BmpLayout layout;
  int bits;  // depth of the DIB section made
  std::vector<COLORREF> expected = kPicture;
};

const VariantCase kVariants[] = {
    {"info header, 24 bits", Layout(40, 24, kBgr24), 24},
    {"core header, 24 bits", Layout(12, 24, kBgr24), 24},
    {"core header, 8 bits, RGB triples",
     With(Layout(12, 8, kIndex8), [](BmpLayout& s) { s.colors = std::vector<RGBQUAD>(256, Quad(kBlack)); std::copy(kTable.begin(), kTable.end(), s.colors.begin()); }), 8},
    {"top-down rows", With(Layout(40, 24, PaddedRows({{0, 0, 255, 0, 255, 0}, {255, 0, 0, 255, 255, 255}})),
                           [](BmpLayout& s) { s.height = -2; }), 24},
    {"32 bits", Layout(40, 32, kBgrx32), 32},
    {"16 bits, 5-5-5 by default",
     Layout(40, 16, PaddedRows({{0x1F, 0x00, 0xFF, 0x7F}, {0x00, 0x7C, 0xE0, 0x03}})), 16},
    {"16 bits, 5-6-5 bit fields",
     With(Layout(40, 16, PaddedRows({{0x1F, 0x00, 0xFF, 0xFF}, {0x00, 0xF8, 0xE0, 0x07}})),
          [](BmpLayout& s) { s.compression = BI_BITFIELDS; s.masks = {0xF800, 0x07E0, 0x001F}; }), 16},
    {"32 bits, bit fields in RGBX order",
     With(Layout(40, 32, {0, 0, 255, 0, 255, 255, 255, 0, 255, 0, 0, 0, 0, 255, 0, 0}),
          [](BmpLayout& s) { s.compression = BI_BITFIELDS; s.masks = {0x0000FF, 0x00FF00, 0xFF0000}; }), 32},
    {"52-byte header, masks inside",
     With(Layout(52, 16, PaddedRows({{0x1F, 0x00, 0xFF, 0xFF}, {0x00, 0xF8, 0xE0, 0x07}})),
          [](BmpLayout& s) { s.compression = BI_BITFIELDS; s.masks = {0xF800, 0x07E0, 0x001F}; }), 16},
    {"56-byte header", Layout(56, 24, kBgr24), 24},
    {"64-byte OS/2 header", Layout(64, 24, kBgr24), 24},
    {"108-byte header, masks inside",
     With(Layout(108, 32, {0, 0, 255, 0, 255, 255, 255, 0, 255, 0, 0, 0, 0, 255, 0, 0}),
          [](BmpLayout& s) { s.compression = BI_BITFIELDS; s.masks = {0x0000FF, 0x00FF00, 0xFF0000}; }), 32},
    {"124-byte header", Layout(124, 24, kBgr24), 24},
    {"8 bits, short table by biClrUsed",
     With(Layout(40, 8, kIndex8), [](BmpLayout& s) { s.colors = kTable; s.colors_used = 4; }), 8},
    {"8 bits, biClrUsed past the full table is cut",
     With(Layout(40, 8, kIndex8), [](BmpLayout& s) {
       s.colors = std::vector<RGBQUAD>(256, Quad(kBlack));
       std::copy(kTable.begin(), kTable.end(), s.colors.begin());
       s.colors_used = 100000;
     }), 8},
    {"4 bits", With(Layout(40, 4, PaddedRows({{0x23}, {0x01}})), [](BmpLayout& s) { s.colors = kTable; s.colors_used = 4; }), 4},
    {"1 bit", With(Layout(40, 1, PaddedRows({{0x40}, {0x80}})), [](BmpLayout& s) { s.colors = {Quad(kBlack), Quad(kWhite)}; }), 1,
     {kWhite, kBlack, kBlack, kWhite}},
    {"core header, 1 bit", With(Layout(12, 1, PaddedRows({{0x40}, {0x80}})), [](BmpLayout& s) { s.colors = {Quad(kBlack), Quad(kWhite)}; }), 1,
     {kWhite, kBlack, kBlack, kWhite}},
    {"index past a short table shows black",
     With(Layout(40, 8, PaddedRows({{2, 9}, {0, 1}})), [](BmpLayout& s) { s.colors = kTable; s.colors_used = 4; }), 8,
     {kRed, kGreen, kBlue, kBlack}},
    {"bits after a gap, by bfOffBits",
     With(Layout(40, 24, kBgr24), [](BmpLayout& s) { s.bits_offset = 14 + 40 + 10; }), 24},
    {"bfOffBits of 0 means right after the table", With(Layout(40, 24, kBgr24), [](BmpLayout& s) { s.bits_offset = 0; }), 24},
    {"RLE8 runs",
     With(Layout(40, 8, {1, 2, 1, 3, 0, 0, 1, 0, 1, 1, 0, 1}),
          [](BmpLayout& s) { s.compression = BI_RLE8; s.colors = kTable; s.colors_used = 4; }), 8},
    {"RLE8 literal, move and unreached pixels",
     With(Layout(40, 8, {0, 3, 1, 2, 3, 0, /* EOL */ 0, 0, /* move 2 right */ 0, 2, 2, 0, 1, 1, 0, 1}),
          [](BmpLayout& s) { s.width = 4; s.compression = BI_RLE8; s.colors = kTable; s.colors_used = 4; }), 8,
     {kRed, kRed, kGreen, kRed, kGreen, kBlue, kWhite, kRed}},
    {"RLE4 alternating run and literal",
     With(Layout(40, 4, {4, 0x23, 0, 0, 0, 3, 0x01, 0x20, 0, 1}),
          [](BmpLayout& s) { s.width = 4; s.compression = BI_RLE4; s.colors = kTable; s.colors_used = 4; }), 4,
     {kRed, kGreen, kBlue, kRed, kBlue, kWhite, kBlue, kWhite}},
    {"RLE run longer than the row is cut",
     With(Layout(40, 8, {9, 3, 0, 1}),
          [](BmpLayout& s) { s.height = 1; s.compression = BI_RLE8; s.colors = kTable; s.colors_used = 4; }), 8,
     {kWhite, kWhite}},
};

TEST(BmpReader, EveryHeaderVariant) {
  for (const VariantCase& c : kVariants) {
    SCOPED_TRACE(c.what);
    const BmpResult result = ReadBmpFile(BuildBmp(c.layout));
    ASSERT_NE(result.bitmap, nullptr) << result.error;
    EXPECT_EQ(result.bitmap->format().bitsPixel, c.bits);
    EXPECT_TRUE(result.bitmap->format().dib);
    EXPECT_EQ(PixelsOf(*result.bitmap), c.expected);
  }
}

TEST(BmpReader, PackedDibAsResourcesHoldIt) {
  BmpLayout s = Layout(40, 8, kIndex8);
  s.colors = kTable;
  s.colors_used = 4;
  s.file_header = false;
  const BmpResult packed = ReadPackedDib(BuildBmp(s));
  ASSERT_NE(packed.bitmap, nullptr) << packed.error;
  EXPECT_EQ(PixelsOf(*packed.bitmap), kPicture);
  s.file_header = true;  // a whole file is accepted there too
  ASSERT_NE(ReadPackedDib(BuildBmp(s)).bitmap, nullptr);
}

TEST(BmpReader, EveryTruncationGivesNoBitmap) {
  BmpLayout plain = Layout(40, 8, kIndex8);
  plain.colors = kTable;
  plain.colors_used = 4;
  BmpLayout rle = plain;
  rle.compression = BI_RLE8;
  rle.pixels = {1, 2, 1, 3, 0, 0, 0, 3, 0, 1, 0, 0, 0, 1};
  for (const BmpLayout& layout : {plain, rle}) {
    const std::vector<uint8_t> file = BuildBmp(layout);
    ASSERT_NE(ReadBmpFile(file).bitmap, nullptr);
    for (std::size_t n = 0; n < file.size(); ++n) {
      const BmpResult r = ReadBmpFile(std::span(file.data(), n));
      EXPECT_EQ(r.bitmap, nullptr) << "prefix of " << n << " bytes";
      EXPECT_FALSE(r.error.empty());
    }
  }
}

struct MalformedCase {
  const char* what;
  std::vector<uint8_t> file;
};

std::vector<uint8_t> Build(BmpLayout s) { return BuildBmp(s); }

std::vector<MalformedCase> MalformedCases() {
  const BmpLayout good = Layout(40, 24, kBgr24);
  BmpLayout rle = Layout(40, 8, {2, 1, 0, 1});
  rle.compression = BI_RLE8;
  rle.colors = kTable;
  rle.colors_used = 4;
  std::vector<uint8_t> bad_magic = Build(good);
  bad_magic[0] = 'X';
  return {
      {"empty", {}},
      {"not BM", bad_magic},
      {"two planes", Build(With(good, [](BmpLayout& s) { s.planes = 2; }))},
      {"zero width", Build(With(good, [](BmpLayout& s) { s.width = 0; }))},
      {"negative width", Build(With(good, [](BmpLayout& s) { s.width = -2; }))},
      {"zero height", Build(With(good, [](BmpLayout& s) { s.height = 0; }))},
      {"7 bits", Build(With(good, [](BmpLayout& s) { s.bits = 7; }))},
      {"2 bits", Build(With(good, [](BmpLayout& s) { s.bits = 2; }))},
      {"core header with 32 bits", Build(With(Layout(12, 32, kBgrx32), [](BmpLayout&) {}))},
      {"JPEG compression", Build(With(good, [](BmpLayout& s) { s.compression = 4; }))},
      {"RLE8 with 4 bits", Build(With(rle, [](BmpLayout& s) { s.bits = 4; }))},
      {"RLE top-down", Build(With(rle, [](BmpLayout& s) { s.height = -2; }))},
      {"RLE without end mark", Build(With(rle, [](BmpLayout& s) { s.pixels = {2, 1, 0, 0, 2, 1}; }))},
      {"RLE literal past the end", Build(With(rle, [](BmpLayout& s) { s.pixels = {0, 9, 1, 2}; }))},
      {"RLE move past the end", Build(With(rle, [](BmpLayout& s) { s.pixels = {0, 2, 1}; }))},
      {"bit fields with 24 bits", Build(With(good, [](BmpLayout& s) { s.compression = BI_BITFIELDS; s.masks = {0xFF0000, 0xFF00, 0xFF}; }))},
      {"zero mask", Build(With(Layout(40, 32, kBgrx32), [](BmpLayout& s) { s.compression = BI_BITFIELDS; s.masks = {0xFF0000, 0, 0xFF}; }))},
      {"mask with a hole", Build(With(Layout(40, 32, kBgrx32), [](BmpLayout& s) { s.compression = BI_BITFIELDS; s.masks = {0xF0F000, 0xFF00, 0xFF}; }))},
      {"mask wider than the pixel", Build(With(Layout(40, 16, PaddedRows({{0, 0, 0, 0}, {0, 0, 0, 0}})), [](BmpLayout& s) { s.compression = BI_BITFIELDS; s.masks = {0x1F0000, 0x7E0, 0x1F}; }))},
      {"OS/2 Huffman compression", Build(With(Layout(64, 1, PaddedRows({{0}, {0}})), [](BmpLayout& s) { s.compression = 3; s.colors = {Quad(kBlack), Quad(kWhite)}; }))},
      {"header size 20", Build(With(good, [](BmpLayout& s) { s.header_size = 20; s.pixels.clear(); }))},
      {"header size past the file", [&] { auto f = Build(good); f[14] = 0xFF; f[15] = 0xFF; return f; }()},
      {"60000 x 60000 in a few bytes", Build(With(good, [](BmpLayout& s) { s.width = 60000; s.height = 60000; }))},
      {"2^31 - 1 wide", Build(With(good, [](BmpLayout& s) { s.width = 0x7FFFFFFF; s.height = 1; }))},
      {"bits offset past the end", [&] { auto f = Build(good); f[10] = 0xA0; f[11] = 0x86; f[12] = 0x01; return f; }()},
      {"rows one byte short", [&] { auto f = Build(good); f.pop_back(); return f; }()},
  };
}

TEST(BmpReader, MalformedFilesGiveNoBitmapAndAReason) {
  for (const MalformedCase& c : MalformedCases()) {
    SCOPED_TRACE(c.what);
    const BmpResult result = ReadBmpFile(c.file);
    EXPECT_EQ(result.bitmap, nullptr);
    EXPECT_FALSE(result.error.empty());
  }
}

TEST(BmpReader, LimitRefusesLargeImagesBeforeAllocating) {
  BmpLayout s = Layout(40, 24, kBgr24);
  EXPECT_NE(ReadBmpFile(BuildBmp(s), BmpLimits{16}).bitmap, nullptr);  // 2 rows of 8 bytes
  EXPECT_EQ(ReadBmpFile(BuildBmp(s), BmpLimits{15}).bitmap, nullptr);
}

TEST(BmpReader, ShortFileClaimingALargeImageIsRefusedBeforeAllocating) {
  // 8000 x 8000 x 24 bits is within the default limit, so only the length
  // check stands between a 30-byte file and a 192 MB bitmap.
  const BmpResult result = ReadBmpFile(BuildBmp(With(Layout(40, 24, kBgr24), [](BmpLayout& s) {
    s.width = 8000;
    s.height = 8000;
  })));
  EXPECT_EQ(result.bitmap, nullptr);
  EXPECT_NE(result.error.find("the file ends before the image's rows do"), std::string::npos) << result.error;
}

}  // namespace
}  // namespace velko::platform::testing
