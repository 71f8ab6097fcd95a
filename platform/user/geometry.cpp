// Window rectangles, client areas and the coordinate mappings between
// windows and the screen.
#include <algorithm>

#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {

// A caption bar and the dialog frame around it, as the platform's dialogs
// draw them; borders and edges of controls.
constexpr int kCaptionHeight = 18;
constexpr int kDialogFrame = 3;
constexpr int kThickFrame = 4;
constexpr int kClientEdge = 2;

Insets FrameInsets(DWORD style, DWORD ex_style) {
  Insets in;
  int frame = 0;
  if ((style & WS_CAPTION) == WS_CAPTION) {
    frame = kDialogFrame;
    in.top = kCaptionHeight;
  } else if ((style & WS_THICKFRAME) != 0) {
    frame = kThickFrame;
  } else if ((style & WS_DLGFRAME) != 0 || (ex_style & WS_EX_DLGMODALFRAME) != 0) {
    frame = kDialogFrame;
  } else if ((style & WS_BORDER) != 0) {
    frame = 1;
  }
  if ((ex_style & WS_EX_CLIENTEDGE) != 0) frame += kClientEdge;
  if ((ex_style & WS_EX_STATICEDGE) != 0) frame += 1;
  in.left = in.right = in.bottom = frame;
  in.top += frame;
  return in;
}

int ClientWidth(const Window& w) {
  const Insets in = FrameInsets(w.style, w.ex_style);
  return std::max(0, static_cast<int>(w.rect.right - w.rect.left) - in.left - in.right);
}

int ClientHeight(const Window& w) {
  const Insets in = FrameInsets(w.style, w.ex_style);
  return std::max(0, static_cast<int>(w.rect.bottom - w.rect.top) - in.top - in.bottom);
}

POINT ClientOriginOnScreen(const Window& w) {
  const Insets in = FrameInsets(w.style, w.ex_style);
  POINT origin{w.rect.left + in.left, w.rect.top + in.top};
  if (w.parent != nullptr) {
    const POINT parent = ClientOriginOnScreen(*w.parent);
    origin.x += parent.x;
    origin.y += parent.y;
  }
  return origin;
}

void PlaceWindow(Window& w, const RECT& rect) {
  w.rect = rect;
  if (w.surface) {
    const int width = ClientWidth(w);
    const int height = ClientHeight(w);
    if (w.surface->width != width || w.surface->height != height) w.surface->Resize(width, height);
  }
}

}  // namespace velko::platform::wm

namespace {

using velko::platform::wm::Lookup;
using velko::platform::wm::Window;

// The client origin of a window on the screen; (0, 0) stands for the screen.
bool OriginOf(HWND window, POINT* origin) {
  if (window == 0) {
    *origin = POINT{0, 0};
    return true;
  }
  const Window* w = Lookup(window);
  if (w == nullptr) return false;
  *origin = velko::platform::wm::ClientOriginOnScreen(*w);
  return true;
}

}  // namespace

BOOL GetWindowRect(HWND window, RECT* rect) {
  const Window* w = Lookup(window);
  if (w == nullptr || rect == nullptr) return FALSE;
  *rect = w->rect;
  if (w->parent != nullptr) {
    const POINT parent = velko::platform::wm::ClientOriginOnScreen(*w->parent);
    rect->left += parent.x;
    rect->right += parent.x;
    rect->top += parent.y;
    rect->bottom += parent.y;
  }
  return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  const Window* w = Lookup(window);
  if (w == nullptr || rect == nullptr) return FALSE;
  *rect = RECT{0, 0, velko::platform::wm::ClientWidth(*w), velko::platform::wm::ClientHeight(*w)};
  return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
  POINT origin;
  if (point == nullptr || window == 0 || !OriginOf(window, &origin)) return FALSE;
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
  POINT origin;
  if (point == nullptr || window == 0 || !OriginOf(window, &origin)) return FALSE;
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  POINT a;
  POINT b;
  if (!OriginOf(from, &a) || !OriginOf(to, &b)) return 0;
  const LONG dx = a.x - b.x;
  const LONG dy = a.y - b.y;
  for (UINT i = 0; points != nullptr && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(window, 0, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

namespace {

void Restack(Window& w, HWND insert_after) {
  std::vector<Window*>& siblings = velko::platform::wm::SiblingsOf(w);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), &w), siblings.end());
  auto at = siblings.end();
  if (insert_after == HWND_TOP) {
    at = siblings.begin();
  } else if (insert_after != HWND_BOTTOM) {
    const auto after = std::find_if(siblings.begin(), siblings.end(),
                                    [&](const Window* s) { return s->handle == insert_after; });
    if (after != siblings.end()) at = after + 1;
  }
  siblings.insert(at, &w);
}

}  // namespace

BOOL SetWindowPos(HWND window, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
  namespace wm = velko::platform::wm;
  Window* w = Lookup(window);
  if (w == nullptr) return FALSE;
  const RECT before = w->rect;
  RECT after = before;
  if ((flags & SWP_NOMOVE) == 0) {
    after.right = x + (before.right - before.left);
    after.bottom = y + (before.bottom - before.top);
    after.left = x;
    after.top = y;
  }
  if ((flags & SWP_NOSIZE) == 0) {
    after.right = after.left + std::max(cx, 0);
    after.bottom = after.top + std::max(cy, 0);
  }
  if ((flags & SWP_NOZORDER) == 0) Restack(*w, insert_after);
  const bool moved = after.left != before.left || after.top != before.top;
  const bool sized = (after.right - after.left) != (before.right - before.left) ||
                     (after.bottom - after.top) != (before.bottom - before.top);
  const bool redraw = (flags & SWP_NOREDRAW) == 0;
  if (moved || sized) {
    if (redraw && w->parent != nullptr) wm::Invalidate(*w->parent, &before, true);
    wm::PlaceWindow(*w, after);
    if (moved) {
      const wm::Insets in = wm::FrameInsets(w->style, w->ex_style);
      SendMessage(window, WM_MOVE, 0,
                  MAKELPARAM(static_cast<WORD>(after.left + in.left), static_cast<WORD>(after.top + in.top)));
    }
    if (sized && (w = Lookup(window)) != nullptr) {
      SendMessage(window, WM_SIZE, 0,
                  MAKELPARAM(static_cast<WORD>(wm::ClientWidth(*w)), static_cast<WORD>(wm::ClientHeight(*w))));
    }
    if ((w = Lookup(window)) != nullptr && redraw) wm::Invalidate(*w, nullptr, true);
  }
  if ((flags & SWP_SHOWWINDOW) != 0) ShowWindow(window, SW_SHOWNA);
  if ((flags & SWP_HIDEWINDOW) != 0) ShowWindow(window, SW_HIDE);
  return TRUE;
}
