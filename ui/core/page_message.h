// The record of one page-procedure call, in the two forms it takes.
//
// PageMessage is what the 16-bit driver builds: 28 bytes of seven 32-bit
// fields, LParamFar a 16:16 far pointer. FlatPageMessage is the bridge's
// local copy that the page procedures receive: the same values, except that
// LParamFar holds the flat address the far pointer maps to, and LParam that
// address too whenever LParamFar is not 0. A flat address is 64 bits here,
// so LParam and LParamFar are pointer-wide in the flat form; the 16-bit
// record stays exactly 28 bytes. Window handles are the platform's 32-bit
// handles and fit the record's Window field as they are.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32_types.h"

namespace velko {

enum PageId : int32_t {
  kMainPageId = 1001,
  kColorPageId = 1002,
  kOptionsPageId = 1003,
  kVersionPageId = 1004,
};

#pragma pack(push, 1)
struct PageMessage {
  int32_t PageId;
  uint32_t Reserved;  // carried, never interpreted
  uint32_t Window;
  uint32_t Message;
  uint32_t WParam;
  uint32_t LParam;     // 16-bit message form; WM_COMMAND: code in the high word
  uint32_t LParamFar;  // 16:16 pointer to lParam's structure, or 0
};
#pragma pack(pop)

static_assert(sizeof(PageMessage) == 28);
static_assert(offsetof(PageMessage, PageId) == 0);
static_assert(offsetof(PageMessage, Reserved) == 4);
static_assert(offsetof(PageMessage, Window) == 8);
static_assert(offsetof(PageMessage, Message) == 12);
static_assert(offsetof(PageMessage, WParam) == 16);
static_assert(offsetof(PageMessage, LParam) == 20);
static_assert(offsetof(PageMessage, LParamFar) == 24);

// The first 24 bytes of PageMessage are copied as they are.
inline constexpr std::size_t kPageMessageCopiedBytes = offsetof(PageMessage, LParamFar);

struct FlatPageMessage {
  int32_t PageId;
  uint32_t Reserved;
  HWND Window;
  UINT Message;
  WPARAM WParam;
  LPARAM LParam;      // the 16-bit form, or the flat address of lParam's structure
  LPVOID LParamFar;   // flat address of lParam's structure, or nullptr
};

// Fills the flat form from the first 24 bytes of the record; LParam and
// LParamFar are the caller's to set.
inline FlatPageMessage FlatCopyOf(const PageMessage& record) {
  FlatPageMessage flat{};
  flat.PageId = record.PageId;
  flat.Reserved = record.Reserved;
  flat.Window = record.Window;
  flat.Message = record.Message;
  flat.WParam = record.WParam;
  flat.LParam = static_cast<LPARAM>(record.LParam);
  return flat;
}

// The notification header lParam points to for WM_NOTIFY: the code is the
// 32-bit field at byte 8, of which the pages read the low 16 bits.
inline constexpr std::size_t kNotifyCodeOffset = 8;
inline constexpr WORD kNotifySetActive = 0xFF38;   // PSN_SETACTIVE, -200
inline constexpr WORD kNotifyKillActive = 0xFF37;  // PSN_KILLACTIVE, -201

}  // namespace velko
