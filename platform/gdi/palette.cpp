// Palette tables, nearest-entry search and the palette calls.
#include "platform/gdi/palette.h"

#include <algorithm>
#include <array>
#include <limits>

#include "platform/gdi/dc.h"

namespace velko::platform {
namespace {

constexpr std::array<COLORREF, 20> kStaticColors = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),   RGB(0, 0, 128),
    RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192), RGB(192, 220, 192), RGB(166, 202, 240),
    RGB(255, 251, 240), RGB(160, 160, 164), RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),
    RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255),
};
constexpr std::array<BYTE, 6> kCubeLevels = {0, 51, 102, 153, 204, 255};
constexpr int kExtraGrays = 20;
static_assert(kStaticColors.size() + 6 * 6 * 6 + kExtraGrays == 256);

constexpr PALETTEENTRY EntryOf(COLORREF c, BYTE flags = 0) {
  return PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), flags};
}
constexpr COLORREF ColorOf(const PALETTEENTRY& e) { return RGB(e.peRed, e.peGreen, e.peBlue); }

bool palette_mode = false;

}  // namespace

UINT Palette::NearestIndex(COLORREF color) const {
  UINT best = 0;
  int best_distance = std::numeric_limits<int>::max();
  for (UINT i = 0; i < entries.size(); ++i) {
    const int dr = entries[i].peRed - GetRValue(color);
    const int dg = entries[i].peGreen - GetGValue(color);
    const int db = entries[i].peBlue - GetBValue(color);
    const int d = dr * dr + dg * dg + db * db;
    if (d < best_distance) {
      best_distance = d;
      best = i;
      if (d == 0) break;
    }
  }
  return best;
}

COLORREF Palette::NearestColor(COLORREF color) const {
  return entries.empty() ? (color & 0xFFFFFF) : ColorOf(entries[NearestIndex(color)]);
}

COLORREF Palette::ColorAt(UINT index) const { return index < entries.size() ? ColorOf(entries[index]) : 0; }

const std::vector<PALETTEENTRY>& DefaultPaletteEntries() {
  static const std::vector<PALETTEENTRY> entries = [] {
    std::vector<PALETTEENTRY> e;
    for (COLORREF c : kStaticColors) e.push_back(EntryOf(c));
    return e;
  }();
  return entries;
}

std::vector<PALETTEENTRY> HalftonePaletteEntries() {
  std::vector<PALETTEENTRY> e = DefaultPaletteEntries();
  for (BYTE r : kCubeLevels) {
    for (BYTE g : kCubeLevels) {
      for (BYTE b : kCubeLevels) e.push_back(EntryOf(RGB(r, g, b)));
    }
  }
  // Grays between the cube's levels, for smoother gray ramps.
  for (int i = 1; i <= kExtraGrays; ++i) {
    const BYTE v = static_cast<BYTE>(i * 255 / (kExtraGrays + 1));
    e.push_back(EntryOf(RGB(v, v, v)));
  }
  return e;
}

void SetDisplayPaletteMode(bool on) { palette_mode = on; }
bool DisplayPaletteMode() { return palette_mode; }

}  // namespace velko::platform

using velko::platform::DeviceContext;
using velko::platform::Handles;
using velko::platform::Palette;

HPALETTE CreatePalette(const LOGPALETTE* log) {
  if (log == nullptr || log->palVersion != 0x300 || log->palNumEntries == 0) return 0;
  std::vector<PALETTEENTRY> entries(log->palPalEntry, log->palPalEntry + log->palNumEntries);
  return Handles().Add(std::make_shared<Palette>(std::move(entries)));
}

HPALETTE CreateHalftonePalette(HDC) {
  return Handles().Add(std::make_shared<Palette>(velko::platform::HalftonePaletteEntries()));
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
  Palette* p = Handles().Get<Palette>(palette);
  if (p == nullptr || p->stock || entries == nullptr || start >= p->entries.size()) return 0;
  const UINT n = std::min<UINT>(count, static_cast<UINT>(p->entries.size()) - start);
  std::copy(entries, entries + n, p->entries.begin() + start);
  return n;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  Palette* p = Handles().Get<Palette>(palette);
  if (p == nullptr) return 0;
  if (entries == nullptr) return static_cast<UINT>(p->entries.size());
  if (start >= p->entries.size()) return 0;
  const UINT n = std::min<UINT>(count, static_cast<UINT>(p->entries.size()) - start);
  std::copy(p->entries.begin() + start, p->entries.begin() + start + n, entries);
  return n;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color) {
  Palette* p = Handles().Get<Palette>(palette);
  return p == nullptr ? CLR_INVALID : p->NearestIndex(color & 0xFFFFFF);
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  std::shared_ptr<Palette> p = Handles().Share<Palette>(palette);
  if (dc == nullptr || p == nullptr) return 0;
  const HPALETTE previous = dc->palette;
  --dc->palette_object->selections;
  dc->palette = palette;
  dc->palette_object = std::move(p);
  ++dc->palette_object->selections;
  dc->palette_realized = false;
  return previous;
}

UINT RealizePalette(HDC hdc) {
  DeviceContext* dc = Handles().Get<DeviceContext>(hdc);
  if (dc == nullptr) return GDI_ERROR;
  dc->palette_realized = true;
  // On a palette display every entry of the logical palette is mapped; a
  // true-color display maps none.
  return velko::platform::DisplayPaletteMode() ? static_cast<UINT>(dc->palette_object->entries.size()) : 0;
}
