// Fits the normal table to the bytes the driver must give for the worked
// grid points of the default block: a smooth bump around each point, then
// the corners of the cell it falls in, only as far as the truncated result
// needs.
#pragma once

#include <vector>

#include "base_table_builder.h"

namespace velko::gen {

struct FitSummary {
  int changedBytes;
  int largestChange;
};

// Changes free bytes of `table` (in, out) until every worked point truncates
// to its bytes. Throws std::runtime_error when a point cannot be met without
// moving a fixed node.
FitSummary FitWorkedPoints(BaseTableBytes& table, const std::vector<bool>& fixed);

}  // namespace velko::gen
