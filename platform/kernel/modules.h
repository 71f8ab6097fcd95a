// Module handles: every loaded module (the program itself, VelkoUI, Velkot2,
// the 16-bit side's Velkot1) is known by a 32-bit handle of the platform's
// handle table and found by its Windows name ("VelkoUI.dll"). A module may
// offer named exports (procedures or data, such as Velkot1's thunk data),
// which GetProcAddress finds.
//
// Use: a module registers itself when it is loaded and unregisters when it is
// unloaded; ModuleRegistration does both for a static object.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/handles.h"
#include "platform/win32_types.h"

namespace velko::platform {

struct ModuleExport {
  std::string name;
  void* address;
};

struct Module {
  static constexpr HandleKind kHandleKind = HandleKind::Module;
  std::string name;  // Windows file name, "Velkot2.dll"
  std::vector<ModuleExport> exports;
};

// Registers a loaded module under its Windows name and returns its instance
// handle. A name already registered is registered again under a new handle;
// lookups by name find the newest.
HMODULE RegisterModule(std::string_view name, std::vector<ModuleExport> exports = {});

// Forgets the module; its handle then names nothing.
bool UnregisterModule(HMODULE module);

// True when `registered` (a module's file name) is what Windows would take
// `wanted` to mean: the same file name without regard to case, where a
// wanted name without an extension means ".dll" and a directory part is
// ignored.
bool ModuleNameMatches(std::string_view registered, std::string_view wanted);

// Registers a module for as long as this object lives.
class ModuleRegistration {
 public:
  explicit ModuleRegistration(std::string_view name, std::vector<ModuleExport> exports = {})
      : handle_(RegisterModule(name, std::move(exports))) {}
  ~ModuleRegistration() { UnregisterModule(handle_); }
  ModuleRegistration(const ModuleRegistration&) = delete;
  ModuleRegistration& operator=(const ModuleRegistration&) = delete;

  HMODULE handle() const { return handle_; }

 private:
  HMODULE handle_;
};

}  // namespace velko::platform

// The module of that name, or 0. No name (nullptr) means the program itself.
HMODULE GetModuleHandleA(LPCSTR moduleName);

// The address of the module's export of that name, or nullptr.
void* GetProcAddress(HMODULE module, LPCSTR procName);
