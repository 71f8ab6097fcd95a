// Drawing the test page. Everything is placed in fractions of the page, so
// the page looks the same at any resolution; text uses a 5 x 7 dot font
// scaled to the resolution.
#include "tools/print/test_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace velko::print {
namespace {

// 5 x 7 glyphs: seven rows top to bottom, bit 4 the leftmost dot.
struct Glyph {
  char c;
  std::array<uint8_t, 7> rows;
};

constexpr Glyph kFont[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}}, {',', {0x00, 0x00, 0x00, 0x00, 0x0C, 0x04, 0x08}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}}, {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {'/', {0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x00}}, {'(', {0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}},
    {')', {0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}}, {'%', {0x18, 0x19, 0x02, 0x04, 0x08, 0x13, 0x03}},
};
static_assert(std::size(kFont) == 26 + 10 + 8);

const Glyph* FindGlyph(char c) {
  if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  for (const Glyph& g : kFont) {
    if (g.c == c) return &g;
  }
  return nullptr;  // space and anything unknown draw nothing
}

class Canvas {
 public:
  explicit Canvas(RgbImage& page) : page_(page) {}

  uint32_t X(double fraction) const { return uint32_t(fraction * page_.width()); }
  uint32_t Y(double fraction) const { return uint32_t(fraction * page_.height()); }

  void Fill(uint32_t x0, uint32_t y0, uint32_t w, uint32_t h, Rgb8 color) {
    for (uint32_t y = y0; y < std::min(y0 + h, page_.height()); ++y) {
      for (uint32_t x = x0; x < std::min(x0 + w, page_.width()); ++x) page_.Set(x, y, color);
    }
  }

  // Text with its top left corner at (x, y), each font dot SCALE pixels.
  void Text(std::string_view text, uint32_t x, uint32_t y, uint32_t scale, Rgb8 color) {
    for (char c : text) {
      if (const Glyph* g = FindGlyph(c)) {
        for (uint32_t row = 0; row < 7; ++row) {
          for (uint32_t col = 0; col < 5; ++col) {
            if (g->rows[row] >> (4 - col) & 1) Fill(x + col * scale, y + row * scale, scale, scale, color);
          }
        }
      }
      x += 6 * scale;
    }
  }

  // A straight line of WIDTH pixels from (x0, y0) to (x1, y1).
  void Line(double x0, double y0, double x1, double y1, uint32_t width, Rgb8 color) {
    const double length = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (double t = 0; t <= length; t += 1) {
      const double f = length > 0 ? t / length : 0;
      Fill(uint32_t(x0 + f * (x1 - x0)), uint32_t(y0 + f * (y1 - y0)), width, width, color);
    }
  }

  RgbImage& page() { return page_; }

 private:
  RgbImage& page_;
};

uint8_t Clamp(double v) { return uint8_t(std::clamp(v, 0.0, 255.0)); }

// A fully saturated color of hue H (0..1).
Rgb8 Hue(double h) {
  const double r = std::abs(h * 6 - 3) - 1, g = 2 - std::abs(h * 6 - 2), b = 2 - std::abs(h * 6 - 4);
  return Rgb8{Clamp(r * 255), Clamp(g * 255), Clamp(b * 255)};
}

void DrawText(Canvas& c, uint32_t dpi) {
  const uint32_t title = std::max(1u, dpi / 12), body = std::max(1u, dpi / 50);
  c.Text("VELKO TEST PAGE", c.X(0.06), c.Y(0.04), title, Rgb8{0, 0, 0});
  static constexpr std::string_view kLines[] = {
      "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG. 0123456789",
      "PACK MY BOX WITH FIVE DOZEN LIQUOR JUGS (MH, 4X4 AND 8X8 BLOCKS)",
      "SPHINX OF BLACK QUARTZ, JUDGE MY VOW: 25% 50% 75% 100%",
      "TEXT, LINES, GRADIENTS, PHOTO AREAS, PURE INKS - A4",
  };
  uint32_t y = c.Y(0.10);
  for (auto line : kLines) {
    c.Text(line, c.X(0.06), y, body, Rgb8{0, 0, 0});
    y += 10 * body;
  }
  c.Text("RED TEXT", c.X(0.06), y, body, Rgb8{255, 0, 0});
  c.Text("BLUE TEXT", c.X(0.26), y, body, Rgb8{0, 0, 255});
  c.Text("GRAY TEXT", c.X(0.46), y, body, Rgb8{128, 128, 128});
}

