// VelkoUI's bitmaps and icons: every id the pages and dialogs load, at its
// size and depth, as a well-formed BMP file, with the contents they are
// described by (banners, swatch rows, strips, density bars, watermark
// previews, page arrangement and order icons).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "tests/resources/bmp_view.h"
#include "ui/resources/velko_ui_resources.h"

namespace velko::res {
namespace {

using testing::BmpView;
using testing::kWhitePixel;
using testing::Rgb;

BmpView View(ResImageKind kind, int id) {
  const ResImage* image = VelkoUiResources().Image(kind, id);
  if (!image) throw std::runtime_error("no image " + std::to_string(id));
  auto view = BmpView::Parse(image->bmp);
  if (!view) throw std::runtime_error("image " + std::to_string(id) + " is not a well-formed BMP file");
  return *view;
}
BmpView Bitmap(int id) { return View(ResImageKind::Bitmap, id); }
BmpView Icon(int id) { return View(ResImageKind::Icon, id); }

struct SizeCase {
  ResImageKind kind;
  int id, width, height, bits;
};

constexpr auto kB = ResImageKind::Bitmap;
constexpr auto kI = ResImageKind::Icon;

const std::vector<SizeCase> kSizes = [] {
  std::vector<SizeCase> v = {
      {kB, 2163, 112, 23, 24},  // banner of the main and options pages
      {kB, 2164, 303, 40, 24},  // banner of the version page
      {kB, 2198, 112, 23, 24},  // gray banner, monochrome mode
      {kB, 2094, 73, 4, 24},    // color balance swatch
      {kB, 2178, 146, 14, 24},  {kB, 2180, 146, 14, 24}, {kB, 2067, 146, 14, 24},
      {kB, 2182, 146, 14, 24},  {kB, 2184, 147, 15, 24}, {kB, 2186, 146, 14, 24},
      {kB, 2188, 226, 16, 4},   {kB, 2190, 226, 16, 4},  {kB, 2192, 226, 16, 4},
      {kB, 2196, 226, 16, 4},   // density bars, 16 colors
  };
  // Every icon: arrangement, order, feed direction and color mode pictures.
  for (int id : {2001, 2238, 2239, 2240, 2224, 2221, 2237, 2243, 2244, 2257, 2245, 2246, 2247, 2241, 2261, 2242,
                 2262, 2249, 2248, 2250, 2251, 2252, 2253, 2254, 2255, 2227, 2256, 2228, 2258, 2229, 2259, 2230,
                 2260, 2219, 2220, 2231, 2232, 2233, 2234, 2235})
    v.push_back({kI, id, 32, 32, 32});
  return v;
}();

TEST(ResourceUiImages, EveryImageAtItsSizeAndDepth) {
  for (const SizeCase& s : kSizes) {
    const ResImage* image = VelkoUiResources().Image(s.kind, s.id);
    ASSERT_NE(image, nullptr) << s.id;
    const auto view = BmpView::Parse(image->bmp);
    ASSERT_TRUE(view) << s.id << " is not a well-formed BMP file";
    EXPECT_EQ(view->width, s.width) << s.id;
    EXPECT_EQ(view->height, s.height) << s.id;
    EXPECT_EQ(view->bits, s.bits) << s.id;
    EXPECT_EQ(image->width, s.width) << s.id;
    EXPECT_EQ(image->height, s.height) << s.id;
    EXPECT_EQ(image->bits, s.bits) << s.id;
  }
}

TEST(ResourceUiImages, EveryImageIsAWellFormedBmp) {
  for (const ResImage& image : VelkoUiResources().images)
    EXPECT_TRUE(BmpView::Parse(image.bmp)) << image.id;
}

bool Blue(Rgb p) { return p.b > p.r + 64 && p.b > p.g + 64; }
bool Gray(Rgb p) { return p.r == p.g && p.g == p.b; }

TEST(ResourceUiImages, BannersAreBlueWordMarksOnWhite) {
  for (int id : {2163, 2164}) {
    const BmpView v = Bitmap(id);
    int blue = 0;
    for (int y = 0; y < v.height; ++y)
      for (int x = 0; x < v.width; ++x) {
        const Rgb p = v.At(x, y);
        EXPECT_TRUE(p == kWhitePixel || Blue(p)) << id << " at " << x << "," << y;
        blue += Blue(p);
      }
    EXPECT_GT(blue, v.width * v.height / 20) << id;
    EXPECT_EQ(v.At(0, 0), kWhitePixel) << id;  // white is the transparent color
  }
}

TEST(ResourceUiImages, GrayBannerIsTheColorBannerInGray) {
  const BmpView color = Bitmap(2163), gray = Bitmap(2198);
  for (int y = 0; y < color.height; ++y)
    for (int x = 0; x < color.width; ++x) {
      const Rgb c = color.At(x, y), g = gray.At(x, y);
      EXPECT_EQ(c == kWhitePixel, g == kWhitePixel) << x << "," << y;
      if (g != kWhitePixel) {
        EXPECT_TRUE(Gray(g) && g.r < 200) << x << "," << y;
      }
    }
}

struct RampCase {
  int id, row;
  Rgb left, middle, right;
  const char* what;
};

constexpr Rgb kCyan{0, 255, 255}, kMagenta{255, 0, 255}, kYellow{255, 255, 0}, kRed{255, 0, 0}, kGreen{0, 255, 0},
    kBlue{0, 0, 255}, kBlack{0, 0, 0}, kMid{128, 128, 128};

const RampCase kRamps[] = {
    {2094, 0, kCyan, kMid, kRed, "swatch: cyan to gray to red"},
    {2094, 1, kMagenta, kMid, kGreen, "swatch: magenta to gray to green"},
    {2094, 2, kYellow, kMid, kBlue, "swatch: yellow to gray to blue"},
    {2094, 3, kBlack, kMid, kWhitePixel, "swatch: black to gray to white"},
    {2182, 7, kCyan, kMid, kRed, "cyan-red strip"},
    {2184, 7, kMagenta, kMid, kGreen, "magenta-green strip"},
    {2186, 7, kYellow, kMid, kBlue, "yellow-blue strip"},
};

// Both ends exact, gray in the middle; a ramp does not turn back.
TEST(ResourceUiImages, RampsRunThroughTheirColors) {
  for (const RampCase& r : kRamps) {
    const BmpView v = Bitmap(r.id);
    EXPECT_EQ(v.At(0, r.row), r.left) << r.what;
    EXPECT_EQ(v.At(v.width - 1, r.row), r.right) << r.what;
    const Rgb mid = v.At(v.width / 2, r.row);
    EXPECT_NEAR(mid.r, r.middle.r, 4) << r.what;
    EXPECT_NEAR(mid.g, r.middle.g, 4) << r.what;
    EXPECT_NEAR(mid.b, r.middle.b, 4) << r.what;
  }
}

TEST(ResourceUiImages, BrightnessStripRunsBlackToWhite) {
  const BmpView v = Bitmap(2178);
  EXPECT_EQ(v.At(0, 0), kBlack);
  EXPECT_EQ(v.At(v.width - 1, v.height - 1), kWhitePixel);
  for (int x = 1; x < v.width; ++x) {
    EXPECT_TRUE(Gray(v.At(x, 5)));
    EXPECT_GE(v.At(x, 5).r, v.At(x - 1, 5).r) << x;
  }
}

int Saturation(Rgb p) { return std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}); }

