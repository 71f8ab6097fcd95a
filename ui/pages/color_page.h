// The color page's pieces shared by its files: the controls of the driver's
// template, the color mode radios, and the operations its handlers, its
// dialogs' returns and restore-all use. Everything works on ColorPageWindow
// and CurrentSettings (ui/core/page_variables.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win32_types.h"

namespace velko::ui {

enum : int {
  kColorAdjustButton = 1041,
  kOptionChoice0Radio = 1042,
  kOptionChoice1Radio = 1043,
  kOptionLevelSlider = 1044,
  kEditEntriesButton = 1045,
  kOptionLabel1046 = 1046,
  kOptionLabel1047 = 1047,
  kOptionLabel1048 = 1048,
  kColorOptionBox = 1049,
  kBlackGenerationBox = 1050,
  kColorDescriptionButton = 1051,
  kUserEntryList = 1057,
  kFirstModeIcon = 1058,
  kNoAdjustmentRadio = 1101,
  kIcmRadio = 1104,
};

inline constexpr int32_t kMonochromeMode = 3;
inline constexpr int32_t kCustomMode = 4;
inline constexpr int32_t kIcmMode = 5;
inline constexpr int32_t kFastPrintMode = 1;
inline constexpr int32_t kNormalPrintMode = 0;

// The radio of each color mode, by mode code 0 to 6.
inline constexpr std::array<int, 7> kColorModeRadios{1052, 1053, 1054, 1055, 1056, kIcmRadio, kNoAdjustmentRadio};

// The radio that shows `mode`: its own for 0 to 5, 1101 (no color
// adjustment) for 6 and for every code outside the table.
constexpr int RadioForColorMode(int32_t mode) {
  const bool known = mode >= 0 && mode < static_cast<int32_t>(kColorModeRadios.size());
  return kColorModeRadios[known ? static_cast<std::size_t>(mode) : kColorModeRadios.size() - 1];
}
static_assert(RadioForColorMode(0) == 1052 && RadioForColorMode(5) == 1104 && RadioForColorMode(6) == 1101 &&
              RadioForColorMode(-1) == 1101 && RadioForColorMode(99) == 1101);

// The icons beside the radios of modes 0 to 4, and their statics.
inline constexpr int kModeIconCount = 5;
inline constexpr WORD kFirstModeIconResource = 2231;

// The longest name the list hands to `ChosenEntryName`: 18 bytes and the
// terminator.
inline constexpr std::size_t kChosenEntryTextBytes = 18;

// `text` cut to at most `limit` bytes, never inside a double-byte character
// (a byte from 0x81 up leads two).
std::string_view CutToBytes(std::string_view text, std::size_t limit);

// The text of list 1057's selected item; empty when nothing is selected.
std::string SelectedListText();

// `ChosenEntryName` := `text`, cut to 18 bytes without splitting a
// character; the rest of the field zero.
void SetChosenEntryName(std::string_view text);

// Stores `mode` and enables what it offers: 1041 always, 1057 in custom
// mode (with 1045 while item 0 is selected, else the selected entry's
// stored blocks copied into the record), 1051 in ICM mode.
void SelectColorMode(int32_t mode);
// Rebuilds list 1057: "当前设置" (item 0, selected), then the names of the
// non-empty user entries in table order.
void RefillUserEntryList();
// Check box 1049 and the option group it enables; the group's values stay
// in the record while it is disabled.
void SetColorOptionGroup(bool on);
// Selects the first item of list 1057 that begins with `name` (without
// regard to case); item 0 stays selected when none does.
void SelectListName(std::string_view name);
// The logo of the current color mode into control 1024.
void PaintColorPageLogo();

// The dialogs the page opens, and what the page does with their results.
void RunColorAdjustSheet();
void RunColorDescriptionDialog();
void RunUserEntryEditor();

}  // namespace velko::ui
