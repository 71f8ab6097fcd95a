// The custom paper size's arithmetic: typed sizes read as positions, values
// to positions with the half-step rounding, single-precision steps, limits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/dialogs/custom_size_units.h"

namespace {

using namespace velko;
using namespace velko::ui;

struct ParseCase {
  const char* text;
  int unit;
  int position;
};

TEST(CustomSizeUnits, ParseSizeReadsDigitsAndOnePoint) {
  const ParseCase cases[] = {
      {"210.56", kMillimetres, 2105},  // extra fraction digits truncate, not round
      {"210", kMillimetres, 2100},     // no point: times the unit factor
      {"250", kMillimetres, 2500},     // not clamped here: the caller clamps
      {"12a4", kMillimetres, 120},     // stops at the first letter
      {"", kMillimetres, 0},           // empty reads as 0
      {"1.2.3", kMillimetres, 12},     // a second point ends the number
      {".5", kMillimetres, 5},         // a leading point
      {"3.", kMillimetres, 30},        // a point without fraction digits
      {"8.5", kInches, 850},           // inches take a factor of 100
      {"8.275", kInches, 827},         // truncated in inches too
      {"0.001", kInches, 0},           // below one step
      {"11.69", 7, 1169},              // any nonzero unit means inches
      {"-5", kMillimetres, 0},         // a sign is not a digit
      {"99999999999999999999", kMillimetres, 1'000'000'000},  // saturates, never overflows
  };
  for (const ParseCase& c : cases) {
    EXPECT_EQ(ParseSize(c.text, c.unit), c.position) << '"' << c.text << "\" unit " << c.unit;
  }
}

struct PositionCase {
  double value;
  int unit;
  int position;
};

TEST(CustomSizeUnits, ValuesBecomePositionsWithHalfAStepAdded) {
  const PositionCase cases[] = {
      {210.0, kMillimetres, 2100},
      {215.94, kMillimetres, 2159},  // below the half step: down
      {215.96, kMillimetres, 2160},  // at or past it: up (clamping is the caller's)
      {8.27, kInches, 827},
      {8.264, kInches, 826},
      {210.0 * kMillimetreToInch, kInches, 827},  // A4 width in inches shows 8.27
      {std::numeric_limits<double>::quiet_NaN(), kMillimetres, 0},  // a broken record reads as 0
      {1e300, kMillimetres, 2'000'000'000},  // held at int's edge, not undefined
  };
  for (const PositionCase& c : cases) {
    EXPECT_EQ(SizeToPosition(c.value, c.unit), c.position) << c.value << " unit " << c.unit;
  }
}

TEST(CustomSizeUnits, StepsAreSinglePrecision) {
  // The driver multiplies by float constants: 2159 steps are 215.9000032...
  // millimetres, not 215.9, and the inch value of 827 steps is not 8.27.
  EXPECT_EQ(PositionToSize(2159, kMillimetres), 2159 * static_cast<double>(0.1f));
  EXPECT_NE(PositionToSize(2159, kMillimetres), 215.9);
  EXPECT_EQ(PositionToSize(827, kInches), 827 * static_cast<double>(0.01f));
}

TEST(CustomSizeUnits, LimitsByUnitAndDimension) {
  EXPECT_EQ(ClampPosition(2500, SizeDimension::Width, kMillimetres), 2159);
  EXPECT_EQ(ClampPosition(120, SizeDimension::Width, kMillimetres), 1000);
  EXPECT_EQ(ClampPosition(2500, SizeDimension::Height, kMillimetres), 2500);
  EXPECT_EQ(ClampPosition(2000, SizeDimension::Height, kMillimetres), 2100);
  EXPECT_EQ(ClampPosition(900, SizeDimension::Width, kInches), 850);
  EXPECT_EQ(ClampPosition(0, SizeDimension::Height, kInches), 827);
}

}  // namespace
