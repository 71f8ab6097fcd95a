// Writes the generated pictures as BMP files (BITMAPFILEHEADER followed by a
// BITMAPINFOHEADER, bottom-up rows padded to four bytes).
#include "tools/gen/resources/bmp_file.h"

#include <stdexcept>
#include <string>

namespace velko::resgen {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

uint32_t RowBytes(int width, int bits) { return ((static_cast<uint32_t>(width) * bits + 31) / 32) * 4; }

// Headers for a picture of the canvas's size; `palette` entries follow.
std::vector<uint8_t> Headers(const Canvas& c, int bits, uint32_t palette) {
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + palette * 4;
  const uint32_t image = RowBytes(c.width(), bits) * static_cast<uint32_t>(c.height());
  std::vector<uint8_t> out;
  out.reserve(offset + image);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + image);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(c.width()));
  Put32(out, static_cast<uint32_t>(c.height()));  // positive: bottom-up rows
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, image);
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, palette);
  Put32(out, 0);
  return out;
}

void Pad(std::vector<uint8_t>& out, std::size_t row_start, uint32_t row_bytes) {
  while (out.size() - row_start < row_bytes) out.push_back(0);
}

int PaletteIndex(Rgb c) {
  for (int i = 0; i < 16; ++i)
    if (kVgaPalette[i] == c) return i;
  return -1;
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Canvas& c) {
  std::vector<uint8_t> out = Headers(c, 24, 0);
  for (int y = c.height() - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < c.width(); ++x) {
      const Rgb p = c.At(x, y);
      out.push_back(static_cast<uint8_t>(Blue(p)));
      out.push_back(static_cast<uint8_t>(Green(p)));
      out.push_back(static_cast<uint8_t>(Red(p)));
    }
    Pad(out, start, RowBytes(c.width(), 24));
  }
  return out;
}

std::vector<uint8_t> EncodeBmp4(const Canvas& c) {
  std::vector<uint8_t> out = Headers(c, 4, 16);
  for (Rgb p : kVgaPalette) {
    out.push_back(static_cast<uint8_t>(Blue(p)));
    out.push_back(static_cast<uint8_t>(Green(p)));
    out.push_back(static_cast<uint8_t>(Red(p)));
    out.push_back(0);
  }
  for (int y = c.height() - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < c.width(); x += 2) {
      int pair[2] = {0, 0};
      for (int k = 0; k < 2 && x + k < c.width(); ++k) {
        pair[k] = PaletteIndex(c.At(x + k, y));
        if (pair[k] < 0)
          throw std::runtime_error("a 16-colour picture uses a colour outside the standard palette at (" +
                                   std::to_string(x + k) + ", " + std::to_string(y) + ")");
      }
      out.push_back(static_cast<uint8_t>(pair[0] << 4 | pair[1]));
    }
    Pad(out, start, RowBytes(c.width(), 4));
  }
  return out;
}

std::vector<uint8_t> EncodeBmp32(const Canvas& c) {
  std::vector<uint8_t> out = Headers(c, 32, 0);
  for (int y = c.height() - 1; y >= 0; --y)
    for (int x = 0; x < c.width(); ++x) {
      const Rgb p = c.At(x, y);
      out.push_back(static_cast<uint8_t>(Blue(p)));
      out.push_back(static_cast<uint8_t>(Green(p)));
      out.push_back(static_cast<uint8_t>(Red(p)));
      out.push_back(c.Opaque(x, y) ? 0xFF : 0x00);
    }
  return out;
}

}  // namespace velko::resgen
