// The worked points go through the driver's own pipeline (color_pipeline),
// so their L*a*b*, cells and weights are exactly the driver's, and the check
// "truncates to the byte" is made with the very interpolation the driver runs.
#include "worked_fit.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>
#include <stdexcept>

namespace velko::gen {
namespace {

using color::kChromaGrid;
using color::kLightnessGrid;

// How far inside the target byte a fitted result is placed.
constexpr double kMargin = 0.05;

// Reach of the smooth first step around a worked point (Gaussian radius in
// L*a*b* units), and the largest bump it may make; a larger need is left to
// the cell fit.
constexpr double kBumpRadius = 10.0;
constexpr double kLargestBump = 40.0;

struct Corner {
  int node;
  double weight;
};

std::array<Corner, 8> CellCorners(Lab lab) {
  const color::AxisCell cl = color::LocateOnGrid(kLightnessGrid, lab.L);
  const color::AxisCell ca = color::LocateOnGrid(kChromaGrid, lab.a);
  const color::AxisCell cb = color::LocateOnGrid(kChromaGrid, lab.b);
  const double wl[2] = {cl.wLo, 1 - cl.wLo}, wa[2] = {ca.wLo, 1 - ca.wLo},
               wb[2] = {cb.wLo, 1 - cb.wLo};
  std::array<Corner, 8> corners{};
  int i = 0;
  for (int dl = 0; dl < 2; ++dl) {
    for (int da = 0; da < 2; ++da) {
      for (int db = 0; db < 2; ++db) {
        corners[i++] = {NodeIndex(cl.lo + dl, ca.lo + da, cb.lo + db), wl[dl] * wa[da] * wb[db]};
      }
    }
  }
  return corners;
}

double Interpolated(const BaseTableBytes& table, Lab lab, int c) {
  const color::DeviceRgb d = color::LabToDevice(table.data(), lab);
  return c == 0 ? d.r : c == 1 ? d.g : d.b;
}

// The values a node's channel may take while its column still rises: any
// between the nearest fixed nodes under and over it; free nodes between are
// carried along by SetInColumn.
std::pair<long, long> ColumnRoom(const BaseTableBytes& table, const std::vector<bool>& fixed,
                                 int node, int c) {
  long low = 0, high = 255;
  for (int below = node - 289; below >= 0; below -= 289) {
    if (fixed[below]) {
      low = table[3 * below + c];
      break;
    }
  }
  for (int above = node + 289; above < 4913; above += 289) {
    if (fixed[above]) {
      high = table[3 * above + c];
      break;
    }
  }
  return {low, high};
}

// Sets a node's channel and lifts the free nodes over it (or lowers those
// under it) just enough that the column keeps rising.
void SetInColumn(BaseTableBytes& table, int node, int c, long value) {
  const auto byte = static_cast<uint8_t>(value);
  table[3 * node + c] = byte;
  for (int above = node + 289; above < 4913 && table[3 * above + c] < byte; above += 289) {
    table[3 * above + c] = byte;
  }
  for (int below = node - 289; below >= 0 && table[3 * below + c] > byte; below -= 289) {
    table[3 * below + c] = byte;
  }
}

bool Hits(double v, int target) { return static_cast<int>(v) == target; }

// First step: a Gaussian bump of one channel around the worked point, over
// the free nodes, scaled so that the interpolated result lands in the middle
// of the target byte. Neighbours beyond the cell move too, so the table keeps
// its shape instead of growing a dent at one node.
void BumpChannel(BaseTableBytes& table, const std::vector<bool>& fixed, Lab lab, int c, int target) {
  const double v = Interpolated(table, lab, c);
  if (Hits(v, target)) return;
  std::vector<double> shape(fixed.size(), 0.0);
  for (int node = 0; node < static_cast<int>(fixed.size()); ++node) {
    if (fixed[node]) continue;
    const double dL = kLightnessGrid[node / 289] - lab.L, da = kChromaGrid[node / 17 % 17] - lab.a,
                 db = kChromaGrid[node % 17] - lab.b;
    shape[node] = std::exp(-(dL * dL + da * da + db * db) / (kBumpRadius * kBumpRadius));
  }
  double effect = 0;
  for (const Corner& k : CellCorners(lab)) effect += k.weight * shape[k.node];
  if (effect <= 0) return;
  const double amplitude = (target + 0.5 - v) / effect;
  if (std::abs(amplitude) > kLargestBump) return;
  for (int node = 0; node < static_cast<int>(fixed.size()); ++node) {
    uint8_t& byte = table[3 * node + c];
    byte = static_cast<uint8_t>(std::clamp(std::lround(byte + amplitude * shape[node]), 0L, 255L));
  }
}

// Moves the free corners of one channel until the result truncates to the
// target byte: first the least-squares step (each corner in proportion to its
// weight) to just inside the byte, then single units on the heaviest corner
// that does not overshoot.
void FitChannel(BaseTableBytes& table, const std::vector<bool>& fixed, Lab lab, int c, int target) {
  std::vector<Corner> free;
  for (const Corner& k : CellCorners(lab)) {
    if (k.weight > 0 && !fixed[k.node]) free.push_back(k);
  }
  std::stable_sort(free.begin(), free.end(),
                   [](const Corner& x, const Corner& y) { return x.weight > y.weight; });
  double v = Interpolated(table, lab, c);
  if (Hits(v, target)) return;
  if (free.empty()) throw std::runtime_error("worked point cell has no free corner");
  double sumSquares = 0;
  for (const Corner& k : free) sumSquares += k.weight * k.weight;
  const double delta = std::clamp(v, target + kMargin, target + 1 - kMargin) - v;
  for (const Corner& k : free) {
    const auto [low, high] = ColumnRoom(table, fixed, k.node, c);
    const long wanted = std::lround(table[3 * k.node + c] + delta * k.weight / sumSquares);
    SetInColumn(table, k.node, c, std::clamp(wanted, low, high));
  }
  for (int step = 0; step < 4096 && !Hits(v = Interpolated(table, lab, c), target); ++step) {
    const int dir = v < target ? 1 : -1;
    const double room = dir > 0 ? target + 1 - v : v - target;
    auto movable = [&](const Corner& k) {
      const auto [low, high] = ColumnRoom(table, fixed, k.node, c);
      const long byte = table[3 * k.node + c] + dir;
      return byte >= low && byte <= high;
    };
    auto it = std::find_if(free.begin(), free.end(),
                           [&](const Corner& k) { return k.weight < room && movable(k); });
    if (it == free.end()) it = std::find_if(free.begin(), free.end(), movable);
    if (it == free.end()) break;
    SetInColumn(table, it->node, c, table[3 * it->node + c] + dir);
  }
  if (!Hits(v, target)) {
    throw std::runtime_error(fmt::format("worked point at L*{:.2f} a*{:.2f} b*{:.2f} cannot be met",
                                         lab.L, lab.a, lab.b));
  }
}

}  // namespace

FitSummary FitWorkedPoints(BaseTableBytes& table, const std::vector<bool>& fixed) {
  const BaseTableBytes before = table;
  const color::ColorCoefficients k = color::CoefficientsFor(WorkedPointBlock(), table.data());
  for (const WorkedPoint& p : kWorkedPoints) {
    const Lab lab = color::GridPointLab(k, p.r, p.g, p.b);
    for (int c = 0; c < 3; ++c) BumpChannel(table, fixed, lab, c, p.rgb[c]);
  }
  MakeColumnsRise(table, fixed);
  // Then the cells themselves. Cells of different points may share corners;
  // repeat until all hold.
  for (int pass = 0; pass < 8; ++pass) {
    bool allHit = true;
    for (const WorkedPoint& p : kWorkedPoints) {
      const Lab lab = color::GridPointLab(k, p.r, p.g, p.b);
      for (int c = 0; c < 3; ++c) {
        if (Hits(Interpolated(table, lab, c), p.rgb[c])) continue;
        allHit = false;
        FitChannel(table, fixed, lab, c, p.rgb[c]);
      }
    }
    if (allHit) break;
  }
  FitSummary summary{0, 0};
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == before[i]) continue;
    ++summary.changedBytes;
    summary.largestChange = std::max(summary.largestChange, std::abs(table[i] - before[i]));
  }
  return summary;
}

}  // namespace velko::gen
