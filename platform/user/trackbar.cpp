// Trackbars: range, position, line and page sizes. The user's moves change
// the position first and are then reported to the parent with WM_HSCROLL
// (WM_VSCROLL for a vertical bar) and the TB_ codes.
#include <algorithm>

#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

void Clamp(TrackbarState& s) { s.pos = std::clamp(s.pos, s.min, std::max(s.min, s.max)); }

void Redraw(Window& w, WPARAM redraw) {
  if (redraw != 0) Invalidate(w, nullptr, true);
}

}  // namespace

int TrackbarPageSize(const TrackbarState& s) { return s.page >= 0 ? s.page : std::max(1, (s.max - s.min) / 5); }

LRESULT TrackbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Lookup(window);
  TrackbarState* s = w != nullptr ? w->As<TrackbarState>() : nullptr;
  if (s == nullptr) return DefWindowProc(window, message, wParam, lParam);
  switch (message) {
    case TBM_GETPOS:
      return s->pos;
    case TBM_SETPOS:
      s->pos = static_cast<int>(lParam);
      Clamp(*s);
      Redraw(*w, wParam);
      return 0;
    case TBM_SETRANGE:
      s->min = static_cast<SHORT>(LOWORD(static_cast<uintptr_t>(lParam)));
      s->max = static_cast<SHORT>(HIWORD(static_cast<uintptr_t>(lParam)));
      Clamp(*s);
      Redraw(*w, wParam);
      return 0;
    case TBM_SETRANGEMIN:
      s->min = static_cast<int>(lParam);
      Clamp(*s);
      Redraw(*w, wParam);
      return 0;
    case TBM_SETRANGEMAX:
      s->max = static_cast<int>(lParam);
      Clamp(*s);
      Redraw(*w, wParam);
      return 0;
    case TBM_GETRANGEMIN:
      return s->min;
    case TBM_GETRANGEMAX:
      return s->max;
    case TBM_SETPAGESIZE: {
      const int previous = TrackbarPageSize(*s);
      s->page = static_cast<int>(lParam);
      return previous;
    }
    case TBM_GETPAGESIZE:
      return TrackbarPageSize(*s);
    case TBM_SETLINESIZE: {
      const int previous = s->line;
      s->line = static_cast<int>(lParam);
      return previous;
    }
    case TBM_GETLINESIZE:
      return s->line;
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velko::platform::wm
