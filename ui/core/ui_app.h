// VelkoUI's application object, CUiApp: when the library loads it finds the
// INI file "Velko.ini" in the Windows system directory and keeps the module
// instance handle that resources are loaded through.
#pragma once

#include <string_view>

#include "platform/afx/app.h"
#include "platform/kernel/kernel.h"
#include "platform/win32_types.h"

namespace velko::ui {

// The full Windows path of "Velko.ini", set once at library load.
extern char IniPath[MAX_PATH];

// VelkoUI's module instance handle, set once at library load.
extern HINSTANCE ModuleInstance;

inline constexpr std::string_view kIniFileName = "\\Velko.ini";
inline constexpr std::string_view kFallbackSystemDirectory = "\\windows\\system";

using SystemDirectoryQuery = UINT (*)(LPSTR buffer, UINT size);

// Puts the system directory (from `query`) plus "\Velko.ini" into `path`.
// A directory that cannot be had, or with which the whole path would not fit
// the buffer, gives "\windows\system" instead, relative to the current drive.
void FillIniPath(char (&path)[MAX_PATH], SystemDirectoryQuery query = GetSystemDirectoryA);

class CUiApp : public CWinApp {
 public:
  CUiApp();
  BOOL InitInstance() override;
};

}  // namespace velko::ui
