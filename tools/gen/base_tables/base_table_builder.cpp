// Model plus measured correction, rounded to bytes. The correction is a sum
// of Gaussians in L*a*b*, one per anchor, weighted so that it passes exactly
// through what the model misses at each anchor: local, smooth, and zero on
// the neutral axis, which the model reproduces by construction.
#include "base_table_builder.h"

#include <algorithm>
#include <cmath>

namespace velko::gen {

const Primaries kPrinterPrimaries = {0.538, 0.330, 0.000, 0.271, 0.598, 0.144};

namespace {

using color::kChromaGrid;
using color::kLightnessGrid;
using color::kNeutralIndex;


// Rendering character per table, fitted the same way with the gains held in
// 0.8..1.6, the turns within 20 degrees and the lightness shift within 0.15
// L* per unit of chroma. The document table drives greens and blues toward
// the pure device primaries (darker green, deeper blue); the photo table
// lifts saturated colors and opens yellows and blues.
constexpr std::array<TableCharacter, kTableCount> kCharacters = {{
    // gain (+a*, +b*, -a*, -b*), hue turn in degrees, darkening per chroma
    {{0.95, 1.37, 1.05, 1.39}, {8.7, 0.0, -20.0, 10.0}, {-0.150, -0.042, -0.150, -0.109}},
    {{0.95, 1.50, 0.90, 1.58}, {8.7, -4.4, -5.1, 10.9}, {-0.150, -0.008, -0.072, -0.031}},
    {{1.09, 1.06, 1.01, 0.88}, {4.8, -4.8, -18.5, -1.9}, {-0.150, -0.150, -0.150, -0.150}},
}};

constexpr double kMeasuredLightness = 52.0;
static_assert(kLightnessGrid[kMeasuredLightnessIndex] == kMeasuredLightness);

// Worked points at least this far from gray steer the correction.
constexpr double kChromaticWorkedPoint = 20.0;

// Reach of one measurement's correction, in L*a*b* units (Gaussian radius).
constexpr double kCorrectionRadius = 36.0;

// A place where the table must differ from the model, and by how much.
struct Anchor {
  Lab at;
  DeviceValue difference;
};

double Kernel(const Lab& p, const Lab& q) {
  const double d2 = (p.L - q.L) * (p.L - q.L) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b);
  return std::exp(-d2 / (kCorrectionRadius * kCorrectionRadius));
}

DeviceValue Model(TableId table, Lab lab) {
  return ModelDevice(kPrinterPrimaries, kCharacters[table], lab);
}

// The measured entries, the neutral axis (difference 0: the model meets it
// already, and the correction must leave it alone) and, for the normal
// table, the two chromatic worked points of the default block, aimed at the
// middle of their bytes. The worked points near white and gray are left to
// the final cell fit, whose changes there are a byte or two.
std::vector<Anchor> Anchors(TableId table) {
  std::vector<Anchor> anchors;
  for (const MeasuredEntry& m : kMeasuredAt52) {
    const Lab at{kMeasuredLightness, kChromaGrid[m.aIndex], kChromaGrid[m.bIndex]};
    const DeviceValue model = Model(table, at);
    anchors.push_back({at, {m.rgb[table][0] - model[0], m.rgb[table][1] - model[1],
                            m.rgb[table][2] - model[2]}});
  }
  for (double L : kLightnessGrid) anchors.push_back({Lab{L, 0, 0}, {0, 0, 0}});
  if (table == kNormal) {
    const color::ColorCoefficients k = color::CoefficientsFor(WorkedPointBlock(), nullptr);
    for (const WorkedPoint& p : kWorkedPoints) {
      const Lab at = color::GridPointLab(k, p.r, p.g, p.b);
      if (std::hypot(at.a, at.b) < kChromaticWorkedPoint) continue;
      const DeviceValue model = Model(table, at);
      anchors.push_back({at, {p.rgb[0] + 0.5 - model[0], p.rgb[1] + 0.5 - model[1],
                              p.rgb[2] + 0.5 - model[2]}});
    }
  }
  return anchors;
}

// Weights of the Gaussians so that the field meets every anchor exactly:
// one small dense system, solved by elimination with partial pivoting.
std::vector<DeviceValue> SolveWeights(const std::vector<Anchor>& anchors) {
  const std::size_t n = anchors.size();
  const std::size_t width = n + 3;  // the kernel matrix, then the three channels
  std::vector<double> a(n * width);
  auto at = [&](std::size_t r, std::size_t c) -> double& { return a[r * width + c]; };
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) at(i, j) = Kernel(anchors[i].at, anchors[j].at);
    for (int c = 0; c < 3; ++c) at(i, n + c) = anchors[i].difference[c];
  }
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < n; ++r) {
      if (std::abs(at(r, col)) > std::abs(at(pivot, col))) pivot = r;
    }
    for (std::size_t c = 0; c < width; ++c) std::swap(at(col, c), at(pivot, c));
    for (std::size_t r = 0; r < n; ++r) {
      if (r == col) continue;
      const double f = at(r, col) / at(col, col);
      for (std::size_t c = col; c < width; ++c) at(r, c) -= f * at(col, c);
    }
  }
  std::vector<DeviceValue> w(n);
  for (std::size_t i = 0; i < n; ++i) {
    for (int c = 0; c < 3; ++c) w[i][c] = at(i, n + c) / at(i, i);
  }
  return w;
}

}  // namespace

