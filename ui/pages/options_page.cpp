// OptPropPage, the options page (PageId 1003): tray option group, option text,
// smoothing, toner saving and the other switches. It follows the common page
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
int32_t InitOptionsPage() { return 1; }

// Draws banner bitmap 2163 into control 1024.
void PaintOptionsPageBanner() { PaintPageBanner(OptionsPageWindow, kBannerBitmap); }

// (control id, notification code) -> handler; the page's controls bring
// their entries.
constexpr std::array<CommandHandler, 0> kOptionsPageCommands{};

constexpr PageHandlers kOptionsPage{InitOptionsPage, PaintOptionsPageBanner, nullptr, nullptr,
                                    kOptionsPageCommands};

}  // namespace

// Sets the page's controls from CurrentSettings; the controls arrive with
// the page.
void FillOptionsPage() {}

}  // namespace velko::ui

int32_t OptPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                    velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, OptionsPageWindow);
  return DispatchPageMessage(*message, kOptionsPage);
}
