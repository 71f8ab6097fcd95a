// The 16-bit side's buffers in 16:16 memory: each buffer owns its bytes and
// one selector, so it can be handed across the thunk as a far pointer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/win32_types.h"

namespace velko::host {

class FarBuffer {
 public:
  // Zeroed bytes, 1 to 64 KiB, reachable at far pointer sel:0. Throws
  // DriverError when the size is out of range or no selector is free.
  explicit FarBuffer(std::size_t bytes);
  ~FarBuffer();
  FarBuffer(const FarBuffer&) = delete;
  FarBuffer& operator=(const FarBuffer&) = delete;

  DWORD far() const;
  std::span<uint8_t> bytes() { return {data_.get(), size_}; }

  // The buffer seen as one record; the buffer must be at least that large.
  template <class T>
  T& as() {
    static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
    return *reinterpret_cast<T*>(data_.get());
  }

 private:
  std::unique_ptr<uint8_t[]> data_;
  std::size_t size_;
  WORD selector_;
};

}  // namespace velko::host
