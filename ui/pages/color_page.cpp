// ColorPropPage, the color page (PageId 1002): color mode, user color entry,
// black generation and the option group, and the buttons of the color
// adjustment sheet, the color description and the user entry editor. The
// page is filled once, at WM_INITDIALOG (and by restore-all); activation
// changes nothing. Every handler writes its field of CurrentSettings at once.
#include <array>
#include <string>

#include "color/user_entries.h"
#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"
#include "ui/core/ui_app.h"
#include "ui/pages/color_page.h"
#include "ui/pages/page_fills.h"
#include "ui/pages/page_procedures.h"

namespace velko::ui {
namespace {

constexpr WORD kClicked = BN_CLICKED;

// The page logo for a color mode: the word mark in gray while the mode is
// monochrome (3), in color for every other mode. The logo follows
// `ColorMode` itself, so every change of mode shows at the next paint.
constexpr UINT LogoForColorMode(int32_t colorMode) {
  return colorMode == kMonochromeMode ? kGrayBannerBitmap : kBannerBitmap;
}
static_assert(LogoForColorMode(0) == 2163 && LogoForColorMode(3) == 2198 && LogoForColorMode(6) == 2163);

HWND Page() { return ColorPageWindow; }

bool IsChecked(int id) { return IsDlgButtonChecked(Page(), id) == BST_CHECKED; }

// The mode icons go into their statics as 16-bit handles, the page being a
// 16-bit dialog.
void SetModeIcons() {
  for (int i = 0; i < kModeIconCount; ++i) {
    const HICON icon = LoadIcon(ModuleInstance, MAKEINTRESOURCE(static_cast<WORD>(kFirstModeIconResource + i)));
    SendDlgItemMessage(Page(), kFirstModeIcon + i, STM_SETICON, LOWORD(icon), 0);
  }
}

// A record that never had a base color gets photo, the first code of the
// base color list.
void DefaultBaseColor(SettingsRecord& s) {
  if (s.ColorAdjust.BaseColor <= 0) s.ColorAdjust.BaseColor = kBaseColorCodes[0];
}

int32_t InitColorPage() {
  if (color::LoadUserEntries() == 0) color::CreateUserEntryFile();
  SetModeIcons();
  SendDlgItemMessage(Page(), kOptionLevelSlider, TBM_SETRANGEMIN, TRUE, 0);
  SendDlgItemMessage(Page(), kOptionLevelSlider, TBM_SETRANGEMAX, TRUE, 1);
  DefaultBaseColor(*CurrentSettings);
  FillColorPage();
  PaintColorPageLogo();
  return 1;
}

// The radios of modes 0, 1, 2, 4, 5 and 6.
template <int32_t Mode>
void OnColorModeRadio(const FlatPageMessage&) {
  SelectColorMode(Mode);
  PaintColorPageLogo();
}

// Monochrome prints no fast mode: fast becomes normal, the others stay.
void OnMonochromeRadio(const FlatPageMessage&) {
  SelectColorMode(kMonochromeMode);
  PaintColorPageLogo();
  if (CurrentSettings->PrintMode == kFastPrintMode) CurrentSettings->PrintMode = kNormalPrintMode;
}

// The chosen list item: the entry's blocks (or item 0's "current
// settings"), and its text as the chosen name.
void OnUserEntryChosen(const FlatPageMessage&) {
  SelectColorMode(kCustomMode);
  SetChosenEntryName(SelectedListText());
}

void OnColorAdjust(const FlatPageMessage&) { RunColorAdjustSheet(); }
void OnEditEntries(const FlatPageMessage&) { RunUserEntryEditor(); }
void OnColorDescription(const FlatPageMessage&) { RunColorDescriptionDialog(); }

void OnColorOption(const FlatPageMessage&) {
  CurrentSettings->ColorOption = IsChecked(kColorOptionBox) ? 1 : 0;
  SetColorOptionGroup(CurrentSettings->ColorOption != 0);
}

template <int32_t Choice>
void OnOptionChoice(const FlatPageMessage&) {
  CurrentSettings->ColorOptionChoice = Choice;
}

void OnBlackGeneration(const FlatPageMessage&) {
  CurrentSettings->BlackGeneration = IsChecked(kBlackGenerationBox) ? 1 : 0;
}

constexpr std::array kColorPageCommands{
    CommandHandler{kColorModeRadios[0], kClicked, OnColorModeRadio<0>},
    CommandHandler{kColorModeRadios[1], kClicked, OnColorModeRadio<1>},
    CommandHandler{kColorModeRadios[2], kClicked, OnColorModeRadio<2>},
    CommandHandler{kColorModeRadios[kMonochromeMode], kClicked, OnMonochromeRadio},
    CommandHandler{kColorModeRadios[kCustomMode], kClicked, OnColorModeRadio<kCustomMode>},
    CommandHandler{kIcmRadio, kClicked, OnColorModeRadio<kIcmMode>},
    CommandHandler{kNoAdjustmentRadio, kClicked, OnColorModeRadio<6>},
    CommandHandler{kUserEntryList, CBN_SELENDOK, OnUserEntryChosen},
    CommandHandler{kColorAdjustButton, kClicked, OnColorAdjust},
    CommandHandler{kEditEntriesButton, kClicked, OnEditEntries},
    CommandHandler{kColorOptionBox, kClicked, OnColorOption},
    CommandHandler{kOptionChoice0Radio, kClicked, OnOptionChoice<0>},
    CommandHandler{kOptionChoice1Radio, kClicked, OnOptionChoice<1>},
    CommandHandler{kBlackGenerationBox, kClicked, OnBlackGeneration},
    CommandHandler{kColorDescriptionButton, kClicked, OnColorDescription},
};
static_assert(kColorPageCommands.size() == 15);

constexpr PageHandlers kColorPage{InitColorPage, PaintColorPageLogo, nullptr, nullptr, kColorPageCommands};

// WM_HSCROLL comes only from slider 1044, the page's one scrolling control.
void OnOptionLevelScrolled() {
  CurrentSettings->ColorOptionLevel =
      static_cast<int32_t>(SendDlgItemMessage(Page(), kOptionLevelSlider, TBM_GETPOS, 0, 0));
}

}  // namespace

void PaintColorPageLogo() {
  if (CurrentSettings == nullptr) return;
  PaintPageBanner(Page(), LogoForColorMode(CurrentSettings->ColorMode));
}

}  // namespace velko::ui

int32_t ColorPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                      velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, ColorPageWindow);
  if (message->Message == WM_HSCROLL) {
    OnOptionLevelScrolled();
    return 1;
  }
  return DispatchPageMessage(*message, kColorPage);
}
