// Registers VelkoUI's resources with the platform under the module's
// instance handle, so that LoadBitmap, LoadIcon, LoadString and the dialog
// functions find them by id. VelkoUI's load calls it once with its handle.
#pragma once

#include "platform/win32_types.h"

namespace velko::res {

void RegisterVelkoUiResources(HINSTANCE module);

}  // namespace velko::res
