// The main page's scale table and arrangement icons. For every paper and
// output item (the output table's shape: 13 rows of 7 slots) the table gives
// how many pages per sheet fit (the highest pages-per-sheet index allowed)
// and the scale in percent at one, two and four pages per sheet. The icon
// table picks the picture of the sheet by orientation, pages per sheet and
// page order.
//
//   const int h = HighestPagesPerSheet(paper, output);     // 0, 1 or 2
//   const int percent = ScalePercent(paper, output, n);    // "%d%%" on 1026
//   const UINT icon = ArrangementIcon(orientation, n, twoUp, fourUp);
#pragma once

#include <array>
#include <cstdint>

#include "platform/win32_types.h"
#include "ui/core/page_tables.h"

namespace velko::ui {

inline constexpr int kPagesPerSheetChoices = 3;  // one, two, four pages

struct ScaleEntry {
  int32_t highest;                                      // highest pages-per-sheet index allowed
  std::array<int32_t, kPagesPerSheetChoices> percent;   // 0 where the choice is not allowed
};

using ScaleRow = std::array<ScaleEntry, kOutputSlots>;

// Row = paper index, slot = output item (kOutputCodes); slots after a row's
// items are zero.
inline constexpr std::array<ScaleRow, kPaperCount> kScaleTable{{
    {{{1, {71, 50, 0}}, {0, {61, 0, 0}}, {1, {71, 50, 0}}}},            // A3: A4, B5, as paper
    {{{2, {100, 71, 50}}, {1, {87, 61, 0}}, {2, {100, 71, 50}}}},       // A4
    {{{2, {100, 100, 71}}, {2, {100, 87, 61}}, {2, {100, 100, 71}}}},   // A5
    {{{2, {100, 100, 100}}, {2, {100, 100, 87}}, {2, {100, 100, 100}}}},  // A6
    {{{1, {82, 58, 0}}, {1, {71, 50, 0}}, {1, {71, 50, 0}}}},           // B4
    {{{2, {100, 82, 58}}, {2, {100, 71, 50}}, {2, {100, 71, 50}}}},     // B5
    {{{2, {100, 100, 82}}, {2, {100, 100, 71}}, {2, {100, 100, 71}}}},  // B6
    {{{0, {97, 0, 0}}, {0, {100, 0, 0}}, {0, {100, 0, 0}}}},            // Letter: A4, Letter, as paper
    {{{0, {100, 0, 0}}, {0, {100, 0, 0}}}},                             // Executive
    {{{0, {100, 0, 0}}, {0, {100, 0, 0}}}},                             // B5(ISO)
    {{{0, {100, 0, 0}}, {0, {100, 0, 0}}}},                             // Commercial#10
    {{{0, {100, 0, 0}}, {0, {100, 0, 0}}}},                             // InternationalDL
    {{{0, {100, 0, 0}}}},                                               // Custom Size: as paper
}};

// Every output item has an entry whose allowed choices have a scale of 1 to
// 100 percent and whose other choices are 0; the slots after the items are
// zero.
constexpr bool ScaleTableMatchesOutputs() {
  for (int p = 0; p < kPaperCount; ++p) {
    const int items = CodeCount(kOutputCodes[p]);
    for (int o = 0; o < kOutputSlots; ++o) {
      const ScaleEntry& e = kScaleTable[p][o];
      if (o >= items) {
        if (e.highest != 0 || e.percent != std::array<int32_t, kPagesPerSheetChoices>{}) return false;
        continue;
      }
      if (e.highest < 0 || e.highest >= kPagesPerSheetChoices) return false;
      for (int n = 0; n < kPagesPerSheetChoices; ++n) {
        const bool allowed = n <= e.highest;
        if (allowed != (e.percent[n] >= 1 && e.percent[n] <= 100)) return false;
        if (!allowed && e.percent[n] != 0) return false;
      }
    }
  }
  return true;
}
static_assert(sizeof(kScaleTable) == kPaperCount * kOutputSlots * 4 * 4);
static_assert(ScaleTableMatchesOutputs());

// Arrangement icons by orientation (portrait, landscape), pages per sheet
// and page order; 0 where the choice has no such order.
inline constexpr int kPageOrders = 4;
using IconOrders = std::array<UINT, kPageOrders>;
using IconsByPages = std::array<IconOrders, kPagesPerSheetChoices>;

inline constexpr std::array<IconsByPages, 2> kArrangementIcons{{
    {{{2001, 0, 0, 0}, {2239, 2240, 0, 0}, {2221, 2237, 2243, 2244}}},  // portrait
    {{{2238, 0, 0, 0}, {2224, 2224, 0, 0}, {2257, 2245, 2246, 2247}}},  // landscape
}};

// How many orders each pages-per-sheet choice has: one page 1, two pages 2
// (TwoUpOrder), four pages 4 (FourUpOrder).
inline constexpr std::array<int, kPagesPerSheetChoices> kOrdersPerChoice{1, 2, 4};

constexpr bool IconTableIsFull() {
  for (const IconsByPages& byPages : kArrangementIcons) {
    for (int n = 0; n < kPagesPerSheetChoices; ++n) {
      for (int order = 0; order < kPageOrders; ++order) {
        if ((order < kOrdersPerChoice[n]) != (byPages[n][order] != 0)) return false;
      }
    }
  }
  return true;
}
static_assert(IconTableIsFull());

// The highest pages-per-sheet index allowed for output item `output` of
// paper `paper`; 0 for indexes outside the table.
int HighestPagesPerSheet(int paper, int output);

// The scale in percent of (paper, output) at pages-per-sheet index `n`; a
// choice that is not allowed there (n below 0 or above the highest) shows
// the one-page scale.
int ScalePercent(int paper, int output, int32_t n);

// The arrangement icon for the record's orientation, pages per sheet and
// page orders. Any orientation but 1 is landscape, as the orientation
// radio buttons show it; pages per sheet outside 0 to 2 is one page; an
// order outside its choice's range is order 0.
UINT ArrangementIcon(int32_t orientation, int32_t pagesPerSheet, int32_t twoUpOrder, int32_t fourUpOrder);

}  // namespace velko::ui
