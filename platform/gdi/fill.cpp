// Filling and single pixels: FillRect, SetPixel/GetPixel and flood fill.
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi.h"

namespace velko::platform {
namespace {

bool Inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

void FillArea(Canvas& canvas, RECT area, COLORREF color) {
  const std::vector<COLORREF> row(static_cast<std::size_t>(area.right - area.left), color);
  for (int y = area.top; y < area.bottom; ++y) canvas.WriteRow(y, area.left, area.right - area.left, row.data());
}

// Fills, from the seed, the 4-connected pixels inside `bounds` for which
// `inside(color)` holds, one row span at a time.
template <class Inside>
void FloodSpans(Canvas& canvas, RECT bounds, int seed_x, int seed_y, COLORREF fill, Inside inside) {
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) canvas.ReadRow(bounds.top + y, bounds.left, width, &pixels[y * width]);
  std::vector<bool> done(pixels.size());
  auto wanted = [&](int x, int y) {
    const std::size_t i = static_cast<std::size_t>(y) * width + x;
    return !done[i] && inside(pixels[i]);
  };

  std::vector<std::pair<int, int>> stack{{seed_x - bounds.left, seed_y - bounds.top}};
  while (!stack.empty()) {
    auto [x, y] = stack.back();
    stack.pop_back();
    if (!wanted(x, y)) continue;
    int left = x, right = x;
    while (left > 0 && wanted(left - 1, y)) --left;
    while (right + 1 < width && wanted(right + 1, y)) ++right;
    for (int i = left; i <= right; ++i) done[static_cast<std::size_t>(y) * width + i] = true;
    const std::vector<COLORREF> span(static_cast<std::size_t>(right - left + 1), fill);
    canvas.WriteRow(bounds.top + y, bounds.left + left, right - left + 1, span.data());
    for (int ny : {y - 1, y + 1}) {
      if (ny < 0 || ny >= height) continue;
      for (int i = left; i <= right; ++i) {
        if (wanted(i, ny) && (i == left || !wanted(i - 1, ny))) stack.emplace_back(i, ny);
      }
    }
  }
}

}  // namespace
}  // namespace velko::platform

using namespace velko::platform;

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  const Brush* b = Handles().Get<Brush>(brush);
  if (dc == nullptr || b == nullptr || rect == nullptr) return 0;
  std::optional<Canvas> canvas = dc->Target();
  if (!canvas) return 0;
  if (b->style == BS_NULL) return 1;
  const RECT area = Intersect(*rect, dc->DrawableBounds());
  if (IsEmpty(area)) return 1;
  ColorMapper map(*dc, *canvas);
  FillArea(*canvas, area, map(b->color));
  return 1;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return CLR_INVALID;
  std::optional<Canvas> canvas = dc->Target();
  if (!canvas || !Inside(dc->DrawableBounds(), x, y)) return CLR_INVALID;
  COLORREF color;
  canvas->ReadRow(y, x, 1, &color);
  return color;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return CLR_INVALID;
  std::optional<Canvas> canvas = dc->Target();
  if (!canvas || !Inside(dc->DrawableBounds(), x, y)) return CLR_INVALID;
  ColorMapper map(*dc, *canvas);
  const COLORREF mapped = map(color);
  canvas->WriteRow(y, x, 1, &mapped);
  COLORREF stored;
  canvas->ReadRow(y, x, 1, &stored);
  return stored;
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) { return SetPixel(hdc, x, y, color) != CLR_INVALID; }

BOOL ExtFloodFill(HDC hdc, int x, int y, COLORREF color, UINT type) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr || (type != FLOODFILLSURFACE && type != FLOODFILLBORDER)) return FALSE;
  std::optional<Canvas> canvas = dc->Target();
  const RECT bounds = dc->DrawableBounds();
  if (!canvas || !Inside(bounds, x, y) || !dc->brush_object) return FALSE;
  ColorMapper map(*dc, *canvas);
  // Compare with the color as the target would store it.
  const COLORREF target = canvas->Representable(map(color));
  COLORREF seed;
  canvas->ReadRow(y, x, 1, &seed);
  const bool surface = type == FLOODFILLSURFACE;
  if (surface ? seed != target : seed == target) return FALSE;
  if (dc->brush_object->style == BS_NULL) return TRUE;
  const COLORREF fill = map(dc->brush_object->color);
  FloodSpans(*canvas, bounds, x, y, fill, [&](COLORREF c) { return surface ? c == target : c != target; });
  return TRUE;
}

BOOL FloodFill(HDC hdc, int x, int y, COLORREF border) { return ExtFloodFill(hdc, x, y, border, FLOODFILLBORDER); }
