// The user color entries: up to ten named snapshots of the color adjustment
// and density blocks, kept in a module-wide table and stored in "Velko.ini"
// (ui/core/ui_app.h IniPath), one section "UserEnt0".."UserEnt9" per entry.
// The color page loads them when it opens; the list-edit dialog adds,
// modifies and deletes them.
//
// Loading fills slot n from section n; saving and deleting find the section
// by the entry's name, so after edits slot and section numbers may differ.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"
#include "ui/core/settings_record.h"

namespace velko::color {

inline constexpr int kUserEntryCount = 10;
inline constexpr int kUserEntryNameBytes = 20;
// A name read from the file keeps at most 17 bytes.
inline constexpr int kUserEntryFileNameBytes = 18;

#pragma pack(push, 1)
// An empty name marks a free slot. `Colors.Sample` lives only here: the
// file does not store it.
struct UserColorEntry {
  char Name[kUserEntryNameBytes];
  ColorAdjustBlock Colors;
  DensityBlock Density;
};
#pragma pack(pop)
static_assert(sizeof(UserColorEntry) == 72);

// The table shared by the color page and the list-edit dialog; all zero at
// load.
extern UserColorEntry UserEntryTable[kUserEntryCount];

// --- Profile helpers, all on "Velko.ini" ---

// Reads `key` of `section` into `buffer` (`size` bytes, at least 2), cut to
// fit. Returns 0 when the key is missing, else 1 — also for a key whose value
// is the sentinel default "DummyDef" itself.
int ReadProfileText(LPCSTR section, LPCSTR key, LPSTR buffer, DWORD size);
// Reads `key` as a signed decimal number (0 when missing) into `value`;
// returns whether it is nonzero.
int ReadProfileNumber(LPCSTR section, LPCSTR key, int32_t* value);
// The platform's result.
BOOL WriteProfileText(LPCSTR section, LPCSTR key, LPCSTR text);
BOOL WriteProfileNumber(LPCSTR section, LPCSTR key, int32_t value);

// --- Entry operations ---

// Fills the table from the file. Returns 0 as soon as a section lacks the
// "UserEntName" key (earlier sections stay loaded), else 1. A section with
// an empty name leaves its slot as it was.
int LoadUserEntries();
// Writes a new file of ten empty sections, replacing any old one; 0 when it
// cannot be created.
int CreateUserEntryFile();
// Writes the table's entry of `name` into the section of that name, else the
// first section with an empty name; 0 when there is no such section or no
// such entry.
int SaveUserEntry(LPCSTR name);
// Empties "UserEntName" of the section of `name` (its values stay); 0 when
// no section has the name.
int DeleteUserEntry(LPCSTR name);

// The first slot whose name equals `name` byte for byte, or nullptr.
UserColorEntry* FindUserEntry(LPCSTR name);

}  // namespace velko::color
