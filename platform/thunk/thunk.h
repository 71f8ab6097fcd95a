// Flat thunks from 16-bit to 32-bit code: the 16:16 memory, the connection
// of the two halves, the switch into 32-bit execution, and the call of a
// 32-bit entry by its position in the thunk's entry table.
//
// Connecting: the 32-bit half's library entry function calls ThunkConnect32
// with its thunk data; the platform finds the 16-bit half's data, exported
// by the 16-bit library under the data name, checks that both halves come
// from the same script (tags, checksum, entry count) and writes the link
// into the 16-bit data. On detach it clears the link again.
//
// Calling: the 16-bit side calls entry n through CallThunk16 with its own
// thunk data and its arguments; the platform follows the link to the 32-bit
// entry table and runs the target. The 32-bit target maps the far pointers
// it needs (MapSLFix), switches with K32Thk1632Prolog/Epilog around the real
// call, and releases the mappings (UnMapSLFixArray).
#pragma once

#include <optional>
#include <span>
#include <string>

#include "platform/thunk/selectors.h"
#include "platform/thunk/thunk_data.h"
#include "platform/win32_types.h"

// Connects (DLL_PROCESS_ATTACH) or disconnects (DLL_PROCESS_DETACH) the
// 32-bit thunk data `thunkData32` with the data named `data16Name` exported
// by the 16-bit library `dll16`. FALSE when the 16-bit library or its data
// cannot be found or the two halves do not match; other reasons do nothing.
BOOL ThunkConnect32(const void* thunkData32, LPCSTR data16Name, LPCSTR dll16, LPCSTR dll32,
                    HINSTANCE instance32, DWORD reason);

// Enters 32-bit execution from a 16-bit caller, and leaves it again.
void K32Thk1632Prolog();
void K32Thk1632Epilog();

namespace velko::platform {

// Calls entry `entry` of a connected thunk from the 16-bit side, with the
// arguments in declared order. The result as the 16-bit caller sees it (0
// for an entry without a result). Nothing when the thunk is not connected,
// the entry does not exist or the arguments do not match its argument
// bytes; then nothing is called.
std::optional<DWORD> CallThunk16(ThunkHeader16& data16, WORD entry,
                                 std::span<const DWORD> arguments);

// The 32-bit thunk data the 16-bit data is linked to, or nullptr.
const ThunkHeader32* LinkedThunkData32(const ThunkHeader16& data16);

// Why the last ThunkConnect32 on attach failed, or empty after a success.
std::string LastThunkConnectFailure();

// How deep this thread is in 32-bit code entered from 16-bit callers: 0 on
// the 16-bit side.
int ThunkedCallDepth();

}  // namespace velko::platform
