// The selector table of the 16:16 memory.
#include "platform/thunk/selectors.h"

#include <vector>

namespace velko::platform {
namespace {

struct Descriptor {
  std::byte* base = nullptr;  // nullptr: free
  std::size_t limit = 0;      // bytes reachable
  DWORD locks = 0;
};

// Selectors look like those of a local descriptor table at ring 3: index,
// table bit and privilege 3, so that 0 is never a valid selector.
constexpr WORD kSelectorLowBits = 0x7;
constexpr std::size_t kDescriptorCount = 8192;

class SelectorTable {
 public:
  WORD Alloc(void* base, std::size_t bytes) {
    if (base == nullptr || bytes == 0 || bytes > kSegmentBytes) return 0;
    // Fresh indices first, so that a stale far pointer rarely meets a newer
    // buffer; freed ones are taken again once the table has wrapped.
    for (std::size_t tried = 0; tried < kDescriptorCount - 1; ++tried) {
      next_ = next_ % (kDescriptorCount - 1) + 1;
      Descriptor& d = descriptors_[next_];
      if (d.base == nullptr) {
        d = Descriptor{static_cast<std::byte*>(base), bytes, 0};
        return static_cast<WORD>(next_ << 3 | kSelectorLowBits);
      }
    }
    return 0;
  }

  Descriptor* Find(WORD selector) {
    if ((selector & kSelectorLowBits) != kSelectorLowBits) return nullptr;
    Descriptor& d = descriptors_[selector >> 3];
    return d.base ? &d : nullptr;
  }

 private:
  std::vector<Descriptor> descriptors_ = std::vector<Descriptor>(kDescriptorCount);
  std::size_t next_ = 0;
};

SelectorTable& Selectors() {
  static SelectorTable& table = *new SelectorTable;
  return table;
}

Descriptor* Reach(DWORD farPointer) {
  Descriptor* d = Selectors().Find(SelectorOf(farPointer));
  return d && OffsetOf(farPointer) < d->limit ? d : nullptr;
}

}  // namespace

WORD AllocSelector(void* base, std::size_t bytes) { return Selectors().Alloc(base, bytes); }

bool FreeSelector(WORD selector) {
  Descriptor* d = Selectors().Find(selector);
  if (!d) return false;
  *d = Descriptor{};
  return true;
}

DWORD SelectorLockCount(WORD selector) {
  const Descriptor* d = Selectors().Find(selector);
  return d ? d->locks : 0;
}

void* MapSL(DWORD farPointer) {
  Descriptor* d = Reach(farPointer);
  return d ? d->base + OffsetOf(farPointer) : nullptr;
}

std::size_t SegmentBytesFrom(DWORD farPointer) {
  const Descriptor* d = Reach(farPointer);
  return d ? d->limit - OffsetOf(farPointer) : 0;
}

}  // namespace velko::platform

LPVOID MapSLFix(DWORD farPointer) {
  using namespace velko::platform;
  Descriptor* d = Reach(farPointer);
  if (!d) return nullptr;
  ++d->locks;
  return d->base + OffsetOf(farPointer);
}

void UnMapSLFixArray(DWORD count, const DWORD* farPointers) {
  using namespace velko::platform;
  for (DWORD i = 0; farPointers && i < count; ++i) {
    Descriptor* d = Reach(farPointers[i]);
    if (d && d->locks > 0) --d->locks;
  }
}
