// The main page's custom size item text.
#include "ui/pages/custom_size_text.h"

namespace velko::ui {

std::string CustomSizeText(SettingsRecord&) { return "Custom Size"; }
void CustomSizeItemText(HWND, SettingsRecord&) {}
void CustomSizeItemText() {}

}  // namespace velko::ui
