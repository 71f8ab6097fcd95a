// Bitmaps and icons loaded from module resources and BMP files, and the
// drawing of icons.
#include <fstream>
#include <iterator>
#include <map>

#include "platform/gdi/bmp_reader.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi.h"
#include "platform/kernel/drive.h"

namespace velko::platform {
namespace {

// Copies every pixel into a bitmap of another format (or size, picking the
// source pixel under each target pixel's center).
std::shared_ptr<Bitmap> Convert(const Bitmap& source, std::shared_ptr<Bitmap> target) {
  if (!target) return nullptr;
  const int w = target->width(), h = target->height();
  std::vector<COLORREF> in(source.width()), out(w);
  for (int y = 0; y < h; ++y) {
    const int sy = static_cast<int>((2 * int64_t{y} + 1) * source.height() / (2 * int64_t{h}));
    source.ReadRow(sy, 0, source.width(), in.data());
    for (int x = 0; x < w; ++x) out[x] = in[(2 * int64_t{x} + 1) * source.width() / (2 * int64_t{w})];
    target->WriteRow(y, 0, w, out.data());
  }
  return target;
}

// Applies the size and the flags of LoadImage to a freshly read DIB.
std::shared_ptr<Bitmap> Shape(std::shared_ptr<Bitmap> dib, int width, int height, UINT flags) {
  const int w = width > 0 ? width : dib->width();
  const int h = height > 0 ? height : dib->height();
  if (flags & LR_MONOCHROME) return Convert(*dib, Bitmap::MakeMonochrome(w, h));
  if (!(flags & LR_CREATEDIBSECTION)) return Convert(*dib, Bitmap::MakeDisplay(w, h));
  if (w == dib->width() && h == dib->height()) return dib;
  return Convert(*dib, Bitmap::Make(w, h, dib->format()));
}

// A 32-bit image whose alpha bytes are not all zero keeps alpha 0 as
// transparent; other images are opaque.
std::vector<bool> OpacityOf(Bitmap& image) {
  std::vector<bool> opaque(static_cast<std::size_t>(image.width()) * image.height(), true);
  const BitmapFormat& f = image.format();
  if (f.bitsPixel != 32 || f.masks != std::array<DWORD, 3>{0xFF0000, 0x00FF00, 0x0000FF}) return opaque;
  bool any_alpha = false;
  for (int y = 0; y < image.height(); ++y) {
    const uint8_t* row = image.Row(y);
    for (int x = 0; x < image.width(); ++x) {
      opaque[static_cast<std::size_t>(y) * image.width() + x] = row[4 * x + 3] != 0;
      any_alpha |= row[4 * x + 3] != 0;
    }
  }
  if (!any_alpha) opaque.assign(opaque.size(), true);
  return opaque;
}

HICON MakeIcon(std::shared_ptr<Bitmap> dib, int width, int height, HINSTANCE module, WORD id) {
  auto icon = std::make_shared<Icon>();
  std::shared_ptr<Bitmap> sized = Shape(dib, width, height, LR_CREATEDIBSECTION);
  if (!sized) return 0;
  std::vector<bool> opaque = OpacityOf(*sized);
  icon->image = Convert(*sized, Bitmap::MakeDisplay(sized->width(), sized->height()));
  if (!icon->image) return 0;
  icon->opaque = std::move(opaque);
  icon->module = module;
  icon->resource_id = id;
  return Handles().Add(std::move(icon));
}

HANDLE MakeImage(const BmpResult& read, UINT type, int width, int height, UINT flags, HINSTANCE module, WORD id) {
  if (!read.bitmap) return 0;
  if (type == IMAGE_ICON) return MakeIcon(read.bitmap, width, height, module, id);
  std::shared_ptr<Bitmap> bitmap = Shape(read.bitmap, width, height, flags);
  return bitmap ? Handles().Add(std::move(bitmap)) : 0;
}

// Shared icons (LoadIcon, LR_SHARED) are loaded once per resource and live
// as long as the process, so their handles stay the same.
std::map<std::pair<HINSTANCE, WORD>, HICON>& SharedIcons() {
  static std::map<std::pair<HINSTANCE, WORD>, HICON> icons;
  return icons;
}

}  // namespace

WORD IconResourceId(HICON icon) {
  const Icon* i = Handles().Get<Icon>(icon);
  return i ? i->resource_id : 0;
}

HANDLE LoadImageFromHostFile(const std::filesystem::path& path, UINT type, int width, int height, UINT flags) {
  if (type != IMAGE_BITMAP && type != IMAGE_ICON) return 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return MakeImage(ReadBmpFile(bytes), type, width, height, flags, 0, 0);
}

}  // namespace velko::platform

using namespace velko::platform;

HANDLE LoadImage(HINSTANCE module, LPCSTR name, UINT type, int width, int height, UINT flags) {
  if (type != IMAGE_BITMAP && type != IMAGE_ICON) return 0;
  if (flags & LR_LOADFROMFILE) {
    if (name == nullptr || IS_INTRESOURCE(name)) return 0;
    const std::optional<std::filesystem::path> path = MapWindowsPath(name);
    return path ? LoadImageFromHostFile(*path, type, width, height, flags) : 0;
  }
  // Resources are found by id only.
  if (!IS_INTRESOURCE(name)) return 0;
  const WORD id = static_cast<WORD>(reinterpret_cast<uintptr_t>(name));
  const bool icon = type == IMAGE_ICON;
  const bool shared = icon && (flags & LR_SHARED) && width <= 0 && height <= 0;
  if (shared) {
    auto it = SharedIcons().find({module, id});
    if (it != SharedIcons().end()) return it->second;
  }
  const std::span<const uint8_t> bytes = FindResourceBytes(module, icon ? kResourceIcon : kResourceBitmap, id);
  if (bytes.empty()) return 0;
  const HANDLE handle = MakeImage(ReadPackedDib(bytes), type, width, height, flags, module, id);
  if (shared && handle != 0) {
    Handles().Get<Icon>(handle)->stock = true;
    SharedIcons()[{module, id}] = handle;
  }
  return handle;
}

HBITMAP LoadBitmap(HINSTANCE module, LPCSTR name) { return LoadImage(module, name, IMAGE_BITMAP, 0, 0, 0); }

HICON LoadIcon(HINSTANCE module, LPCSTR name) { return LoadImage(module, name, IMAGE_ICON, 0, 0, LR_SHARED); }

BOOL DestroyIcon(HICON icon) {
  const Icon* i = Handles().Get<Icon>(icon);
  if (i == nullptr) return FALSE;
  if (!i->stock) Handles().Remove(icon);
  return TRUE;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  const Icon* i = Handles().Get<Icon>(icon);
  if (dc == nullptr || i == nullptr) return FALSE;
  std::optional<Canvas> canvas = dc->Target();
  if (!canvas) return FALSE;
  const int w = i->image->width();
  const RECT area = Intersect(RECT{x, y, x + w, y + i->image->height()}, dc->DrawableBounds());
  ColorMapper map(*dc, *canvas);
  std::vector<COLORREF> picture(w), row(w);
  for (int ty = area.top; ty < area.bottom; ++ty) {
    const int iy = ty - y;
    i->image->ReadRow(iy, 0, w, picture.data());
    const int first = area.left - x, count = area.right - area.left;
    canvas->ReadRow(ty, area.left, count, row.data());
    for (int k = 0; k < count; ++k) {
      if (i->opaque[static_cast<std::size_t>(iy) * w + first + k]) row[k] = map.Snap(picture[first + k]);
    }
    canvas->WriteRow(ty, area.left, count, row.data());
  }
  return TRUE;
}
