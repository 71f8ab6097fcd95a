// The per-grid-point conversion behind the color table: gamma per channel,
// XYZ, L*a*b*, brightness, contrast, saturation and a hue-preserving chroma
// clip, then trilinear interpolation in a base table. Pure functions of their
// arguments, shared by the builder and the base-table generator so that both
// compute the same bits; the module-state wrappers sit in color_table.h.
//
// Every formula is evaluated as written, left to right, in double, and the
// code is compiled without FMA contraction, so the bytes are the same on every
// machine.
#pragma once

#include <array>
#include <cstdint>

#include "color/color_table.h"

namespace velko::color {

// Base-table grids: L* (one step of 10, then steps of 6) and a*, b* (denser
// near the neutral axis).
inline constexpr std::array<double, kGridPoints> kLightnessGrid = {
    0, 10, 16, 22, 28, 34, 40, 46, 52, 58, 64, 70, 76, 82, 88, 94, 100};
inline constexpr std::array<double, kGridPoints> kChromaGrid = {
    -120, -90, -60, -40, -30, -20, -10, -5, 0, 5, 10, 20, 30, 40, 60, 90, 120};
inline constexpr int kNeutralIndex = 8;  // a* = b* = 0 on the chroma grid
static_assert(kChromaGrid[kNeutralIndex] == 0);

// Slider value + 10, clamped to 0..20, indexes these.
inline constexpr std::array<double, 21> kBrightExponent = {
    2.0, 1.9, 1.8, 1.7, 1.6, 1.5, 1.4, 1.3, 1.2, 1.1, 1.0,
    0.95, 0.9, 0.85, 0.8, 0.75, 0.7, 0.65, 0.6, 0.55, 0.5};
inline constexpr std::array<double, 21> kContrastBlend = {
    1.9, 1.8, 1.7, 1.6, 1.5, 1.4, 1.3, 1.2, 1.1, 1.0, 0.9,
    0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0.0, -0.1};
inline constexpr std::array<double, 21> kSaturationFactor = {
    0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1,
    1.17, 1.24, 1.31, 1.38, 1.45, 1.52, 1.59, 1.66, 1.73, 1.8};
static_assert(kBrightExponent[10] == 1.0 && kContrastBlend[9] == 1.0 &&
              kSaturationFactor[9] == 1.0);

// Everything a build reads besides the grid point.
struct ColorCoefficients {
  const uint8_t* base;  // the selected base table, kColorTableBytes long
  double kR, kG, kB;    // color balance, as gamma divisors
  double kL;            // brightness exponent
  double kC;            // contrast blend
  double kS;            // saturation factor
};

struct Lab {
  double L, a, b;
};

struct DeviceRgb {
  double r, g, b;
};

// The coefficients of `block` over the base table `base` (BaseColor is not
// read here: the caller chose the table).
ColorCoefficients CoefficientsFor(const ColorAdjustBlock& block, const uint8_t* base);

// Step 1 for one channel: (v x 1/255) ^ (2.2 / k), v = 0..256.
double ChannelGamma(int v, double k);

// Steps 2 and 3: linear RGB to XYZ (D50) to L*a*b*.
Lab LinearRgbToLab(double R, double G, double B);

// Steps 4 to 7: brightness, contrast, saturation and the chroma clip.
Lab AdjustLab(Lab lab, const ColorCoefficients& k);

// Steps 1 to 7 for grid point (r, g, b), each 0..256.
Lab GridPointLab(const ColorCoefficients& k, int r, int g, int b);

// Trilinear interpolation of (L, a, b) in `base` on the non-uniform grids.
DeviceRgb LabToDevice(const uint8_t* base, Lab lab);

// The whole conversion of grid point (r, g, b), each 0..256.
DeviceRgb ConvertGridPoint(const ColorCoefficients& k, int r, int g, int b);

// All 4,913 grid points into `out`, each component truncated to a byte. The
// same bytes as ConvertGridPoint point by point, computed faster: what depends
// on fewer inputs than the whole point is computed once.
void BuildGridTable(const ColorCoefficients& k, std::span<uint8_t, kColorTableBytes> out);

// The same two steps over the module's current coefficients.
DeviceRgb LabToDevice(double L, double a, double b);
DeviceRgb ConvertGridPoint(int r, int g, int b);

// One grid axis cell: its low node and the weight of that node (the high
// node weighs 1 - low).
struct AxisCell {
  int lo;
  double wLo;
};
AxisCell LocateOnGrid(const std::array<double, kGridPoints>& grid, double x);

}  // namespace velko::color
