// MainPropPage, the main page (PageId 1001): paper size, output size, tray,
// media, orientation, pages per sheet, copies and the short text. It follows
// the common page contract; its controls and handlers arrive with the page.
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
int32_t InitMainPage() { return 1; }

// Draws banner bitmap 2163 into control 1024.
void PaintMainPageBanner() { PaintPageBanner(MainPageWindow, kBannerBitmap); }

// (control id, notification code) -> handler; the page's controls bring
// their entries.
constexpr std::array<CommandHandler, 0> kMainPageCommands{};

constexpr PageHandlers kMainPage{InitMainPage, PaintMainPageBanner, nullptr, nullptr,
                                 kMainPageCommands};

}  // namespace

// Sets the page's controls from CurrentSettings; the controls arrive with
// the page.
void FillMainPage() {}

}  // namespace velko::ui

int32_t MainPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                     velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, MainPageWindow);
  return DispatchPageMessage(*message, kMainPage);
}
