// Buffers of the 16-bit side with their selectors.
#include "host/far_memory.h"

#include <string>

#include "host/driver.h"
#include "platform/thunk/selectors.h"

namespace velko::host {

FarBuffer::FarBuffer(std::size_t bytes)
    : data_(std::make_unique<uint8_t[]>(bytes)),
      size_(bytes),
      selector_(platform::AllocSelector(data_.get(), bytes)) {
  if (selector_ == 0) {
    throw DriverError("no selector for a 16:16 buffer of " + std::to_string(bytes) +
                      " bytes (1 to 65,536 bytes, while selectors last)");
  }
}

FarBuffer::~FarBuffer() { platform::FreeSelector(selector_); }

DWORD FarBuffer::far() const { return platform::MakeFarPointer(selector_, 0); }

}  // namespace velko::host
