// The platform's handle table: every window, GDI object and module is known
// to the system's code by a small 32-bit number, never by a pointer, so that
// handles fit the 32-bit fields of the 16-bit driver's records.
//
// Use: HANDLE h = Handles().Add(std::make_shared<Bitmap>(...));
//      if (Bitmap* b = Handles().Get<Bitmap>(h)) ...
// A lookup with the wrong type, a removed handle or 0 gives nullptr, so a
// stale or foreign handle is answered as "no such object", never a crash.
//
// Each object type names its kind (static constexpr HandleKind kHandleKind):
// a plain number rather than a per-type address, because the modules are
// compiled with hidden symbols and would each see their own address.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/win32_types.h"

namespace velko::platform {

enum class HandleKind : uint8_t {
  Module = 1,
  Window,
  DeviceContext,
  Bitmap,
  Brush,
  Pen,
  Palette,
  Icon,
  Font,
  ThunkLink,  // a connected pair of thunk halves (platform/thunk)
};

class HandleTable {
 public:
  template <class T>
  HANDLE Add(std::shared_ptr<T> object) {
    const HANDLE handle = next_++;
    entries_[handle] = Entry{T::kHandleKind, std::move(object)};
    return handle;
  }

  template <class T>
  T* Get(HANDLE handle) const {
    return static_cast<T*>(Find(handle, T::kHandleKind));
  }

  template <class T>
  std::shared_ptr<T> Share(HANDLE handle) const {
    auto it = entries_.find(handle);
    if (it == entries_.end() || it->second.kind != T::kHandleKind) return nullptr;
    return std::static_pointer_cast<T>(it->second.object);
  }

  template <class T>
  bool Is(HANDLE handle) const {
    return Get<T>(handle) != nullptr;
  }

  // The kind of a live handle, or nothing (0) for an unknown one.
  HandleKind KindOf(HANDLE handle) const {
    auto it = entries_.find(handle);
    return it == entries_.end() ? HandleKind{} : it->second.kind;
  }

  // Forgets the handle; the object lives on while someone still shares it.
  bool Remove(HANDLE handle) { return entries_.erase(handle) != 0; }

  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    HandleKind kind;
    std::shared_ptr<void> object;
  };

  void* Find(HANDLE handle, HandleKind kind) const {
    auto it = entries_.find(handle);
    if (it == entries_.end() || it->second.kind != kind) return nullptr;
    return it->second.object.get();
  }

  // Small numbers well inside 32 bits; 0 stays the null handle. Numbers are
  // not reused, so a stale handle never names a newer object.
  HANDLE next_ = 0x100;
  std::unordered_map<HANDLE, Entry> entries_;
};

// The process-wide table. The system has no threads of its own: every call
// arrives on its caller's thread, one at a time, so the table is not locked.
// It is never destroyed: modules unloaded at process exit still unregister
// their handles after the program's own statics are gone.
HandleTable& Handles();

}  // namespace velko::platform
