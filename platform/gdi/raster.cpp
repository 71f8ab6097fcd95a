// Raster operations: BitBlt, StretchBlt and PatBlt over any pair of targets,
// with the monochrome conversions through the DCs' background and text
// colors and the four stretch modes.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi.h"

namespace velko::platform {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

// The truth table of a ternary raster operation: bit (P << 2 | S << 1 | D)
// of the index is the result for that combination of pattern, source and
// destination bits.
constexpr uint8_t TruthTable(DWORD rop) { return static_cast<uint8_t>(rop >> 16); }
constexpr bool UsesSource(uint8_t t) { return ((t >> 2) & 0x33) != (t & 0x33); }
constexpr bool UsesPattern(uint8_t t) { return ((t >> 4) & 0x0F) != (t & 0x0F); }
constexpr bool UsesDestination(uint8_t t) { return ((t >> 1) & 0x55) != (t & 0x55); }
static_assert(UsesSource(TruthTable(SRCCOPY)) && !UsesDestination(TruthTable(SRCCOPY)));
static_assert(UsesPattern(TruthTable(PATCOPY)) && !UsesSource(TruthTable(PATCOPY)));
static_assert(UsesDestination(TruthTable(SRCAND)) && !UsesPattern(TruthTable(SRCINVERT)));
static_assert(!UsesSource(TruthTable(BLACKNESS)) && !UsesDestination(TruthTable(WHITENESS)));

COLORREF Combine(uint8_t table, COLORREF p, COLORREF s, COLORREF d) {
  switch (table) {
    case 0xCC: return s;
    case 0x88: return s & d;
    case 0x66: return s ^ d;
    case 0xEE: return s | d;
    case 0xF0: return p;
    default: break;
  }
  COLORREF result = 0;
  for (int i = 0; i < 8; ++i) {
    if (((table >> i) & 1) == 0) continue;
    result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return result & kWhite;
}

// Where a destination pixel of a stretch reads its source: `count` pixels
// from `first` along one axis.
struct Span {
  int first;
  int count;
};

Span SpanFor(int mode, int d, int dest_size, int source_size) {
  const int64_t D = dest_size, S = source_size;
  switch (mode) {
    case HALFTONE: {
      // Every source pixel that the destination pixel covers, even in part.
      const int64_t first = d * S / D;
      const int64_t last = ((d + 1) * S + D - 1) / D;
      return Span{static_cast<int>(first), static_cast<int>(last - first)};
    }
    case COLORONCOLOR:
      // The source pixel under the destination pixel's center.
      return Span{static_cast<int>((2 * d + 1) * S / (2 * D)), 1};
    default: {
      // The source pixels that shrinking eliminates into this one.
      const int64_t first = d * S / D;
      const int64_t last = std::max((d + 1) * S / D, first + 1);
      return Span{static_cast<int>(first), static_cast<int>(last - first)};
    }
  }
}

// One destination row of a stretch from the converted source pixels.
class RowResampler {
 public:
  RowResampler(int mode, const std::vector<COLORREF>& source, int source_width, std::vector<Span> columns)
      : mode_(mode), source_(source), width_(source_width), columns_(std::move(columns)),
        sums_(mode == HALFTONE ? 3 * static_cast<std::size_t>(source_width) : 0),
        folded_(mode == HALFTONE ? 0 : static_cast<std::size_t>(source_width)) {}

  void Produce(Span rows, COLORREF* out) {
    if (mode_ == HALFTONE) {
      Average(rows, out);
    } else if (rows.count == 1) {
      Pick(Row(rows.first), out);
    } else {
      // Fold the eliminated rows first (AND or OR), then pick or fold columns.
      const bool keep_white = mode_ == WHITEONBLACK;
      std::copy(Row(rows.first), Row(rows.first) + width_, folded_.begin());
      for (int y = 1; y < rows.count; ++y) {
        const COLORREF* row = Row(rows.first + y);
        for (int x = 0; x < width_; ++x) folded_[x] = keep_white ? (folded_[x] | row[x]) : (folded_[x] & row[x]);
      }
      Pick(folded_.data(), out);
    }
  }

 private:
  const COLORREF* Row(int y) const { return source_.data() + static_cast<std::size_t>(y) * width_; }

  void Pick(const COLORREF* row, COLORREF* out) const {
    for (std::size_t x = 0; x < columns_.size(); ++x) {
      const Span c = columns_[x];
      COLORREF v = row[c.first];
      for (int i = 1; i < c.count; ++i) v = mode_ == WHITEONBLACK ? (v | row[c.first + i]) : (v & row[c.first + i]);
      out[x] = v;
    }
  }

  // Sums the covered rows per column, then the covered columns per
  // destination pixel, and rounds the mean.
  void Average(Span rows, COLORREF* out) {
    std::fill(sums_.begin(), sums_.end(), 0);
    for (int y = 0; y < rows.count; ++y) {
      const COLORREF* row = Row(rows.first + y);
      for (int x = 0; x < width_; ++x) {
        sums_[3 * x] += GetRValue(row[x]);
        sums_[3 * x + 1] += GetGValue(row[x]);
        sums_[3 * x + 2] += GetBValue(row[x]);
      }
    }
    for (std::size_t x = 0; x < columns_.size(); ++x) {
      const Span c = columns_[x];
      uint32_t r = 0, g = 0, b = 0;
      for (int i = 0; i < c.count; ++i) {
        r += sums_[3 * (c.first + i)];
        g += sums_[3 * (c.first + i) + 1];
        b += sums_[3 * (c.first + i) + 2];
      }
      const uint32_t n = static_cast<uint32_t>(c.count) * rows.count;
      out[x] = RGB(static_cast<BYTE>((r + n / 2) / n), static_cast<BYTE>((g + n / 2) / n),
                   static_cast<BYTE>((b + n / 2) / n));
    }
  }

  int mode_;
  const std::vector<COLORREF>& source_;
  int width_;
  std::vector<Span> columns_;
  std::vector<uint32_t> sums_;
  std::vector<COLORREF> folded_;
};

// The blit's two ends, resolved once.
struct Ends {
  DeviceContext* dest = nullptr;
  std::optional<Canvas> dest_canvas;
  DeviceContext* source = nullptr;
  std::optional<Canvas> source_canvas;
};

std::optional<Ends> Resolve(HDC dest, HDC source, bool needs_source) {
  Ends ends;
  ends.dest = Handles().Get<DeviceContext>(dest);
  if (ends.dest == nullptr || !(ends.dest_canvas = ends.dest->Target())) return std::nullopt;
  if (needs_source) {
    ends.source = Handles().Get<DeviceContext>(source);
    if (ends.source == nullptr || !(ends.source_canvas = ends.source->Target())) return std::nullopt;
  }
  return ends;
}

// Reads a source rectangle as the destination will combine it: a monochrome
// source gives the destination's text color for 0 and background color for
// 1; a color source on a monochrome destination gives 1 (white) where it
// equals the source's background color and 0 elsewhere; a color source on a
// palette display is mapped to the palette.
std::vector<COLORREF> ReadSource(const Ends& ends, ColorMapper& dest_map, RECT area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) ends.source_canvas->ReadRow(area.top + y, area.left, width, &pixels[y * width]);

  const bool source_mono = ends.source_canvas->Monochrome();
  const bool dest_mono = ends.dest_canvas->Monochrome();
  if (source_mono && !dest_mono) {
    const COLORREF background = dest_map(ends.dest->bk_color);
    const COLORREF text = dest_map(ends.dest->text_color);
    for (COLORREF& c : pixels) c = c == kWhite ? background : text;
  } else if (!source_mono && dest_mono) {
    ColorMapper source_map(*ends.source, *ends.source_canvas);
    const COLORREF background = ends.source_canvas->Representable(source_map(ends.source->bk_color));
    for (COLORREF& c : pixels) c = c == background ? kWhite : 0;
  } else if (!source_mono && dest_map.Snaps()) {
    for (COLORREF& c : pixels) c = dest_map.Snap(c);
  }
  return pixels;
}

COLORREF PatternColor(const DeviceContext& dc, const Canvas& canvas, ColorMapper& map) {
  return dc.brush_object ? canvas.Representable(map(dc.brush_object->color)) : 0;
}

// Combines rows of source colors (made by `source_row`, or none) with the
// pattern and the destination over `area`. A plain copy writes the source
// rows as they are.
template <class SourceRow>
void Apply(Ends& ends, RECT area, uint8_t table, COLORREF pattern, SourceRow source_row) {
  const int width = area.right - area.left;
  std::vector<COLORREF> source(width), row(width);
  const bool reads_source = UsesSource(table);
  const bool reads_dest = UsesDestination(table);
  for (int y = area.top; y < area.bottom; ++y) {
    if (reads_source) source_row(y - area.top, source.data());
    if (table == TruthTable(SRCCOPY)) {
      ends.dest_canvas->WriteRow(y, area.left, width, source.data());
      continue;
    }
    if (reads_dest) ends.dest_canvas->ReadRow(y, area.left, width, row.data());
    for (int x = 0; x < width; ++x) row[x] = Combine(table, pattern, source[x], row[x]);
    ends.dest_canvas->WriteRow(y, area.left, width, row.data());
  }
}

}  // namespace
}  // namespace velko::platform

