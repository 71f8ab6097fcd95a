// The Win32 calls, messages and constants the system's code uses, with their
// Win32 spellings, over our own headless platform. One header per area.
#pragma once

#include "platform/win32_types.h"
#include "platform/gdi/gdi.h"
#include "platform/kernel/kernel.h"
#include "platform/thunk/thunk.h"
#include "platform/user/user.h"
