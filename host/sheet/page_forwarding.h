// Which messages a page's dialog procedure forwards through thunk entry 1,
// and their 16-bit form. The platform packs WM_COMMAND as (MAKEWPARAM(id,
// code), control) and WM_HSCROLL as (MAKEWPARAM(code, pos), control); a
// 16-bit dialog sees (id, MAKELONG(control, code)) and (code,
// MAKELONG(pos, control)), with 16-bit handles. WM_NOTIFY and WM_DRAWITEM
// point to a structure, which the host copies into 16:16 memory: lParam
// and LParamFar are then its far address.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/user/messages.h"
#include "platform/win32_types.h"
#include "ui/core/page_message.h"

namespace velko::host {

struct ForwardedMessage {
  UINT message;
  int32_t only_page;  // 0: every page
};

inline constexpr std::array<ForwardedMessage, 6> kForwardedMessages{{
    {WM_INITDIALOG, 0},
    {WM_PAINT, 0},
    {WM_DRAWITEM, 0},
    {WM_NOTIFY, 0},
    {WM_COMMAND, 0},
    {WM_HSCROLL, kColorPageId},
}};

constexpr bool IsForwarded(int32_t page_id, UINT message) {
  for (const ForwardedMessage& f : kForwardedMessages) {
    if (f.message == message) return f.only_page == 0 || f.only_page == page_id;
  }
  return false;
}

// The bytes of the structure lParam points to that the 16-bit side gets a
// copy of (the NMHDR of WM_NOTIFY, the DRAWITEMSTRUCT of WM_DRAWITEM);
// empty for the other messages.
std::span<const uint8_t> PointedStructure(UINT message, LPARAM lParam);

// The PageMessage the 16-bit driver builds for a message to page `page`;
// `far` is the 16:16 address of the copy of PointedStructure, 0 without.
PageMessage SixteenBitMessage(int32_t page_id, HWND page, UINT message, WPARAM wParam, LPARAM lParam, DWORD far);

}  // namespace velko::host