TEST(ResourceUiImages, SaturationStripRunsPaleToVividInTwoRows) {
  const BmpView v = Bitmap(2180);
  const int top = 1, bottom = v.height - 2;
  EXPECT_NE(v.At(v.width - 1, top), v.At(v.width - 1, bottom)) << "two different rows";
  for (int y : {top, bottom}) {
    EXPECT_LT(Saturation(v.At(0, y)), 64) << "pale at the left, row " << y;
    EXPECT_EQ(Saturation(v.At(v.width - 1, y)), 255) << "vivid at the right, row " << y;
  }
}

TEST(ResourceUiImages, ContrastStripPairsGrowInContrast) {
  const BmpView v = Bitmap(2067);
  // Walk the middle row; record each patch's gray level.
  std::vector<int> patches{v.At(0, 7).r};
  for (int x = 1; x < v.width; ++x)
    if (v.At(x, 7) != v.At(x - 1, 7)) patches.push_back(v.At(x, 7).r);
  ASSERT_GE(patches.size(), 6u);
  ASSERT_EQ(patches.size() % 2, 0u) << "patches come in pairs";
  int previous = -1;
  for (std::size_t i = 0; i < patches.size(); i += 2) {
    const int contrast = patches[i + 1] - patches[i];
    EXPECT_GT(contrast, previous) << "pair " << i / 2;
    previous = contrast;
  }
  EXPECT_EQ(patches[patches.size() - 2], 0);
  EXPECT_EQ(patches.back(), 255);
}

struct DensityCase {
  int id;
  Rgb ink;
};

const DensityCase kDensity[] = {
    {2188, kBlack}, {2196, kCyan}, {2190, kMagenta}, {2192, kYellow},
};

