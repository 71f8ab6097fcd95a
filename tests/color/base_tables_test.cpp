// The printer's base tables as embedded in the module: the neutral axis and
// the entries measured at L* = 52 must be exact, white must be white, and ids
// outside 1..4 must fall back to the normal table.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "color/color_pipeline.h"
#include "color/color_table.h"

namespace velko::color {
namespace {

using Rgb = std::array<int, 3>;

Rgb Entry(TableView table, int l, int m, int n) {
  const std::size_t at = GridOffset(l, m, n);
  return {table[at], table[at + 1], table[at + 2]};
}

constexpr std::array<Rgb, 17> kNeutral = {{
    {1, 0, 0},       {25, 8, 22},     {36, 21, 38},    {46, 28, 52},    {58, 42, 64},
    {83, 67, 90},    {99, 88, 109},   {115, 104, 121}, {132, 122, 134}, {160, 146, 160},
    {175, 168, 175}, {186, 181, 185}, {198, 194, 196}, {215, 212, 213}, {229, 228, 228},
    {241, 242, 242}, {255, 255, 255},
}};

TEST(ColorBaseTables, NeutralAxisIsTheMeasuredOneInEveryTable) {
  for (int id : {1, 2, 3, 4}) {
    for (int l = 0; l < kGridPoints; ++l) {
      EXPECT_EQ(Entry(BaseTable(id), l, kNeutralIndex, kNeutralIndex), kNeutral[l])
          << "table " << id << " L* " << kLightnessGrid[l];
    }
  }
}

TEST(ColorBaseTables, NeutralAxisGetsLighterInEveryChannel) {
  for (int id : {1, 2, 3}) {
    for (int l = 1; l < kGridPoints; ++l) {
      const Rgb lower = Entry(BaseTable(id), l - 1, kNeutralIndex, kNeutralIndex);
      const Rgb upper = Entry(BaseTable(id), l, kNeutralIndex, kNeutralIndex);
      for (int c = 0; c < 3; ++c) EXPECT_LE(lower[c], upper[c]) << "table " << id << " L index " << l;
    }
  }
}

TEST(ColorBaseTables, EveryColumnGetsLighterAsLightnessRises) {
  // Less ink as L* rises at constant a*, b*: a regenerated table that breaks
  // this would print some light colors darker than their darker neighbours.
  for (int id : {1, 2, 3}) {
    int falls = 0;
    for (int m = 0; m < kGridPoints; ++m) {
      for (int n = 0; n < kGridPoints; ++n) {
        for (int l = 1; l < kGridPoints; ++l) {
          const Rgb lower = Entry(BaseTable(id), l - 1, m, n), upper = Entry(BaseTable(id), l, m, n);
          for (int c = 0; c < 3; ++c) falls += upper[c] < lower[c];
        }
      }
    }
    EXPECT_EQ(falls, 0) << "table " << id;
  }
}

// Chroma-grid index of an a* or b* value.
int ChromaIndex(double v) {
  return static_cast<int>(std::find(kChromaGrid.begin(), kChromaGrid.end(), v) - kChromaGrid.begin());
}

struct MeasuredCase {
  int baseColor;
  double a, b;
  Rgb rgb;
};

// The entries measured at L* = 52; ids 2 and 4 read the same table.
constexpr MeasuredCase kMeasured[] = {
    {1, 60, 0, {235, 40, 165}},   {2, 60, 0, {235, 40, 165}},   {3, 60, 0, {255, 17, 173}},
    {1, -60, 0, {39, 216, 112}},  {2, -60, 0, {21, 166, 126}},  {3, -60, 0, {44, 212, 113}},
    {1, 0, 60, {165, 121, 0}},    {2, 0, 60, {166, 112, 0}},    {3, 0, 60, {205, 155, 0}},
    {1, 0, -60, {83, 142, 255}},  {2, 0, -60, {47, 126, 255}},  {3, 0, -60, {95, 189, 255}},
    {1, 120, 0, {255, 0, 173}},   {2, 120, 0, {255, 0, 173}},   {3, 120, 0, {255, 0, 173}},
    {1, -120, 0, {0, 255, 92}},   {2, -120, 0, {0, 224, 135}},  {3, -120, 0, {44, 212, 113}},
    {4, -60, 0, {21, 166, 126}},  // graphics shares the document table
};

TEST(ColorBaseTables, EntriesMeasuredAtL52AreExact) {
  constexpr int kL52 = 8;
  ASSERT_EQ(kLightnessGrid[kL52], 52);
  for (const MeasuredCase& m : kMeasured) {
    EXPECT_EQ(Entry(BaseTable(m.baseColor), kL52, ChromaIndex(m.a), ChromaIndex(m.b)), m.rgb)
        << "table " << m.baseColor << " a* " << m.a << " b* " << m.b;
  }
}

TEST(ColorBaseTables, UnknownIdsSelectTheNormalTableAndIdsTwoAndFourShareOne) {
  for (int id : {0, 5, -1, 1000, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(BaseTable(id).data(), BaseTable(1).data()) << "id " << id;
  }
  EXPECT_EQ(BaseTable(2).data(), BaseTable(4).data());
  // Three distinct tables, not one table under three names.
  EXPECT_FALSE(std::equal(BaseTable(1).begin(), BaseTable(1).end(), BaseTable(2).begin()));
  EXPECT_FALSE(std::equal(BaseTable(1).begin(), BaseTable(1).end(), BaseTable(3).begin()));
  EXPECT_FALSE(std::equal(BaseTable(2).begin(), BaseTable(2).end(), BaseTable(3).begin()));
}

}  // namespace
}  // namespace velko::color
