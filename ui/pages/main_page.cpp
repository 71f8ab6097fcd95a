// MainPropPage, the main page (PageId 1001): paper size, output size with its
// scale, tray, media, orientation, pages per sheet, copies and the short
// text, the buttons of the layout and print mode dialogs, and the settings
// summary. Every change goes into CurrentSettings at once. The paper group
// is in main_page_paper.cpp.
#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "platform/win32.h"
#include "ui/core/forced_option.h"
#include "ui/core/page_helpers.h"
#include "ui/core/page_tables.h"
#include "ui/core/page_variables.h"
#include "ui/core/ui_app.h"
#include "ui/dialogs/layout_dialog.h"
#include "ui/dialogs/print_mode_dialog.h"
#include "ui/pages/main_page_controls.h"
#include "ui/pages/options_page_text.h"
#include "ui/pages/page_fills.h"
#include "ui/pages/page_procedures.h"
#include "ui/pages/summary.h"

namespace velko::ui {
namespace {

constexpr int32_t kPlainPaper = 0;
constexpr int32_t kThickPaper = 3;
constexpr int kUpDownWidth = 28;
constexpr int kUpDownHeight = 14;
constexpr DWORD kUpDownStyle =
    WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

// Set once the first initialisation in the process is done; until then the
// copies edit holds no value of the record and must not be read.
bool initialised = false;

bool IsChecked(int id) { return IsDlgButtonChecked(MainPageWindow, id) == BST_CHECKED; }

// Copies: the edit read as a signed number (no number reads as 0), brought
// into 1 to 999, written back and stored.
void CheckCopies() {
  if (!initialised) return;
  BOOL translated = FALSE;
  int copies = static_cast<int>(GetDlgItemInt(MainPageWindow, kCopiesEdit, &translated, TRUE));
  copies = std::clamp(copies, kMinCopies, kMaxCopies);
  SetDlgItemInt(MainPageWindow, kCopiesEdit, static_cast<UINT>(copies), TRUE);
  CurrentSettings->Copies = copies;
}

// The up-down of the copies edit is the page's own control: the driver's
// template does not have it.
void CreateCopiesUpDown() {
  const HWND page = MainPageWindow;
  // A page initialised twice keeps its one up-down.
  HWND updown = GetDlgItem(page, kCopiesUpDown);
  if (updown == 0) {
    updown = CreateWindowEx(0, UPDOWN_CLASS, "", kUpDownStyle, 0, 0, kUpDownWidth, kUpDownHeight, page,
                            static_cast<HMENU>(kCopiesUpDown), ModuleInstance, nullptr);
  }
  SendMessage(updown, UDM_SETBUDDY, static_cast<WPARAM>(GetDlgItem(page, kCopiesEdit)), 0);
}

int32_t InitMainPage() {
  const HWND page = MainPageWindow;
  FillComboById(page, kPaperCombo, kPaperNames);
  FillComboById(page, kTrayCombo, kTrayNames);
  FillComboById(page, kMediaCombo, kMediaNames);
  SendDlgItemMessage(page, kMainTextEdit, EM_LIMITTEXT, kMainTextChars, 0);
  CreateCopiesUpDown();
  SendDlgItemMessage(page, kCopiesEdit, EM_LIMITTEXT, kCopiesChars, 0);
  FillMainPage();
  initialised = true;
  return 1;
}

void PaintMainPageBanner() { PaintPageBanner(MainPageWindow, kBannerBitmap); }

void OnSetActive(const FlatPageMessage&) {
  RefreshSummary();
  CheckCopies();
}

void OnKillActive(const FlatPageMessage&) { CheckCopies(); }

void OnPaper(const FlatPageMessage&) { PaperChanged(); }
void OnOutput(const FlatPageMessage&) { OutputChanged(); }
void OnPagesPerSheet(const FlatPageMessage&) { PagesPerSheetChanged(); }

void OnTray(const FlatPageMessage&) {
  const int item = SelectedItem(kTrayCombo);
  if (item < 0 || item >= CodeCount(kTrayCodes)) return;
  CurrentSettings->PaperTray = kTrayCodes[item];
}

void OnMedia(const FlatPageMessage&) {
  const int item = SelectedItem(kMediaCombo);
  if (item < 0 || item >= CodeCount(kMediaCodes)) return;
  CurrentSettings->MediaType = kMediaCodes[item];
}

void OnCopiesLeft(const FlatPageMessage&) { CheckCopies(); }

void OnMainTextOn(const FlatPageMessage&) {
  CheckCopies();
  CurrentSettings->MainTextOn = IsChecked(kMainTextCheck) ? 1 : 0;
  EnableWindow(GetDlgItem(MainPageWindow, kMainTextEdit), CurrentSettings->MainTextOn == 1);
}

void SetOrientation(int32_t orientation) {
  CheckCopies();
  CurrentSettings->Orientation = orientation;
  UpdateScaleAndIcon();
}

void OnPortrait(const FlatPageMessage&) { SetOrientation(1); }
void OnLandscape(const FlatPageMessage&) { SetOrientation(2); }

// Checking 1020 takes a media other than plain or thick paper back to plain
// paper; the user may pick another media afterwards.
void Option1020Clicked(const FlatPageMessage&) {
  CheckCopies();
  SettingsRecord& settings = *CurrentSettings;
  if (!IsChecked(kOption1020Check)) {
    settings.Option1020 = 0;
    return;
  }
  settings.Option1020 = 1;
  if (settings.MediaType != kPlainPaper && settings.MediaType != kThickPaper) {
    settings.MediaType = kPlainPaper;
    SendDlgItemMessage(MainPageWindow, kMediaCombo, CB_SETCURSEL, static_cast<WPARAM>(MediaIndex(kPlainPaper)), 0);
  }
}

void LayoutClicked(const FlatPageMessage&) {
  CheckCopies();
  CLayoutDlg dialog;
  if (dialog.DoModal() == IDOK) UpdateScaleAndIcon();
}

// The options page's switch 1072 follows the print mode; that page is not
// touched here, it applies the rule to its check box when it is shown.
void PrintModeClicked(const FlatPageMessage&) {
  CheckCopies();
  CPrintModeDlg dialog;
  if (dialog.DoModal() != IDOK) return;
  ForcedOption1072(*CurrentSettings, 0);
  RefreshSummary();
}

// Keeps only the leading run of characters of the set the options page's
// text allows too. The edit's text is read into the field first, so a text
// with a character outside the set differs from its run; writing the run
// back raises one more update that finds it clean.
void MainTextChanged(const FlatPageMessage&) {
  char* field = CurrentSettings->MainText;
  GetDlgItemText(MainPageWindow, kMainTextEdit, field, kMainTextChars + 1);
  const std::string_view read(field, strnlen(field, kMainTextChars + 1));
  const std::size_t kept = AllowedOptionTextLength(read);
  if (kept == read.size()) return;
  field[kept] = '\0';
  SetDlgItemText(MainPageWindow, kMainTextEdit, field);
}

constexpr std::array kMainPageCommands{
    CommandHandler{kPaperCombo, CBN_SELENDOK, OnPaper},
    CommandHandler{kOutputCombo, CBN_SELENDOK, OnOutput},
    CommandHandler{kTrayCombo, CBN_SELENDOK, OnTray},
    CommandHandler{kMediaCombo, CBN_SELENDOK, OnMedia},
    CommandHandler{kCopiesEdit, EN_KILLFOCUS, OnCopiesLeft},
    CommandHandler{kMainTextCheck, BN_CLICKED, OnMainTextOn},
    CommandHandler{kPortraitRadio, BN_CLICKED, OnPortrait},
    CommandHandler{kLandscapeRadio, BN_CLICKED, OnLandscape},
    CommandHandler{kPagesPerSheetCombo, CBN_SELENDOK, OnPagesPerSheet},
    CommandHandler{kOption1020Check, BN_CLICKED, Option1020Clicked},
    CommandHandler{kLayoutButton, BN_CLICKED, LayoutClicked},
    CommandHandler{kPrintModeButton, BN_CLICKED, PrintModeClicked},
    CommandHandler{kMainTextEdit, EN_UPDATE, MainTextChanged},
};

constexpr PageHandlers kMainPage{InitMainPage, PaintMainPageBanner, OnSetActive, OnKillActive,
                                 kMainPageCommands};

}  // namespace
}  // namespace velko::ui

int32_t MainPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                     velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, MainPageWindow);
  return DispatchPageMessage(*message, kMainPage);
}
