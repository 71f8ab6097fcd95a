// The pages of the driver's property sheet, in tab order: the name a script
// gives each page and its PageId, which is also its template id.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/core/page_message.h"

namespace velko::host {

struct SheetPage {
  std::string_view name;
  int32_t page_id;
};

inline constexpr std::array<SheetPage, 4> kSheetPages{{
    {"main", kMainPageId},
    {"color", kColorPageId},
    {"options", kOptionsPageId},
    {"version", kVersionPageId},
}};
static_assert(kSheetPages[0].page_id == 1001 && kSheetPages[3].page_id == 1004);

// The tab index of a page name, or nothing.
constexpr std::optional<int> SheetPageIndex(std::string_view name) {
  for (std::size_t i = 0; i < kSheetPages.size(); ++i) {
    if (kSheetPages[i].name == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace velko::host
