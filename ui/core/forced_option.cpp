// Switch 1072 forced on by fine printing or the A3 (and 257) paper codes.
#include "ui/core/forced_option.h"

#include "platform/user/window.h"

namespace velko::ui {
namespace {

constexpr int32_t kFinePrintMode = 2;
constexpr int32_t kMonochromeColorMode = 3;
constexpr int32_t kA3PaperCode = 8;
constexpr int32_t kUnofferedPaperCode = 257;
constexpr int kOption1072Control = 1072;

}  // namespace

bool Option1072IsForced(const SettingsRecord& settings) {
  if (settings.ColorMode == kMonochromeColorMode) return false;
  return settings.PrintMode == kFinePrintMode || settings.PaperSize == kA3PaperCode ||
         settings.PaperSize == kUnofferedPaperCode;
}

void ForcedOption1072(SettingsRecord& settings, HWND optionsPage) {
  const bool forced = Option1072IsForced(settings);
  if (forced) settings.Option1072Inverted = 0;
  if (optionsPage != 0) EnableWindow(GetDlgItem(optionsPage, kOption1072Control), forced ? FALSE : TRUE);
}

}  // namespace velko::ui
