// CUiApp, its one static instance, and VelkoUI's load and unload: the module
// registers under its Windows name with its resources, then its application
// starts.
#include "ui/core/ui_app.h"

#include <cstring>

#include "platform/res/resources.h"
#include "ui/resources/register_ui_resources.h"

namespace velko::ui {

char IniPath[MAX_PATH] = {};
HINSTANCE ModuleInstance = 0;

void FillIniPath(char (&path)[MAX_PATH], SystemDirectoryQuery query) {
  std::memset(path, 0, sizeof path);
  const UINT length = query(path, MAX_PATH);
  const bool fits = length != 0 && length == strnlen(path, MAX_PATH) &&
                    length + kIniFileName.size() < MAX_PATH;
  std::size_t end = length;
  if (!fits) {
    std::memset(path, 0, sizeof path);
    std::memcpy(path, kFallbackSystemDirectory.data(), kFallbackSystemDirectory.size());
    end = kFallbackSystemDirectory.size();
  }
  std::memcpy(path + end, kIniFileName.data(), kIniFileName.size());
  path[end + kIniFileName.size()] = '\0';
}

CUiApp::CUiApp() : CWinApp("VelkoUI") {}

BOOL CUiApp::InitInstance() {
  FillIniPath(IniPath);
  ModuleInstance = m_hInstance;
  return CWinApp::InitInstance();
}

namespace {

CUiApp theApp;

// Declared after theApp, so it starts the application once the object exists
// and stops it before the object goes.
class LibraryLoad {
 public:
  LibraryLoad() {
    res::RegisterVelkoUiResources(module_.handle());
    AfxDllProcessAttach(theApp, module_.handle());
  }
  ~LibraryLoad() {
    AfxDllProcessDetach(theApp);
    platform::UnregisterResources(module_.handle());
  }

 private:
  platform::ModuleRegistration module_{"VelkoUI.dll"};
};

const LibraryLoad libraryLoad;

}  // namespace

}  // namespace velko::ui
