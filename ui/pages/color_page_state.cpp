// The color page's controls from the record: the fill, the color mode with
// what it enables, the user entry list and the option group.
#include <array>
#include <cstring>
#include <string>

#include "color/user_entries.h"
#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"
#include "ui/pages/color_page.h"
#include "ui/pages/page_fills.h"

namespace velko::ui {
namespace {

// The option group that check box 1049 enables.
constexpr std::array<int, 6> kOptionGroup{kOptionChoice0Radio, kOptionChoice1Radio, kOptionLabel1046,
                                          kOptionLevelSlider,  kOptionLabel1047,    kOptionLabel1048};

HWND Page() { return ColorPageWindow; }

void SetChecked(int id, bool on) { CheckDlgButton(Page(), id, on ? BST_CHECKED : BST_UNCHECKED); }

void Enable(int id, bool on) { EnableWindow(GetDlgItem(Page(), id), on ? TRUE : FALSE); }

// A text field of the record up to its first NUL, never past its end (a
// stored field may lack the terminator).
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
  return std::string_view(field, strnlen(field, N));
}

// Copies the blocks of the entry the list names into the record. A name
// that no entry has any more (entries deleted in the editor, which was then
// cancelled, so the list was not rebuilt) leaves the record's blocks as
// they are.
void ApplySelectedEntry() {
  const std::string name = SelectedListText();
  const color::UserColorEntry* entry = name.empty() ? nullptr : color::FindUserEntry(name.c_str());
  if (entry == nullptr) return;
  CurrentSettings->ColorAdjust = entry->Colors;
  CurrentSettings->Density = entry->Density;
}

// Checks the radio of the stored mode alone.
void CheckColorModeRadio(int32_t mode) {
  for (const int id : kColorModeRadios) SetChecked(id, false);
  SetChecked(RadioForColorMode(mode), true);
}

}  // namespace

std::string SelectedListText() {
  const LRESULT item = SendDlgItemMessage(Page(), kUserEntryList, CB_GETCURSEL, 0, 0);
  if (item < 0) return {};
  const LRESULT length = SendDlgItemMessage(Page(), kUserEntryList, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendDlgItemMessage(Page(), kUserEntryList, CB_GETLBTEXT, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(text.data()));
  text.resize(strnlen(text.c_str(), text.size()));
  return text;
}

std::string_view CutToBytes(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t width = static_cast<unsigned char>(text[end]) >= 0x81 ? 2 : 1;
    if (end + width > limit || end + width > text.size()) break;
    end += width;
  }
  return text.substr(0, end);
}

void SetChosenEntryName(std::string_view text) {
  const std::string_view kept = CutToBytes(text, kChosenEntryTextBytes);
  char (&name)[sizeof(SettingsRecord::ChosenEntryName)] = CurrentSettings->ChosenEntryName;
  std::memset(name, 0, sizeof name);
  std::memcpy(name, kept.data(), kept.size());
}

void SelectColorMode(int32_t mode) {
  CurrentSettings->ColorMode = mode;
  for (const int id : {kUserEntryList, kColorAdjustButton, kEditEntriesButton, kColorDescriptionButton}) {
    Enable(id, false);
  }
  Enable(kColorAdjustButton, true);
  if (mode == kCustomMode) {
    Enable(kUserEntryList, true);
    if (SendDlgItemMessage(Page(), kUserEntryList, CB_GETCURSEL, 0, 0) == 0) {
      Enable(kEditEntriesButton, true);
      return;
    }
    ApplySelectedEntry();
  }
  if (mode == kIcmMode) Enable(kColorDescriptionButton, true);
}

void RefillUserEntryList() {
  FillComboById(Page(), kUserEntryList, kCurrentSettingsNames);
  for (const color::UserColorEntry& entry : color::UserEntryTable) {
    const std::string name(FieldText(entry.Name));
    if (name.empty()) continue;
    SendDlgItemMessage(Page(), kUserEntryList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
}

void SetColorOptionGroup(bool on) {
  SetChecked(kColorOptionBox, on);
  for (const int id : kOptionGroup) Enable(id, on);
}

void SelectListName(std::string_view name) {
  const std::string text(name);
  SendDlgItemMessage(Page(), kUserEntryList, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(text.c_str()));
}

// The logo is left to the callers: page start draws it, restore-all
// repaints the page.
void FillColorPage() {
  if (CurrentSettings == nullptr || !IsWindow(Page())) return;
  const SettingsRecord& s = *CurrentSettings;
  RefillUserEntryList();
  if (s.ChosenEntryName[0] != '\0') SelectListName(FieldText(s.ChosenEntryName));
  CheckColorModeRadio(s.ColorMode);
  SelectColorMode(s.ColorMode);
  SendDlgItemMessage(Page(), kOptionLevelSlider, TBM_SETPOS, TRUE, s.ColorOptionLevel);
  SetChecked(kOptionChoice1Radio, false);
  SetChecked(kOptionChoice0Radio, false);
  SetChecked(s.ColorOptionChoice == 1 ? kOptionChoice1Radio : kOptionChoice0Radio, true);
  SetColorOptionGroup(s.ColorOption != 0);
  SetChecked(kBlackGenerationBox, s.BlackGeneration != 0);
}

}  // namespace velko::ui
