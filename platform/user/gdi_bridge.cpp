// Where the window manager draws through GDI: the paint device context,
// owner-drawn controls and the icons that templates name.
#include "platform/gdi/gdi.h"
#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {

void DrawOwnerDrawnControl(HWND control, UINT control_type) {
  Window* w = Lookup(control);
  if (w == nullptr || w->parent == nullptr) return;
  DRAWITEMSTRUCT item{};
  item.CtlType = control_type;
  item.CtlID = static_cast<UINT>(w->id);
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = control;
  item.hDC = GetDC(control);
  GetClientRect(control, &item.rcItem);
  SendMessage(w->parent->handle, WM_DRAWITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&item));
  if (item.hDC != 0) ReleaseDC(control, item.hDC);
}

HANDLE LoadTemplateIcon(HINSTANCE module, WORD id) { return LoadIcon(module, MAKEINTRESOURCE(id)); }

}  // namespace velko::platform::wm

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  namespace wm = velko::platform::wm;
  wm::Window* w = wm::Lookup(window);
  if (w == nullptr || paint == nullptr) return 0;
  bool erase = false;
  *paint = PAINTSTRUCT{};
  paint->rcPaint = wm::TakeUpdate(*w, &erase);
  paint->hdc = GetDC(window);
  if (paint->hdc != 0) {
    const RECT& r = paint->rcPaint;
    IntersectClipRect(paint->hdc, r.left, r.top, r.right, r.bottom);
  }
  if (erase) {
    paint->fErase = SendMessage(window, WM_ERASEBKGND, paint->hdc, 0) != 0 ? FALSE : TRUE;
  }
  return paint->hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
  namespace wm = velko::platform::wm;
  // An erase outside a paint covers the whole client area, as a window
  // device context's does.
  if (wm::Window* w = wm::Lookup(window)) w->painting = RECT{0, 0, wm::ClientWidth(*w), wm::ClientHeight(*w)};
  if (paint == nullptr || paint->hdc == 0) return TRUE;
  ReleaseDC(window, paint->hdc);
  return TRUE;
}
