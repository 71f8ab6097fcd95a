// Registration of the driver's module and its page templates.
#include "host/sheet/host_module.h"

#include "host/resources/register_host_resources.h"
#include "platform/kernel/modules.h"

namespace velko::host {

HINSTANCE HostModule() {
  static const platform::ModuleRegistration module{"Velko.drv"};
  static const bool registered = (res::RegisterHostResources(module.handle()), true);
  static_cast<void>(registered);
  return module.handle();
}

}  // namespace velko::host
