// The conversion of one grid point to device RGB, step by step as the driver
// computes it. Order and precision are part of the result: the table bytes are
// truncated, so a different rounding anywhere can move a byte.
#include "color/color_pipeline.h"

#include <algorithm>
#include <cmath>

namespace velko::color {
namespace {

constexpr double kInv255 = 0.00392156862745098;  // a multiplication, not a division
constexpr double kGammaNumerator = 2.2;
constexpr double kLabEpsilon = 0.008856;
constexpr double kLabSlope = 7.787;
constexpr double kLabOffset = 0.13793103448275862;  // 16 / 116
constexpr double kInvWhiteX = 1.0370216737529814;   // 1 / 0.9643
constexpr double kWhiteY = 1.0;
constexpr double kWhiteZ = 0.8251;
constexpr double kChromaLimit = 120.0;

double LabF(double t) {
  return t > kLabEpsilon ? std::pow(t, 1.0 / 3.0) : kLabSlope * t + kLabOffset;
}

// Slider + 10 as a table index, without overflow for wild values.
int SliderIndex(int32_t slider) { return std::clamp(slider, -10, 10) + 10; }

// 0.05 x (slider + 10) + offset, clamped to [low, high]; slider + 10 is
// formed in double, exact for every int32 and free of overflow.
double BalanceDivisor(int32_t slider, double offset, double low, double high) {
  const double k = 0.05 * (static_cast<double>(slider) + 10) + offset;
  return std::clamp(k, low, high);
}

double ClampToGrid(const std::array<double, kGridPoints>& grid, double x) {
  // Written so that a NaN falls to the first node rather than off the grid.
  if (!(x > grid.front())) return grid.front();
  if (x >= grid.back()) return grid.back();
  return x;
}

Lab XyzToLab(double X, double Y, double Z) {
  const double fx = LabF(X * kInvWhiteX);
  const double fy = LabF(Y / kWhiteY);
  const double fz = LabF(Z / kWhiteZ);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

uint8_t TruncateToByte(double v) { return static_cast<uint8_t>(static_cast<int>(v)); }

}  // namespace

ColorCoefficients CoefficientsFor(const ColorAdjustBlock& block, const uint8_t* base) {
  ColorCoefficients k{};
  k.base = base;
  k.kR = BalanceDivisor(block.CyanRed, 0.4, 0.4, 1.4);
  k.kG = BalanceDivisor(block.MagentaGreen, 0.5, 0.5, 1.5);
  k.kB = BalanceDivisor(block.YellowBlue, 0.5, 0.5, 1.5);
  k.kL = kBrightExponent[SliderIndex(block.Bright)];
  k.kC = kContrastBlend[SliderIndex(block.Contrast)];
  k.kS = kSaturationFactor[SliderIndex(block.Fullness)];
  return k;
}

double ChannelGamma(int v, double k) {
  return std::pow(v * kInv255, kGammaNumerator / k);
}

Lab LinearRgbToLab(double R, double G, double B) {
  const double X = 0.4361 * R + 0.3851 * G + 0.1431 * B;
  const double Y = 0.2225 * R + 0.7169 * G + 0.0606 * B;
  const double Z = 0.0139 * R + 0.0971 * G + 0.7141 * B;
  return XyzToLab(X, Y, Z);
}

Lab AdjustLab(Lab lab, const ColorCoefficients& k) {
  double L = lab.L;
  double a = lab.a;
  double b = lab.b;
  if (k.kL != 1.0) L = 100 * std::pow(L * 0.01, k.kL);
  if (k.kC != 1.0) {
    const double c = L * 0.01;
    L = L * (k.kC + (1 - k.kC) * (3 * c - 2 * c * c));
    if (L >= 100) {
      L = 100;
    } else if (L < 0) {
      L = 0;
    }
  }
  a = a * k.kS;
  b = b * k.kS;
  // The clip keeps the ratio of a* and b*, so hue survives while chroma is cut.
  if (a > kChromaLimit) {
    b = b / a * kChromaLimit;
    a = kChromaLimit;
  } else if (a < -kChromaLimit) {
    b = b / a * -kChromaLimit;
    a = -kChromaLimit;
  }
  if (b > kChromaLimit) {
    a = a / b * kChromaLimit;
    b = kChromaLimit;
  } else if (b < -kChromaLimit) {
    a = a / b * -kChromaLimit;
    b = -kChromaLimit;
  }
  return {L, a, b};
}

Lab GridPointLab(const ColorCoefficients& k, int r, int g, int b) {
  return AdjustLab(LinearRgbToLab(ChannelGamma(r, k.kR), ChannelGamma(g, k.kG),
                                  ChannelGamma(b, k.kB)),
                   k);
}

AxisCell LocateOnGrid(const std::array<double, kGridPoints>& grid, double x) {
  x = ClampToGrid(grid, x);
  int i = 0;
  while (i <= 15 && x >= grid[i]) ++i;
  const int lo = i - 1;
  return {lo, (grid[i] - x) / (grid[i] - grid[lo])};
}

DeviceRgb LabToDevice(const uint8_t* base, Lab lab) {
  const AxisCell cl = LocateOnGrid(kLightnessGrid, lab.L);
  const AxisCell ca = LocateOnGrid(kChromaGrid, lab.a);
  const AxisCell cb = LocateOnGrid(kChromaGrid, lab.b);
  const double wl[2] = {cl.wLo, 1 - cl.wLo};
  const double wa[2] = {ca.wLo, 1 - ca.wLo};
  const double wb[2] = {cb.wLo, 1 - cb.wLo};
  // L* outermost, b* innermost, low node first: the sum's order is fixed.
  DeviceRgb out{0.0, 0.0, 0.0};
  for (int dl = 0; dl < 2; ++dl) {
    for (int da = 0; da < 2; ++da) {
      for (int db = 0; db < 2; ++db) {
        const double w = wl[dl] * wa[da] * wb[db];
        const uint8_t* e = base + GridOffset(cl.lo + dl, ca.lo + da, cb.lo + db);
        out.r += e[0] * w;
        out.g += e[1] * w;
        out.b += e[2] * w;
      }
    }
  }
  return out;
}

DeviceRgb ConvertGridPoint(const ColorCoefficients& k, int r, int g, int b) {
  return LabToDevice(k.base, GridPointLab(k, r, g, b));
}

void BuildGridTable(const ColorCoefficients& k, std::span<uint8_t, kColorTableBytes> out) {
  // Gamma depends on one axis value only: 3 x 17 powers instead of 3 x 4,913.
  std::array<double, kGridPoints> gr, gg, gb;
  for (int n = 0; n < kGridPoints; ++n) {
    gr[n] = ChannelGamma(16 * n, k.kR);
    gg[n] = ChannelGamma(16 * n, k.kG);
    gb[n] = ChannelGamma(16 * n, k.kB);
  }
  uint8_t* dst = out.data();
  for (int i = 0; i < kGridPoints; ++i) {
    for (int j = 0; j < kGridPoints; ++j) {
      // The red and green terms of each sum come first, left to right, so they
      // can be formed once per (i, j) without changing a bit.
      const double xRG = 0.4361 * gr[i] + 0.3851 * gg[j];
      const double yRG = 0.2225 * gr[i] + 0.7169 * gg[j];
      const double zRG = 0.0139 * gr[i] + 0.0971 * gg[j];
      for (int n = 0; n < kGridPoints; ++n) {
        const Lab lab = XyzToLab(xRG + 0.1431 * gb[n], yRG + 0.0606 * gb[n],
                                 zRG + 0.7141 * gb[n]);
        const DeviceRgb d = LabToDevice(k.base, AdjustLab(lab, k));
        dst[0] = TruncateToByte(d.r);
        dst[1] = TruncateToByte(d.g);
        dst[2] = TruncateToByte(d.b);
        dst += 3;
      }
    }
  }
}

}  // namespace velko::color
