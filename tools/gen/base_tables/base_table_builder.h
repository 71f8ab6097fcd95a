// Builds one base table: the printer model at every node, a smooth measured
// correction that passes through the entries measured at L* = 52, and the
// fixed neutral axis and measured entries set exactly.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "color/color_table.h"
#include "fixed_entries.h"
#include "printer_model.h"

namespace velko::gen {

using BaseTableBytes = std::array<uint8_t, color::kColorTableBytes>;

// Node index (l, m, n) as one number, the table's own order.
constexpr int NodeIndex(int l, int m, int n) { return 289 * l + 17 * m + n; }

// The printer: red and green channel primaries (blue is the rest of white),
// fitted once by least squares to the entries measured at L* = 52.
extern const Primaries kPrinterPrimaries;

// Which nodes hold measured or neutral values that nothing may change.
std::vector<bool> FixedNodes(TableId table);

// Less ink as L* rises: lifts or lowers free nodes so that no channel falls
// along a column of constant a* and b*.
void MakeColumnsRise(BaseTableBytes& bytes, const std::vector<bool>& fixed);

// The table before any fitting to worked points.
BaseTableBytes BuildBaseTable(TableId table);

}  // namespace velko::gen
