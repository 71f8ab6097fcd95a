// The module table: registration by Windows name, lookup by name without
// regard to case, exports by name.
#include "platform/kernel/modules.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace velko::platform {
namespace {

// Handles of the live modules in registration order, so that a lookup by name finds
// the newest registration first.
std::vector<HMODULE>& RegistrationOrder() {
  static std::vector<HMODULE>& order = *new std::vector<HMODULE>;
  return order;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

std::string_view BaseName(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The program's own file name, as the process module is named.
std::string ProgramName() {
  std::array<char, 4096> buffer{};
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length <= 0) return "program";
  return std::filesystem::path(std::string(buffer.data(), static_cast<std::size_t>(length)))
      .filename()
      .string();
}

HMODULE ProcessModule() {
  static const HMODULE process = RegisterModule(ProgramName());
  return process;
}

}  // namespace

HMODULE RegisterModule(std::string_view name, std::vector<ModuleExport> exports) {
  auto module = std::make_shared<Module>();
  module->name = std::string(name);
  module->exports = std::move(exports);
  const HMODULE handle = Handles().Add(std::move(module));
  RegistrationOrder().push_back(handle);
  return handle;
}

bool UnregisterModule(HMODULE module) {
  if (!Handles().Is<Module>(module)) return false;
  std::erase(RegistrationOrder(), module);
  return Handles().Remove(module);
}

bool ModuleNameMatches(std::string_view registered, std::string_view wanted) {
  wanted = BaseName(wanted);
  if (wanted.find('.') == std::string_view::npos) {
    return EqualIgnoringCase(registered, std::string(wanted) + ".dll");
  }
  return EqualIgnoringCase(registered, wanted);
}

}  // namespace velko::platform

HMODULE GetModuleHandleA(LPCSTR moduleName) {
  using namespace velko::platform;
  if (moduleName == nullptr) return ProcessModule();
  const auto& order = RegistrationOrder();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const Module* module = Handles().Get<Module>(*it);
    if (module && ModuleNameMatches(module->name, moduleName)) return *it;
  }
  return 0;
}

void* GetProcAddress(HMODULE module, LPCSTR procName) {
  using namespace velko::platform;
  const Module* found = Handles().Get<Module>(module);
  if (!found || procName == nullptr) return nullptr;
  for (const ModuleExport& entry : found->exports) {
    if (entry.name == procName) return entry.address;
  }
  return nullptr;
}