// Near the top of the gamut the mapping can let a channel dip by a byte or
// two; those nodes take their lower neighbour's value (and, below a fixed
// node, at most the fixed value).
void MakeColumnsRise(BaseTableBytes& bytes, const std::vector<bool>& fixed) {
  for (int m = 0; m < color::kGridPoints; ++m) {
    for (int n = 0; n < color::kGridPoints; ++n) {
      for (int c = 0; c < 3; ++c) {
        auto at = [&](int l) -> uint8_t& { return bytes[3 * NodeIndex(l, m, n) + c]; };
        for (int l = 1; l < color::kGridPoints; ++l) {
          if (!fixed[NodeIndex(l, m, n)]) at(l) = std::max(at(l), at(l - 1));
        }
        for (int l = color::kGridPoints - 2; l >= 0; --l) {
          if (!fixed[NodeIndex(l, m, n)]) at(l) = std::min(at(l), at(l + 1));
        }
      }
    }
  }
}

namespace {

uint8_t ToByte(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 255.0))); }

}  // namespace

std::vector<bool> FixedNodes(TableId) {
  std::vector<bool> fixed(color::kColorTableBytes / 3, false);
  for (int l = 0; l < color::kGridPoints; ++l) fixed[NodeIndex(l, kNeutralIndex, kNeutralIndex)] = true;
  for (const MeasuredEntry& m : kMeasuredAt52) {
    fixed[NodeIndex(kMeasuredLightnessIndex, m.aIndex, m.bIndex)] = true;
  }
  return fixed;
}

BaseTableBytes BuildBaseTable(TableId table) {
  const std::vector<Anchor> anchors = Anchors(table);
  const std::vector<DeviceValue> weights = SolveWeights(anchors);
  BaseTableBytes bytes{};
  for (int l = 0; l < color::kGridPoints; ++l) {
    for (int m = 0; m < color::kGridPoints; ++m) {
      for (int n = 0; n < color::kGridPoints; ++n) {
        const Lab lab{kLightnessGrid[l], kChromaGrid[m], kChromaGrid[n]};
        DeviceValue value = Model(table, lab);
        for (std::size_t i = 0; i < anchors.size(); ++i) {
          const double k = Kernel(lab, anchors[i].at);
          for (int c = 0; c < 3; ++c) value[c] += weights[i][c] * k;
        }
        for (int c = 0; c < 3; ++c) bytes[3 * NodeIndex(l, m, n) + c] = ToByte(value[c]);
      }
    }
  }
  // The model meets these to well under a byte; setting them makes them exact.
  for (int l = 0; l < color::kGridPoints; ++l) {
    for (int c = 0; c < 3; ++c) {
      bytes[3 * NodeIndex(l, kNeutralIndex, kNeutralIndex) + c] = kNeutralAxis[l][c];
    }
  }
  for (const MeasuredEntry& m : kMeasuredAt52) {
    for (int c = 0; c < 3; ++c) {
      bytes[3 * NodeIndex(kMeasuredLightnessIndex, m.aIndex, m.bIndex) + c] = m.rgb[table][c];
    }
  }
  MakeColumnsRise(bytes, FixedNodes(table));
  return bytes;
}

}  // namespace velko::gen
