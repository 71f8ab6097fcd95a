// The printer model: colorimetry of the pipeline's own primaries (sRGB
// adapted to D50) with the measured gray balance as per-channel tone curves.
#include "printer_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "fixed_entries.h"

namespace velko::gen {
namespace {

constexpr double kWhite[3] = {0.9643, 1.0, 0.8251};
constexpr double kDelta = 6.0 / 29.0;
constexpr double kMidGray = 50.0;         // L* of the gamut mapping's center
constexpr double kKnee = 0.8;             // share of the way to the surface kept as is
constexpr double kReachSearchLimit = 64;  // beyond the reach of any line

struct Matrix3 {
  double m[3][3];
};

Matrix3 Inverse(const Matrix3& in) {
  const auto& a = in.m;
  const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                     a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                     a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
  Matrix3 r{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const int i1 = (j + 1) % 3, i2 = (j + 2) % 3, j1 = (i + 1) % 3, j2 = (i + 2) % 3;
      r.m[i][j] = (a[i1][j1] * a[i2][j2] - a[i1][j2] * a[i2][j1]) / det;
    }
  }
  return r;
}

// Device-to-XYZ matrix: one column per primary, blue the rest of white.
Matrix3 ToXyz(const Primaries& p) {
  return {{{p.Xr, p.Xg, kWhite[0] - p.Xr - p.Xg},
           {p.Yr, p.Yg, kWhite[1] - p.Yr - p.Yg},
           {p.Zr, p.Zg, kWhite[2] - p.Zr - p.Zg}}};
}

double LabFInverse(double t) {
  return t > kDelta ? t * t * t : 3 * kDelta * kDelta * (t - 4.0 / 29.0);
}

double LabF(double t) {
  return t > kDelta * kDelta * kDelta ? std::cbrt(t) : t / (3 * kDelta * kDelta) + 4.0 / 29.0;
}

// Linear device signal (1 = full channel) of a color.
std::array<double, 3> LinearSignal(const Matrix3& fromXyz, Lab lab) {
  const double fy = (lab.L + 16) / 116;
  const double xyz[3] = {kWhite[0] * LabFInverse(fy + lab.a / 500), kWhite[1] * LabFInverse(fy),
                         kWhite[2] * LabFInverse(fy - lab.b / 200)};
  std::array<double, 3> u{};
  for (int c = 0; c < 3; ++c) {
    u[c] = fromXyz.m[c][0] * xyz[0] + fromXyz.m[c][1] * xyz[1] + fromXyz.m[c][2] * xyz[2];
  }
  return u;
}

bool InGamut(const Matrix3& fromXyz, Lab lab) {
  const auto u = LinearSignal(fromXyz, lab);
  return std::all_of(u.begin(), u.end(), [](double v) { return v >= 0.0 && v <= 1.0; });
}

// How far along the line from mid-gray through `lab` the gamut reaches, in
// units of that line's length (above 1: `lab` lies inside).
double GamutReach(const Matrix3& fromXyz, Lab lab) {
  double inside = 0.0, outside = kReachSearchLimit;
  for (int step = 0; step < 60; ++step) {
    const double t = (inside + outside) / 2;
    const Lab probe{kMidGray + t * (lab.L - kMidGray), t * lab.a, t * lab.b};
    (InGamut(fromXyz, probe) ? inside : outside) = t;
  }
  return inside;
}

// Hue-preserving gamut mapping along the line toward mid-gray (L* 50): a*
// and b* shrink in proportion, so hue stays, and colors lighter than paper or
// darker than black lose lightness as well as chroma. Up to a knee the color
// stays as it is; beyond it the distance is compressed smoothly (tanh) into
// the gamut, so saturated colors keep their order instead of piling up on the
// surface. The knee rises to 1 for lines close to the gray axis, which leaves
// every gray untouched.
Lab MapIntoGamut(const Matrix3& fromXyz, Lab lab) {
  const double chroma = std::hypot(lab.a, lab.b);
  if (chroma == 0) return lab;
  const double length = std::hypot(lab.L - kMidGray, chroma);
  const double knee = 1 - (1 - kKnee) * chroma / length;
  const double rho = 1 / GamutReach(fromXyz, lab);  // 1 on the surface
  if (rho <= knee) return lab;
  const double mapped = knee + (1 - knee) * std::tanh((rho - knee) / (1 - knee));
  const double t = mapped / rho;
  return {kMidGray + t * (lab.L - kMidGray), t * lab.a, t * lab.b};
}

// Fritsch-Carlson slopes of the neutral curve of channel c, so that the
// cubic between nodes never overshoots and stays monotone.
std::array<double, 17> NeutralSlopes(int c) {
  const auto& x = color::kLightnessGrid;
  std::array<double, 16> secant{};
  for (int n = 0; n < 16; ++n) {
    secant[n] = (kNeutralAxis[n + 1][c] - kNeutralAxis[n][c]) / (x[n + 1] - x[n]);
  }
  std::array<double, 17> m{};
  m[0] = secant[0];
  m[16] = secant[15];
  for (int n = 1; n < 16; ++n) {
    m[n] = secant[n - 1] * secant[n] <= 0 ? 0.0 : (secant[n - 1] + secant[n]) / 2;
  }
  for (int n = 0; n < 16; ++n) {
    if (secant[n] == 0) {
      m[n] = m[n + 1] = 0;
      continue;
    }
    const double alpha = m[n] / secant[n], beta = m[n + 1] / secant[n];
    const double s = alpha * alpha + beta * beta;
    if (s > 9) {
      const double tau = 3 / std::sqrt(s);
      m[n] = tau * alpha * secant[n];
      m[n + 1] = tau * beta * secant[n];
    }
  }
  return m;
}

}  // namespace

