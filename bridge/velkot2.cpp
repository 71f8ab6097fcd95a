// Velkot2: the 32-bit half of the driver's thunk. Its thunk data, and its
// library entry function, which connects the thunk on load and disconnects
// it on unload. Velkot2 exports nothing of its own.
#include "bridge/thunk_entries.h"
#include "bridge/thunk_script.h"
#include "platform/kernel/kernel.h"
#include "platform/thunk/thunk.h"

namespace velko::bridge {
namespace {

// The targets in the script's entry order.
constexpr auto kThunkData32 =
    platform::MakeThunkData32(kThunkScript, {MakeRdtEntry, PageCallEntry});
static_assert(kThunkData32.Targets[kMakeRdtEntry] == MakeRdtEntry);
static_assert(kThunkData32.Targets[kPageCallEntry] == PageCallEntry);

// The same call for every reason: the platform tells attach from detach.
// Whether the thunk connected does not decide whether the library loads.
BOOL DllMain(HINSTANCE instance, DWORD reason, [[maybe_unused]] LPVOID reserved) {
  ThunkConnect32(&kThunkData32, kThunkScript.dataName.data(), kThunkLibrary16, kThunkLibrary32,
                 instance, reason);
  return TRUE;
}

// Loading the library is process attach, unloading it process detach.
class LibraryLoad {
 public:
  LibraryLoad() { DllMain(module_.handle(), DLL_PROCESS_ATTACH, nullptr); }
  ~LibraryLoad() { DllMain(module_.handle(), DLL_PROCESS_DETACH, nullptr); }

 private:
  platform::ModuleRegistration module_{kThunkLibrary32};
};

const LibraryLoad libraryLoad;

}  // namespace
}  // namespace velko::bridge
