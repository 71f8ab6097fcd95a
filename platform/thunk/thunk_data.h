// The thunk compiler of this platform: from one description of a 16-to-32
// thunk (its entries in order, the data name, the script checksum) it lays
// out both halves' thunk data at compile time, so the two halves cannot
// drift apart.
//
// 32-bit half (bytes in order):
//   0  "SL01"          protocol tag
//   4  checksum        of the thunk script
//   8  0, 0            two reserved words
//   16 "LB01"          library tag
//   20 0, 0, 0         three reserved words
//   32 int32 -4 x N    offset from the data name back to the entry table
//   36 N x uint32      entry table, entry 0 first
//   36+4N  data name   NUL-terminated, in a 16-byte field
//   then   N targets   flat addresses, beyond the laid-out part
// Flat addresses are 64 bits here and do not fit the entry table's 32-bit
// slots, so each slot holds the number of its target in the target list that
// follows the name; the platform reads the target from there.
//
// 16-bit half: the same protocol and library tags and checksum, the link
// word that ThunkConnect32 fills when it connects the halves (0 until then),
// the entry count, and per entry its argument bytes, how many far pointers
// its 32-bit side maps, and the kind of result the 16-bit caller sees.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/win32_types.h"

namespace velko::platform {

enum class ThunkResult : BYTE {
  None = 0,    // the 16-bit caller gets nothing back
  Bool16 = 1,  // a 16-bit BOOL: nonzero exactly when the 32-bit result is
};

struct ThunkEntrySpec {
  std::string_view target;  // the 32-bit function the entry reaches
  WORD argumentBytes;       // bytes of arguments the 16-bit caller pushes
  BYTE farPointersMapped;   // far pointers the 32-bit side maps for the call
  ThunkResult result;
};

template <std::size_t N>
struct ThunkScript {
  std::string_view dataName;  // the 16-bit half's exported data
  DWORD checksum;
  std::array<ThunkEntrySpec, N> entries;
};

inline constexpr std::size_t kThunkDataNameBytes = 16;
inline constexpr char kThunkProtocolTag[4] = {'S', 'L', '0', '1'};
inline constexpr char kThunkLibraryTag[4] = {'L', 'B', '0', '1'};

// A 32-bit target: the 16-bit caller's arguments in declared order, one
// 32-bit word each (far pointers here); the 32-bit result.
using ThunkTarget32 = DWORD (*)(const DWORD* arguments);

#pragma pack(push, 1)

struct ThunkHeader32 {
  char Protocol[4];
  DWORD Checksum;
  DWORD Reserved1[2];
  char Library[4];
  DWORD Reserved2[3];
  int32_t EntryTableOffset;
};
static_assert(sizeof(ThunkHeader32) == 36);
static_assert(offsetof(ThunkHeader32, Checksum) == 4);
static_assert(offsetof(ThunkHeader32, Library) == 16);
static_assert(offsetof(ThunkHeader32, EntryTableOffset) == 32);

template <std::size_t N>
struct ThunkData32 {
  ThunkHeader32 Header;
  DWORD EntryTable[N];
  char DataName[kThunkDataNameBytes];
  ThunkTarget32 Targets[N];
};

struct ThunkHeader16 {
  char Protocol[4];
  DWORD Checksum;
  char Library[4];
  DWORD Link;  // the connection's handle; 0 while not connected
  WORD EntryCount;
  WORD Reserved;
};
static_assert(sizeof(ThunkHeader16) == 20);
static_assert(offsetof(ThunkHeader16, Link) == 12);

struct ThunkEntry16 {
  WORD ArgumentBytes;
  BYTE FarPointersMapped;
  ThunkResult Result;
};
static_assert(sizeof(ThunkEntry16) == 4);

template <std::size_t N>
struct ThunkData16 {
  ThunkHeader16 Header;
  ThunkEntry16 Entries[N];
};

#pragma pack(pop)

template <std::size_t N>
constexpr ThunkData32<N> MakeThunkData32(const ThunkScript<N>& script,
                                         const std::array<ThunkTarget32, N>& targets) {
  static_assert(N > 0);
  ThunkData32<N> data{};
  for (int i = 0; i < 4; ++i) {
    data.Header.Protocol[i] = kThunkProtocolTag[i];
    data.Header.Library[i] = kThunkLibraryTag[i];
  }
  data.Header.Checksum = script.checksum;
  data.Header.EntryTableOffset = -static_cast<int32_t>(N * sizeof(DWORD));
  for (std::size_t i = 0; i < N; ++i) {
    data.EntryTable[i] = static_cast<DWORD>(i);
    data.Targets[i] = targets[i];
  }
  for (std::size_t i = 0; i < script.dataName.size() && i + 1 < kThunkDataNameBytes; ++i) {
    data.DataName[i] = script.dataName[i];
  }
  return data;
}

template <std::size_t N>
constexpr ThunkData16<N> MakeThunkData16(const ThunkScript<N>& script) {
  static_assert(N > 0 && N <= 0xFFFF);
  ThunkData16<N> data{};
  for (int i = 0; i < 4; ++i) {
    data.Header.Protocol[i] = kThunkProtocolTag[i];
    data.Header.Library[i] = kThunkLibraryTag[i];
  }
  data.Header.Checksum = script.checksum;
  data.Header.EntryCount = static_cast<WORD>(N);
  for (std::size_t i = 0; i < N; ++i) {
    data.Entries[i] = ThunkEntry16{script.entries[i].argumentBytes,
                                   script.entries[i].farPointersMapped, script.entries[i].result};
  }
  return data;
}

// Whether a script can be laid out: a data name that fits its field, and
// arguments of whole 32-bit words.
template <std::size_t N>
constexpr bool IsValidThunkScript(const ThunkScript<N>& script) {
  if (script.dataName.empty() || script.dataName.size() >= kThunkDataNameBytes) return false;
  for (const ThunkEntrySpec& entry : script.entries) {
    if (entry.argumentBytes % sizeof(DWORD) != 0) return false;
  }
  return true;
}

}  // namespace velko::platform
