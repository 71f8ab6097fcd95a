// KERNEL32 as the system uses it: module handles, the command line, the
// system directory over the mapped drive C:, and the reasons a library entry
// function is called for.
#pragma once

#include "platform/kernel/command_line.h"
#include "platform/kernel/drive.h"
#include "platform/kernel/handles.h"
#include "platform/kernel/modules.h"
#include "platform/kernel/profile.h"
#include "platform/win32_types.h"

// Reasons of a library entry function (DllMain).
inline constexpr DWORD DLL_PROCESS_DETACH = 0;
inline constexpr DWORD DLL_PROCESS_ATTACH = 1;
inline constexpr DWORD DLL_THREAD_ATTACH = 2;
inline constexpr DWORD DLL_THREAD_DETACH = 3;