// Bars of the ink that grow wider from left to right, on white that reaches
// the top-left pixel (the page flood-fills the white surround from there).
TEST(ResourceUiImages, DensityBarsGrowWiderInTheirInk) {
  for (const DensityCase& d : kDensity) {
    const BmpView v = Bitmap(d.id);
    EXPECT_EQ(v.At(0, 0), kWhitePixel) << d.id;
    for (int y = 0; y < v.height; ++y)
      for (int x = 0; x < v.width; ++x) EXPECT_TRUE(v.At(x, y) == kWhitePixel || v.At(x, y) == d.ink) << d.id;
    for (int x = 0; x < v.width; ++x) EXPECT_EQ(v.At(x, 0), kWhitePixel) << d.id << ": the top row connects the surround";
    std::vector<int> bars;
    int run = 0;
    for (int x = 0; x <= v.width; ++x) {
      if (x < v.width && v.At(x, v.height / 2) == d.ink) {
        ++run;
      } else if (run > 0) {
        bars.push_back(run);
        run = 0;
      }
    }
    ASSERT_GE(bars.size(), 5u) << d.id;
    for (std::size_t i = 1; i < bars.size(); ++i) EXPECT_GT(bars[i], bars[i - 1]) << d.id << " bar " << i;
  }
}

struct WatermarkCase {
  const char* text;
  int small, small_outline, large, large_outline;
};

const WatermarkCase kWatermarks[] = {
    {"CONFIDENTIAL", 2146, 2148, 2142, 2144}, {"DO NOT COPY", 2152, 2154, 2149, 2150},
    {"TOP SECRET", 2138, 2140, 2205, 2136},   {"DRAFT", 2203, 2134, 2177, 2201},
    {"PROOF", 2160, 2161, 2156, 2158},        {"FINAL", 2171, 2174, 2162, 2168},
};

// Only black and white, white all round the edge, some black.
void ExpectDarkTextOnWhite(const BmpView& v, int id) {
  int dark = 0;
  for (int y = 0; y < v.height; ++y)
    for (int x = 0; x < v.width; ++x) {
      const Rgb p = v.At(x, y);
      ASSERT_TRUE(p == kWhitePixel || p == kBlack) << id << " at " << x << "," << y;
      dark += p == kBlack;
      if (x == 0 || y == 0 || x == v.width - 1 || y == v.height - 1) {
        EXPECT_EQ(p, kWhitePixel) << id;
      }
    }
  EXPECT_GT(dark, v.width * v.height / 20) << id;
}

bool SamePixels(const BmpView& a, const BmpView& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

TEST(ResourceUiImages, WatermarkPreviewsDarkOnWhiteLargeTwiceSmallOutlineApart) {
  for (const WatermarkCase& w : kWatermarks) {
    const BmpView small = Bitmap(w.small), small_outline = Bitmap(w.small_outline);
    const BmpView large = Bitmap(w.large), large_outline = Bitmap(w.large_outline);
    for (auto [view, id] : {std::pair{small, w.small}, {small_outline, w.small_outline}, {large, w.large},
                            {large_outline, w.large_outline}})
      ExpectDarkTextOnWhite(view, id);
    EXPECT_NEAR(static_cast<double>(large.width) / small.width, 2.0, 0.2) << w.text;
    EXPECT_NEAR(static_cast<double>(large.height) / small.height, 2.0, 0.2) << w.text;
    EXPECT_EQ(small_outline.width, small.width) << w.text;
    EXPECT_EQ(large_outline.height, large.height) << w.text;
    EXPECT_FALSE(SamePixels(small, small_outline)) << w.text;
    EXPECT_FALSE(SamePixels(large, large_outline)) << w.text;
  }
}

// Texts of one length give pictures of one width, a longer text a wider one:
// catches a preview drawn from the wrong text.
TEST(ResourceUiImages, WatermarkPreviewWidthFollowsItsText) {
  EXPECT_EQ(Bitmap(2203).width, Bitmap(2160).width);  // DRAFT, PROOF
  EXPECT_EQ(Bitmap(2160).width, Bitmap(2171).width);  // PROOF, FINAL
  EXPECT_GT(Bitmap(2146).width, Bitmap(2152).width);  // CONFIDENTIAL, DO NOT COPY
  EXPECT_GT(Bitmap(2152).width, Bitmap(2138).width);  // DO NOT COPY, TOP SECRET
  EXPECT_GT(Bitmap(2138).width, Bitmap(2203).width);  // TOP SECRET, DRAFT
  EXPECT_FALSE(SamePixels(Bitmap(2203), Bitmap(2160)));
  EXPECT_FALSE(SamePixels(Bitmap(2160), Bitmap(2171)));
}

// The bounding box of the icon's opaque pixels, inside any selection frame.
struct Box {
  int w, h;
};
Box SheetBox(const BmpView& v) {
  int x0 = 32, y0 = 32, x1 = -1, y1 = -1;
  for (int y = 2; y < v.height - 2; ++y)
    for (int x = 2; x < v.width - 2; ++x)
      if (v.Alpha(x, y) != 0) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
      }
  return {x1 - x0 + 1, y1 - y0 + 1};
}

