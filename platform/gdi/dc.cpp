// Device contexts: creation and release, object selection, attributes,
// clipping and device capabilities.
#include "platform/gdi/dc.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/gdi.h"

namespace velko::platform {

// The window manager provides these; until it is linked in, a window DC
// cannot be had and GetDC of a window answers 0.
[[gnu::weak]] std::shared_ptr<Surface> WindowSurface(HWND window);
[[gnu::weak]] ScreenOrigin WindowScreenOrigin(HWND window);

namespace {

// What the display reports: a 1024 x 768 true-color screen at 96 dpi, or
// an 8-bit palette display when the palette mode is on.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kScreenWidthMm = 320;
constexpr int kScreenHeightMm = 240;
constexpr int kPixelsPerInch = 96;
constexpr int kRasterCaps =
    RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_FLOODFILL | RC_STRETCHDIB;

template <class T>
void Release(std::shared_ptr<T>& object) {
  if (object) --object->selections;
  object.reset();
}

HDC AddDeviceContext(DeviceContext::Kind kind, HWND window, std::shared_ptr<Surface> surface) {
  auto dc = std::make_shared<DeviceContext>();
  dc->kind = kind;
  dc->window = window;
  dc->surface = std::move(surface);
  dc->brush = StockObject(WHITE_BRUSH);
  dc->brush_object = Handles().Share<Brush>(dc->brush);
  dc->pen = StockObject(BLACK_PEN);
  dc->pen_object = Handles().Share<Pen>(dc->pen);
  dc->palette = StockObject(DEFAULT_PALETTE);
  dc->palette_object = Handles().Share<Palette>(dc->palette);
  ++dc->brush_object->selections;
  ++dc->pen_object->selections;
  ++dc->palette_object->selections;
  DeviceContext* raw = dc.get();
  const HDC handle = Handles().Add(std::move(dc));
  if (kind == DeviceContext::Kind::Memory) {
    raw->bitmap = StockBitmap();
    raw->bitmap_object = Handles().Share<Bitmap>(raw->bitmap);
    ++raw->bitmap_object->selections;
  }
  return handle;
}

void ReleaseObjects(DeviceContext& dc) {
  if (dc.bitmap_object && !dc.bitmap_object->stock) dc.bitmap_object->selected_into = 0;
  Release(dc.bitmap_object);
  Release(dc.brush_object);
  Release(dc.pen_object);
  Release(dc.palette_object);
}

HGDIOBJ SelectBitmap(HDC hdc, DeviceContext& dc, HBITMAP handle) {
  std::shared_ptr<Bitmap> bitmap = Handles().Share<Bitmap>(handle);
  if (dc.kind != DeviceContext::Kind::Memory) return 0;
  // A bitmap is on one memory DC at a time.
  if (!bitmap->stock && bitmap->selected_into != 0 && bitmap->selected_into != hdc) return 0;
  const HBITMAP previous = dc.bitmap;
  if (!dc.bitmap_object->stock) dc.bitmap_object->selected_into = 0;
  Release(dc.bitmap_object);
  if (!bitmap->stock) bitmap->selected_into = hdc;
  ++bitmap->selections;
  dc.bitmap = handle;
  dc.bitmap_object = std::move(bitmap);
  return previous;
}

template <class T>
HGDIOBJ Swap(HGDIOBJ& current, std::shared_ptr<T>& object, HGDIOBJ handle) {
  std::shared_ptr<T> next = Handles().Share<T>(handle);
  const HGDIOBJ previous = current;
  Release(object);
  ++next->selections;
  current = handle;
  object = std::move(next);
  return previous;
}

}  // namespace

void Canvas::ReadRow(int y, int x, int count, COLORREF* out) const {
  if (surface_) {
    const COLORREF* row = surface_->pixels.data() + static_cast<std::size_t>(y) * surface_->width + x;
    for (int i = 0; i < count; ++i) out[i] = row[i] & 0xFFFFFF;
  } else {
    bitmap_->ReadRow(y, x, count, out);
  }
}

void Canvas::WriteRow(int y, int x, int count, const COLORREF* colors) {
  if (surface_) {
    COLORREF* row = surface_->pixels.data() + static_cast<std::size_t>(y) * surface_->width + x;
    for (int i = 0; i < count; ++i) row[i] = colors[i] & 0xFFFFFF;
  } else {
    bitmap_->WriteRow(y, x, count, colors);
  }
}

std::optional<Canvas> DeviceContext::Target() const {
  if (surface) {
    // A surface whose pixel store does not match its size draws nothing.
    if (surface->pixels.size() != static_cast<std::size_t>(surface->width) * surface->height) return std::nullopt;
    return Canvas(surface.get());
  }
  if (bitmap_object) return Canvas(bitmap_object.get());
  return std::nullopt;
}

RECT DeviceContext::DrawableBounds() const {
  std::optional<Canvas> canvas = Target();
  if (!canvas) return RECT{0, 0, 0, 0};
  const RECT bounds{0, 0, canvas->width(), canvas->height()};
  return clip ? Intersect(bounds, *clip) : bounds;
}

const Palette& DeviceContext::MappingPalette() const {
  if (palette_realized && palette_object) return *palette_object;
  return *Handles().Get<Palette>(StockObject(DEFAULT_PALETTE));
}

ColorMapper::ColorMapper(const DeviceContext& dc, const Canvas& canvas) : dc_(dc) {
  if (DisplayPaletteMode() && canvas.DisplayFormat()) snap_palette_ = &dc.MappingPalette();
}

COLORREF ColorMapper::operator()(COLORREF color) {
  if ((color >> 24) == 0x01) {
    color = dc_.palette_object ? dc_.palette_object->ColorAt(color & 0xFFFF) : 0;
  }
  return Snap(color & 0xFFFFFF);
}

COLORREF ColorMapper::Snap(COLORREF color) {
  if (snap_palette_ == nullptr) return color;
  auto [it, inserted] = cache_.try_emplace(color, 0);
  if (inserted) it->second = snap_palette_->NearestColor(color);
  return it->second;
}

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  if (IsEmpty(r)) r = RECT{0, 0, 0, 0};
  return r;
}

}  // namespace velko::platform

