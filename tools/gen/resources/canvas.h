// An RGB picture in memory with the few drawing operations the generated
// bitmaps and icons need: rectangles, lines, text in the built-in font and
// its outline. Everything is integer arithmetic, so the output is the same
// on every machine.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace velko::resgen {

// 0xRRGGBB.
using Rgb = uint32_t;

inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kBlack = 0x000000;

constexpr int Red(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int Green(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Blue(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr Rgb MakeRgb(int r, int g, int b) {
  return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}

// A one-bit picture: where text or a shape is inked.
class Mask {
 public:
  Mask(int width, int height) : width_(width), height_(height), bits_(static_cast<std::size_t>(width) * height) {}
  int width() const { return width_; }
  int height() const { return height_; }
  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[Index(x, y)];
  }
  void Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[Index(x, y)] = 1;
  }
  // Every cell within `radius` (square neighbourhood) of an inked cell.
  Mask Dilated(int radius) const;
  // Cells inked here but not in `other`.
  Mask Minus(const Mask& other) const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_, height_;
  std::vector<uint8_t> bits_;
};

// Inks `text` in the built-in font, each font cell a scale x scale block,
// with its top-left corner at (x, y). Characters outside the font are an
// error of the description, reported by the caller through TextFits.
void DrawText(Mask& mask, int x, int y, std::string_view text, int scale);
bool TextFits(std::string_view text);

class Canvas {
 public:
  Canvas(int width, int height, Rgb background);
  int width() const { return width_; }
  int height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  // Drawing makes a pixel part of the picture (opaque).
  void Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[Index(x, y)] = c;
    opaque_[Index(x, y)] = 1;
  }
  void FillRect(int x, int y, int w, int h, Rgb c);
  // A border `thickness` pixels wide just inside the rectangle.
  void FrameRect(int x, int y, int w, int h, int thickness, Rgb c);
  void Line(int x0, int y0, int x1, int y1, Rgb c);
  void Paint(const Mask& mask, int dx, int dy, Rgb c);
  // Pixels the picture leaves out are transparent (an icon's surround).
  bool Opaque(int x, int y) const { return opaque_[Index(x, y)] != 0; }
  void ClearAll(Rgb c);  // background colour, everything transparent

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_, height_;
  std::vector<Rgb> pixels_;
  std::vector<uint8_t> opaque_;
};

// a + (b - a) * num / den per component, rounded to nearest.
Rgb Mix(Rgb a, Rgb b, int num, int den);

}  // namespace velko::resgen