void DrawThinLines(Canvas& c) {
  const double x0 = c.X(0.06), x1 = c.X(0.46), y0 = c.Y(0.22), y1 = c.Y(0.36);
  for (uint32_t i = 0; i < 8; ++i) {  // horizontal lines of 1..4 pixels
    const double y = y0 + (y1 - y0) * i / 16;
    c.Line(x0, y, x1, y, 1 + i % 4, Rgb8{0, 0, 0});
  }
  for (uint32_t i = 0; i < 24; ++i) {  // a fan of one-pixel lines
    const double angle = 3.14159265 / 2 * i / 23;
    c.Line(c.X(0.54), y1, c.X(0.54) + std::cos(angle) * (y1 - y0), y1 - std::sin(angle) * (y1 - y0), 1,
           Rgb8{0, 0, 0});
  }
  for (uint32_t i = 0; i < 12; ++i) {  // vertical lines in colors
    const double x = c.X(0.80) + i * (c.X(0.94) - c.X(0.80)) / 12.0;
    c.Line(x, y0, x, y1, 1 + i % 3, Hue(i / 12.0));
  }
}

void DrawGradients(Canvas& c) {
  const uint32_t x0 = c.X(0.06), x1 = c.X(0.94), h = c.Y(0.03);
  const uint32_t rows[] = {c.Y(0.39), c.Y(0.43), c.Y(0.47), c.Y(0.51)};
  for (uint32_t x = x0; x < x1; ++x) {
    const double f = double(x - x0) / (x1 - x0);
    const uint8_t v = Clamp(f * 255);
    c.Fill(x, rows[0], 1, h, Rgb8{v, v, v});                               // black to white
    c.Fill(x, rows[1], 1, h, Hue(f));                                      // hue sweep
    c.Fill(x, rows[2], 1, h, Rgb8{255, Clamp(255 - f * 255), 255});        // white to magenta
    c.Fill(x, rows[3], 1, h, Rgb8{Clamp(f * 255), Clamp(f * 128), 0});     // black to orange
  }
}

// Smooth color fields with a soft sphere and a little grain, like a photo.
void DrawPhoto(Canvas& c) {
  const uint32_t x0 = c.X(0.06), x1 = c.X(0.62), y0 = c.Y(0.56), y1 = c.Y(0.86);
  uint32_t seed = 12345;
  for (uint32_t y = y0; y < y1; ++y) {
    for (uint32_t x = x0; x < x1; ++x) {
      seed = seed * 1103515245u + 12345u;
      const double grain = double(seed >> 27) - 16;
      const double fx = double(x - x0) / (x1 - x0), fy = double(y - y0) / (y1 - y0);
      double r = 90 + 120 * fy + 30 * std::sin(fx * 9), g = 140 + 60 * std::sin(fx * 4 + fy * 3),
             b = 200 - 120 * fy;
      // A shaded orange sphere, measured in heights of the area so it is round.
      const double dx = (fx - 0.62) * (x1 - x0) / (y1 - y0), dy = fy - 0.45, d = std::sqrt(dx * dx + dy * dy);
      if (d < 0.33) {
        const double light = std::max(0.0, 1 - d / 0.33) * (1.2 - (dx + dy));
        r = 120 + 130 * light;
        g = 50 + 90 * light;
        b = 20 + 40 * light;
      }
      c.page().Set(x, y, Rgb8{Clamp(r + grain), Clamp(g + grain), Clamp(b + grain)});
    }
  }
}

void DrawInks(Canvas& c) {
  static constexpr Rgb8 kInks[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 255, 255},
                                   {255, 0, 255}, {255, 255, 0}, {0, 0, 0}, {255, 255, 255}};
  const uint32_t x = c.X(0.66), w = c.X(0.13), h = c.Y(0.065);
  for (uint32_t i = 0; i < 8; ++i) {
    const uint32_t px = x + (i % 2) * (w + c.X(0.01)), py = c.Y(0.56) + (i / 2) * (h + c.Y(0.01));
    c.Fill(px, py, w, h, kInks[i]);
    if (kInks[i] == Rgb8{255, 255, 255}) {  // a frame around the white patch
      c.Fill(px, py, w, 2, Rgb8{0, 0, 0});
      c.Fill(px, py + h - 2, w, 2, Rgb8{0, 0, 0});
      c.Fill(px, py, 2, h, Rgb8{0, 0, 0});
      c.Fill(px + w - 2, py, 2, h, Rgb8{0, 0, 0});
    }
  }
  c.Text("PURE INKS: R G B C M Y K W", c.X(0.66), c.Y(0.87), std::max(1u, c.page().width() / 800), Rgb8{0, 0, 0});
}

}  // namespace

RgbImage MakeTestPage(uint32_t dpi) {
  // A4: 210 x 297 mm.
  RgbImage page(uint32_t(210.0 / 25.4 * dpi), uint32_t(297.0 / 25.4 * dpi + 0.5));
  Canvas canvas(page);
  DrawText(canvas, dpi);
  DrawThinLines(canvas);
  DrawGradients(canvas);
  DrawPhoto(canvas);
  DrawInks(canvas);
  return page;
}

}  // namespace velko::print
