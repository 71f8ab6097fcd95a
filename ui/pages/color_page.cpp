// ColorPropPage, the color page (PageId 1002): color mode, user color entry,
// black generation and the option group. It follows the common page
// contract; its controls and handlers arrive with the page.
#include <array>

#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"
#include "ui/pages/page_fills.h"
#include "ui/pages/page_procedures.h"

namespace velko::ui {
namespace {

// Fills the page's controls from CurrentSettings. The page's controls are
// not handled yet, so there is nothing to fill and the initialisation
// succeeds.
int32_t InitColorPage() { return 1; }

// The page logo for a color mode: the word mark in gray while the mode is
// monochrome (3), in color for every other mode.
constexpr UINT LogoForColorMode(int32_t colorMode) {
  constexpr int32_t kMonochrome = 3;
  return colorMode == kMonochrome ? kGrayBannerBitmap : kBannerBitmap;
}
static_assert(LogoForColorMode(0) == 2163 && LogoForColorMode(3) == 2198 && LogoForColorMode(6) == 2163);

// Draws the logo of the current color mode into control 1024. The logo
// follows `ColorMode` itself, so every change of mode shows at the next paint.
void PaintColorPageBanner() {
  if (CurrentSettings == nullptr) return;
  PaintPageBanner(ColorPageWindow, LogoForColorMode(CurrentSettings->ColorMode));
}

// (control id, notification code) -> handler; the page's controls bring
// their entries.
constexpr std::array<CommandHandler, 0> kColorPageCommands{};

constexpr PageHandlers kColorPage{InitColorPage, PaintColorPageBanner, nullptr, nullptr,
                                  kColorPageCommands};

}  // namespace

// Sets the page's controls from CurrentSettings; the controls arrive with
// the page.
void FillColorPage() {}

}  // namespace velko::ui

int32_t ColorPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                      velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, ColorPageWindow);
  return DispatchPageMessage(*message, kColorPage);
}
