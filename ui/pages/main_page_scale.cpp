// Lookups over the main page's scale table and arrangement icons, safe for
// any index a record may hold.
#include "ui/pages/main_page_scale.h"

namespace velko::ui {
namespace {

constexpr int32_t kPortrait = 1;

bool InTable(int paper, int output) {
  return paper >= 0 && paper < kPaperCount && output >= 0 && output < kOutputSlots;
}

}  // namespace

int HighestPagesPerSheet(int paper, int output) {
  return InTable(paper, output) ? kScaleTable[paper][output].highest : 0;
}

int ScalePercent(int paper, int output, int32_t n) {
  if (!InTable(paper, output)) return 0;
  const ScaleEntry& entry = kScaleTable[paper][output];
  if (n < 0 || n > entry.highest) n = 0;
  return entry.percent[n];
}

UINT ArrangementIcon(int32_t orientation, int32_t pagesPerSheet, int32_t twoUpOrder, int32_t fourUpOrder) {
  const IconsByPages& icons = kArrangementIcons[orientation == kPortrait ? 0 : 1];
  const int n = pagesPerSheet >= 0 && pagesPerSheet < kPagesPerSheetChoices ? pagesPerSheet : 0;
  const int32_t order = n == 1 ? twoUpOrder : n == 2 ? fourUpOrder : 0;
  const bool orderKnown = order >= 0 && order < kOrdersPerChoice[n];
  return icons[n][orderKnown ? order : 0];
}

}  // namespace velko::ui
