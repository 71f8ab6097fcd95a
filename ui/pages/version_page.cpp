// VerPropPage, the version page (PageId 1004): the driver's identity and the
// restore-all button. It follows the common page contract; its button
// handler arrives with the page.
#include <array>

#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"
#include "ui/pages/page_procedures.h"

namespace velko::ui {
namespace {

// Fills the page's controls from CurrentSettings: the version page has
// nothing to fill.
int32_t InitVersionPage() { return 1; }

// Draws banner bitmap 2164 into control 1024.
void PaintVersionPageBanner() { PaintPageBanner(VersionPageWindow, kVersionBannerBitmap); }

// (control id, notification code) -> handler; the page's controls bring
// their entries.
constexpr std::array<CommandHandler, 0> kVersionPageCommands{};

constexpr PageHandlers kVersionPage{InitVersionPage, PaintVersionPageBanner, nullptr, nullptr,
                                    kVersionPageCommands};

}  // namespace
}  // namespace velko::ui

int32_t VerPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                    velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, VersionPageWindow);
  return DispatchPageMessage(*message, kVersionPage);
}
