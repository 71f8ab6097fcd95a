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
#include <functional>
#include <queue>
#include <vector>

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
    const HANDLE handle = TakeNumber();
    slots_[handle - kFirst] = Entry{T::kHandleKind, std::move(object)};
    ++live_;
    return handle;
  }

  template <class T>
  T* Get(HANDLE handle) const {
    const Entry* entry = Find(handle);
    return entry && entry->kind == T::kHandleKind ? static_cast<T*>(entry->object.get()) : nullptr;
  }

  template <class T>
  std::shared_ptr<T> Share(HANDLE handle) const {
    const Entry* entry = Find(handle);
    if (!entry || entry->kind != T::kHandleKind) return nullptr;
    return std::static_pointer_cast<T>(entry->object);
  }

  template <class T>
  bool Is(HANDLE handle) const {
    return Get<T>(handle) != nullptr;
  }

  // The kind of a live handle, or nothing (0) for an unknown one.
  HandleKind KindOf(HANDLE handle) const {
    const Entry* entry = Find(handle);
    return entry ? entry->kind : HandleKind{};
  }

  // Forgets the handle; the object lives on while someone still shares it.
  bool Remove(HANDLE handle) {
    if (!Find(handle)) return false;
    slots_[handle - kFirst] = Entry{};
    free_.push(handle);
    --live_;
    return true;
  }

  std::size_t size() const { return live_; }

 private:
  struct Entry {
    HandleKind kind{};
    std::shared_ptr<void> object;
  };

  // 0 stays the null handle and the first numbers stay clear of small
  // integers that callers use as ids.
  static constexpr HANDLE kFirst = 0x100;

  const Entry* Find(HANDLE handle) const {
    if (handle < kFirst || handle - kFirst >= slots_.size()) return nullptr;
    const Entry& entry = slots_[handle - kFirst];
    return entry.object ? &entry : nullptr;
  }

  // Freed numbers are handed out again, lowest first, as Windows does: some
  // of the driver's records keep only the low 16 bits of a handle (an icon
  // in a 16-bit message), so numbers must stay small however many objects
  // come and go. The price is the usual one: a stale handle may name a newer
  // object of the same kind.
  HANDLE TakeNumber() {
    if (!free_.empty()) {
      const HANDLE handle = free_.top();
      free_.pop();
      return handle;
    }
    slots_.emplace_back();
    return kFirst + static_cast<HANDLE>(slots_.size() - 1);
  }

  std::vector<Entry> slots_;
  std::priority_queue<HANDLE, std::vector<HANDLE>, std::greater<>> free_;
  std::size_t live_ = 0;
};

// The process-wide table. The system has no threads of its own: every call
// arrives on its caller's thread, one at a time, so the table is not locked.
// It is never destroyed: modules unloaded at process exit still unregister
// their handles after the program's own statics are gone.
HandleTable& Handles();

}  // namespace velko::platform
