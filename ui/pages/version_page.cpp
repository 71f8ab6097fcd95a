// VerPropPage, the version page (PageId 1004): the driver's identity from
// its own template, the banner, and the restore-all button, which puts the
// default record over the current one (keeping the watermark list) and
// refills the other pages of this sheet at once.
#include <array>

#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"
#include "ui/core/restore_defaults.h"
#include "ui/pages/page_fills.h"
#include "ui/pages/page_procedures.h"
#include "ui/pages/version_page.h"

namespace velko::ui {
namespace {

enum : UINT { kRestoreAllButton = 1086 };

// A page refilled by restore-all: its window variable, a control of its own
// that the fill addresses first, and the fill.
struct RefilledPage {
  HWND* window;
  int ownControl;
  void (*fill)();
};

// In the order the pages are refilled: main, options, color.
const std::array<RefilledPage, 3> kRefilledPages{{
    {&MainPageWindow, 1010, FillMainPage},     // paper size list
    {&OptionsPageWindow, 1077, FillOptionsPage},  // tray list
    {&ColorPageWindow, 1057, FillColorPage},   // user entry list
}};

// Fills the page's controls from CurrentSettings: the version page has
// nothing to fill.
int32_t InitVersionPage() { return 1; }

// Draws banner bitmap 2164 into control 1024.
void PaintVersionPageBanner() { PaintPageBanner(VersionPageWindow, kVersionBannerBitmap); }

// Restore-all: defaults over the record, the other pages refilled, and
// the version page drawn again so its banner comes back.
void RestoreAllClicked(const FlatPageMessage&) {
  RestoreAllDefaults();
  for (const RefilledPage& page : kRefilledPages) {
    if (IsPageOfThisSheet(*page.window, page.ownControl)) page.fill();
  }
  InvalidateRect(VersionPageWindow, nullptr, TRUE);
}

constexpr std::array<CommandHandler, 1> kVersionPageCommands{{
    {kRestoreAllButton, BN_CLICKED, RestoreAllClicked},
}};

constexpr PageHandlers kVersionPage{InitVersionPage, PaintVersionPageBanner, nullptr, nullptr,
                                    kVersionPageCommands};

}  // namespace

bool IsPageOfThisSheet(HWND page, int ownControl) {
  if (page == 0 || page == VersionPageWindow || !IsWindow(page)) return false;
  const HWND sheet = GetParent(VersionPageWindow);
  if (sheet == 0 || GetParent(page) != sheet) return false;
  return GetDlgItem(page, ownControl) != 0;
}

}  // namespace velko::ui

int32_t VerPropPage(const velko::FlatPageMessage* message, velko::SettingsRecord* current,
                    velko::SettingsRecord* defaults) {
  using namespace velko::ui;
  if (message == nullptr) return 1;
  StorePageCall(*message, current, defaults, VersionPageWindow);
  return DispatchPageMessage(*message, kVersionPage);
}
