// Update rectangles and the delivery of WM_PAINT, and the surfaces GDI draws
// windows on.
#include <algorithm>

#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

// How many windows have a pending update; the idle pass costs nothing when
// there are none.
std::size_t& InvalidCount() {
  static std::size_t count = 0;
  return count;
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT Intersection(const RECT& a, const RECT& b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

RECT Union(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

void MarkValid(Window& w) {
  if (w.invalid) --InvalidCount();
  w.invalid = false;
  w.erase = false;
  w.update = RECT{};
}

// Sends WM_PAINT and makes sure the window ends valid.
void Paint(HWND window) {
  SendMessage(window, WM_PAINT, 0, 0);
  if (Window* w = Lookup(window)) MarkValid(*w);
}

void CollectInvalid(const Window& w, std::vector<HWND>& out) {
  if ((w.style & WS_VISIBLE) == 0) return;
  if (w.invalid) out.push_back(w.handle);
  for (const Window* c : w.children) CollectInvalid(*c, out);
}

}  // namespace

void Invalidate(Window& w, const RECT* rect, bool erase) {
  const RECT client{0, 0, ClientWidth(w), ClientHeight(w)};
  const RECT area = rect != nullptr ? Intersection(*rect, client) : client;
  if (Empty(area)) return;
  if (!w.invalid) {
    ++InvalidCount();
    w.update = area;
    w.invalid = true;
  } else {
    w.update = Union(w.update, area);
  }
  w.erase = w.erase || erase;
  if ((w.style & WS_CLIPCHILDREN) != 0) return;
  for (Window* c : w.children) {
    const Insets in = FrameInsets(c->style, c->ex_style);
    const RECT in_child{area.left - c->rect.left - in.left, area.top - c->rect.top - in.top,
                        area.right - c->rect.left - in.left, area.bottom - c->rect.top - in.top};
    Invalidate(*c, &in_child, erase);
  }
}

void ForgetPaint(Window& w) { MarkValid(w); }

void EraseDialogBackground(Window& w) {
  const std::shared_ptr<Surface> surface = WindowSurface(w.handle);
  if (!surface) return;
  const RECT client{0, 0, surface->width, surface->height};
  const RECT area = Intersection(Empty(w.painting) ? client : w.painting, client);
  for (LONG y = area.top; y < area.bottom; ++y) {
    auto row = surface->pixels.begin() + static_cast<std::ptrdiff_t>(y) * surface->width;
    std::fill(row + area.left, row + area.right, kDialogFaceColor);
  }
}

// Validates the window for BeginPaint: returns what was invalid and whether
// it asked for an erase.
RECT TakeUpdate(Window& w, bool* erase) {
  const RECT update = w.invalid ? w.update : RECT{};
  *erase = w.erase;
  MarkValid(w);
  w.painting = update;
  return update;
}

}  // namespace velko::platform::wm

using velko::platform::wm::Lookup;
using velko::platform::wm::Window;

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  if (window == 0) {
    for (HWND top : velko::platform::TopLevelWindows()) InvalidateRect(top, nullptr, erase);
    return TRUE;
  }
  Window* w = Lookup(window);
  if (w == nullptr) return FALSE;
  velko::platform::wm::Invalidate(*w, rect, erase != FALSE);
  return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
  Window* w = Lookup(window);
  if (w == nullptr) return FALSE;
  // The update area is one rectangle: it goes when the validated rectangle
  // covers it, and stays otherwise.
  const RECT& u = w->update;
  if (rect == nullptr ||
      (rect->left <= u.left && rect->top <= u.top && rect->right >= u.right && rect->bottom >= u.bottom)) {
    velko::platform::wm::ForgetPaint(*w);
  }
  return TRUE;
}

BOOL GetUpdateRect(HWND window, RECT* rect, BOOL) {
  const Window* w = Lookup(window);
  if (w == nullptr) return FALSE;
  if (rect != nullptr) *rect = w->invalid ? w->update : RECT{};
  return w->invalid ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND window) {
  const Window* w = Lookup(window);
  if (w == nullptr) return FALSE;
  if (w->invalid && IsWindowVisible(window)) velko::platform::wm::Paint(window);
  return TRUE;
}

namespace velko::platform {

void DispatchPendingPaints() {
  // A paint may invalidate again (a first paint that lays out its
  // controls); a few rounds settle that, and a window that keeps
  // invalidating itself cannot hold the loop.
  constexpr int kMaxRounds = 4;
  for (int round = 0; round < kMaxRounds && wm::InvalidCount() > 0; ++round) {
    // A paint may open a modal dialog, which paints in turn: each pass
    // keeps its own list.
    std::vector<HWND> pending;
    for (const wm::Window* top : wm::TopLevels()) wm::CollectInvalid(*top, pending);
    if (pending.empty()) return;
    for (HWND h : pending) {
      const wm::Window* w = wm::Lookup(h);
      if (w != nullptr && w->invalid && IsWindowVisible(h)) wm::Paint(h);
    }
  }
}

std::shared_ptr<Surface> WindowSurface(HWND window) {
  wm::Window* w = wm::Lookup(window);
  if (w == nullptr) return nullptr;
  if (!w->surface) {
    w->surface = std::make_shared<Surface>();
    w->surface->Resize(wm::ClientWidth(*w), wm::ClientHeight(*w));
  }
  return w->surface;
}

ScreenOrigin WindowScreenOrigin(HWND window) {
  const wm::Window* w = wm::Lookup(window);
  if (w == nullptr) return {};
  const POINT origin = wm::ClientOriginOnScreen(*w);
  return ScreenOrigin{origin.x, origin.y};
}

}  // namespace velko::platform
