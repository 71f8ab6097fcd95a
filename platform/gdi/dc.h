// Device contexts: what a drawing call draws on (a window's surface or the
// bitmap selected into a memory DC), the objects selected into it and its
// drawing attributes. `Canvas` is the row access the raster code draws
// through, whatever the target.
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/gdi/objects.h"
#include "platform/gdi/palette.h"
#include "platform/gdi/surface.h"

namespace velko::platform {

class Canvas {
 public:
  explicit Canvas(Surface* surface) : surface_(surface) {}
  explicit Canvas(Bitmap* bitmap) : bitmap_(bitmap) {}

  int width() const { return surface_ ? surface_->width : bitmap_->width(); }
  int height() const { return surface_ ? surface_->height : bitmap_->height(); }
  bool Monochrome() const { return bitmap_ && bitmap_->Monochrome(); }
  // Windows and display-format bitmaps: where a palette display maps colors.
  bool DisplayFormat() const { return surface_ || bitmap_->DisplayFormat(); }

  void ReadRow(int y, int x, int count, COLORREF* out) const;
  void WriteRow(int y, int x, int count, const COLORREF* colors);
  COLORREF Representable(COLORREF color) const {
    return surface_ ? (color & 0xFFFFFF) : bitmap_->Representable(color);
  }

 private:
  Surface* surface_ = nullptr;
  Bitmap* bitmap_ = nullptr;
};

class DeviceContext {
 public:
  static constexpr HandleKind kHandleKind = HandleKind::DeviceContext;
  enum class Kind { Screen, Window, Memory };

  Kind kind = Kind::Screen;
  HWND window = 0;
  std::shared_ptr<Surface> surface;

  HBITMAP bitmap = 0;
  std::shared_ptr<Bitmap> bitmap_object;
  HBRUSH brush = 0;
  std::shared_ptr<Brush> brush_object;
  HPEN pen = 0;
  std::shared_ptr<Pen> pen_object;
  HPALETTE palette = 0;
  std::shared_ptr<Palette> palette_object;
  bool palette_realized = false;

  COLORREF bk_color = RGB(255, 255, 255);
  COLORREF text_color = RGB(0, 0, 0);
  int bk_mode = OPAQUE;
  int stretch_mode = BLACKONWHITE;
  POINT brush_origin{0, 0};
  std::optional<RECT> clip;  // device coordinates; none: the whole target

  // What the DC draws on, or nothing (the screen DC has no pixels).
  std::optional<Canvas> Target() const;
  // The target's rectangle cut by the clip rectangle; empty when nothing
  // can be drawn.
  RECT DrawableBounds() const;
  // The palette colors map to: the selected one once realized, else the
  // default palette.
  const Palette& MappingPalette() const;
};

// Turns the colors a caller passes into what the DC's target will store: a
// palette index or palette-relative color is resolved through the selected
// palette, and a palette display maps the color to its nearest entry.
class ColorMapper {
 public:
  ColorMapper(const DeviceContext& dc, const Canvas& canvas);
  COLORREF operator()(COLORREF color);
  // Only the palette display's mapping, for colors already resolved.
  COLORREF Snap(COLORREF color);
  // Whether Snap changes anything (a palette display's window or bitmap).
  bool Snaps() const { return snap_palette_ != nullptr; }

 private:
  const DeviceContext& dc_;
  const Palette* snap_palette_ = nullptr;
  std::unordered_map<COLORREF, COLORREF> cache_;
};

// Rectangle helpers over half-open rectangles.
RECT Intersect(const RECT& a, const RECT& b);
inline bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace velko::platform