using namespace velko::platform;

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int source_x, int source_y, DWORD rop) {
  const uint8_t table = TruthTable(rop);
  std::optional<Ends> ends = Resolve(dest, source, UsesSource(table));
  if (!ends) return FALSE;
  if (width <= 0 || height <= 0) return TRUE;
  RECT area = Intersect(RECT{x, y, x + width, y + height}, ends->dest->DrawableBounds());
  if (ends->source) {
    // Only the part whose source lies inside the source is drawn.
    const int dx = x - source_x, dy = y - source_y;
    area = Intersect(area, RECT{dx, dy, dx + ends->source_canvas->width(), dy + ends->source_canvas->height()});
  }
  if (IsEmpty(area)) return TRUE;

  ColorMapper map(*ends->dest, *ends->dest_canvas);
  const COLORREF pattern = PatternColor(*ends->dest, *ends->dest_canvas, map);
  const int width_drawn = area.right - area.left;
  std::vector<COLORREF> pixels;
  if (ends->source) {
    const int sx = area.left - x + source_x, sy = area.top - y + source_y;
    pixels = ReadSource(*ends, map, RECT{sx, sy, sx + width_drawn, sy + (area.bottom - area.top)});
  }
  Apply(*ends, area, table, pattern, [&](int row, COLORREF* out) {
    const COLORREF* from = pixels.data() + static_cast<std::size_t>(row) * width_drawn;
    std::copy(from, from + width_drawn, out);
  });
  return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
  const uint8_t table = TruthTable(rop);
  if (UsesSource(table)) return FALSE;
  return BitBlt(hdc, x, y, width, height, 0, 0, 0, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                int source_width, int source_height, DWORD rop) {
  const uint8_t table = TruthTable(rop);
  if (!UsesSource(table) || (width == source_width && height == source_height)) {
    return BitBlt(dest, x, y, width, height, source, source_x, source_y, rop);
  }
  std::optional<Ends> ends = Resolve(dest, source, true);
  // Mirroring (negative extents) is not supported; the source rectangle must
  // lie inside the source.
  if (!ends || width <= 0 || height <= 0 || source_width <= 0 || source_height <= 0) return FALSE;
  if (source_x < 0 || source_y < 0 || source_x > ends->source_canvas->width() - source_width ||
      source_y > ends->source_canvas->height() - source_height) {
    return FALSE;
  }
  const RECT area = Intersect(RECT{x, y, x + width, y + height}, ends->dest->DrawableBounds());
  if (IsEmpty(area)) return TRUE;

  ColorMapper map(*ends->dest, *ends->dest_canvas);
  const COLORREF pattern = PatternColor(*ends->dest, *ends->dest_canvas, map);
  const std::vector<COLORREF> pixels =
      ReadSource(*ends, map, RECT{source_x, source_y, source_x + source_width, source_y + source_height});
  const int mode = ends->dest->stretch_mode;

  std::vector<Span> columns;
  for (int dx = area.left; dx < area.right; ++dx) columns.push_back(SpanFor(mode, dx - x, width, source_width));
  const int width_drawn = area.right - area.left;
  RowResampler resample(mode, pixels, source_width, std::move(columns));
  Apply(*ends, area, table, pattern, [&](int row, COLORREF* out) {
    resample.Produce(SpanFor(mode, area.top + row - y, height, source_height), out);
    if (map.Snaps()) {
      for (int i = 0; i < width_drawn; ++i) out[i] = map.Snap(out[i]);
    }
  });
  return TRUE;
}
