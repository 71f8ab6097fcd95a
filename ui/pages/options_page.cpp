// OptPropPage, the options page (PageId 1003): the tray option group, the
// option text, smoothing, toner saving, the further switches and the
// watermark button. Every handler writes its field of CurrentSettings at
// once; the controls are set from the record at every activation, so the
// 1072 rule and changes made on other pages show each time the page is shown.
#include <array>
#include <cstring>
#include <string>

#include "ui/core/forced_option.h"
#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"
#include "ui/dialogs/watermark_dialog.h"
#include "ui/pages/options_page_text.h"
#include "ui/pages/page_fills.h"
#include "ui/pages/page_procedures.h"

namespace velko::ui {
namespace {

enum : int {
  kTrayFirstPageRadio = 1074,   // TrayOptionChoice 0
  kTrayBothPagesRadio = 1075,   // TrayOptionChoice 1
  kTrayLastPageRadio = 1076,    // TrayOptionChoice 2
  kTrayList = 1077,
  kTrayLabel = 1078,
  kTrayOptionBox = 1079,
  kOptionTextBox = 1067,
  kOptionTextEdit = 1068,
  kSmoothingBox = 1069,
  kTonerSaveBox = 1070,
  kOption1071Box = 1071,
  kOption1072Box = 1072,
  kOption1073Box = 1073,
  kOption1080Box = 1080,
  kOption1081Box = 1081,
  kWatermarkButton = 1082,
  kOption1102Box = 1102,
  kOption1226Box = 1226,
};

constexpr WORD kClicked = BN_CLICKED;
constexpr int kOptionTextLimit = 16;     // bytes the user may type
constexpr int kOptionTextReadBytes = 19; // 18 characters and the terminator
static_assert(kOptionTextReadBytes <= static_cast<int>(sizeof(SettingsRecord::OptionText)));

// The radios of TrayOptionChoice 0, 1, 2, and the group's controls.
constexpr std::array<int, 3> kTrayChoiceRadios{kTrayFirstPageRadio, kTrayBothPagesRadio, kTrayLastPageRadio};
constexpr std::array<int, 5> kTrayGroup{kTrayFirstPageRadio, kTrayBothPagesRadio, kTrayLastPageRadio, kTrayLabel,
                                        kTrayList};

HWND Page() { return OptionsPageWindow; }

bool IsChecked(int id) { return IsDlgButtonChecked(Page(), id) == BST_CHECKED; }

int32_t CheckedValue(int id) { return IsChecked(id) ? 1 : 0; }

void SetChecked(int id, bool on) { CheckDlgButton(Page(), id, on ? BST_CHECKED : BST_UNCHECKED); }

void Enable(int id, bool on) { EnableWindow(GetDlgItem(Page(), id), on ? TRUE : FALSE); }

// A text field of the record up to its first NUL, never past its end (a
// stored field may lack the terminator).
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// The tray list shows the first tray for a stored index outside the list,
// the way a code outside a table selects its first item; the record keeps
// its value until the user picks a tray.
WPARAM TrayListItem(int32_t trayIndex) {
  const int count = NameCount(kOptionsTrayNames);
  return static_cast<WPARAM>(trayIndex >= 0 && trayIndex < count ? trayIndex : 0);
}

// Check box 1079 and the group it enables; the group's values stay in the
// record while it is disabled.
void SetTrayOptionGroup(bool on) {
  SetChecked(kTrayOptionBox, on);
  for (const int id : kTrayGroup) Enable(id, on);
}

// Check box 1067 and the edit it enables.
void SetOptionTextGroup(bool on) {
  SetChecked(kOptionTextBox, on);
  Enable(kOptionTextEdit, on);
}

// Switch 1081 only matters while toner saving is off.
void EnableOption1081ForTonerSave(int32_t tonerSave) { Enable(kOption1081Box, tonerSave == 0); }

// Fills the tray list and limits the option text; the other controls are
// set at activation.
int32_t InitOptionsPage() {
  FillComboById(Page(), kTrayList, kOptionsTrayNames);
  SendDlgItemMessage(Page(), kOptionTextEdit, EM_LIMITTEXT, kOptionTextLimit, 0);
  return 1;
}

void PaintOptionsPageBanner() { PaintPageBanner(Page(), kBannerBitmap); }

void OnSetActive(const FlatPageMessage&) { FillOptionsPage(); }

void OnTrayOption(const FlatPageMessage&) {
  CurrentSettings->TrayOption = CheckedValue(kTrayOptionBox);
  SetTrayOptionGroup(CurrentSettings->TrayOption != 0);
}

template <int32_t Choice>
void OnTrayChoice(const FlatPageMessage&) {
  CurrentSettings->TrayOptionChoice = Choice;
}

void OnTrayListChosen(const FlatPageMessage&) {
  CurrentSettings->TrayOptionTray = static_cast<int32_t>(SendDlgItemMessage(Page(), kTrayList, CB_GETCURSEL, 0, 0));
}

void OnOptionTextOn(const FlatPageMessage&) {
  CurrentSettings->OptionTextOn = CheckedValue(kOptionTextBox);
  SetOptionTextGroup(CurrentSettings->OptionTextOn != 0);
}

// Keeps the leading run of allowed characters. Writing a shortened text
// back raises one more update, which finds nothing to cut.
void OnOptionTextUpdate(const FlatPageMessage&) {
  char* text = CurrentSettings->OptionText;
  GetDlgItemText(Page(), kOptionTextEdit, text, kOptionTextReadBytes);
  const std::size_t kept = AllowedOptionTextLength(text);
  if (text[kept] == '\0') return;
  std::memset(text + kept, 0, sizeof(SettingsRecord::OptionText) - kept);
  SetDlgItemText(Page(), kOptionTextEdit, text);
}

void OnSmoothing(const FlatPageMessage&) { CurrentSettings->Smoothing = CheckedValue(kSmoothingBox); }

void OnTonerSave(const FlatPageMessage&) {
  CurrentSettings->TonerSave = CheckedValue(kTonerSaveBox);
  EnableOption1081ForTonerSave(CurrentSettings->TonerSave);
}

void OnOption1080(const FlatPageMessage&) { CurrentSettings->Option1080 = CheckedValue(kOption1080Box); }
void OnOption1102(const FlatPageMessage&) { CurrentSettings->Option1102 = CheckedValue(kOption1102Box); }
void OnOption1071(const FlatPageMessage&) { CurrentSettings->Option1071 = CheckedValue(kOption1071Box); }
void OnOption1072(const FlatPageMessage&) { CurrentSettings->Option1072Inverted = IsChecked(kOption1072Box) ? 0 : 1; }
void OnOption1081(const FlatPageMessage&) { CurrentSettings->Option1081 = CheckedValue(kOption1081Box); }
void OnOption1073(const FlatPageMessage&) { CurrentSettings->Option1073 = CheckedValue(kOption1073Box); }
void OnOption1226(const FlatPageMessage&) { CurrentSettings->Option1226Inverted = IsChecked(kOption1226Box) ? 0 : 1; }

// The dialog reads and writes the watermark block itself.
void OnWatermark(const FlatPageMessage&) {
  CWatermarkDlg dialog;
  dialog.DoModal();
}

constexpr std::array kOptionsPageCommands{
    CommandHandler{kTrayOptionBox, kClicked, OnTrayOption},
    CommandHandler{kTrayFirstPageRadio, kClicked, OnTrayChoice<0>},
    CommandHandler{kTrayBothPagesRadio, kClicked, OnTrayChoice<1>},
    CommandHandler{kTrayLastPageRadio, kClicked, OnTrayChoice<2>},
    CommandHandler{kTrayList, CBN_SELENDOK, OnTrayListChosen},
    CommandHandler{kOptionTextBox, kClicked, OnOptionTextOn},
    CommandHandler{kOptionTextEdit, EN_UPDATE, OnOptionTextUpdate},
    CommandHandler{kSmoothingBox, kClicked, OnSmoothing},
    CommandHandler{kTonerSaveBox, kClicked, OnTonerSave},
    CommandHandler{kOption1080Box, kClicked, OnOption1080},
    CommandHandler{kOption1102Box, kClicked, OnOption1102},
    CommandHandler{kOption1071Box, kClicked, OnOption1071},
    CommandHandler{kOption1072Box, kClicked, OnOption1072},
    CommandHandler{kOption1081Box, kClicked, OnOption1081},
    CommandHandler{kOption1073Box, kClicked, OnOption1073},
    CommandHandler{kOption1226Box, kClicked, OnOption1226},
    CommandHandler{kWatermarkButton, kClicked, OnWatermark},
};
static_assert(kOptionsPageCommands.size() == 17);

constexpr PageHandlers kOptionsPage{InitOptionsPage, PaintOptionsPageBanner, OnSetActive, nullptr,
                                    kOptionsPageCommands};

// Checks the radio of `choice`; 1074 for 0 and for any value other than 1
// and 2.
void CheckTrayChoice(int32_t choice) {
  for (const int id : kTrayChoiceRadios) SetChecked(id, false);
  const bool known = choice >= 0 && choice < static_cast<int32_t>(kTrayChoiceRadios.size());
  SetChecked(kTrayChoiceRadios[known ? static_cast<std::size_t>(choice) : 0], true);
}

}  // namespace

// Boxes 1102 and 1073 show their fields like every other switch: their
// handlers write the fields, and a box that kept whatever it showed before
// would disagree with the record after restore-all or a stored record.
void FillOptionsPage() {
  if (CurrentSettings == nullptr || !IsWindow(Page())) return;
  SettingsRecord& s = *CurrentSettings;
  SendDlgItemMessage(Page(), kTrayList, CB_SETCURSEL, TrayListItem(s.TrayOptionTray), 0);
  CheckTrayChoice(s.TrayOptionChoice);
  SetTrayOptionGroup(s.TrayOption != 0);
  SetDlgItemText(Page(), kOptionTextEdit, FieldText(s.OptionText).c_str());
  SetOptionTextGroup(s.OptionTextOn != 0);
  SetChecked(kSmoothingBox, s.Smoothing != 0);
  SetChecked(kTonerSaveBox, s.TonerSave != 0);
  EnableOption1081ForTonerSave(s.TonerSave);
  SetChecked(kOption1080Box, s.Option1080 != 0);
  SetChecked(kOption1071Box, s.Option1071 != 0);
  ForcedOption1072(s, Page());
  SetChecked(kOption1072Box, s.Option1072Inverted == 0);
  SetChecked(kOption1081Box, s.Option1081 != 0);
  SetChecked(kOption1226Box, s.Option1226Inverted == 0);
  SetChecked(kOption1102Box, s.Option1102 != 0);
  SetChecked(kOption1073Box, s.Option1073 != 0);
}

}  // namespace velko::ui

int32_t OptPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                    velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, OptionsPageWindow);
  return DispatchPageMessage(*message, kOptionsPage);
}
