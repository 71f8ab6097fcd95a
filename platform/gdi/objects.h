// The GDI objects besides bitmaps and palettes: brushes, pens and icons, and
// the stock objects every DC starts with.
#pragma once

#include <memory>

#include "platform/gdi/bitmap.h"

namespace velko::platform {

class Brush : public GdiObject {
 public:
  static constexpr HandleKind kHandleKind = HandleKind::Brush;
  UINT style = BS_SOLID;
  COLORREF color = 0;
};

class Pen : public GdiObject {
 public:
  static constexpr HandleKind kHandleKind = HandleKind::Pen;
  bool null = false;
  COLORREF color = 0;
};

// An icon: its picture as a display-format bitmap and which pixels are
// opaque, plus where it came from so that the window manager can tell which
// icon resource a control shows.
class Icon : public GdiObject {
 public:
  static constexpr HandleKind kHandleKind = HandleKind::Icon;
  std::shared_ptr<Bitmap> image;
  std::vector<bool> opaque;  // row-major, top row first
  HINSTANCE module = 0;
  WORD resource_id = 0;
};

// The handle of a stock object, created on first use; 0 for an unknown index.
HGDIOBJ StockObject(int index);

// The 1 x 1 monochrome bitmap a new memory DC holds.
HBITMAP StockBitmap();

}  // namespace velko::platform
