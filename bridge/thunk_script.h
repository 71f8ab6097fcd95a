// The thunk script of the driver's 16-to-32 thunk: the one description of
// its two entries, from which both Velkot2's 32-bit thunk data (bridge/) and
// Velkot1's 16-bit thunk data (host/) are laid out. The 16-bit side calls the
// entries by their position here.
#pragma once

#include <string_view>

#include "platform/thunk/thunk_data.h"

namespace velko::bridge {

enum ThunkEntry : WORD {
  kMakeRdtEntry = 0,   // color table: ColorAdjustBlock, 14,739-byte table
  kPageCallEntry = 1,  // page call: PageMessage, current and default settings
};

inline constexpr platform::ThunkScript<2> kThunkScript{
    "QZ_ThunkData16",
    0x000008D3,
    {{
        {"ThunkMakeRdt", 8, 2, platform::ThunkResult::None},
        {"ThunkPageCall", 12, 4, platform::ThunkResult::Bool16},
    }},
};

inline constexpr const char* kThunkLibrary16 = "Velkot1.dll";
inline constexpr const char* kThunkLibrary32 = "Velkot2.dll";

static_assert(platform::IsValidThunkScript(kThunkScript));
static_assert(kThunkScript.entries[kMakeRdtEntry].target == "ThunkMakeRdt");
static_assert(kThunkScript.entries[kPageCallEntry].target == "ThunkPageCall");

// Both halves as laid out from the script (the 32-bit targets aside).
inline constexpr auto kThunkData32Layout = platform::MakeThunkData32(kThunkScript, {});
inline constexpr auto kThunkData16Layout = platform::MakeThunkData16(kThunkScript);

namespace layout {

constexpr bool TagIs(const char (&field)[4], std::string_view tag) {
  return std::string_view(field, 4) == tag;
}

using Data32 = decltype(kThunkData32Layout);
static_assert(offsetof(Data32, EntryTable) == 36);
static_assert(offsetof(Data32, DataName) == 44);
static_assert(TagIs(kThunkData32Layout.Header.Protocol, "SL01"));
static_assert(kThunkData32Layout.Header.Checksum == 0x000008D3);
static_assert(kThunkData32Layout.Header.Reserved1[0] == 0 &&
              kThunkData32Layout.Header.Reserved1[1] == 0);
static_assert(TagIs(kThunkData32Layout.Header.Library, "LB01"));
static_assert(kThunkData32Layout.Header.Reserved2[0] == 0 &&
              kThunkData32Layout.Header.Reserved2[1] == 0 &&
              kThunkData32Layout.Header.Reserved2[2] == 0);
static_assert(kThunkData32Layout.Header.EntryTableOffset == -8);
// The offset leads from the data name back to the entry table.
static_assert(static_cast<int>(offsetof(Data32, DataName)) +
                  kThunkData32Layout.Header.EntryTableOffset ==
              static_cast<int>(offsetof(Data32, EntryTable)));
static_assert(std::string_view(kThunkData32Layout.DataName) == "QZ_ThunkData16");

static_assert(TagIs(kThunkData16Layout.Header.Protocol, "SL01"));
static_assert(TagIs(kThunkData16Layout.Header.Library, "LB01"));
static_assert(kThunkData16Layout.Header.Checksum == kThunkData32Layout.Header.Checksum);
static_assert(kThunkData16Layout.Header.EntryCount == 2);
static_assert(kThunkData16Layout.Header.Link == 0);
static_assert(kThunkData16Layout.Entries[kPageCallEntry].ArgumentBytes == 12);
static_assert(kThunkData16Layout.Entries[kPageCallEntry].Result == platform::ThunkResult::Bool16);

}  // namespace layout

}  // namespace velko::bridge
