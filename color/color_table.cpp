// The module's color table state: the current coefficients and ColorTable,
// rebuilt in place by every build and copied out by MakeRdt. Unguarded: the
// driver and the dialogs call one at a time on the caller's thread.
#include "color/color_table.h"

#include <algorithm>
#include <array>

#include "color/color_pipeline.h"

namespace velko::color {
namespace {

// Starts as the coefficients of an all-zero block, so that a conversion asked
// before the first build still reads a real base table.
ColorCoefficients g_coefficients = CoefficientsFor(ColorAdjustBlock{}, BaseTable(0).data());
std::array<uint8_t, kColorTableBytes> g_colorTable{};

}  // namespace

void PrepareColorCoefficients(const ColorAdjustBlock* block) {
  g_coefficients = CoefficientsFor(*block, BaseTable(block->BaseColor).data());
}

void BuildColorTable(const ColorAdjustBlock* block) {
  PrepareColorCoefficients(block);
  BuildGridTable(g_coefficients, g_colorTable);
}

TableView CurrentColorTable() { return g_colorTable; }

DeviceRgb LabToDevice(double L, double a, double b) {
  return LabToDevice(g_coefficients.base, Lab{L, a, b});
}

DeviceRgb ConvertGridPoint(int r, int g, int b) {
  return ConvertGridPoint(g_coefficients, r, g, b);
}

}  // namespace velko::color

int32_t MakeRdt(const velko::ColorAdjustBlock* block, uint8_t* out) {
  velko::color::BuildColorTable(block);
  const auto table = velko::color::CurrentColorTable();
  std::copy(table.begin(), table.end(), out);
  return 1;
}
