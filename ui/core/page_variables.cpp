// Storage of the page-call contract's module variables.
#include "ui/core/page_variables.h"

namespace velko::ui {

SettingsRecord* CurrentSettings = nullptr;
SettingsRecord* DefaultSettings = nullptr;
HWND MainPageWindow = 0;
HWND ColorPageWindow = 0;
HWND OptionsPageWindow = 0;
HWND VersionPageWindow = 0;
uint32_t PageReserved = 0;
char ChosenName[kChosenNameBytes] = {};

}  // namespace velko::ui
