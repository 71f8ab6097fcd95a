// The main page's arithmetic: the scale and allowed pages per sheet of every
// paper and output, and the arrangement icon picked for a record (including
// values no page writes).
#include <gtest/gtest.h>

#include <string>

#include "ui/pages/main_page_scale.h"

namespace {

using namespace velko::ui;

enum Paper { A3, A4, A5, A6, B4, B5, B6, Letter, Executive, B5Iso, Com10, IntlDL, Custom, kNoPaper };

struct ScaleCase {
  int paper, output, pages;
  int highest, percent;
  const char* what;
};

TEST(MainPageScale, ScaleAndHighestPagesPerSheet) {
  const ScaleCase cases[] = {
      {A3, 1, 0, 0, 61, "A3 on B5: one page only, 61%"},
      {A3, 1, 2, 0, 61, "A3 on B5 asked for four pages: the one-page scale, no read past the entry"},
      {A3, 0, 1, 1, 50, "A3 on A4, two pages"},
      {A4, 2, 2, 2, 50, "A4 as paper, four pages"},
      {A4, 1, 1, 1, 61, "A4 on B5, two pages"},
      {A5, 1, 2, 2, 61, "A5 on B5, four pages"},
      {A6, 1, 2, 2, 87, "A6 on B5, four pages"},
      {B4, 0, 1, 1, 58, "B4 on A4, two pages"},
      {B5, 0, 2, 2, 58, "B5 on A4, four pages"},
      {B6, 2, 2, 2, 71, "B6 as paper, four pages"},
      {Letter, 0, 0, 0, 97, "Letter on A4: 97%"},
      {Letter, 1, 0, 0, 100, "Letter on Letter"},
      {Executive, 1, 0, 0, 100, "Executive as paper"},
      {IntlDL, 0, 0, 0, 100, "InternationalDL on itself"},
      {Custom, 0, 0, 0, 100, "custom size"},
      {A4, 2, -1, 2, 100, "a negative pages-per-sheet shows one page"},
      {Custom, 1, 0, 0, 0, "a slot after the row's items holds nothing"},
      {kNoPaper, 0, 0, 0, 0, "paper index past the table"},
      {-1, 0, 0, 0, 0, "negative paper index"},
      {A4, 7, 0, 0, 0, "output slot past the row"},
  };
  for (const ScaleCase& c : cases) {
    EXPECT_EQ(HighestPagesPerSheet(c.paper, c.output), c.highest) << c.what;
    EXPECT_EQ(ScalePercent(c.paper, c.output, c.pages), c.percent) << c.what;
  }
}

// More pages on a sheet never print larger.
TEST(MainPageScale, ScalesShrinkWithMorePagesPerSheet) {
  for (int p = 0; p < kPaperCount; ++p) {
    for (int o = 0; o < CodeCount(kOutputCodes[p]); ++o) {
      const int highest = HighestPagesPerSheet(p, o);
      for (int n = 1; n <= highest; ++n) {
        EXPECT_LE(ScalePercent(p, o, n), ScalePercent(p, o, n - 1)) << p << "/" << o << "/" << n;
      }
    }
  }
}

struct IconCase {
  int32_t orientation, pages, twoUp, fourUp;
  UINT icon;
  const char* what;
};

TEST(MainPageScale, ArrangementIcons) {
  const IconCase cases[] = {
      {2, 2, 0, 3, 2247, "landscape, four pages, order 3"},
      {1, 2, 0, 1, 2237, "portrait, four pages, order 1"},
      {1, 1, 1, 0, 2240, "portrait, two pages, right first"},
      {1, 1, 0, 3, 2239, "two pages read the two-up order, not the four-up one"},
      {2, 1, 1, 0, 2224, "landscape two pages: one picture for both orders"},
      {1, 0, 1, 3, 2001, "one page ignores both orders"},
      {2, 0, 0, 0, 2238, "landscape, one page"},
      {0, 0, 0, 0, 2238, "orientation 0 shows landscape, as the radio buttons do"},
      {7, 2, 0, 2, 2246, "orientation 7 likewise"},
      {1, 3, 0, 0, 2001, "pages per sheet past the table: one page"},
      {1, -1, 0, 0, 2001, "negative pages per sheet: one page"},
      {1, 2, 0, 4, 2221, "four-up order past its range: order 0"},
      {2, 1, -1, 0, 2224, "negative two-up order: order 0"},
      {1, 1, 2, 0, 2239, "two-up order 2 (a four-up order): order 0"},
  };
  for (const IconCase& c : cases) {
    EXPECT_EQ(ArrangementIcon(c.orientation, c.pages, c.twoUp, c.fourUp), c.icon) << c.what;
  }
}

}  // namespace
