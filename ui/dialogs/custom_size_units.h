// The arithmetic of the custom paper size: the two units with their step
// factors, the printer's limits as up-down positions, the conversions
// between values and positions, and ParseSize, which reads a typed size as
// a position with integer arithmetic. The dialog and the main page's custom
// item text share it.
#pragma once

#include <string_view>

namespace velko::ui {

enum class SizeDimension { Width, Height };

// 0 millimetres (steps of 0.1 mm), 1 inches (steps of 0.01 in); the record
// may hold any value, nonzero meaning inches.
inline constexpr int kMillimetres = 0;
inline constexpr int kInches = 1;

inline constexpr double kInchToMillimetre = 25.399999;
inline constexpr double kMillimetreToInch = 0.03937008029016064;

struct PositionRange {
  int low;
  int high;
};

// The limits of one unit: positions, texts and formats.
struct SizeUnit {
  float step;             // a position's value, taken in single precision
  double rounding;        // half a step, added before truncating to a position
  int factor;             // positions per unit, for ParseSize
  PositionRange width;
  PositionRange height;
  const char* rangeFormat;  // the width and height range texts
  const char* unitText;
  const char* editFormat;
};

const SizeUnit& UnitOf(int unit);  // nonzero: inches

// A value in the unit to its position, trunc((value + half step) / step)
// as the driver computes it; not clamped.
int SizeToPosition(double value, int unit);
// A position to its value in the unit: position times the single-precision
// step.
double PositionToSize(int position, int unit);

PositionRange RangeOf(SizeDimension dimension, int unit);
int ClampPosition(int position, SizeDimension dimension, int unit);

// A typed size as a position: digits build a number, one point starts the
// fraction; times the unit's factor, divided (truncating) by ten per
// fraction digit. Stops at the first character that is neither a digit nor
// the first point. "210.56" in millimetres gives 2105.
int ParseSize(std::string_view text, int unit);

// The leading run of `text` that ParseSize reads: digits with at most one
// point.
std::string_view SizeTextPrefix(std::string_view text);

}  // namespace velko::ui
