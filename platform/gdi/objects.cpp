// Creation, inspection and deletion of GDI objects, and the stock objects.
#include "platform/gdi/objects.h"

#include <array>
#include <cstring>

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi.h"

namespace velko::platform {
namespace {

struct StockBrush {
  int index;
  UINT style;
  COLORREF color;
};
constexpr std::array<StockBrush, 6> kStockBrushes = {{
    {WHITE_BRUSH, BS_SOLID, RGB(255, 255, 255)},
    {LTGRAY_BRUSH, BS_SOLID, RGB(192, 192, 192)},
    {GRAY_BRUSH, BS_SOLID, RGB(128, 128, 128)},
    {DKGRAY_BRUSH, BS_SOLID, RGB(64, 64, 64)},
    {BLACK_BRUSH, BS_SOLID, RGB(0, 0, 0)},
    {NULL_BRUSH, BS_NULL, RGB(0, 0, 0)},
}};

HGDIOBJ MakeStock(int index) {
  for (const StockBrush& s : kStockBrushes) {
    if (s.index != index) continue;
    auto brush = std::make_shared<Brush>();
    brush->stock = true;
    brush->style = s.style;
    brush->color = s.color;
    return Handles().Add(std::move(brush));
  }
  if (index == WHITE_PEN || index == BLACK_PEN || index == NULL_PEN) {
    auto pen = std::make_shared<Pen>();
    pen->stock = true;
    pen->null = index == NULL_PEN;
    pen->color = index == WHITE_PEN ? RGB(255, 255, 255) : RGB(0, 0, 0);
    return Handles().Add(std::move(pen));
  }
  if (index == DEFAULT_PALETTE) {
    auto palette = std::make_shared<Palette>(DefaultPaletteEntries());
    palette->stock = true;
    return Handles().Add(std::move(palette));
  }
  return 0;
}

// A BI_BITFIELDS header of 40 bytes is followed by the three masks; the
// later header versions hold them at the same place inside the header.
std::array<DWORD, 3> MasksOf(const BITMAPINFOHEADER& header) {
  std::array<DWORD, 3> masks{};
  if (header.biCompression == BI_BITFIELDS) {
    std::memcpy(masks.data(), reinterpret_cast<const uint8_t*>(&header) + sizeof(BITMAPINFOHEADER), sizeof masks);
  }
  return masks;
}

std::vector<RGBQUAD> ColorTableOf(const BITMAPINFO& info, UINT usage, const DeviceContext* dc) {
  const BITMAPINFOHEADER& h = info.bmiHeader;
  if (h.biBitCount > 8) return {};
  const DWORD full = DWORD{1} << h.biBitCount;
  const DWORD count = h.biClrUsed != 0 && h.biClrUsed < full ? h.biClrUsed : full;
  const uint8_t* table = reinterpret_cast<const uint8_t*>(&info) + h.biSize;
  std::vector<RGBQUAD> colors(count);
  if (usage == DIB_PAL_COLORS) {
    for (DWORD i = 0; i < count; ++i) {
      WORD index;
      std::memcpy(&index, table + 2 * i, 2);
      const COLORREF c = dc && dc->palette_object ? dc->palette_object->ColorAt(index) : 0;
      colors[i] = RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0};
    }
  } else {
    std::memcpy(colors.data(), table, count * sizeof(RGBQUAD));
  }
  return colors;
}

}  // namespace

HGDIOBJ StockObject(int index) {
  static std::unordered_map<int, HGDIOBJ> stock;
  auto it = stock.find(index);
  if (it != stock.end()) return it->second;
  const HGDIOBJ handle = MakeStock(index);
  if (handle != 0) stock[index] = handle;
  return handle;
}

HBITMAP StockBitmap() {
  static const HBITMAP handle = [] {
    std::shared_ptr<Bitmap> bitmap = Bitmap::MakeMonochrome(1, 1);
    bitmap->stock = true;
    return Handles().Add(std::move(bitmap));
  }();
  return handle;
}

}  // namespace velko::platform

