// Registers the host's page templates with the platform under the host's
// module handle, where the property sheet looks them up by id.
#pragma once

#include "platform/win32_types.h"

namespace velko::res {

void RegisterHostResources(HINSTANCE module);

}  // namespace velko::res
