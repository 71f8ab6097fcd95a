// The 16-bit driver's side of the thunk, as far as the system needs it: it
// registers Velkot1, loads Velkot2 the way Velkot1 would cause it to be
// loaded (which connects the thunk and brings VelkoUI along), keeps the
// current and default settings records in 16:16 memory, and calls the two
// thunk entries by position.
//
// Use:
//   auto driver = velko::host::Driver::Load();   // throws DriverError
//   auto table = driver->MakeColorTable(driver->Current().ColorAdjust);
//   driver->PageCall({1001, 0, window, WM_INITDIALOG, 0, 0, 0});
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/far_memory.h"
#include "platform/win32_types.h"
#include "ui/core/page_message.h"
#include "ui/core/settings_record.h"

namespace velko::host {

inline constexpr std::size_t kColorTableBytes = 14739;

// Velkot2 cannot be loaded or its thunk does not connect; the message says
// which and why.
class DriverError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A block of 16:16 memory handed out by the driver (for structures that a
// message's LParamFar points to); it lives as long as the driver.
struct FarBlock {
  DWORD far;
  std::span<uint8_t> bytes;
};

class Driver {
 public:
  // Loads libVelkot2.so from beside the program's libraries and checks that
  // the thunk connected. Both settings records start as
  // DefaultSettingsRecord().
  static std::unique_ptr<Driver> Load();
  ~Driver();
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  // Thunk entry 0 with `block` and a 14,739-byte buffer, both in 16:16
  // memory; the table the call left in the buffer.
  std::array<uint8_t, kColorTableBytes> MakeColorTable(const ColorAdjustBlock& block);

  // Thunk entry 1 with `message` copied into 16:16 memory and the two
  // records; the 16-bit BOOL the call returns.
  int16_t PageCall(const PageMessage& message);
  int16_t PageCall(int32_t pageId, uint32_t window, uint32_t message, uint32_t wParam,
                   uint32_t lParam16, uint32_t lParamFar);

  // Entry `entry` with raw 32-bit arguments (far pointers), as the 16-bit
  // side pushes them; nothing when the platform refuses the call (entry
  // unknown, arguments not matching the entry).
  std::optional<DWORD> CallEntry(WORD entry, std::span<const DWORD> arguments);

  // The records the page procedures edit in place, and their far pointers.
  SettingsRecord& Current() { return current_.as<SettingsRecord>(); }
  SettingsRecord& Defaults() { return defaults_.as<SettingsRecord>(); }
  DWORD CurrentFar() const { return current_.far(); }
  DWORD DefaultsFar() const { return defaults_.far(); }

  // Zeroed 16:16 memory of `bytes` bytes (1 to 64 KiB).
  FarBlock AllocFar(std::size_t bytes);

 private:
  explicit Driver(void* library);

  void* library_;  // dlopen handle of libVelkot2.so
  FarBuffer current_{sizeof(SettingsRecord)};
  FarBuffer defaults_{sizeof(SettingsRecord)};
  FarBuffer message_{sizeof(PageMessage)};
  FarBuffer block_{sizeof(ColorAdjustBlock)};
  FarBuffer table_{kColorTableBytes};
  std::vector<std::unique_ptr<FarBuffer>> blocks_;
};

// Where libVelkot2.so is looked for, in order: beside the loaded platform
// library, in ../lib beside the program, then by the loader's own search.
std::vector<std::string> Velkot2Candidates();

}  // namespace velko::host
