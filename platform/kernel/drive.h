// Drive C: of the Windows the system believes it runs on, mapped onto a host
// folder: VELKO_DRIVE_C when set, else "velko/drive_c" under the user's data
// directory ($XDG_DATA_HOME, or ~/.local/share).
//
// Windows paths resolve inside that folder as Windows resolves them: "C:\x",
// "\x" (rooted, on the current drive, which is C:) and "x" (relative to the
// current directory, the root of C: until SetCurrentDirectoryA moves it)
// name the same file; "\" and
// "/" both separate; names match without regard to case, so
// "\windows\system\Velko.ini" and "C:\WINDOWS\SYSTEM\VELKO.INI" are one
// file; ".." stops at the drive's root, so no path leaves the folder. Other
// drives and network paths name nothing.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/win32_types.h"

namespace velko::platform {

// The host folder that holds drive C:, as the environment gives it now.
std::filesystem::path DriveRoot();

// The host path of a Windows path, or nothing for a path off drive C:.
// Each component that exists on the host in some spelling takes that
// spelling; the rest are kept as written (files about to be created).
std::optional<std::filesystem::path> MapWindowsPath(std::string_view windowsPath);

// The Windows system directory, as GetSystemDirectoryA reports it.
inline constexpr std::string_view kSystemDirectory = "C:\\WINDOWS\\SYSTEM";

}  // namespace velko::platform

// Copies the system directory into `buffer` (room for `size` characters with
// the NUL) and returns its length. When it does not fit, the buffer is left
// as it is and the result is the size needed, NUL included.
UINT GetSystemDirectoryA(LPSTR buffer, UINT size);

// The current directory that relative paths start from: an existing folder
// of drive C:, FALSE (and no change) for anything else.
BOOL SetCurrentDirectoryA(LPCSTR path);
// Copies the current directory ("C:\..." without a final separator but for
// the root) into `buffer` like GetSystemDirectoryA, except that the buffer
// size comes first.
DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer);
