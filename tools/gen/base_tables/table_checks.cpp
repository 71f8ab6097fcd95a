// Checks of a base table: fixed entries, white, rising channels along every
// column of constant a* and b*, and, for the normal table, the worked points
// through the driver's own table builder.
#include "table_checks.h"

#include <cstdlib>
#include <fmt/format.h>

#include "worked_fit.h"

namespace velko::gen {
namespace {

using color::kNeutralIndex;

void CheckFixed(TableId table, const BaseTableBytes& bytes, std::vector<std::string>& errors) {
  for (int l = 0; l < color::kGridPoints; ++l) {
    for (int c = 0; c < 3; ++c) {
      if (bytes[3 * NodeIndex(l, kNeutralIndex, kNeutralIndex) + c] != kNeutralAxis[l][c]) {
        errors.push_back(fmt::format("neutral axis node {} channel {} differs", l, c));
      }
    }
  }
  for (const MeasuredEntry& m : kMeasuredAt52) {
    for (int c = 0; c < 3; ++c) {
      if (bytes[3 * NodeIndex(kMeasuredLightnessIndex, m.aIndex, m.bIndex) + c] != m.rgb[table][c]) {
        errors.push_back(fmt::format("measured entry a{} b{} channel {} differs", m.aIndex, m.bIndex, c));
      }
    }
  }
}

// Less ink as L* rises: no channel falls along a column of constant a*, b*,
// so the printed lightness rises too.
void CheckLightnessOrder(const BaseTableBytes& bytes, std::vector<std::string>& errors) {
  for (int m = 0; m < color::kGridPoints; ++m) {
    for (int n = 0; n < color::kGridPoints; ++n) {
      for (int l = 1; l < color::kGridPoints; ++l) {
        for (int c = 0; c < 3; ++c) {
          if (bytes[3 * NodeIndex(l, m, n) + c] < bytes[3 * NodeIndex(l - 1, m, n) + c]) {
            errors.push_back(fmt::format("column a{} b{} channel {} falls from L index {} to {}", m,
                                         n, c, l - 1, l));
          }
        }
      }
    }
  }
}

void CheckWorkedPoints(const BaseTableBytes& bytes, std::vector<std::string>& errors) {
  std::array<uint8_t, color::kColorTableBytes> built{};
  color::BuildGridTable(color::CoefficientsFor(WorkedPointBlock(), bytes.data()), built);
  for (const WorkedPoint& p : kWorkedPoints) {
    const std::size_t at = color::GridOffset(p.r / 16, p.g / 16, p.b / 16);
    for (int c = 0; c < 3; ++c) {
      if (built[at + c] != p.rgb[c]) {
        errors.push_back(fmt::format("worked point ({}, {}, {}) channel {}: {} instead of {}", p.r,
                                     p.g, p.b, c, built[at + c], p.rgb[c]));
      }
    }
  }
}

}  // namespace

std::vector<std::string> CheckBaseTable(TableId table, const BaseTableBytes& bytes) {
  std::vector<std::string> errors;
  CheckFixed(table, bytes, errors);
  CheckLightnessOrder(bytes, errors);
  if (table == kNormal) CheckWorkedPoints(bytes, errors);
  return errors;
}

int LargestNeighbourStep(const BaseTableBytes& bytes) {
  int largest = 0;
  const int steps[3] = {289, 17, 1};
  for (int node = 0; node < 4913; ++node) {
    const int coord[3] = {node / 289, node / 17 % 17, node % 17};
    for (int axis = 0; axis < 3; ++axis) {
      if (coord[axis] == 16) continue;
      for (int c = 0; c < 3; ++c) {
        largest = std::max(largest, std::abs(bytes[3 * node + c] - bytes[3 * (node + steps[axis]) + c]));
      }
    }
  }
  return largest;
}

}  // namespace velko::gen
