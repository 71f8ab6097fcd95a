// Scroll bar controls: range, page and position. The bar never moves
// itself; it reports the user's gestures to its parent and the parent sets
// the position.
#include <algorithm>

#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {

// The highest position the thumb can take: the range's top less a page.
int ScrollTop(const ScrollState& s) {
  const int page_extra = s.page > 1 ? static_cast<int>(s.page) - 1 : 0;
  return std::max(s.min, s.max - page_extra);
}

int ClampScrollPos(const ScrollState& s, int pos) { return std::clamp(pos, s.min, ScrollTop(s)); }

LRESULT ScrollBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Lookup(window);
  ScrollState* s = w != nullptr ? w->As<ScrollState>() : nullptr;
  if (s == nullptr) return DefWindowProc(window, message, wParam, lParam);
  switch (message) {
    case SBM_SETPOS: {
      const int previous = s->pos;
      s->pos = ClampScrollPos(*s, static_cast<int>(wParam));
      if (lParam != 0) Invalidate(*w, nullptr, true);
      return previous;
    }
    case SBM_GETPOS:
      return s->pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      const int previous = s->pos;
      s->min = static_cast<int>(wParam);
      s->max = static_cast<int>(lParam);
      s->pos = ClampScrollPos(*s, s->pos);
      if (message == SBM_SETRANGEREDRAW) Invalidate(*w, nullptr, true);
      return previous;
    }
    case SBM_GETRANGE:
      if (auto* min = reinterpret_cast<int*>(wParam)) *min = s->min;
      if (auto* max = reinterpret_cast<int*>(lParam)) *max = s->max;
      return 0;
    case SBM_SETSCROLLINFO: {
      const auto* info = reinterpret_cast<const SCROLLINFO*>(lParam);
      if (info == nullptr) return s->pos;
      if ((info->fMask & SIF_RANGE) != 0) {
        s->min = info->nMin;
        s->max = info->nMax;
      }
      if ((info->fMask & SIF_PAGE) != 0) {
        const long span = static_cast<long>(s->max) - s->min + 1;
        s->page = static_cast<UINT>(std::clamp<long>(info->nPage, 0, std::max(span, 0L)));
      }
      if ((info->fMask & SIF_POS) != 0) s->pos = info->nPos;
      s->pos = ClampScrollPos(*s, s->pos);
      if (wParam != 0) Invalidate(*w, nullptr, true);
      return s->pos;
    }
    case SBM_GETSCROLLINFO: {
      auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
      if (info == nullptr) return FALSE;
      if ((info->fMask & SIF_RANGE) != 0) {
        info->nMin = s->min;
        info->nMax = s->max;
      }
      if ((info->fMask & SIF_PAGE) != 0) info->nPage = s->page;
      if ((info->fMask & SIF_POS) != 0) info->nPos = s->pos;
      if ((info->fMask & SIF_TRACKPOS) != 0) info->nTrackPos = s->pos;
      return TRUE;
    }
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velko::platform::wm
