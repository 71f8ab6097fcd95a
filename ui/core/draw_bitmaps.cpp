// Bitmap drawing for the pages: transparent banners through a monochrome
// mask, and resource pictures with a flood-filled surround.
#include "ui/core/draw_bitmaps.h"

#include "ui/core/ui_app.h"

namespace velko::ui {

COLORREF BitmapFillColor = kDefaultBitmapFillColor;

namespace {

inline constexpr COLORREF kWhite = 0xFFFFFF;

// A bitmap resource of VelkoUI and its size; empty when there is none.
struct ResourceBitmap {
  HBITMAP handle = 0;
  int width = 0;
  int height = 0;
};

// Resource ids are 16 bits: a larger number names no resource.
ResourceBitmap LoadResourceBitmap(UINT bitmapId) {
  ResourceBitmap bitmap;
  if (bitmapId > 0xFFFF) return bitmap;
  bitmap.handle = LoadBitmap(ModuleInstance, MAKEINTRESOURCE(static_cast<WORD>(bitmapId)));
  BITMAP description{};
  if (bitmap.handle == 0 || GetObject(bitmap.handle, sizeof description, &description) == 0) return bitmap;
  bitmap.width = description.bmWidth;
  bitmap.height = description.bmHeight;
  return bitmap;
}

}  // namespace

int BlitTransparent(HDC dest, int x, int y, HDC source, int sourceX, int sourceY, int width, int height) {
  const COLORREF sourceBackground = GetBkColor(source);
  const COLORREF destBackground = GetBkColor(dest);

  const HDC maskDc = CreateCompatibleDC(source);
  if (maskDc == 0) return 0;
  const HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
  if (mask == 0) {
    DeleteDC(maskDc);
    return 0;
  }
  const HGDIOBJ previous = SelectObject(maskDc, mask);

  // Copying color to monochrome makes the background color 1: the mask is 1
  // where the source is white.
  SetBkColor(source, kWhite);
  BitBlt(maskDc, 0, 0, width, height, source, sourceX, sourceY, SRCCOPY);

  // dest ^ src, then AND with the mask (1 turns into the destination's white
  // background, 0 into its black text color), then ^ src again: where the
  // mask is 1 the destination comes back, elsewhere the source shows.
  SetBkColor(dest, kWhite);
  BitBlt(dest, x, y, width, height, source, sourceX, sourceY, SRCINVERT);
  BitBlt(dest, x, y, width, height, maskDc, 0, 0, SRCAND);
  BitBlt(dest, x, y, width, height, source, sourceX, sourceY, SRCINVERT);

  SetBkColor(source, sourceBackground);
  SetBkColor(dest, destBackground);
  SelectObject(maskDc, previous);
  DeleteObject(mask);
  DeleteDC(maskDc);
  return 1;
}

void DrawBanner(HDC dc, UINT bitmapId) {
  const ResourceBitmap bitmap = LoadResourceBitmap(bitmapId);
  if (bitmap.handle == 0) return;
  const HDC memory = CreateCompatibleDC(dc);
  if (memory != 0) {
    const HGDIOBJ previous = SelectObject(memory, bitmap.handle);
    BlitTransparent(dc, 0, 0, memory, 0, 0, bitmap.width, bitmap.height);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }
  DeleteObject(bitmap.handle);
}

void DrawResourceBitmap(CDC* dc, UINT bitmapId, BOOL fill, BOOL stretch, int width, int height) {
  if (dc == nullptr) return;
  const ResourceBitmap loaded = LoadResourceBitmap(bitmapId);
  if (loaded.handle == 0) return;
  CBitmap bitmap;
  bitmap.Attach(loaded.handle);
  CDC memory;
  if (!memory.CreateCompatibleDC(dc)) return;
  memory.SelectObject(&bitmap);
  if (fill) {
    CBrush brush(BitmapFillColor);
    const HGDIOBJ previous = memory.SelectObject(&brush);
    memory.ExtFloodFill(0, 0, kWhite, FLOODFILLSURFACE);
    memory.SelectObject(previous);
  }
  if (stretch) {
    dc->StretchBlt(0, 0, width, height, &memory, 0, 0, loaded.width, loaded.height, SRCCOPY);
  } else {
    dc->BitBlt(0, 0, loaded.width, loaded.height, &memory, 0, 0, SRCCOPY);
  }
}

}  // namespace velko::ui
