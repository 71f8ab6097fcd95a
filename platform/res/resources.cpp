// The process-wide registry of the modules' compiled-in resources.
#include "platform/res/resources.h"

#include <map>
#include <tuple>

namespace velko::platform {
namespace {

using Key = std::tuple<HINSTANCE, WORD, WORD>;

// Not locked: the system has no threads of its own (see handles.h).
std::map<Key, std::span<const uint8_t>>& Registry() {
  static std::map<Key, std::span<const uint8_t>> registry;
  return registry;
}

}  // namespace

void RegisterResources(HINSTANCE module, std::span<const ResourceEntry> entries) {
  for (const ResourceEntry& e : entries) {
    Registry()[Key{module, e.type, e.id}] = std::span<const uint8_t>(e.data, e.size);
  }
}

void UnregisterResources(HINSTANCE module) {
  auto& registry = Registry();
  auto first = registry.lower_bound(Key{module, 0, 0});
  auto last = registry.upper_bound(Key{module, 0xFFFF, 0xFFFF});
  registry.erase(first, last);
}

std::span<const uint8_t> FindResourceBytes(HINSTANCE module, WORD type, WORD id) {
  auto it = Registry().find(Key{module, type, id});
  return it == Registry().end() ? std::span<const uint8_t>{} : it->second;
}

}  // namespace velko::platform
