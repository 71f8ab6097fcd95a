// ColorPropPage, the color page (PageId 1002): color mode, user color entry,
// black generation and the option group. It follows the common page
// contract; its controls and handlers arrive with the page.
#include <array>

#include "ui/core/page_variables.h"
#include "ui/pages/page_procedures.h"

namespace velko::ui {
namespace {

// Fills the page's controls from CurrentSettings. The page's controls are
// not handled yet, so there is nothing to fill and the initialisation
// succeeds.
int32_t InitColorPage() { return 1; }

// Draws banner bitmap chosen by the color mode into control 1024. Drawing waits for the shared
// bitmap helpers; until they exist painting leaves the page as it is.
void PaintColorPageBanner() {}

// (control id, notification code) -> handler; the page's controls bring
// their entries.
constexpr std::array<CommandHandler, 0> kColorPageCommands{};

constexpr PageHandlers kColorPage{InitColorPage, PaintColorPageBanner, nullptr, nullptr,
                                  kColorPageCommands};

}  // namespace
}  // namespace velko::ui

int32_t ColorPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                      velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, ColorPageWindow);
  return DispatchPageMessage(*message, kColorPage);
}
