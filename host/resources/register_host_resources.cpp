// The host's page templates handed to the platform's resource registry.
#include "host/resources/register_host_resources.h"

#include "host/resources/host_resources.h"
#include "ui/resources/platform_resources.h"

namespace velko::res {

void RegisterHostResources(HINSTANCE module) {
  static const PlatformResources resources(HostResources());
  platform::RegisterResources(module, resources.entries());
}

}  // namespace velko::res
