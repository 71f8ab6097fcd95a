// The main page's paper group: paper and output lists, pages per sheet, the
// scale text and arrangement icon, and the page fill that sets them all from
// the record.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32.h"
#include "ui/core/page_helpers.h"
#include "ui/core/page_tables.h"
#include "ui/core/page_variables.h"
#include "ui/core/ui_app.h"
#include "ui/dialogs/custom_size_dialog.h"
#include "ui/pages/custom_size_text.h"
#include "ui/pages/main_page_controls.h"
#include "ui/pages/main_page_scale.h"
#include "ui/pages/page_fills.h"

namespace velko::ui {
namespace {

constexpr int32_t kPortrait = 1;

void SelectItem(int comboId, int item) {
  SendDlgItemMessage(MainPageWindow, comboId, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

// Offers the pages-per-sheet choices (paper, output) allows; a record choice
// outside them (negative ones too, which no list has) falls back to one page.
void FillPagesPerSheet(int paper, int output) {
  const int highest = HighestPagesPerSheet(paper, output);
  FillComboById(MainPageWindow, kPagesPerSheetCombo, kPagesPerSheetNames[highest]);
  int32_t& pages = CurrentSettings->PagesPerSheet;
  if (pages > highest || pages < 0) pages = 0;
  SelectItem(kPagesPerSheetCombo, pages);
}

// Output item `output` of paper `paper` became the choice.
void ApplyOutput(int paper, int output) {
  if (output < 0 || output >= CodeCount(kOutputCodes[paper])) return;
  CurrentSettings->OutputSize = kOutputCodes[paper][output];
  FillPagesPerSheet(paper, output);
  UpdateScaleAndIcon();
}

// The paper list's custom item: the dialog edits the record's custom size;
// only OK rewrites the item, which leaves the list without a selection, so
// the item is chosen again.
void RunCustomSizeDialog() {
  CCustomSizeDlg dialog;
  if (dialog.DoModal() != IDOK) return;
  CustomSizeItemText(MainPageWindow, *CurrentSettings);
  SelectItem(kPaperCombo, kCustomPaperIndex);
}

// The short text as the edit shows it: the field holds at most four
// characters, whatever a record brings beyond them.
std::string StoredMainText(const SettingsRecord& settings) {
  const std::size_t length = strnlen(settings.MainText, sizeof settings.MainText);
  return std::string(settings.MainText, std::min<std::size_t>(length, kMainTextChars));
}

}  // namespace

int SelectedItem(int comboId) {
  return static_cast<int>(SendDlgItemMessage(MainPageWindow, comboId, CB_GETCURSEL, 0, 0));
}

void PaperChanged() {
  const int paper = SelectedItem(kPaperCombo);
  if (paper < 0 || paper >= kPaperCount) return;
  if (paper == kCustomPaperIndex) RunCustomSizeDialog();
  CurrentSettings->PaperSize = kPaperCodes[paper];
  FillComboById(MainPageWindow, kOutputCombo, kOutputNames[paper]);
  ApplyOutput(paper, SelectedItem(kOutputCombo));
}

void OutputChanged() {
  const int paper = SelectedItem(kPaperCombo);
  if (paper < 0 || paper >= kPaperCount) return;
  ApplyOutput(paper, SelectedItem(kOutputCombo));
}

void PagesPerSheetChanged() {
  const int pages = SelectedItem(kPagesPerSheetCombo);
  if (pages < 0) return;
  CurrentSettings->PagesPerSheet = pages;
  UpdateScaleAndIcon();
}

void UpdateScaleAndIcon() {
  const SettingsRecord& settings = *CurrentSettings;
  const int paper = PaperIndex(settings.PaperSize);
  const int output = OutputIndex(settings.OutputSize, paper);
  char scale[16];
  std::snprintf(scale, sizeof scale, "%d%%", ScalePercent(paper, output, settings.PagesPerSheet));
  SetDlgItemText(MainPageWindow, kScaleText, scale);
  const UINT iconId = ArrangementIcon(settings.Orientation, settings.PagesPerSheet, settings.Layout.TwoUpOrder,
                                      settings.Layout.FourUpOrder);
  const HICON icon = LoadIcon(ModuleInstance, MAKEINTRESOURCE(static_cast<WORD>(iconId)));
  SendDlgItemMessage(MainPageWindow, kArrangementIcon, STM_SETICON, static_cast<WPARAM>(icon), 0);
}

// Restore-all calls this for a main page that may not exist in the current
// sheet: a window variable that is 0 or no longer the main page is skipped.
void FillMainPage() {
  const HWND page = MainPageWindow;
  if (CurrentSettings == nullptr || !IsWindow(page) || GetDlgItem(page, kPaperCombo) == 0) return;
  SettingsRecord& settings = *CurrentSettings;

  const int paper = PaperIndex(settings.PaperSize);
  settings.PaperSize = kPaperCodes[paper];
  CustomSizeItemText(page, settings);
  SelectItem(kPaperCombo, paper);

  const int output = OutputIndex(settings.OutputSize, paper);
  settings.OutputSize = kOutputCodes[paper][output];
  FillComboById(page, kOutputCombo, kOutputNames[paper]);
  SelectItem(kOutputCombo, output);

  const bool portrait = settings.Orientation == kPortrait;
  CheckDlgButton(page, kPortraitRadio, portrait ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(page, kLandscapeRadio, portrait ? BST_UNCHECKED : BST_CHECKED);

  FillPagesPerSheet(paper, output);
  UpdateScaleAndIcon();

  SelectItem(kTrayCombo, TrayIndex(settings.PaperTray));
  SelectItem(kMediaCombo, MediaIndex(settings.MediaType));

  SetDlgItemText(page, kMainTextEdit, StoredMainText(settings).c_str());
  const bool textOn = settings.MainTextOn != 0;
  CheckDlgButton(page, kMainTextCheck, textOn ? BST_CHECKED : BST_UNCHECKED);
  EnableWindow(GetDlgItem(page, kMainTextEdit), textOn);

  SetDlgItemInt(page, kCopiesEdit, static_cast<UINT>(settings.Copies), TRUE);
  SendDlgItemMessage(page, kCopiesUpDown, UDM_SETRANGE, 0, MAKELPARAM(kMaxCopies, kMinCopies));
}

}  // namespace velko::ui
