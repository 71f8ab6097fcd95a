// VelkoUI's resources handed to the platform's resource registry.
#include "ui/resources/register_ui_resources.h"

#include "ui/resources/platform_resources.h"
#include "ui/resources/velko_ui_resources.h"

namespace velko::res {

void RegisterVelkoUiResources(HINSTANCE module) {
  static const PlatformResources resources(VelkoUiResources());
  platform::RegisterResources(module, resources.entries());
}

}  // namespace velko::res
