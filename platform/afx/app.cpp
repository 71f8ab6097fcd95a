// The application object and the application state of the class library.
#include "platform/afx/app.h"

#include <algorithm>
#include <vector>

#include "platform/kernel/kernel.h"

namespace {

struct AppState {
  HINSTANCE instance = 0;
  HINSTANCE resources = 0;
  LPSTR commandLine = nullptr;
  int showCommand = 0;
};

AppState& State() {
  static AppState& state = *new AppState;
  return state;
}

// Every live application object, newest last. Modules load and unload in
// any order, so the list rather than one pointer.
std::vector<CWinApp*>& Apps() {
  static std::vector<CWinApp*>& apps = *new std::vector<CWinApp*>;
  return apps;
}

char kEmptyCommandLine[] = "";

}  // namespace

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName) { Apps().push_back(this); }

CWinApp::~CWinApp() { std::erase(Apps(), this); }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

CWinApp* AfxGetApp() { return Apps().empty() ? nullptr : Apps().back(); }

HINSTANCE AfxGetInstanceHandle() { return State().instance; }

HINSTANCE AfxGetResourceHandle() { return State().resources; }

void AfxSetResourceHandle(HINSTANCE instance) { State().resources = instance; }

// The previous instance is always 0 on 32-bit Windows.
BOOL AfxWinInit(HINSTANCE instance, [[maybe_unused]] HINSTANCE previousInstance, LPSTR commandLine,
                int showCommand) {
  using velko::platform::Handles;
  using velko::platform::Module;
  if (!Handles().Is<Module>(instance)) return FALSE;
  AppState& state = State();
  state.instance = instance;
  state.commandLine = commandLine ? commandLine : kEmptyCommandLine;
  state.showCommand = showCommand;
  if (!Handles().Is<Module>(state.resources)) state.resources = instance;
  return TRUE;
}

BOOL AfxDllProcessAttach(CWinApp& app, HINSTANCE module) {
  if (!AfxWinInit(module, 0, kEmptyCommandLine, 0)) return FALSE;
  State().resources = module;
  app.m_hInstance = module;
  app.m_lpCmdLine = kEmptyCommandLine;
  app.m_nCmdShow = 0;
  return app.InitInstance();
}

int AfxDllProcessDetach(CWinApp& app) {
  const int result = app.ExitInstance();
  if (State().resources == app.m_hInstance) State().resources = 0;
  return result;
}
