// Velkot1, the 16-bit half of the driver's thunk as this host provides it:
// its thunk data, laid out from the same thunk script as Velkot2's and
// exported as "QZ_ThunkData16" from the module "Velkot1.dll".
#pragma once

#include "platform/thunk/thunk_data.h"
#include "platform/win32_types.h"

namespace velko::host {

using Velkot1ThunkData = platform::ThunkData16<2>;

// The exported thunk data; its link word is set while Velkot2 is connected.
Velkot1ThunkData& Velkot1Data();

// Registers the module "Velkot1.dll" with its export, once per process, as
// it must be before Velkot2 loads; returns the module handle.
HMODULE RegisterVelkot1();

}  // namespace velko::host
