// Static controls: text, frames and the icon or bitmap they show.
#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {

LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Lookup(window);
  StaticState* s = w != nullptr ? w->As<StaticState>() : nullptr;
  if (s == nullptr) return DefWindowProc(window, message, wParam, lParam);
  switch (message) {
    case STM_SETICON:
    case STM_SETIMAGE: {
      const bool icon = message == STM_SETICON || wParam == kImageIcon;
      HANDLE& slot = icon ? s->icon : s->bitmap;
      const HANDLE previous = slot;
      slot = static_cast<HANDLE>(message == STM_SETICON ? wParam : static_cast<WPARAM>(lParam));
      Invalidate(*w, nullptr, true);
      return static_cast<LRESULT>(previous);
    }
    case STM_GETICON:
      return static_cast<LRESULT>(s->icon);
    case STM_GETIMAGE:
      return static_cast<LRESULT>(wParam == kImageIcon ? s->icon : s->bitmap);
    case WM_PAINT:
      if ((w->style & SS_TYPEMASK) == SS_OWNERDRAW) DrawOwnerDrawnControl(window, ODT_STATIC);
      ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velko::platform::wm
