// Private profile (INI) files as KERNEL32 offers them: sections in square
// brackets, "key=value" lines, names matched without regard to ASCII case,
// blanks around names and values ignored, a value in matching quotes read
// without them. Reads cope with any bytes (binary, no final newline, huge
// lines). Writes change only the line they concern, end the lines they write
// with CR LF, and replace the file through a temporary file beside it, so a
// failed write never leaves half a file.
//
// The Windows-path entry points map their file name through drive C: (a
// name without a directory lies in C:\WINDOWS, as on Windows); the
// velko::platform::profile functions take a host path.
#pragma once

#include <filesystem>

#include "platform/win32_types.h"

// Copies the value of `key` in `section` (or `fallback` when there is none)
// into `buffer` of `size` bytes, cut to fit and NUL-terminated; returns the
// bytes copied, without the NUL. A null section lists the section names, a
// null key the section's keys, each NUL-terminated, the list ending with a
// second NUL (cut lists return size - 2).
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer, DWORD size, LPCSTR file);

// The value's leading decimal number (a sign allowed, stops at the first
// other character, 0 when there is none), or `fallback` when the key is
// missing. Negative numbers come back as their 32-bit two's complement.
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT fallback, LPCSTR file);

// Sets `key` in `section` to `value`, creating file, section and key as
// needed; a null value deletes the key, a null key the whole section.
// Refuses names that the file could not hold (a section with "]", a key
// with "=" or starting with "[", line breaks in either); a value is cut at
// its first line break.
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);

namespace velko::platform::profile {

DWORD GetString(const std::filesystem::path& file, LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer,
                DWORD size);
UINT GetInt(const std::filesystem::path& file, LPCSTR section, LPCSTR key, INT fallback);
bool WriteString(const std::filesystem::path& file, LPCSTR section, LPCSTR key, LPCSTR value);

}  // namespace velko::platform::profile
