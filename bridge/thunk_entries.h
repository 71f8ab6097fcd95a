// The two thunk entries of Velkot2. Each entry's 32-bit side takes the
// 16-bit caller's far pointers, maps them, switches to 32-bit execution,
// calls its target and releases the mappings; the targets forward to
// VelkoUI once the class library's application state is set up.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"
#include "ui/core/page_message.h"
#include "ui/core/settings_record.h"

namespace velko::bridge {

// Entry 0. Arguments: far pointers to the ColorAdjustBlock and to the
// 14,739-byte output table. No result.
DWORD MakeRdtEntry(const DWORD* arguments);

// Entry 1. Arguments: far pointers to the PageMessage, the current and the
// default SettingsRecord. The page procedure's result.
DWORD PageCallEntry(const DWORD* arguments);

// Calls the page procedure of message->PageId with the flat message (in;
// LParam becomes the flat LParamFar when there is one), the current record
// (in/out) and the default record (in). 0 when the application state cannot
// be set up, a record is missing, or the PageId is none of the four pages.
int32_t ThunkPageCall(FlatPageMessage* message, SettingsRecord* current, SettingsRecord* defaults);

// Builds the color table of `block` (in) into `table` (out, 14,739 bytes)
// through MakeRdt; leaves the table untouched when the application state
// cannot be set up or a pointer is missing.
void ThunkMakeRdt(const ColorAdjustBlock* block, uint8_t* table);

}  // namespace velko::bridge
