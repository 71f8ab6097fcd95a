// 16:16 memory: the 16-bit side reaches its buffers through far pointers, a
// 16-bit selector and a 16-bit offset. It allocates a selector for each
// buffer it will hand across; the 32-bit side turns far pointers into flat
// ones with MapSLFix, which also fixes the segment in place until
// UnMapSLFixArray releases it.
//
// A far pointer whose selector is unknown, freed, or whose offset lies past
// the segment's end maps to nullptr; it never crashes the caller.
#pragma once

#include <cstddef>

#include "platform/win32_types.h"

namespace velko::platform {

// The most a selector can reach: one 64 KiB segment.
inline constexpr std::size_t kSegmentBytes = 0x10000;

constexpr DWORD MakeFarPointer(WORD selector, WORD offset) {
  return (static_cast<DWORD>(selector) << 16) | offset;
}
constexpr WORD SelectorOf(DWORD farPointer) { return static_cast<WORD>(farPointer >> 16); }
constexpr WORD OffsetOf(DWORD farPointer) { return static_cast<WORD>(farPointer & 0xFFFF); }

// A selector for `bytes` bytes at `base` (1 to 64 KiB), or 0 when the size
// is out of range or no selector is free. The caller keeps the memory alive
// until it frees the selector.
WORD AllocSelector(void* base, std::size_t bytes);

// Frees the selector; far pointers through it then map to nothing.
bool FreeSelector(WORD selector);

// How many MapSLFix calls on the selector are not yet released (0 for an
// unknown selector).
DWORD SelectorLockCount(WORD selector);

// The flat address of a far pointer without fixing the segment, or nullptr.
void* MapSL(DWORD farPointer);

// How many bytes a far pointer reaches before its segment ends: 0 when it
// maps to nothing.
std::size_t SegmentBytesFrom(DWORD farPointer);

}  // namespace velko::platform

// The flat address of a far pointer, its segment fixed until released; 0
// maps to nullptr, as does a far pointer that reaches no allocated memory.
LPVOID MapSLFix(DWORD farPointer);

// Releases the segments of `count` far pointers fixed by MapSLFix. Zero and
// unknown far pointers are skipped.
void UnMapSLFixArray(DWORD count, const DWORD* farPointers);
