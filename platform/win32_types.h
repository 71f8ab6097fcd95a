// The Win32 scalar types the system's code is written in. Handles are 32-bit
// numbers from the platform's handle tables, never raw pointers, so that they
// fit the 32-bit fields of the 16-bit driver's records.
#pragma once

#include <cstdint>

using BOOL = int32_t;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using INT = int32_t;
using LONG = int32_t;
using ULONG = uint32_t;
using COLORREF = uint32_t;
using WPARAM = uintptr_t;   // wide enough for a flat pointer on this platform
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;

using HANDLE = uint32_t;
using HINSTANCE = HANDLE;
using HMODULE = HANDLE;
using HWND = HANDLE;
using HDC = HANDLE;
using HGDIOBJ = HANDLE;
using HBITMAP = HANDLE;
using HBRUSH = HANDLE;
using HPEN = HANDLE;
using HPALETTE = HANDLE;
using HICON = HANDLE;
using HMENU = HANDLE;

inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;
inline constexpr UINT MAX_PATH = 260;
