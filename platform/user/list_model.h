// The item list shared by combo boxes and list boxes: sorted or plain
// insertion, deletion that keeps the selection on its item, and the
// case-insensitive prefix and whole-text searches.
#pragma once

#include <string>
#include <string_view>

#include "platform/user/window_object.h"

namespace velko::platform::wm {

// Index of the new item; sorted lists insert after items that compare equal.
int ListAdd(ListState& list, std::string text, bool sorted);
// At `index` (-1: at the end); -1 when the index is past the end.
int ListInsert(ListState& list, int index, std::string text);
// The number of items left, or -1 for an index out of range.
int ListDelete(ListState& list, int index);
// Out of range (including -1) clears the selection and answers false.
bool ListSelect(ListState& list, int index);
// Searches after `start` to the end and on from the top back to `start`; a
// start outside the list searches the whole list from the top. A prefix
// match without regard to case, or the whole text with `exact`. -1: none.
int ListFind(const ListState& list, int start, std::string_view text, bool exact);
// CB_GETLBTEXT / LB_GETTEXT: the whole text and a NUL into `buffer`.
LRESULT ListCopyText(const ListState& list, int index, LPSTR buffer);
LRESULT ListTextLength(const ListState& list, int index);

}  // namespace velko::platform::wm