double BlendByHue(const HueAxes& axes, double hue) {
  const double c = std::cos(hue), s = std::sin(hue);
  const double along = c * c, across = s * s;  // weights of the a* and b* axes
  return along * (c >= 0 ? axes.plusA : axes.minusA) + across * (s >= 0 ? axes.plusB : axes.minusB);
}

double NeutralCurve(int c, double lightness) {
  static const std::array<std::array<double, 17>, 3> slopes = {NeutralSlopes(0), NeutralSlopes(1),
                                                               NeutralSlopes(2)};
  const auto& x = color::kLightnessGrid;
  lightness = std::clamp(lightness, x.front(), x.back());
  int n = 0;
  while (n < 15 && lightness > x[n + 1]) ++n;
  const double h = x[n + 1] - x[n];
  const double t = (lightness - x[n]) / h;
  const double y0 = kNeutralAxis[n][c], y1 = kNeutralAxis[n + 1][c];
  const double h00 = (1 + 2 * t) * (1 - t) * (1 - t), h10 = t * (1 - t) * (1 - t);
  const double h01 = t * t * (3 - 2 * t), h11 = t * t * (t - 1);
  return h00 * y0 + h10 * h * slopes[c][n] + h01 * y1 + h11 * h * slopes[c][n + 1];
}

DeviceValue ModelDevice(const Primaries& primaries, const TableCharacter& character, Lab lab) {
  const Matrix3 fromXyz = Inverse(ToXyz(primaries));
  const double chroma = std::hypot(lab.a, lab.b);
  if (chroma > 0) {
    const double hue = std::atan2(lab.b, lab.a);
    const double turned = hue + BlendByHue(character.hueTurn, hue) * std::numbers::pi / 180;
    const double scaled = chroma * BlendByHue(character.gain, hue);
    lab = {std::clamp(lab.L - BlendByHue(character.darkening, hue) * chroma, 0.0, 100.0),
           scaled * std::cos(turned), scaled * std::sin(turned)};
  }
  const auto u = LinearSignal(fromXyz, MapIntoGamut(fromXyz, lab));
  DeviceValue device{};
  for (int c = 0; c < 3; ++c) {
    const double v = std::clamp(u[c], 0.0, 1.0);
    device[c] = NeutralCurve(c, 116 * LabF(v) - 16);
  }
  return device;
}

double PrintedLightness(const Primaries& primaries, const std::array<uint8_t, 3>& device) {
  const Matrix3 toXyz = ToXyz(primaries);
  double Y = 0;
  for (int c = 0; c < 3; ++c) {
    // The tone curve rises monotonically from its first node, so bisection
    // finds the channel lightness that gives the byte.
    double low = 0, high = 100;
    for (int step = 0; step < 50; ++step) {
      const double mid = (low + high) / 2;
      (NeutralCurve(c, mid) < device[c] ? low : high) = mid;
    }
    Y += toXyz.m[1][c] * LabFInverse((low + 16) / 116);
  }
  return 116 * LabF(Y) - 16;
}

}  // namespace velko::gen
