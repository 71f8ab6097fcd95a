// Velkot1's thunk data and its module registration.
#include "host/velkot1.h"

#include <string>

#include "bridge/thunk_script.h"
#include "platform/kernel/kernel.h"

namespace velko::host {
namespace {

constinit Velkot1ThunkData thunkData16 = platform::MakeThunkData16(bridge::kThunkScript);
static_assert(sizeof(Velkot1ThunkData) == sizeof(bridge::kThunkData16Layout));

}  // namespace

Velkot1ThunkData& Velkot1Data() { return thunkData16; }

HMODULE RegisterVelkot1() {
  static const HMODULE module = platform::RegisterModule(
      bridge::kThunkLibrary16,
      {{std::string(bridge::kThunkScript.dataName), &thunkData16}});
  return module;
}

}  // namespace velko::host
