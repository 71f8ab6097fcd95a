// The color page's pure pieces: the radio that shows a stored color mode
// (codes outside the table included) and the cut of a list text to the
// chosen-name field.
#include "ui/pages/color_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using velko::ui::CutToBytes;
using velko::ui::RadioForColorMode;

struct ModeCase {
  int32_t mode;
  int radio;
};

const ModeCase kModeCases[] = {
    {0, 1052},           // document
    {1, 1053},           // photo
    {2, 1054},           // graphics
    {3, 1055},           // monochrome
    {4, 1056},           // custom
    {5, 1104},           // ICM has its radio after the others
    {6, 1101},           // no color adjustment
    {7, 1101},           // above the table: no color adjustment, no read past it
    {-1, 1101},          // negative: the same
    {INT32_MIN, 1101},   // the far end
};

TEST(ColorPageTest, EachStoredModeShowsOneRadio) {
  for (const ModeCase& c : kModeCases) EXPECT_EQ(RadioForColorMode(c.mode), c.radio) << c.mode;
}

struct CutCase {
  std::string text;
  std::size_t limit;
  std::string kept;
};

const CutCase kCutCases[] = {
    {"Mine", 18, "Mine"},                                      // short text whole
    {"abcdefghijklmnopqrst", 18, "abcdefghijklmnopqr"},        // ASCII cut at the limit
    {"\xB5\xB1\xC7\xB0\xC9\xE8\xD6\xC3", 18, "\xB5\xB1\xC7\xB0\xC9\xE8\xD6\xC3"},  // 当前设置 whole
    {"abcdefghijklmnopq\xB5\xB1", 18, "abcdefghijklmnopq"},     // no half character at the end
    {"abcdefghijklmnop\xB5\xB1", 18, "abcdefghijklmnop\xB5\xB1"},  // a whole one that fits
    {"ab\xB5", 18, "ab"},                                      // a lone lead byte at the end dropped
};

TEST(ColorPageTest, ChosenNamesAreCutWithoutSplittingACharacter) {
  for (const CutCase& c : kCutCases) EXPECT_EQ(CutToBytes(c.text, c.limit), c.kept) << c.text;
}

}  // namespace