struct SheetCase {
  int id;
  bool portrait_sheet;
};

// Arrangement, order and feed icons show a sheet in its orientation.
const SheetCase kSheets[] = {
    {2001, true},  {2238, false}, {2239, false}, {2240, false}, {2224, true},  {2221, true},  {2237, true},
    {2243, true},  {2244, true},  {2257, false}, {2245, false}, {2246, false}, {2247, false}, {2249, true},
    {2250, true},  {2252, true},  {2254, true},  {2227, false}, {2228, false}, {2229, false}, {2230, false},
    {2219, true},  {2220, false},
};

TEST(ResourceUiImages, SheetIconsShowTheSheetInItsOrientation) {
  for (const SheetCase& s : kSheets) {
    const Box b = SheetBox(Icon(s.id));
    EXPECT_EQ(b.h > b.w, s.portrait_sheet) << s.id << ": " << b.w << " x " << b.h;
    EXPECT_EQ(Icon(s.id).Alpha(0, 0), 0) << s.id << ": transparent surround";
  }
}

TEST(ResourceUiImages, ArrangementIconsAreAllDifferent) {
  const std::vector<int> ids = {2001, 2238, 2239, 2240, 2224, 2221, 2237, 2243, 2244, 2257, 2245, 2246, 2247};
  for (std::size_t i = 0; i < ids.size(); ++i)
    for (std::size_t j = i + 1; j < ids.size(); ++j)
      EXPECT_FALSE(SamePixels(Icon(ids[i]), Icon(ids[j]))) << ids[i] << " and " << ids[j];
}

struct OrderCase {
  int normal, selected;
};

const OrderCase kOrders[] = {
    {2241, 2261}, {2242, 2262}, {2249, 2248}, {2250, 2251}, {2252, 2253}, {2254, 2255},
    {2227, 2256}, {2228, 2258}, {2229, 2259}, {2230, 2260},
};

bool InFrame(int x, int y) { return x < 2 || y < 2 || x >= 30 || y >= 30; }

// The selected icon is the normal one with a red frame round it.
TEST(ResourceUiImages, SelectedOrderIconsAddARedFrame) {
  for (const OrderCase& o : kOrders) {
    const BmpView normal = Icon(o.normal), selected = Icon(o.selected);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        if (InFrame(x, y)) {
          EXPECT_EQ(selected.At(x, y), kRed) << o.selected << " at " << x << "," << y;
          EXPECT_EQ(selected.Alpha(x, y), 255) << o.selected;
          EXPECT_NE(normal.At(x, y), kRed) << o.normal;
        } else {
          EXPECT_EQ(selected.At(x, y), normal.At(x, y)) << o.selected << " at " << x << "," << y;
        }
      }
  }
  // The four orders of one orientation differ from each other.
  EXPECT_FALSE(SamePixels(Icon(2249), Icon(2250)));
  EXPECT_FALSE(SamePixels(Icon(2252), Icon(2254)));
  EXPECT_FALSE(SamePixels(Icon(2241), Icon(2242)));
}

TEST(ResourceUiImages, ModeIconsAreFiveDifferentPictures) {
  const int ids[] = {2231, 2232, 2233, 2234, 2235};
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j) EXPECT_FALSE(SamePixels(Icon(ids[i]), Icon(ids[j]))) << ids[i] << ids[j];
  // The gray-level text picture has no color.
  const BmpView gray = Icon(2234);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (gray.Alpha(x, y)) {
        EXPECT_TRUE(Gray(gray.At(x, y))) << x << "," << y;
      }
}

TEST(ResourceUiImages, MissingIdIsNotFound) {
  EXPECT_EQ(VelkoUiResources().Bitmap(2999), nullptr);
  EXPECT_EQ(VelkoUiResources().Bitmap(2001), nullptr) << "2001 is an icon, not a bitmap";
  EXPECT_NE(VelkoUiResources().Icon(2001), nullptr);
}

}  // namespace
}  // namespace velko::res
