// Reading pages: PNG through libpng (with alpha laid over white) and the
// six PNM formats, and refusing malformed files with a message that names
// the file and the problem.
#include <gtest/gtest.h>

#include <random>

#include "tests/print/print_fixture.h"
#include "tools/print/image.h"
#include "tools/print/print_error.h"

namespace velko::print::test {
namespace {

std::vector<uint8_t> Text(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

RgbImage RandomImage(uint32_t width, uint32_t height, uint32_t seed) {
  RgbImage image(width, height);
  std::mt19937 rng(seed);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) image.Set(x, y, Rgb8{uint8_t(rng()), uint8_t(rng()), uint8_t(rng())});
  }
  return image;
}

TEST(PrintImage, PngRoundTrip) {
  const RgbImage image = RandomImage(37, 23, 1);
  const auto path = TempPath("roundtrip.png");
  WriteFile(path, EncodePng(image));
  const RgbImage read = ReadImage(path);
  EXPECT_EQ(read.width(), 37u);
  EXPECT_EQ(read.height(), 23u);
  EXPECT_TRUE(read.bytes() == image.bytes());
}

struct PnmCase {
  const char* what;
  std::string bytes;
  std::vector<Rgb8> pixels;  // row by row
  friend void PrintTo(const PnmCase& c, std::ostream* os) { *os << c.what; }
};

const Rgb8 kBlack{0, 0, 0}, kWhite{255, 255, 255};

const PnmCase kPnmCases[] = {
    // ASCII bitmap, 1 = black, digits may touch.
    {"P1", "P1\n# comment\n3 2\n1 0 1\n010\n", {kBlack, kWhite, kBlack, kWhite, kBlack, kWhite}},
    // ASCII gray with maxval 4: values scale to 0..255 with rounding.
    {"P2", "P2 2 1 4\n1 4\n", {{64, 64, 64}, kWhite}},
    {"P3", "P3 1 2 255 10 20 30\n40 50 60\n", {{10, 20, 30}, {40, 50, 60}}},
    // Packed bits, rows padded to whole bytes.
    {"P4", std::string("P4 10 1\n") + char(0x80) + char(0x40), {kBlack, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kBlack}},
    {"P5", std::string("P5 2 1 255\n") + char(0) + char(200), {kBlack, {200, 200, 200}}},
    // Two bytes per sample, big-endian, above maxval 255.
    {"P6 16-bit", std::string("P6 1 1 65535\n") + char(0xFF) + char(0xFF) + char(0) + char(0) + char(0x80) + char(0),
     {{255, 0, 128}}},
};

class PrintPnm : public ::testing::TestWithParam<PnmCase> {};

TEST_P(PrintPnm, Pixels) {
  const PnmCase& c = GetParam();
  const RgbImage image = ParsePnm(Text(c.bytes), "t.pnm");
  ASSERT_EQ(std::size_t(image.width()) * image.height(), c.pixels.size());
  for (std::size_t i = 0; i < c.pixels.size(); ++i) {
    EXPECT_EQ(image.At(uint32_t(i % image.width()), uint32_t(i / image.width())), c.pixels[i]) << "pixel " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, PrintPnm, ::testing::ValuesIn(kPnmCases), [](const auto& info) {
  std::string name = info.param.what;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

struct BadFileCase {
  const char* what;
  std::string bytes;
  const char* message;  // part of the error
  friend void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.what; }
};

const BadFileCase kBadFiles[] = {
    {"not an image", "GIF89a....", "not a PNG or PNM image"},
    {"empty", "", "not a PNG or PNM image"},
    {"PNM without a height", "P5 12\n", "expected the height"},
    {"PNM of no pixels", "P5 0 5 255\n", "no pixels"},
    {"PNM maxval 0", "P2 1 1 0\n0\n", "maximum value out of 1..65535"},
    {"PNM value above maxval", "P2 1 1 10\n11\n", "pixel value above the maximum value"},
    {"PNM data ends early", "P6 4 4 255\nabc", "pixel data ends early"},
    {"PNM absurd size", "P5 100000 100000 255\n", "larger than a page"},
    {"PNM garbage in ASCII data", "P3 1 1 255\n1 x 3\n", "expected a pixel value"},
    {"PNG signature then garbage", std::string("\x89PNG\r\n\x1A\n", 8) + "garbage garbage garbage", "not a readable PNG"},
};

class PrintBadImages : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(PrintBadImages, RefusedWithAClearMessage) {
  const BadFileCase& c = GetParam();
  const auto path = TempPath("bad_image");
  WriteFile(path, Text(c.bytes));
  try {
    ReadImage(path);
    FAIL() << "accepted";
  } catch (const PrintError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find(path.string()), std::string::npos) << message;
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, PrintBadImages, ::testing::ValuesIn(kBadFiles), [](const auto& info) {
  std::string name = info.param.what;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

TEST(PrintImage, TruncatedPngIsRefused) {
  auto png = EncodePng(RandomImage(64, 64, 2));
  png.resize(png.size() / 2);
  const auto path = TempPath("truncated.png");
  WriteFile(path, png);
  EXPECT_THROW(ReadImage(path), PrintError);
}

TEST(PrintImage, MissingFileIsRefused) {
  EXPECT_THROW(ReadImage(TempPath("does_not_exist.png")), PrintError);
}

}  // namespace
}  // namespace velko::print::test
