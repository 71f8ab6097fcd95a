// TransformBitmap: a bitmap's pixels through the current ColorTable, in
// place. 24-bit DIB rows are rewritten in memory; other depths go through the
// device context one pixel at a time, the slow fallback.
#include <memory>

#include "color/color_table.h"
#include "color/preview.h"

namespace velko::color {
namespace {

// Rows are independent, so bottom-up and top-down bitmaps come out alike.
// The packed lookup gives LookupColorTable's bytes at a fraction of its cost.
void TransformRowsInMemory(const BITMAP& bitmap) {
  const auto lookup = std::make_unique<TableLookup>(CurrentColorTable());
  auto* row = static_cast<uint8_t*>(bitmap.bmBits);
  for (LONG y = 0; y < bitmap.bmHeight; ++y, row += bitmap.bmWidthBytes) {
    uint8_t* pixel = row;
    for (LONG x = 0; x < bitmap.bmWidth; ++x, pixel += 3) {
      // Blue, green, red in memory.
      lookup->Map(pixel[2], pixel[1], pixel[0], &pixel[2], &pixel[1], &pixel[0]);
    }
  }
}

void TransformThroughDc(const BITMAP& bitmap, HDC memoryDc) {
  for (LONG y = 0; y < bitmap.bmHeight; ++y) {
    for (LONG x = 0; x < bitmap.bmWidth; ++x) {
      const COLORREF c = GetPixel(memoryDc, x, y);
      uint8_t r = 0, g = 0, b = 0;
      LookupColorTable(GetRValue(c), GetGValue(c), GetBValue(c), &r, &g, &b);
      SetPixel(memoryDc, x, y, RGB(r, g, b));
    }
  }
}

}  // namespace

void TransformBitmap(const BITMAP& bitmap, HDC memoryDc) {
  if (bitmap.bmBitsPixel == 24) {
    if (bitmap.bmBits != nullptr) TransformRowsInMemory(bitmap);
    return;
  }
  TransformThroughDc(bitmap, memoryDc);
}

}  // namespace velko::color
