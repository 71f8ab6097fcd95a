// Fuzzes the BMP reader: the input is read as a BMP file and as a packed
// DIB, and also laid over one of a set of valid files (the first byte picks
// the file, the rest is XORed onto it), so that mutations reach the pixel
// decoders as well as the header checks. Whatever is read is then drawn.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/bmp_reader.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi.h"
#include "tests/platform/bmp_builder.h"

namespace {

using velko::platform::BmpLimits;
using velko::platform::BmpResult;
using velko::platform::testing::BmpLayout;
using velko::platform::testing::BuildBmp;

// Small enough that one input costs microseconds, large enough for every
// row layout.
constexpr BmpLimits kLimits{1 << 20};

BmpLayout Base(DWORD header, WORD bits, LONG width, LONG height, std::vector<uint8_t> pixels) {
  BmpLayout s;
  s.header_size = header;
  s.bits = bits;
  s.width = width;
  s.height = height;
  s.pixels = std::move(pixels);
  if (bits <= 8) s.colors.assign(std::size_t{1} << bits, RGBQUAD{10, 20, 30, 0});
  return s;
}

std::vector<std::vector<uint8_t>> Templates() {
  std::vector<BmpLayout> layouts = {
      Base(40, 24, 3, 2, std::vector<uint8_t>(24, 0x55)),
      Base(12, 8, 3, 2, std::vector<uint8_t>(8, 1)),
      Base(40, 1, 9, 2, std::vector<uint8_t>(8, 0xA5)),
      Base(40, 4, 5, -2, std::vector<uint8_t>(8, 0x12)),
      Base(124, 32, 2, 2, std::vector<uint8_t>(16, 0x80)),
  };
  BmpLayout rle8 = Base(40, 8, 4, 3, {3, 1, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 1, 1, 2, 2, 0, 1});
  rle8.compression = BI_RLE8;
  BmpLayout rle4 = Base(40, 4, 5, 2, {5, 0x12, 0, 0, 0, 5, 0x12, 0x34, 0x50, 0, 0, 1});
  rle4.compression = BI_RLE4;
  BmpLayout fields = Base(40, 16, 3, 1, {0x1F, 0, 0xE0, 7, 0, 0xF8, 0, 0});
  fields.compression = BI_BITFIELDS;
  fields.masks = {0xF800, 0x07E0, 0x001F};
  layouts.push_back(rle8);
  layouts.push_back(rle4);
  layouts.push_back(fields);
  std::vector<std::vector<uint8_t>> files;
  for (const BmpLayout& s : layouts) files.push_back(BuildBmp(s));
  return files;
}

// Draws the bitmap the way the preview code does: every pixel through a
// memory DC, then a halftone stretch onto a display bitmap.
void Exercise(const BmpResult& result) {
  if (!result.bitmap) return;
  auto& handles = velko::platform::Handles();
  const HBITMAP bitmap = handles.Add(result.bitmap);
  HDC source = CreateCompatibleDC(0);
  HGDIOBJ old = SelectObject(source, bitmap);
  HDC screen = GetDC(0);
  HBITMAP target = CreateCompatibleBitmap(screen, 7, 5);
  HDC dest = CreateCompatibleDC(screen);
  HGDIOBJ old_target = SelectObject(dest, target);
  SetStretchBltMode(dest, HALFTONE);
  StretchBlt(dest, 0, 0, 7, 5, source, 0, 0, result.bitmap->width(), result.bitmap->height(), SRCCOPY);
  SetPixel(source, 0, 0, GetPixel(source, result.bitmap->width() - 1, result.bitmap->height() - 1));
  SelectObject(dest, old_target);
  SelectObject(source, old);
  DeleteObject(target);
  DeleteDC(dest);
  DeleteDC(source);
  ReleaseDC(0, screen);
  DeleteObject(bitmap);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const std::vector<std::vector<uint8_t>> templates = Templates();
  const std::span<const uint8_t> input(data, size);
  Exercise(velko::platform::ReadBmpFile(input, kLimits));
  Exercise(velko::platform::ReadPackedDib(input, kLimits));
  if (size > 0) {
    std::vector<uint8_t> file = templates[data[0] % templates.size()];
    for (std::size_t i = 1; i < size && i - 1 < file.size(); ++i) file[i - 1] ^= data[i];
    Exercise(velko::platform::ReadBmpFile(file, kLimits));
  }
  return 0;
}