using velko::platform::Bitmap;
using velko::platform::Brush;
using velko::platform::DeviceContext;
using velko::platform::Handles;
using velko::platform::HandleKind;
using velko::platform::Pen;

HDC GetDC(HWND window) {
  using velko::platform::WindowSurface;
  if (window == 0) return velko::platform::AddDeviceContext(DeviceContext::Kind::Screen, 0, nullptr);
  if (WindowSurface == nullptr) return 0;
  std::shared_ptr<velko::platform::Surface> surface = WindowSurface(window);
  if (!surface) return 0;
  return velko::platform::AddDeviceContext(DeviceContext::Kind::Window, window, std::move(surface));
}

int ReleaseDC(HWND window, HDC hdc) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr || dc->kind == DeviceContext::Kind::Memory || dc->window != window) return 0;
  velko::platform::ReleaseObjects(*dc);
  Handles().Remove(hdc);
  return 1;
}

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc != 0 && !Handles().Is<DeviceContext>(hdc)) return 0;
  return velko::platform::AddDeviceContext(DeviceContext::Kind::Memory, 0, nullptr);
}

BOOL DeleteDC(HDC hdc) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr || dc->kind != DeviceContext::Kind::Memory) return FALSE;
  velko::platform::ReleaseObjects(*dc);
  Handles().Remove(hdc);
  return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return 0;
  switch (Handles().KindOf(object)) {
    case HandleKind::Bitmap:
      return velko::platform::SelectBitmap(hdc, *dc, object);
    case HandleKind::Brush:
      return velko::platform::Swap(dc->brush, dc->brush_object, object);
    case HandleKind::Pen:
      return velko::platform::Swap(dc->pen, dc->pen_object, object);
    default:
      return 0;  // palettes go through SelectPalette
  }
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return CLR_INVALID;
  return std::exchange(dc->bk_color, color);
}

COLORREF GetBkColor(HDC hdc) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  return dc ? dc->bk_color : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return CLR_INVALID;
  return std::exchange(dc->text_color, color);
}

COLORREF GetTextColor(HDC hdc) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  return dc ? dc->text_color : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(dc->bk_mode, mode);
}

int GetBkMode(HDC hdc) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  return dc ? dc->bk_mode : 0;
}

int SetStretchBltMode(HDC hdc, int mode) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return std::exchange(dc->stretch_mode, mode);
}

int GetStretchBltMode(HDC hdc) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  return dc ? dc->stretch_mode : 0;
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return FALSE;
  if (previous) *previous = dc->brush_origin;
  dc->brush_origin = POINT{x, y};
  return TRUE;
}

BOOL GetBrushOrgEx(HDC hdc, POINT* origin) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr || origin == nullptr) return FALSE;
  *origin = dc->brush_origin;
  return TRUE;
}

BOOL GetDCOrgEx(HDC hdc, POINT* origin) {
  using velko::platform::WindowScreenOrigin;
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr || origin == nullptr) return FALSE;
  *origin = POINT{0, 0};
  if (dc->kind == DeviceContext::Kind::Window && WindowScreenOrigin != nullptr) {
    const velko::platform::ScreenOrigin o = WindowScreenOrigin(dc->window);
    *origin = POINT{o.x, o.y};
  }
  return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
  if (!Handles().Is<DeviceContext>(hdc)) return 0;
  const bool palette = velko::platform::DisplayPaletteMode();
  switch (index) {
    case DRIVERVERSION: return 0x400;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZSIZE: return velko::platform::kScreenWidthMm;
    case VERTSIZE: return velko::platform::kScreenHeightMm;
    case HORZRES: return velko::platform::kScreenWidth;
    case VERTRES: return velko::platform::kScreenHeight;
    case BITSPIXEL: return palette ? 8 : 32;
    case PLANES: return 1;
    case NUMCOLORS: return palette ? 20 : -1;
    case RASTERCAPS: return velko::platform::kRasterCaps | (palette ? RC_PALETTE : 0);
    case LOGPIXELSX:
    case LOGPIXELSY: return velko::platform::kPixelsPerInch;
    case SIZEPALETTE: return palette ? 256 : 0;
    case NUMRESERVED: return palette ? 20 : 0;
    case COLORRES: return palette ? 18 : 24;
    default: return 0;
  }
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return RGN_ERROR;
  const RECT wanted{left, top, right, bottom};
  if (dc->clip) {
    dc->clip = velko::platform::Intersect(*dc->clip, wanted);
  } else {
    dc->clip = velko::platform::IsEmpty(wanted) ? RECT{0, 0, 0, 0} : wanted;
  }
  return velko::platform::IsEmpty(dc->DrawableBounds()) ? NULLREGION : SIMPLEREGION;
}

int GetClipBox(HDC hdc, RECT* box) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr || box == nullptr) return RGN_ERROR;
  *box = dc->DrawableBounds();
  return velko::platform::IsEmpty(*box) ? NULLREGION : SIMPLEREGION;
}

COLORREF GetNearestColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return CLR_INVALID;
  std::optional<velko::platform::Canvas> canvas = dc->Target();
  if (!canvas) return color & 0xFFFFFF;
  velko::platform::ColorMapper map(*dc, *canvas);
  return canvas->Representable(map(color));
}
