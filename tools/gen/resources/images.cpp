// The picture generators: deterministic drawings of the banners, strips,
// swatch, density bars, watermark previews and icons.
#include "tools/gen/resources/images.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <string_view>

#include "tools/gen/resources/bmp_file.h"
#include "tools/gen/resources/canvas.h"
#include "tools/gen/resources/glyphs.h"

namespace velko::resgen {
namespace {

using nlohmann::json;

constexpr int kIconSize = 32;
// What an icon's transparent surround holds for readers that ignore alpha:
// the dialog face colour the icons sit on.
constexpr Rgb kIconSurround = 0xC0C0C0;
constexpr Rgb kPageTint = 0xD8E4F8;
constexpr Rgb kLabelInk = 0x000080;
constexpr Rgb kSelectedFrame = 0xFF0000;

struct Params {
  const json& entry;
  std::string where;

  [[noreturn]] void Fail(const std::string& what) const { throw DescriptionError(where + ": " + what); }

  const json& Get(const char* key) const {
    auto it = entry.find(key);
    if (it == entry.end()) Fail(std::string("missing \"") + key + "\"");
    return *it;
  }
  bool Has(const char* key) const { return entry.contains(key); }

  int Int(const char* key, int lo, int hi) const {
    const json& v = Get(key);
    if (!v.is_number_integer() || v.get<long long>() < lo || v.get<long long>() > hi)
      Fail(std::string("\"") + key + "\" must be an integer from " + std::to_string(lo) + " to " + std::to_string(hi));
    return v.get<int>();
  }
  std::string Text(const char* key) const {
    const json& v = Get(key);
    if (!v.is_string()) Fail(std::string("\"") + key + "\" must be a text");
    return v.get<std::string>();
  }
  std::pair<int, int> Pair(const char* key, int lo, int hi) const {
    const json& v = Get(key);
    if (!v.is_array() || v.size() != 2 || !v[0].is_number_integer() || !v[1].is_number_integer())
      Fail(std::string("\"") + key + "\" must be [a, b]");
    const int a = v[0].get<int>(), b = v[1].get<int>();
    if (a < lo || a > hi || b < lo || b > hi)
      Fail(std::string("\"") + key + "\" values must lie from " + std::to_string(lo) + " to " + std::to_string(hi));
    return {a, b};
  }
  Rgb Color(const json& v) const {
    const std::string s = v.is_string() ? v.get<std::string>() : std::string();
    if (s.size() != 7 || s[0] != '#' || !std::all_of(s.begin() + 1, s.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
      Fail("colour must be \"#RRGGBB\", got " + v.dump());
    return static_cast<Rgb>(std::stoul(s.substr(1), nullptr, 16));
  }
  Rgb Color(const char* key) const { return Color(Get(key)); }
  bool Portrait() const {
    const std::string o = Text("orientation");
    if (o != "portrait" && o != "landscape") Fail("\"orientation\" must be \"portrait\" or \"landscape\"");
    return o == "portrait";
  }
  std::string FontText(const char* key) const {
    std::string t = Text(key);
    if (t.empty() || !TextFits(t)) Fail("\"" + t + "\" has characters outside the built-in font (capitals, digits, space, \"Velko\")");
    return t;
  }
};

struct Picture {
  Canvas canvas;
  int bits;
};

// --- bitmaps ---------------------------------------------------------------

Picture Wordmark(const Params& p) {
  const auto [w, h] = p.Pair("size", 8, 2000);
  const std::string text = p.Has("text") ? p.FontText("text") : std::string("Velko");
  const Rgb ink = p.Color("ink");
  const int scale = std::min((w - 4) / TextCells(text), (h - 2) / kGlyphHeight);
  if (scale < 1) p.Fail("the word mark does not fit " + std::to_string(w) + " x " + std::to_string(h));
  Mask mask(w, h);
  DrawText(mask, (w - TextCells(text) * scale) / 2, (h - kGlyphHeight * scale) / 2, text, scale);
  Canvas c(w, h, kWhite);
  c.Paint(mask, 0, 0, ink);
  return {c, 24};
}

// Colour at column x of a ramp through evenly spaced stops, exact at the stops.
Rgb RampAt(const std::vector<Rgb>& stops, int x, int width) {
  const int segments = static_cast<int>(stops.size()) - 1;
  const int span = width - 1;
  const int t = x * segments;  // position in units of 1/span segment
  const int seg = std::min(t / span, segments - 1);
  return Mix(stops[seg], stops[seg + 1], t - seg * span, span);
}

Picture Gradient(const Params& p) {
  const auto [w, h] = p.Pair("size", 2, 2000);
  const json& rows = p.Get("rows");
  if (!rows.is_array() || rows.empty() || static_cast<int>(rows.size()) > h)
    p.Fail("\"rows\" must list one to " + std::to_string(h) + " ramps");
  Canvas c(w, h, kWhite);
  const int bands = static_cast<int>(rows.size());
  for (int b = 0; b < bands; ++b) {
    if (!rows[b].is_array() || rows[b].size() < 2) p.Fail("each ramp needs at least two colours");
    std::vector<Rgb> stops;
    for (const json& s : rows[b]) stops.push_back(p.Color(s));
    const int y0 = b * h / bands, y1 = (b + 1) * h / bands;
    for (int x = 0; x < w; ++x) c.FillRect(x, y0, 1, y1 - y0, RampAt(stops, x, w));
  }
  return {c, 24};
}

Picture Contrast(const Params& p) {
  const auto [w, h] = p.Pair("size", 4, 2000);
  const int pairs = p.Int("pairs", 1, w / 2);
  Canvas c(w, h, kWhite);
  for (int i = 0; i < pairs; ++i) {
    const int x0 = i * w / pairs, x1 = (i + 1) * w / pairs, mid = (x0 + x1) / 2;
    const int d = 128 * (i + 1) / pairs;  // half the difference of the pair
    const int dark = 128 - d, light = std::min(255, 127 + d);
    c.FillRect(x0, 0, mid - x0, h, MakeRgb(dark, dark, dark));
    c.FillRect(mid, 0, x1 - mid, h, MakeRgb(light, light, light));
  }
  return {c, 24};
}

Picture DensityBars(const Params& p) {
  const auto [w, h] = p.Pair("size", 16, 2000);
  const Rgb ink = p.Color("ink");
  const int bars = p.Int("bars", 2, 30);
  // Bar i is 3 + 2i wide; equal gaps; the whole run centred. The white
  // surround stays connected to the top-left pixel, which the density page
  // flood-fills with its background colour.
  int inked = 0;
  for (int i = 0; i < bars; ++i) inked += 3 + 2 * i;
  const int margin = 4;
  const int gap = (w - 2 * margin - inked) / (bars - 1);
  if (gap < 1) p.Fail("the bars do not fit " + std::to_string(w) + " pixels");
  int x = (w - inked - gap * (bars - 1)) / 2;
  Canvas c(w, h, kWhite);
  for (int i = 0; i < bars; ++i) {
    c.FillRect(x, 2, 3 + 2 * i, h - 4, ink);
    x += 3 + 2 * i + gap;
  }
  return {c, 4};
}

Picture Watermark(const Params& p) {
  const std::string text = p.FontText("text");
  const int scale = p.Int("scale", 1, 16);
  const int outline = p.Int("outline", 0, 4);
  const int margin = 2 * scale;
  const int w = TextCells(text) * scale + 2 * margin;
  const int h = kGlyphHeight * scale + 2 * margin;
  Mask mask(w, h);
  DrawText(mask, margin, margin, text, scale);
  // The outline variant: a band of `outline` pixels round the same glyphs,
  // their inside left white.
  const Mask inked = outline > 0 ? mask.Dilated(outline).Minus(mask) : mask;
  Canvas c(w, h, kWhite);
  c.Paint(inked, 0, 0, kBlack);
  return {c, 24};
}

// --- icons -----------------------------------------------------------------

struct Rect {
  int x, y, w, h;
};

// The sheet of a page-arrangement icon, two pixels clear of the icon's edge
// so that a selection frame fits round it.
Rect SheetRect(bool portrait) { return portrait ? Rect{6, 2, 20, 28} : Rect{2, 6, 28, 20}; }

void DrawSheet(Canvas& c, Rect s) {
  c.FillRect(s.x, s.y, s.w, s.h, kWhite);
  c.FrameRect(s.x, s.y, s.w, s.h, 1, kBlack);
}

void DrawLabel(Canvas& c, Rect cell, std::string_view label) {
  int scale = 3;
  while (scale > 1 && (TextCells(label) * scale > cell.w || kGlyphHeight * scale > cell.h)) --scale;
  Mask m(c.width(), c.height());
  DrawText(m, cell.x + (cell.w - TextCells(label) * scale + 1) / 2, cell.y + (cell.h - kGlyphHeight * scale + 1) / 2,
           label, scale);
  c.Paint(m, 0, 0, kLabelInk);
}

Picture Sheet(const Params& p) {
  const bool portrait = p.Portrait();
  const auto [cols, rows] = p.Pair("grid", 1, 2);
  const json& labels = p.Get("labels");
  if (!labels.is_array() || static_cast<int>(labels.size()) != cols * rows)
    p.Fail("\"labels\" must give one label per page, " + std::to_string(cols * rows) + " in all, in reading order");
  Canvas c(kIconSize, kIconSize, kWhite);
  c.ClearAll(kIconSurround);
  const Rect s = SheetRect(portrait);
  DrawSheet(c, s);
  const Rect inner{s.x + 1, s.y + 1, s.w - 2, s.h - 2};
  const int cw = (inner.w - (cols - 1)) / cols, ch = (inner.h - (rows - 1)) / rows;
  for (int r = 0; r < rows; ++r)
    for (int k = 0; k < cols; ++k) {
      const Rect cell{inner.x + k * (cw + 1), inner.y + r * (ch + 1), cw, ch};
      c.FillRect(cell.x, cell.y, cell.w, cell.h, kPageTint);
      const json& label = labels[static_cast<std::size_t>(r * cols + k)];
      if (!label.is_string() || label.get<std::string>().size() != 1 || !TextFits(label.get<std::string>()))
        p.Fail("each label must be one character of the built-in font");
      DrawLabel(c, cell, label.get<std::string>());
    }
  if (p.Has("selected") && !p.Get("selected").is_boolean()) p.Fail("\"selected\" must be true or false");
  if (p.Has("selected") && p.Get("selected").get<bool>()) c.FrameRect(0, 0, kIconSize, kIconSize, 2, kSelectedFrame);
  return {c, 32};
}

Picture Feed(const Params& p) {
  const bool portrait = p.Portrait();
  Canvas c(kIconSize, kIconSize, kWhite);
  c.ClearAll(kIconSurround);
  const Rect s = SheetRect(portrait);
  DrawSheet(c, s);
  // The paper enters top edge first: an arrow up the sheet's vertical side,
  // which is the long side of a portrait sheet and the short side of a
  // landscape one.
  const Rgb arrow = 0x0000C0;
  const int cx = s.x + s.w / 2, top = s.y + 3, bottom = s.y + s.h - 4;
  c.FillRect(cx - 1, top + 4, 2, bottom - top - 3, arrow);
  for (int i = 0; i < 5; ++i) c.FillRect(cx - 1 - i, top + i, 2 + 2 * i, 1, arrow);
  return {c, 32};
}

void FillCircle(Canvas& c, int cx, int cy, int r, Rgb color) {
  for (int y = -r; y <= r; ++y)
    for (int x = -r; x <= r; ++x)
      if (x * x + y * y <= r * r + r) c.Set(cx + x, cy + y, color);
}

void TextLines(Canvas& c, Rect page, const std::vector<Rgb>& inks) {
  int y = page.y + 4;
  for (std::size_t i = 0; i < inks.size() && y < page.y + page.h - 2; ++i, y += 3)
    c.FillRect(page.x + 3, y, page.w - 6 - static_cast<int>(i % 3) * 2, 1, inks[i]);
}

void Landscape(Canvas& c, Rect r) {
  c.FillRect(r.x, r.y, r.w, r.h, 0x87CEEB);
  for (int x = 0; x < r.w; ++x) {
    const int hill = r.h / 2 + ((x - r.w / 3) * (x - r.w / 3)) * r.h / (3 * r.w * r.w / 4 + 1);
    const int top = std::clamp(r.y + hill, r.y + r.h / 3, r.y + r.h);
    c.FillRect(r.x + x, top, 1, r.y + r.h - top, 0x228B22);
  }
}

Picture Mode(const Params& p) {
  const std::string kind = p.Text("kind");
  Canvas c(kIconSize, kIconSize, kWhite);
  c.ClearAll(kIconSurround);
  const Rect page{7, 2, 19, 28};
  auto draw_page = [&](Rect r) {
    c.FillRect(r.x, r.y, r.w, r.h, kWhite);
    c.FrameRect(r.x, r.y, r.w, r.h, 1, kBlack);
  };
  if (kind == "documents") {
    draw_page({11, 1, 18, 24});
    const Rect front{3, 7, 18, 24};
    draw_page(front);
    c.FillRect(front.x + 3, front.y + 3, 10, 2, 0x0000C0);
    TextLines(c, {front.x, front.y + 3, front.w, front.h - 3}, {kBlack, kBlack, 0xC00000, kBlack, kBlack, kBlack});
  } else if (kind == "photo") {
    c.FillRect(2, 5, 28, 22, 0x804000);
    Landscape(c, {4, 7, 24, 18});
    FillCircle(c, 22, 11, 3, 0xFFD700);
  } else if (kind == "mixed") {
    draw_page(page);
    TextLines(c, {page.x, page.y, page.w, 11}, {kBlack, kBlack, kBlack});
    Landscape(c, {page.x + 3, page.y + 11, 8, 7});
    const Rgb bars[3] = {0xE00000, 0x00A000, 0x0000E0};
    for (int i = 0; i < 3; ++i) c.FillRect(page.x + 12 + i * 2, page.y + 18 - 2 - 2 * i, 2, 2 + 2 * i, bars[i]);
    TextLines(c, {page.x, page.y + 17, page.w, 11}, {kBlack, kBlack});
  } else if (kind == "graytext") {
    draw_page(page);
    TextLines(c, page, {0x000000, 0x404040, 0x606060, 0x808080, 0xA0A0A0, 0x404040, 0x808080});
  } else if (kind == "tools") {
    // A wrench over a screwdriver.
    const Rgb steel = 0x606060;
    for (int i = -1; i <= 1; ++i) c.Line(5 + i, 27, 19 + i, 13, steel);
    FillCircle(c, 22, 10, 6, steel);
    FillCircle(c, 24, 8, 2, kIconSurround);
    c.FillRect(23, 4, 7, 3, kIconSurround);
    for (int i = 0; i < 2; ++i) c.Line(7 + i, 5, 19 + i, 17, 0xA0A0A0);
    for (int i = -2; i <= 2; ++i) c.Line(19 + i, 19, 25 + i, 25, 0xD00000);
  } else {
    p.Fail("\"kind\" must be documents, photo, mixed, graytext or tools");
  }
  return {c, 32};
}

using Generator = Picture (*)(const Params&);

struct GeneratorEntry {
  std::string_view name;
  Generator run;
  bool icon;
};

constexpr GeneratorEntry kGenerators[] = {
    {"wordmark", Wordmark, false}, {"gradient", Gradient, false},  {"contrast", Contrast, false},
    {"density_bars", DensityBars, false}, {"watermark", Watermark, false}, {"sheet", Sheet, true},
    {"feed", Feed, true},          {"mode", Mode, true},
};

}  // namespace

Image GenerateImage(const json& entry, ImageKind kind, const std::string& where_in) {
  if (!entry.is_object()) throw DescriptionError(where_in + ": expected an object");
  std::string where = where_in;
  if (entry.contains("id") && entry["id"].is_number_integer()) where += " (" + std::to_string(entry["id"].get<long long>()) + ")";
  const Params p{entry, where};
  Image image;
  image.id = p.Int("id", 1, 65535);
  image.kind = kind;
  const std::string draw = p.Text("draw");
  const GeneratorEntry* gen = nullptr;
  for (const GeneratorEntry& g : kGenerators)
    if (g.name == draw) gen = &g;
  if (!gen) p.Fail("unknown generator \"" + draw + "\"");
  if (gen->icon != (kind == ImageKind::Icon))
    p.Fail("generator \"" + draw + "\" makes " + (gen->icon ? "icons" : "bitmaps"));

  const Picture pic = gen->run(p);
  image.width = pic.canvas.width();
  image.height = pic.canvas.height();
  image.bits = pic.bits;
  image.bmp = pic.bits == 4 ? EncodeBmp4(pic.canvas) : pic.bits == 32 ? EncodeBmp32(pic.canvas) : EncodeBmp24(pic.canvas);
  json params = entry;
  params.erase("id");
  image.what = params.dump();
  return image;
}

}  // namespace velko::resgen
