// The 16-bit forms of the forwarded page messages.
#include "host/sheet/page_forwarding.h"

#include "platform/user/paint.h"
#include "platform/user/user_types.h"

namespace velko::host {
namespace {

// A handle as a 16-bit message carries it: its low word.
WORD Handle16(LPARAM handle) { return LOWORD(static_cast<uintptr_t>(handle)); }

}  // namespace

std::span<const uint8_t> PointedStructure(UINT message, LPARAM lParam) {
  if (lParam == 0) return {};
  const auto* bytes = reinterpret_cast<const uint8_t*>(lParam);
  if (message == WM_NOTIFY) return {bytes, sizeof(NMHDR)};
  if (message == WM_DRAWITEM) return {bytes, sizeof(DRAWITEMSTRUCT)};
  return {};
}

PageMessage SixteenBitMessage(int32_t page_id, HWND page, UINT message, WPARAM wParam, LPARAM lParam, DWORD far) {
  PageMessage m{page_id, 0, page, message, 0, 0, 0};
  switch (message) {
    case WM_COMMAND:
      m.WParam = LOWORD(wParam);
      m.LParam = MAKELONG(Handle16(lParam), HIWORD(wParam));
      break;
    case WM_HSCROLL:
      m.WParam = LOWORD(wParam);
      m.LParam = MAKELONG(HIWORD(wParam), Handle16(lParam));
      break;
    case WM_NOTIFY:
    case WM_DRAWITEM:
      m.WParam = static_cast<uint32_t>(wParam);
      m.LParam = far;
      m.LParamFar = far;
      break;
    default:
      // WM_INITDIALOG and WM_PAINT: the pages read neither parameter, and
      // the sheet's page record (WM_INITDIALOG's lParam) has no 16:16 form.
      break;
  }
  return m;
}

}  // namespace velko::host
