// The colorimetric model behind the base tables: L*a*b* to device RGB for a
// printer whose gray balance is the measured neutral axis, with a per-table
// rendering character and a hue-preserving gamut mapping.
#pragma once

#include <array>
#include <cstdint>

#include "color/color_pipeline.h"

namespace velko::gen {

using color::Lab;
using DeviceValue = std::array<double, 3>;  // device R, G, B, 0..255, unrounded

// A quantity given on the four hue axes (+a* red-magenta, +b* yellow,
// -a* green, -b* blue) and blended between them around the hue circle.
struct HueAxes {
  double plusA, plusB, minusA, minusB;
};

// CIE XYZ that the red and the green device channel each add at full signal
// (linear in the signal); blue adds the rest of the D50 paper white, so that
// equal signals stay gray.
struct Primaries {
  double Xr, Yr, Zr, Xg, Yg, Zg;
};

// How one table renders color: chroma gain, hue turn and darkening of
// saturated colors, each by hue.
struct TableCharacter {
  HueAxes gain;       // chroma multiplier before gamut mapping
  HueAxes hueTurn;    // degrees, counter-clockwise in the a*b* plane
  HueAxes darkening;  // L* lost per unit of chroma
};

// Blend of the four axis values at hue angle `hue` (radians): cos^2 weights
// of the two neighbouring axes, which sum to 1 and are smooth everywhere.
double BlendByHue(const HueAxes& axes, double hue);

// Device RGB of `lab` under `character`: the character's chroma, hue and
// lightness change, a clip toward mid-gray along a line of constant hue into
// the device gamut, and the neutral-axis tone curve of each channel.
DeviceValue ModelDevice(const Primaries& primaries, const TableCharacter& character, Lab lab);

// Device byte of channel `c` for channel lightness `lightness` (0..100):
// monotone cubic through the neutral axis, so a gray of L* gives exactly the
// measured neutral bytes.
double NeutralCurve(int c, double lightness);

// L* that the printer prints for device bytes (r, g, b) under the model:
// the inverse of the tone curves, then the primaries' luminance.
double PrintedLightness(const Primaries& primaries, const std::array<uint8_t, 3>& device);

}  // namespace velko::gen