using velko::platform::Bitmap;
using velko::platform::BitmapFormat;
using velko::platform::Brush;
using velko::platform::DeviceContext;
using velko::platform::GdiObject;
using velko::platform::HandleKind;
using velko::platform::Handles;
using velko::platform::Palette;
using velko::platform::Pen;

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bits_pixel, const void* bits) {
  if (planes != 1 || (bits_pixel != 1 && bits_pixel != 32)) return 0;
  std::shared_ptr<Bitmap> bitmap =
      bits_pixel == 1 ? Bitmap::MakeMonochrome(width, height) : Bitmap::MakeDisplay(width, height);
  if (!bitmap) return 0;
  if (bits) std::memcpy(bitmap->bits(), bits, static_cast<std::size_t>(bitmap->stride()) * height);
  return Handles().Add(std::move(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return 0;
  if (width == 0 || height == 0) return Handles().Add(Bitmap::MakeMonochrome(1, 1));
  // A memory DC still holding its monochrome bitmap makes monochrome ones.
  const bool mono = dc->kind == DeviceContext::Kind::Memory && dc->bitmap_object->Monochrome();
  std::shared_ptr<Bitmap> bitmap = mono ? Bitmap::MakeMonochrome(width, height) : Bitmap::MakeDisplay(width, height);
  return bitmap ? Handles().Add(std::move(bitmap)) : 0;
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
  if (bits) *bits = nullptr;
  if (info == nullptr || section != 0 || (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS)) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biHeight == 0 || h.biWidth <= 0) return 0;
  const bool fields = h.biCompression == BI_BITFIELDS && (h.biBitCount == 16 || h.biBitCount == 32);
  if (h.biCompression != BI_RGB && !fields) return 0;
  // Check the depth before reading a color table of 2^depth entries.
  if (h.biBitCount != 1 && h.biBitCount != 4 && h.biBitCount != 8 && h.biBitCount != 16 && h.biBitCount != 24 &&
      h.biBitCount != 32) {
    return 0;
  }
  const DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  BitmapFormat format{.bitsPixel = h.biBitCount,
                      .dib = true,
                      .topDown = h.biHeight < 0,
                      .colors = velko::platform::ColorTableOf(*info, usage, dc),
                      .masks = velko::platform::MasksOf(h)};
  const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  std::shared_ptr<Bitmap> bitmap = Bitmap::Make(h.biWidth, height, std::move(format));
  if (!bitmap) return 0;
  if (bits) *bits = bitmap->bits();
  return Handles().Add(std::move(bitmap));
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto brush = std::make_shared<Brush>();
  brush->color = color;
  return Handles().Add(std::move(brush));
}

HGDIOBJ GetStockObject(int index) { return velko::platform::StockObject(index); }

BOOL DeleteObject(HGDIOBJ object) {
  GdiObject* gdi = nullptr;
  switch (Handles().KindOf(object)) {
    case HandleKind::Bitmap: gdi = Handles().Get<Bitmap>(object); break;
    case HandleKind::Brush: gdi = Handles().Get<Brush>(object); break;
    case HandleKind::Pen: gdi = Handles().Get<Pen>(object); break;
    case HandleKind::Palette: gdi = Handles().Get<Palette>(object); break;
    default: return FALSE;
  }
  if (gdi->stock) return TRUE;
  // Still selected into a DC: deselect it first.
  if (gdi->selections > 0) return FALSE;
  Handles().Remove(object);
  return TRUE;
}

int GetObject(HGDIOBJ object, int size, LPVOID buffer) {
  switch (Handles().KindOf(object)) {
    case HandleKind::Bitmap: {
      Bitmap* bitmap = Handles().Get<Bitmap>(object);
      const bool dib = bitmap->format().dib;
      if (buffer == nullptr) return dib ? sizeof(DIBSECTION) : sizeof(BITMAP);
      if (dib && size >= static_cast<int>(sizeof(DIBSECTION))) {
        const DIBSECTION section = bitmap->DescribeSection();
        std::memcpy(buffer, &section, sizeof section);
        return sizeof section;
      }
      if (size < static_cast<int>(sizeof(BITMAP))) return 0;
      const BITMAP description = bitmap->Describe();
      std::memcpy(buffer, &description, sizeof description);
      return sizeof description;
    }
    case HandleKind::Palette: {
      if (buffer == nullptr) return sizeof(WORD);
      if (size < static_cast<int>(sizeof(WORD))) return 0;
      const WORD count = static_cast<WORD>(Handles().Get<Palette>(object)->entries.size());
      std::memcpy(buffer, &count, sizeof count);
      return sizeof count;
    }
    case HandleKind::Brush: {
      if (buffer == nullptr) return sizeof(LOGBRUSH);
      if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
      const Brush* brush = Handles().Get<Brush>(object);
      const LOGBRUSH log{brush->style, brush->color, 0};
      std::memcpy(buffer, &log, sizeof log);
      return sizeof log;
    }
    default:
      return 0;
  }
}

DWORD GetObjectType(HGDIOBJ object) {
  switch (Handles().KindOf(object)) {
    case HandleKind::Bitmap: return OBJ_BITMAP;
    case HandleKind::Brush: return OBJ_BRUSH;
    case HandleKind::Pen: return OBJ_PEN;
    case HandleKind::Palette: return OBJ_PAL;
    case HandleKind::DeviceContext:
      return Handles().Get<DeviceContext>(object)->kind == DeviceContext::Kind::Memory ? OBJ_MEMDC : OBJ_DC;
    default: return 0;
  }
}
