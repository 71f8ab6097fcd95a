// Bitmap drawing of the pages, pixel by pixel on tiny memory surfaces:
// white as transparent through the mask, the banners of VelkoUI's resources,
// and resource pictures with their white surround flooded with the
// module-wide fill color or stretched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/draw_bitmaps.h"
#include "tests/ui/resource_picture.h"
#include "ui/core/ui_app.h"

namespace {

using namespace velko::ui;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNearWhite = RGB(255, 255, 254);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGray = RGB(128, 128, 128);
constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kWordMarkBlue = RGB(0x00, 0x30, 0xC0);

// A memory DC holding a display-format bitmap, read back pixel by pixel.
class Surface {
 public:
  Surface(int width, int height, COLORREF color) : width_(width), height_(height) {
    const HDC screen = GetDC(0);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(0, screen);
    previous_ = SelectObject(dc_, bitmap_);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) SetPixelV(dc_, x, y, color);
    }
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
  void Set(int x, int y, COLORREF color) { SetPixelV(dc_, x, y, color); }
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) pixels.push_back(at(x, y));
    }
    return pixels;
  }

 private:
  int width_;
  int height_;
  HDC dc_ = 0;
  HBITMAP bitmap_ = 0;
  HGDIOBJ previous_ = 0;
};

using velko::ui::testing::Picture;

// What a surface of `background` shows with `picture` at (0, 0), white
// pixels taken by `white`.
std::vector<COLORREF> Composed(const Picture& picture, int width, int height, COLORREF background,
                               COLORREF white) {
  std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height, background);
  for (int y = 0; y < std::min(height, picture.height); ++y) {
    for (int x = 0; x < std::min(width, picture.width); ++x) {
      const COLORREF p = picture.at(x, y);
      pixels[static_cast<std::size_t>(y) * width + x] = p == kWhite ? white : p;
    }
  }
  return pixels;
}

// The white pixels 4-connected to the top-left pixel replaced by `fill`.
Picture Flooded(Picture picture, COLORREF fill) {
  if (picture.pixels.empty() || picture.at(0, 0) != kWhite) return picture;
  std::vector<std::pair<int, int>> stack{{0, 0}};
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) continue;
    COLORREF& p = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
    if (p != kWhite) continue;
    p = fill;
    stack.insert(stack.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  return picture;
}

std::size_t CountOf(const std::vector<COLORREF>& pixels, COLORREF color) {
  return static_cast<std::size_t>(std::count(pixels.begin(), pixels.end(), color));
}

class DrawBitmaps : public ::testing::Test {
 protected:
  // The fill color is module state: every test leaves it as the module starts.
  void TearDown() override { BitmapFillColor = kDefaultBitmapFillColor; }
};

// --- BlitTransparent ---------------------------------------------------------

TEST_F(DrawBitmaps, TransparentBlitKeepsTheDestinationWhereTheSourceIsWhite) {
  Surface source(3, 2, kWhite);
  const COLORREF picture[2][3] = {{kWhite, kRed, kNearWhite}, {kBlack, kGray, kBlue}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) source.Set(x, y, picture[y][x]);
  }
  Surface dest(5, 4, kGreen);
  SetBkColor(source.dc(), RGB(1, 2, 3));
  SetBkColor(dest.dc(), RGB(4, 5, 6));

  ASSERT_EQ(BlitTransparent(dest.dc(), 1, 1, source.dc(), 0, 0, 3, 2), 1);

  const COLORREF G = kGreen;
  const std::vector<COLORREF> expected = {
      G, G,      G,    G,          G,  //
      G, G,      kRed, kNearWhite, G,  // white keeps green; near-white is a color
      G, kBlack, kGray, kBlue,     G,  // black, which the mask passes as 0, shows
      G, G,      G,    G,          G,
  };
  EXPECT_EQ(dest.Pixels(), expected);
  // Both background colors are given back.
  EXPECT_EQ(GetBkColor(source.dc()), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dest.dc()), RGB(4, 5, 6));
}

TEST_F(DrawBitmaps, TransparentBlitTakesTheSourceRectangleAsked) {
  Surface source(3, 2, kWhite);
  source.Set(1, 1, kRed);
  source.Set(2, 1, kBlue);
  Surface dest(3, 2, kGreen);
  ASSERT_EQ(BlitTransparent(dest.dc(), 0, 0, source.dc(), 1, 0, 2, 2), 1);
  EXPECT_EQ(dest.Pixels(), (std::vector<COLORREF>{kGreen, kGreen, kGreen, kRed, kBlue, kGreen}));
}

TEST_F(DrawBitmaps, TransparentBlitWithoutAMaskDrawsNothingAndSaysSo) {
  Surface source(2, 2, kRed);
  Surface dest(2, 2, kGreen);
  // No monochrome bitmap of width 0 can be made.
  EXPECT_EQ(BlitTransparent(dest.dc(), 0, 0, source.dc(), 0, 0, 0, 2), 0);
  // No memory DC compatible with a DC that does not exist.
  EXPECT_EQ(BlitTransparent(dest.dc(), 0, 0, 0x7FFF0001, 0, 0, 2, 2), 0);
  EXPECT_EQ(dest.Pixels(), std::vector<COLORREF>(4, kGreen));
}

// --- DrawBanner --------------------------------------------------------------

struct BannerCase {
  WORD id;
  int width;
  int height;
  COLORREF ink;
};

