// The two table formats the pages share, in the binary form the driver's
// tables have, and the constexpr builders that lay them out:
//   code table  int32 codes ending with -1; a code's position is the index
//               of its combo box item
//   name table  32-byte GB2312 slots, each a NUL-terminated text padded with
//               zeros, ending with a slot whose first byte is 0xFF and whose
//               second byte (signed) is the item selected by default; a
//               grouped table repeats that shape in groups of a fixed number
//               of slots, the slots after a group's end left zero
// Usage:
//   inline constexpr auto kTrayCodes = CodeList<4>({1, 2, 7});
//   inline constexpr auto kTrayNames = NameList<4>({"..."}, 0);
//   static_assert(IsCodeTable(kTrayCodes) && IsNameTable(kTrayNames));
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace velko::ui {

inline constexpr std::size_t kNameSlotSize = 32;
inline constexpr int32_t kEndOfCodes = -1;
inline constexpr unsigned char kEndOfNamesMark = 0xFF;

using NameSlot = std::array<char, kNameSlotSize>;
using NameTable = std::span<const NameSlot>;
using CodeTable = std::span<const int32_t>;

static_assert(sizeof(NameSlot) == kNameSlotSize);

// One slot holding `text`; a text that leaves no room for its NUL stops the
// build.
constexpr NameSlot NameText(std::string_view text) {
  if (text.size() >= kNameSlotSize) throw "a name does not fit its 32-byte slot";
  if (!text.empty() && static_cast<unsigned char>(text[0]) == kEndOfNamesMark) {
    throw "a name must not start with the end mark";
  }
  NameSlot slot{};
  for (std::size_t i = 0; i < text.size(); ++i) slot[i] = text[i];
  return slot;
}

// The end slot of a table whose default item is `defaultItem`.
constexpr NameSlot EndOfNames(int defaultItem) {
  if (defaultItem < INT8_MIN || defaultItem > INT8_MAX) throw "the default item is a signed byte";
  NameSlot slot{};
  slot[0] = static_cast<char>(kEndOfNamesMark);
  slot[1] = static_cast<char>(static_cast<int8_t>(defaultItem));
  return slot;
}

constexpr bool IsEndOfNames(const NameSlot& slot) {
  return static_cast<unsigned char>(slot[0]) == kEndOfNamesMark;
}

// The item an end slot selects by default.
constexpr int DefaultItemOf(const NameSlot& end) { return static_cast<int8_t>(end[1]); }

// A name table of `Slots` slots: the names, the end slot, zeros after it.
template <std::size_t Slots>
constexpr std::array<NameSlot, Slots> NameList(std::initializer_list<std::string_view> names,
                                               int defaultItem) {
  if (names.size() + 1 > Slots) throw "the names and their end slot do not fit the table";
  std::array<NameSlot, Slots> table{};
  std::size_t i = 0;
  for (const std::string_view name : names) table[i++] = NameText(name);
  table[i] = EndOfNames(defaultItem);
  return table;
}

// A code table of `Slots` entries: the codes, -1, zeros after it.
template <std::size_t Slots>
constexpr std::array<int32_t, Slots> CodeList(std::initializer_list<int32_t> codes) {
  if (codes.size() + 1 > Slots) throw "the codes and their -1 do not fit the table";
  std::array<int32_t, Slots> table{};
  std::size_t i = 0;
  for (const int32_t code : codes) {
    if (code == kEndOfCodes) throw "-1 ends a code table";
    table[i++] = code;
  }
  table[i] = kEndOfCodes;
  return table;
}

// The number of names before the end slot; -1 when the table has none.
constexpr int NameCount(NameTable table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (IsEndOfNames(table[i])) return static_cast<int>(i);
  }
  return -1;
}

// The number of codes before -1; -1 when the table has none.
constexpr int CodeCount(CodeTable table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == kEndOfCodes) return static_cast<int>(i);
  }
  return -1;
}

// A well-formed name table: every name ends with its NUL inside its slot,
// an end slot follows them, the default item is one of the names, and any
// slot after the end is zero.
constexpr bool IsNameTable(NameTable table) {
  const int count = NameCount(table);
  if (count < 1) return false;
  for (int i = 0; i < count; ++i) {
    if (table[i][0] == '\0' || table[i][kNameSlotSize - 1] != '\0') return false;
  }
  const int item = DefaultItemOf(table[count]);
  if (item < 0 || item >= count) return false;
  for (std::size_t i = count + 1; i < table.size(); ++i) {
    for (const char c : table[i]) {
      if (c != '\0') return false;
    }
  }
  return true;
}

// A well-formed code table: -1 ends it, and any entry after the -1 is zero.
constexpr bool IsCodeTable(CodeTable table) {
  const int count = CodeCount(table);
  if (count < 1) return false;
  for (std::size_t i = count + 1; i < table.size(); ++i) {
    if (table[i] != 0) return false;
  }
  return true;
}

// The index of `code`: the walk stops at the first equal entry or at -1,
// and an end at -1 (or at the end of the span) gives 0, the first item.
constexpr int CodeIndex(CodeTable table, int32_t code) {
  for (std::size_t i = 0; i < table.size() && table[i] != kEndOfCodes; ++i) {
    if (table[i] == code) return static_cast<int>(i);
  }
  return 0;
}

}  // namespace velko::ui
