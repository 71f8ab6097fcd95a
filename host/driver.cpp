// Loading Velkot2 as the driver's thunk half would, and calling its entries.
#include "host/driver.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "bridge/thunk_script.h"
#include "color/color_table.h"
#include "host/default_settings.h"
#include "host/velkot1.h"
#include "platform/kernel/kernel.h"
#include "platform/thunk/thunk.h"

namespace fs = std::filesystem;

namespace velko::host {
namespace {

constexpr const char* kVelkot2File = "libVelkot2.so";
static_assert(kColorTableBytes == color::kColorTableBytes);

// The folder of the shared library that holds the platform, which the build
// puts beside every other module.
std::optional<fs::path> PlatformLibraryFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&GetModuleHandleA), &info) == 0 || !info.dli_fname) {
    return std::nullopt;
  }
  return fs::absolute(info.dli_fname).parent_path();
}

std::optional<fs::path> ProgramLibraryFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return program.parent_path().parent_path() / "lib";
}

void* OpenVelkot2() {
  std::string failures;
  for (const std::string& candidate : Velkot2Candidates()) {
    if (void* library = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) return library;
    const char* why = dlerror();
    failures += "\n  " + candidate + ": " + (why ? why : "not loadable");
  }
  throw DriverError("cannot load Velkot2; tried:" + failures);
}

}  // namespace

std::vector<std::string> Velkot2Candidates() {
  std::vector<std::string> candidates;
  for (const auto& folder : {PlatformLibraryFolder(), ProgramLibraryFolder()}) {
    if (!folder) continue;
    const fs::path file = *folder / kVelkot2File;
    std::error_code error;
    if (fs::exists(file, error) &&
        std::ranges::find(candidates, file.string()) == candidates.end()) {
      candidates.push_back(file.string());
    }
  }
  candidates.emplace_back(kVelkot2File);
  return candidates;
}

std::unique_ptr<Driver> Driver::Load() {
  RegisterVelkot1();  // Velkot2's entry function looks for it while loading
  void* library = OpenVelkot2();
  if (!platform::LinkedThunkData32(Velkot1Data().Header)) {
    const std::string why = platform::LastThunkConnectFailure();
    dlclose(library);
    throw DriverError("Velkot2 loaded but its thunk did not connect: " +
                      (why.empty() ? std::string("no reason given") : why));
  }
  try {
    return std::unique_ptr<Driver>(new Driver(library));
  } catch (...) {
    dlclose(library);
    throw;
  }
}

Driver::Driver(void* library) : library_(library) {
  Current() = DefaultSettingsRecord();
  Defaults() = DefaultSettingsRecord();
}

Driver::~Driver() { dlclose(library_); }

std::optional<DWORD> Driver::CallEntry(WORD entry, std::span<const DWORD> arguments) {
  return platform::CallThunk16(Velkot1Data().Header, entry, arguments);
}

std::array<uint8_t, kColorTableBytes> Driver::MakeColorTable(const ColorAdjustBlock& block) {
  block_.as<ColorAdjustBlock>() = block;
  std::ranges::fill(table_.bytes(), 0);
  const DWORD arguments[] = {block_.far(), table_.far()};
  if (!CallEntry(bridge::kMakeRdtEntry, arguments)) {
    throw DriverError("the color table entry of the thunk cannot be called");
  }
  std::array<uint8_t, kColorTableBytes> table;
  std::ranges::copy(table_.bytes(), table.begin());
  return table;
}

int16_t Driver::PageCall(const PageMessage& message) {
  message_.as<PageMessage>() = message;
  const DWORD arguments[] = {message_.far(), current_.far(), defaults_.far()};
  const auto result = CallEntry(bridge::kPageCallEntry, arguments);
  if (!result) throw DriverError("the page entry of the thunk cannot be called");
  return static_cast<int16_t>(*result & 0xFFFF);  // AX, as the 16-bit caller sees it
}

int16_t Driver::PageCall(int32_t pageId, uint32_t window, uint32_t message, uint32_t wParam,
                         uint32_t lParam16, uint32_t lParamFar) {
  return PageCall(PageMessage{pageId, 0, window, message, wParam, lParam16, lParamFar});
}

FarBlock Driver::AllocFar(std::size_t bytes) {
  auto& block = blocks_.emplace_back(std::make_unique<FarBuffer>(bytes));
  return FarBlock{block->far(), block->bytes()};
}

}  // namespace velko::host