TEST_F(DrawBitmaps, BannersShowTheirWordMarkOverTheTargetsOwnBackground) {
  const BannerCase cases[] = {
      {2163, 112, 23, kWordMarkBlue},  // main, options and color page
      {2164, 303, 40, kWordMarkBlue},  // version page
      {2198, 112, 23, kGray},          // color page in monochrome mode
  };
  for (const BannerCase& c : cases) {
    const Picture banner = velko::ui::testing::LoadResourcePicture(c.id);
    ASSERT_EQ(banner.width, c.width) << c.id;
    ASSERT_EQ(banner.height, c.height) << c.id;
    Surface target(c.width + 6, c.height + 4, kFace);
    DrawBanner(target.dc(), c.id);
    const std::vector<COLORREF> pixels = target.Pixels();
    EXPECT_EQ(pixels, Composed(banner, target.width(), target.height(), kFace, kFace)) << c.id;
    EXPECT_GT(CountOf(pixels, c.ink), 50u) << c.id << ": the word mark is missing";
    EXPECT_EQ(CountOf(pixels, kWhite), 0u) << c.id << ": white must be transparent";
  }
}

TEST_F(DrawBitmaps, ABannerThatIsNoResourceDrawsNothing) {
  Surface target(8, 4, kFace);
  for (const UINT id : {0u, 9999u, 2402u /* a dialog template, not a bitmap */, 70000u}) {
    DrawBanner(target.dc(), id);
    EXPECT_EQ(target.Pixels(), std::vector<COLORREF>(32, kFace)) << id;
  }
}

// --- DrawResourceBitmap ------------------------------------------------------

TEST_F(DrawBitmaps, ResourceBitmapIsCopiedAtItsOwnSizeWithoutTheFlags) {
  const Picture bars = velko::ui::testing::LoadResourcePicture(2188);
  Surface target(bars.width + 4, bars.height + 3, kGreen);
  CDC dc(target.dc());
  // Width and height count only when stretching.
  DrawResourceBitmap(&dc, 2188, FALSE, FALSE, 10, 5);
  EXPECT_EQ(target.Pixels(), Composed(bars, target.width(), target.height(), kGreen, kWhite));
}

TEST_F(DrawBitmaps, FillFloodsTheWhiteConnectedToTheTopLeftWithTheFillColor) {
  // The watermark preview's letters enclose white counters that the flood
  // must not reach.
  const Picture preview = velko::ui::testing::LoadResourcePicture(2146);
  const Picture expected = Flooded(preview, RGB(192, 192, 192));
  ASSERT_GT(CountOf(expected.pixels, kWhite), 0u) << "the picture has no enclosed white to test with";
  ASSERT_GT(CountOf(expected.pixels, kFace), 0u);

  Surface target(preview.width, preview.height, kGreen);
  CDC dc(target.dc());
  DrawResourceBitmap(&dc, 2146, TRUE, FALSE, 0, 0);
  EXPECT_EQ(target.Pixels(), expected.pixels);
}

TEST_F(DrawBitmaps, TheFillColorIsTheLastOneSetAndTheResourceStaysWhite) {
  const Picture bars = velko::ui::testing::LoadResourcePicture(2196);
  Surface target(bars.width, bars.height, kGreen);
  CDC dc(target.dc());

  BitmapFillColor = RGB(10, 200, 30);  // as the density page sets its background
  DrawResourceBitmap(&dc, 2196, TRUE, FALSE, 0, 0);
  EXPECT_EQ(target.Pixels(), Flooded(bars, RGB(10, 200, 30)).pixels);
  DrawResourceBitmap(&dc, 2196, TRUE, FALSE, 0, 0);
  EXPECT_EQ(target.at(0, 0), RGB(10, 200, 30)) << "the color holds for later drawings";

  // The flood went into a copy: the resource itself still has its white.
  DrawResourceBitmap(&dc, 2196, FALSE, FALSE, 0, 0);
  EXPECT_EQ(target.Pixels(), bars.pixels);
}

TEST_F(DrawBitmaps, StretchDrawsTheBitmapAtTheGivenSize) {
  const Picture banner = velko::ui::testing::LoadResourcePicture(2163);
  const int w = 2 * banner.width, h = 2 * banner.height;
  Surface target(w + 2, h + 2, kGreen);
  SetStretchBltMode(target.dc(), COLORONCOLOR);
  CDC dc(target.dc());
  DrawResourceBitmap(&dc, 2163, TRUE, TRUE, w, h);

  const Picture filled = Flooded(banner, kFace);
  std::vector<COLORREF> expected(static_cast<std::size_t>(target.width()) * target.height(), kGreen);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) expected[static_cast<std::size_t>(y) * target.width() + x] = filled.at(x / 2, y / 2);
  }
  EXPECT_EQ(target.Pixels(), expected);
  EXPECT_GT(CountOf(expected, kWordMarkBlue), 4 * 50u);
}

TEST_F(DrawBitmaps, AResourceBitmapThatIsNoResourceDrawsNothing) {
  Surface target(6, 3, kGreen);
  CDC dc(target.dc());
  DrawResourceBitmap(&dc, 9999, TRUE, TRUE, 6, 3);
  DrawResourceBitmap(&dc, 0, FALSE, FALSE, 6, 3);
  DrawResourceBitmap(nullptr, 2163, TRUE, FALSE, 6, 3);
  EXPECT_EQ(target.Pixels(), std::vector<COLORREF>(18, kGreen));
}

}  // namespace
