// A 24-bit picture in memory and the shapes the sample scenes are drawn
// with: gradients, shaded ellipses, polygons and a hashed grain. Integer
// arithmetic only, so the pictures are the same bytes on every machine.
#pragma once

#include <cstdint>
#include <vector>

namespace velko::samples {

struct Rgb {
  int r, g, b;
};

// a + (b - a) x num / den per channel.
Rgb Mix(Rgb a, Rgb b, int num, int den);
// c x num / den per channel, held in 0..255 (num > den lightens).
Rgb Scale(Rgb c, int num, int den);

struct Point {
  int x, y;
};

class Picture {
 public:
  Picture(int width, int height, Rgb background);
  int width() const { return width_; }
  int height() const { return height_; }
  Rgb At(int x, int y) const;
  void Set(int x, int y, Rgb c);

  void FillRect(int x, int y, int w, int h, Rgb c);
  // Rows y0..y1-1 run from `top` to `bottom`.
  void VerticalGradient(int y0, int y1, Rgb top, Rgb bottom);
  // An ellipse lit from the upper left: `light` at the highlight, `base`
  // in the body and `shadow` at the far rim.
  // With `grain`, every pixel varies as Grain would make it.
  void ShadedEllipse(int cx, int cy, int rx, int ry, Rgb light, Rgb base, Rgb shadow, int grain = 0,
                     uint32_t seed = 0);
  void FillEllipse(int cx, int cy, int rx, int ry, Rgb c);
  // A convex or concave polygon, filled by the even-odd rule at pixel
  // centres; with `grain` as in Grain.
  void FillPolygon(const std::vector<Point>& corners, Rgb c, int grain = 0, uint32_t seed = 0);
  // Varies every pixel of the rectangle by up to +-amount, from a hash of
  // its place and `seed` (texture for foliage, wood, water).
  void Grain(int x, int y, int w, int h, int amount, uint32_t seed);
  // Darkens the pixels of a soft-edged ellipse, a cast shadow.
  void Shadow(int cx, int cy, int rx, int ry, int percent);

  // The picture as a BMP file: 24 bits per pixel, bottom-up rows.
  std::vector<uint8_t> EncodeBmp() const;

 private:
  void SetGrained(int x, int y, Rgb c, int grain, uint32_t seed);

  int width_, height_;
  std::vector<Rgb> pixels_;
};

// A small deterministic hash of a place, for grain and scattered details.
uint32_t Hash(int x, int y, uint32_t seed);

}  // namespace velko::samples
