// The class library's application object and its start-up: CWinApp, whose
// one static instance per module is the module's application, and
// AfxWinInit, which sets up the application state (instance handle,
// command line, show state) before the library's code runs.
//
// A library with an application object runs AfxDllProcessAttach from its
// load hook: the state is set for the library's own module handle, the
// library's module becomes the one resources load from, and the
// application's InitInstance runs once; AfxDllProcessDetach runs
// ExitInstance at unload. A later AfxWinInit for another module (the thunk
// bridge initialises the state with the program's handle on every call)
// changes the instance handle but leaves the resources with the library, as
// each module's own copy of the class library would.
#pragma once

#include "platform/win32_types.h"

class CWinApp {
 public:
  explicit CWinApp(LPCSTR appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Runs once when the module is loaded; FALSE means the start failed.
  virtual BOOL InitInstance();
  // Runs when the module is unloaded; the result is the exit code.
  virtual int ExitInstance();

  LPCSTR m_pszAppName;
  HINSTANCE m_hInstance = 0;  // the module the application belongs to
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = 0;
};

// The application object created last that still exists, or nullptr.
CWinApp* AfxGetApp();

// The instance handle AfxWinInit set up last, and the module resources are
// loaded from: the library with the application object, else the instance.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);

// Sets up the application state for a call into the library. FALSE, with
// the state unchanged, when `instance` is not a loaded module.
BOOL AfxWinInit(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);

// What a library does with its application object at load and unload.
BOOL AfxDllProcessAttach(CWinApp& app, HINSTANCE module);
int AfxDllProcessDetach(CWinApp& app);
