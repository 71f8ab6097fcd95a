// xbicolquick block by block: every case of the two-color coder, the tie
// and threshold rules, the counting rules of mixtures, and the ink bits
// each case clears.
#include <gtest/gtest.h>

#include "tests/render/block_case.h"

namespace velko::sb::test {
namespace {

struct QuickCase {
  const char* what;
  std::vector<Paint> paints;  // over a white block
  std::vector<uint8_t> record;
  uint8_t inkFlags;  // from 0x0F
  friend void PrintTo(const QuickCase& c, std::ostream* os) { *os << c.what; }
};

constexpr Pixel kOrange{200, 100, 50};
constexpr Pixel kBlue{0, 0, 255};
constexpr Pixel kDarkBlue{50, 100, 150};

const QuickCase kQuickCases[] = {
    // Uniform color only: B is the placeholder and changes no ink bit.
    {"uniform color", {{0, 15, kOrange}}, Bytes({0xC8, 0x64, 0x32, 0, 0, 0, 0x00, 0x00}), 0x08},
    // Black and white only: B black by rule clears bit 3 alone.
    {"one black pixel", {{0, 0, K}}, Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x00}), 0x07},
    {"black pixels 0 and 5", {{0, 0, K}, {5, 5, K}}, Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0, 0x84, 0x00}), 0x07},
    // Uniform color among white: A white, B the color; only its inks clear.
    {"one blue pixel", {{0, 0, kBlue}}, Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0x80, 0x00}), 0x09},
    // Lone color pixel with a lone black one (K = LC = 1): the color is dropped.
    {"black and one color", {{0, 0, K}, {1, 1, kOrange}}, Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x00}), 0x07},
    // Split on red (ranges 240/180/70), threshold 130: the mask and byte order.
    {"two halves",
     {{0, 7, {10, 20, 30}}, {8, 15, {250, 200, 100}}},
     Bytes({0xFA, 0xC8, 0x64, 0x0A, 0x14, 0x1E, 0xFF, 0x00}),
     0x08},
    // Largest range 1: threshold = smallest, nothing below it, B empty.
    {"range one",
     {{0, 15, {100, 100, 100}}, {1, 1, {101, 100, 100}}, {3, 3, {101, 100, 100}}},
     Bytes({0x64, 0x64, 0x64, 0, 0, 0, 0x00, 0x00}),
     0x08},
    // Color and black, uniform: A the color, B black, both flag kinds clear.
    {"uniform color and black", {{0, 14, {50, 60, 70}}, {15, 15, K}}, Bytes({0x32, 0x3C, 0x46, 0, 0, 0, 0x00, 0x01}), 0x00},
    // Color and black, split from 0: a B of black and color is a mean and
    // does not clear bit 3.
    {"black and dark color share B",
     {{0, 0, K}, {1, 1, {40, 40, 40}}, {2, 15, {200, 200, 200}}},
     Bytes({0xC8, 0xC8, 0xC8, 0x14, 0x14, 0x14, 0xC0, 0x00}),
     0x08},
    // Color and black, B of black pixels only: B is black by rule.
    {"B holds only black",
     {{0, 0, K}, {1, 7, kOrange}, {8, 15, {180, 100, 50}}},
     Bytes({0xBD, 0x64, 0x32, 0, 0, 0, 0x80, 0x00}),
     0x00},
    // Color and black whose split threshold is 0: empty B, A the mean of all
    // sixteen pixels, bit 3 kept.
    {"threshold zero",
     {{0, 0, K}, {1, 7, {1, 0, 0}}, {8, 15, {1, 1, 0}}},
     Bytes({0, 0, 0, 0, 0, 0, 0x00, 0x00}),
     0x08},
    // Color and white, split from the smallest values to 255 on blue (red
    // and blue tie for the widest range).
    {"color and white split",
     {{8, 11, {100, 150, 200}}, {12, 15, {200, 150, 100}}},
     Bytes({0xCB, 0xDC, 0xEC, 0xC8, 0x96, 0x64, 0x00, 0x0F}),
     0x08},
    // All kinds, light and dark colors: red 127 is light, so A is the light
    // mean and B the mean of black and the dark color.
    {"red 127 is light",
     {{0, 0, K}, {1, 1, {127, 10, 10}}, {2, 2, {20, 20, 20}}},
     Bytes({0xF5, 0xED, 0xED, 0x0A, 0x0A, 0x0A, 0xA0, 0x00}),
     0x08},
    // All kinds, dark side black only, LC > 1 and K > 1.
    {"two light colors, two blacks",
     {{0, 1, K}, {2, 3, kOrange}},
     Bytes({0xF7, 0xE8, 0xE1, 0, 0, 0, 0xC0, 0x00}),
     0x00},
    // ... K >= LC: the light color is dropped.
    {"one light color, two blacks", {{0, 1, K}, {2, 2, kOrange}}, Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0, 0xC0, 0x00}), 0x07},
    // ... K < LC: the black pixel is dropped.
    {"two light colors, one black",
     {{0, 0, K}, {1, 2, kOrange}},
     Bytes({0xFF, 0xFF, 0xFF, 0xC8, 0x64, 0x32, 0x60, 0x00}),
     0x08},
    // All kinds, light side white only, DC > 1 and K > 1.
    {"two dark colors, two blacks",
     {{0, 1, K}, {2, 3, kDarkBlue}},
     Bytes({0xE1, 0xE8, 0xF0, 0, 0, 0, 0xC0, 0x00}),
     0x00},
    // ... DC > K: the black pixel is dropped.
    {"two dark colors, one black",
     {{0, 0, K}, {1, 2, kDarkBlue}},
     Bytes({0xFF, 0xFF, 0xFF, 0x32, 0x64, 0x96, 0x60, 0x00}),
     0x08},
    // ... DC <= K: the dark color is dropped.
    {"one dark color, one black", {{0, 0, K}, {1, 1, kDarkBlue}}, Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x00}), 0x07},
};

class RenderQuickBlock : public ::testing::TestWithParam<QuickCase> {};

TEST_P(RenderQuickBlock, RecordAndInkFlags) {
  const QuickCase& c = GetParam();
  const CodedBlock coded = CodeOneBlock(kQuick, c.paints);
  EXPECT_EQ(coded.record, c.record);
  EXPECT_EQ(coded.inkFlags, c.inkFlags);
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderQuickBlock, ::testing::ValuesIn(kQuickCases),
                         [](const auto& info) {
                           std::string name = info.param.what;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace velko::sb::test
