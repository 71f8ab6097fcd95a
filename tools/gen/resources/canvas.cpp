// Drawing operations of the resource generator's pictures.
#include "tools/gen/resources/canvas.h"

#include <cstdlib>

#include "tools/gen/resources/glyphs.h"

namespace velko::resgen {

Mask Mask::Dilated(int radius) const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (At(x, y))
        for (int dy = -radius; dy <= radius; ++dy)
          for (int dx = -radius; dx <= radius; ++dx) out.Set(x + dx, y + dy);
  return out;
}

Mask Mask::Minus(const Mask& other) const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (At(x, y) && !other.At(x, y)) out.Set(x, y);
  return out;
}

bool TextFits(std::string_view text) {
  for (char ch : text)
    if (!FindGlyph(ch)) return false;
  return true;
}

void DrawText(Mask& mask, int x, int y, std::string_view text, int scale) {
  for (char ch : text) {
    if (const Glyph* g = FindGlyph(ch)) {
      for (int row = 0; row < kGlyphHeight; ++row)
        for (int col = 0; col < kGlyphWidth; ++col)
          if (Inked(*g, col, row))
            for (int sy = 0; sy < scale; ++sy)
              for (int sx = 0; sx < scale; ++sx) mask.Set(x + col * scale + sx, y + row * scale + sy);
    }
    x += kGlyphAdvance * scale;
  }
}

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * height, background),
      opaque_(static_cast<std::size_t>(width) * height, 1) {}

void Canvas::FillRect(int x, int y, int w, int h, Rgb c) {
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) Set(xx, yy, c);
}

void Canvas::FrameRect(int x, int y, int w, int h, int thickness, Rgb c) {
  FillRect(x, y, w, thickness, c);
  FillRect(x, y + h - thickness, w, thickness, c);
  FillRect(x, y, thickness, h, c);
  FillRect(x + w - thickness, y, thickness, h, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb c) {
  // Bresenham: integer steps along the longer axis.
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
}

void Canvas::Paint(const Mask& mask, int dx, int dy, Rgb c) {
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      if (mask.At(x, y)) Set(x + dx, y + dy, c);
}

void Canvas::ClearAll(Rgb c) {
  for (auto& p : pixels_) p = c;
  for (auto& o : opaque_) o = 0;
}

Rgb Mix(Rgb a, Rgb b, int num, int den) {
  auto mix = [&](int ca, int cb) { return ca + ((cb - ca) * 2 * num + (cb >= ca ? den : -den)) / (2 * den); };
  return MakeRgb(mix(Red(a), Red(b)), mix(Green(a), Green(b)), mix(Blue(a), Blue(b)));
}

}  // namespace velko::resgen
