// The 16-bit driver's own module, "Velko.drv", which holds the templates of
// the property sheet's four pages. It is registered, with its resources, on
// first use and stays for the life of the process, as the loaded driver
// would.
#pragma once

#include "platform/win32_types.h"

namespace velko::host {

HINSTANCE HostModule();

}  // namespace velko::host
