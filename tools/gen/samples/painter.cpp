// The drawing operations of the sample scenes and the BMP encoding.
#include "tools/gen/samples/painter.h"

#include <algorithm>
#include <cstring>

namespace velko::samples {
namespace {

int Clamp8(int v) { return std::clamp(v, 0, 255); }

void PutLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, int num, int den) {
  return {a.r + (b.r - a.r) * num / den, a.g + (b.g - a.g) * num / den, a.b + (b.b - a.b) * num / den};
}

Rgb Scale(Rgb c, int num, int den) {
  return {Clamp8(c.r * num / den), Clamp8(c.g * num / den), Clamp8(c.b * num / den)};
}

uint32_t Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 0x9E3779B1u ^ static_cast<uint32_t>(y) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

Picture::Picture(int width, int height, Rgb background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, background) {}

Rgb Picture::At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

void Picture::Set(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = {Clamp8(c.r), Clamp8(c.g), Clamp8(c.b)};
}

void Picture::SetGrained(int x, int y, Rgb c, int grain, uint32_t seed) {
  const int d = grain > 0 ? static_cast<int>(Hash(x, y, seed) % static_cast<uint32_t>(2 * grain + 1)) - grain : 0;
  Set(x, y, {c.r + d, c.g + d, c.b + d});
}

void Picture::FillRect(int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Picture::VerticalGradient(int y0, int y1, Rgb top, Rgb bottom) {
  const int span = std::max(1, y1 - y0 - 1);
  for (int y = y0; y < y1; ++y) FillRect(0, y, width_, 1, Mix(top, bottom, y - y0, span));
}

void Picture::FillEllipse(int cx, int cy, int rx, int ry, Rgb c) {
  const int64_t rr = int64_t{rx} * rx * ry * ry;
  for (int y = cy - ry; y <= cy + ry; ++y)
    for (int x = cx - rx; x <= cx + rx; ++x) {
      const int64_t dx = x - cx, dy = y - cy;
      if (dx * dx * ry * ry + dy * dy * rx * rx <= rr) Set(x, y, c);
    }
}

void Picture::ShadedEllipse(int cx, int cy, int rx, int ry, Rgb light, Rgb base, Rgb shadow, int grain,
                            uint32_t seed) {
  const int64_t rr = int64_t{rx} * rx * ry * ry;
  // The highlight sits a third of the way to the upper left rim.
  const int hx = cx - rx / 3, hy = cy - ry / 3;
  for (int y = cy - ry; y <= cy + ry; ++y)
    for (int x = cx - rx; x <= cx + rx; ++x) {
      const int64_t dx = x - cx, dy = y - cy;
      const int64_t inside = dx * dx * ry * ry + dy * dy * rx * rx;
      if (inside > rr) continue;
      // Distance from the highlight, in 1/256 of the larger radius, squared.
      const int64_t lx = (x - hx) * 256 / rx, ly = (y - hy) * 256 / ry;
      const int d = static_cast<int>(std::min<int64_t>(lx * lx + ly * ly, 4 * 65536) / 256);  // 0..1024
      const Rgb lit = d < 256 ? Mix(light, base, d, 256) : Mix(base, shadow, std::min(d - 256, 512), 512 + 256);
      SetGrained(x, y, lit, grain, seed);
    }
}

void Picture::FillPolygon(const std::vector<Point>& corners, Rgb c, int grain, uint32_t seed) {
  int top = height_, bottom = 0;
  for (const Point& p : corners) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  std::vector<int> crossings;
  for (int y = std::max(0, top); y <= std::min(height_ - 1, bottom); ++y) {
    // Crossings of the row's centre line, in 1/2 pixels.
    crossings.clear();
    const int yc = 2 * y + 1;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Point a = corners[i], b = corners[(i + 1) % corners.size()];
      const int ay = 2 * a.y, by = 2 * b.y;
      if ((ay <= yc) == (by <= yc)) continue;
      crossings.push_back(2 * a.x + (yc - ay) * (2 * (b.x - a.x)) / (by - ay));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      for (int x = (crossings[i] + 1) / 2; 2 * x + 1 <= crossings[i + 1]; ++x) SetGrained(x, y, c, grain, seed);
    }
  }
}

void Picture::Grain(int x, int y, int w, int h, int amount, uint32_t seed) {
  for (int j = std::max(0, y); j < std::min(height_, y + h); ++j)
    for (int i = std::max(0, x); i < std::min(width_, x + w); ++i) {
      SetGrained(i, j, At(i, j), amount, seed);
    }
}

void Picture::Shadow(int cx, int cy, int rx, int ry, int percent) {
  const int64_t rr = int64_t{rx} * rx * ry * ry;
  for (int y = cy - ry; y <= cy + ry; ++y)
    for (int x = cx - rx; x <= cx + rx; ++x) {
      if (x < 0 || y < 0 || x >= width_ || y >= height_) continue;
      const int64_t dx = x - cx, dy = y - cy;
      const int64_t inside = dx * dx * ry * ry + dy * dy * rx * rx;
      if (inside > rr) continue;
      // Full strength in the middle, fading to nothing at the rim.
      const int strength = percent * static_cast<int>((rr - inside) * 256 / rr) / 256;
      Set(x, y, Scale(At(x, y), 100 - strength, 100));
    }
}

std::vector<uint8_t> Picture::EncodeBmp() const {
  const int stride = (3 * width_ + 3) / 4 * 4;
  const uint32_t imageBytes = static_cast<uint32_t>(stride) * height_;
  constexpr uint32_t kHeaders = 14 + 40;
  std::vector<uint8_t> out;
  out.reserve(kHeaders + imageBytes);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, kHeaders + imageBytes, 4);
  PutLe(out, 0, 4);  // reserved
  PutLe(out, kHeaders, 4);
  PutLe(out, 40, 4);  // BITMAPINFOHEADER
  PutLe(out, static_cast<uint32_t>(width_), 4);
  PutLe(out, static_cast<uint32_t>(height_), 4);  // positive: bottom-up
  PutLe(out, 1, 2);
  PutLe(out, 24, 2);
  PutLe(out, 0, 4);  // BI_RGB
  PutLe(out, imageBytes, 4);
  PutLe(out, 2835, 4);  // 72 dpi
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  for (int y = height_ - 1; y >= 0; --y) {
    for (int x = 0; x < width_; ++x) {
      const Rgb p = At(x, y);
      out.push_back(static_cast<uint8_t>(p.b));
      out.push_back(static_cast<uint8_t>(p.g));
      out.push_back(static_cast<uint8_t>(p.r));
    }
    out.resize(out.size() + static_cast<std::size_t>(stride - 3 * width_), 0);
  }
  return out;
}

}  // namespace velko::samples
