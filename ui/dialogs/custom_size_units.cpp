// Units, limits and size parsing of the custom paper size.
#include "ui/dialogs/custom_size_units.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velko::ui {
namespace {

// By unit: 0 millimetres, 1 inches. The step is taken in single precision,
// as the driver multiplies by a float constant.
constexpr std::array<SizeUnit, 2> kUnits{{
    {0.1f, 0.05, 10, {1000, 2159}, {2100, 2970}, "(%4.1f - %4.1fmm)", "mm", "%5.1f"},
    {0.01f, 0.005, 100, {394, 850}, {827, 1169}, "(%4.2f - %4.2finch)", "inch", "%5.2f"},
}};
static_assert(kUnits[0].width.low < kUnits[0].width.high && kUnits[1].height.low < kUnits[1].height.high);

}  // namespace

const SizeUnit& UnitOf(int unit) { return kUnits[unit != kMillimetres ? 1 : 0]; }

int SizeToPosition(double value, int unit) {
  const SizeUnit& u = UnitOf(unit);
  const double scaled = (value + u.rounding) * u.factor;
  // A record from outside may hold anything: a value that is not a number
  // counts as 0, and values beyond int (undefined to truncate) are held at
  // its edge; the callers clamp to the limits anyway.
  if (std::isnan(scaled)) return 0;
  return static_cast<int>(std::clamp(scaled, -2.0e9, 2.0e9));
}

double PositionToSize(int position, int unit) { return position * static_cast<double>(UnitOf(unit).step); }

PositionRange RangeOf(SizeDimension dimension, int unit) {
  const SizeUnit& u = UnitOf(unit);
  return dimension == SizeDimension::Width ? u.width : u.height;
}

int ClampPosition(int position, SizeDimension dimension, int unit) {
  const PositionRange r = RangeOf(dimension, unit);
  return std::clamp(position, r.low, r.high);
}

std::string_view SizeTextPrefix(std::string_view text) {
  bool point = false;
  std::size_t n = 0;
  for (; n < text.size(); ++n) {
    const char c = text[n];
    if (c >= '0' && c <= '9') continue;
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    break;
  }
  return text.substr(0, n);
}

int ParseSize(std::string_view text, int unit) {
  // Five characters at most come from the edit; longer texts saturate
  // instead of overflowing.
  constexpr long long kCeiling = 1'000'000'000;
  long long number = 0;
  long long divisor = 1;
  bool point = false;
  for (const char c : SizeTextPrefix(text)) {
    if (c == '.') {
      point = true;
      divisor = 1;
      continue;
    }
    number = std::min(number * 10 + (c - '0'), kCeiling);
    if (point) divisor = std::min(divisor * 10, kCeiling);
  }
  const long long scaled = number * UnitOf(unit).factor;
  return static_cast<int>(std::min(point ? scaled / divisor : scaled, kCeiling));
}

}  // namespace velko::ui
