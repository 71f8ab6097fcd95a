// The item list shared by combo boxes and list boxes.
#include "platform/user/list_model.h"

#include <algorithm>
#include <cstring>

#include "platform/user/text.h"

namespace velko::platform::wm {
namespace {

bool InRange(const ListState& list, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.items.size();
}

}  // namespace

int ListAdd(ListState& list, std::string text, bool sorted) {
  auto at = list.items.end();
  if (sorted) {
    at = std::upper_bound(list.items.begin(), list.items.end(), text,
                          [](const std::string& t, const ListItem& item) { return CompareNoCase(t, item.text) < 0; });
  }
  const int index = static_cast<int>(at - list.items.begin());
  list.items.insert(at, ListItem{std::move(text), 0});
  if (list.selection >= index) ++list.selection;
  return index;
}

int ListInsert(ListState& list, int index, std::string text) {
  if (index == -1) index = static_cast<int>(list.items.size());
  if (index < 0 || static_cast<std::size_t>(index) > list.items.size()) return -1;
  list.items.insert(list.items.begin() + index, ListItem{std::move(text), 0});
  if (list.selection >= index) ++list.selection;
  return index;
}

int ListDelete(ListState& list, int index) {
  if (!InRange(list, index)) return -1;
  list.items.erase(list.items.begin() + index);
  if (list.selection == index) {
    list.selection = -1;
  } else if (list.selection > index) {
    --list.selection;
  }
  return static_cast<int>(list.items.size());
}

bool ListSelect(ListState& list, int index) {
  list.selection = InRange(list, index) ? index : -1;
  return list.selection != -1;
}

int ListFind(const ListState& list, int start, std::string_view text, bool exact) {
  const int count = static_cast<int>(list.items.size());
  if (!InRange(list, start)) start = count - 1;
  for (int step = 1; step <= count; ++step) {
    const int i = (start + step) % count;
    const std::string& item = list.items[static_cast<std::size_t>(i)].text;
    if (exact ? EqualNoCase(item, text) : StartsWithNoCase(item, text)) return i;
  }
  return -1;
}

LRESULT ListCopyText(const ListState& list, int index, LPSTR buffer) {
  if (!InRange(list, index)) return -1;
  const std::string& text = list.items[static_cast<std::size_t>(index)].text;
  if (buffer != nullptr) {
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
  }
  return static_cast<LRESULT>(text.size());
}

LRESULT ListTextLength(const ListState& list, int index) {
  return InRange(list, index) ? static_cast<LRESULT>(list.items[static_cast<std::size_t>(index)].text.size()) : -1;
}

}  // namespace velko::platform::wm
