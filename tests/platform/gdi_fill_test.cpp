// FillRect, single pixels and flood fill on tiny bitmaps.
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "tests/platform/gdi_fixture.h"

namespace velko::platform::testing {
namespace {

constexpr COLORREF W = kWhite;
constexpr COLORREF K = kBlack;
constexpr COLORREF R = kRed;
constexpr COLORREF G = RGB(192, 192, 192);  // the shared helpers' default fill color

TEST(GdiFillRect, FillsTheHalfOpenRectangleWithinTheTarget) {
  MemoryTarget t(DisplayBitmap(3, 2), 3, 2);
  t.Fill(std::vector<COLORREF>(6, W));
  HBRUSH red = CreateSolidBrush(R);
  const RECT rect{1, -5, 10, 1};  // reaches outside on three sides
  EXPECT_EQ(FillRect(t.dc(), &rect, red), 1);
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{W, R, R, W, W, W}));
  EXPECT_EQ(FillRect(t.dc(), &rect, GetStockObject(NULL_BRUSH)), 1);  // draws nothing
  EXPECT_EQ(FillRect(t.dc(), &rect, 0), 0);
  EXPECT_EQ(FillRect(t.dc(), nullptr, red), 0);
  DeleteObject(red);
}

TEST(GdiPixels, OutsideTheTargetIsInvalid) {
  MemoryTarget t(DisplayBitmap(2, 2), 2, 2);
  EXPECT_EQ(SetPixel(t.dc(), 1, 1, R), R);
  EXPECT_EQ(GetPixel(t.dc(), 1, 1), R);
  EXPECT_EQ(GetPixel(t.dc(), 2, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(t.dc(), 0, -1), CLR_INVALID);
  EXPECT_EQ(SetPixel(t.dc(), -1, 0, R), CLR_INVALID);
  EXPECT_FALSE(SetPixelV(t.dc(), 0, 2, R));
  HDC screen = GetDC(0);
  EXPECT_EQ(GetPixel(screen, 0, 0), CLR_INVALID);  // the screen DC has no pixels
  ReleaseDC(0, screen);
}

struct FloodCase {
  const char* what;
  int width;
  std::vector<COLORREF> before;
  int x, y;
  COLORREF color;
  UINT type;
  BOOL result;
  std::vector<COLORREF> after;
};

const FloodCase kFloodCases[] = {
    {"surface fill stops at other colors", 3,
     {W, W, K,
      K, W, K,
      W, K, W},
     0, 0, W, FLOODFILLSURFACE, TRUE,
     {G, G, K,
      K, G, K,
      W, K, W}},
    {"diagonal neighbours are not connected", 2,
     {W, K,
      K, W},
     0, 0, W, FLOODFILLSURFACE, TRUE,
     {G, K,
      K, W}},
    {"a U shape is filled around its bend", 3,
     {W, K, W,
      W, K, W,
      W, W, W},
     0, 0, W, FLOODFILLSURFACE, TRUE,
     {G, K, G,
      G, K, G,
      G, G, G}},
    {"seed of another color fills nothing", 2,
     {K, W,
      W, W},
     0, 0, W, FLOODFILLSURFACE, FALSE,
     {K, W,
      W, W}},
    {"border fill stops at the border color only", 3,
     {W, R, K,
      W, K, W,
      K, W, W},
     0, 0, K, FLOODFILLBORDER, TRUE,
     {G, G, K,
      G, K, W,
      K, W, W}},
    {"border fill seeded on the border fills nothing", 2,
     {K, W,
      W, W},
     0, 0, K, FLOODFILLBORDER, FALSE,
     {K, W,
      W, W}},
};

TEST(GdiFloodFill, FourConnectedAreas) {
  for (const FloodCase& c : kFloodCases) {
    SCOPED_TRACE(c.what);
    const int height = static_cast<int>(c.before.size()) / c.width;
    MemoryTarget t(DisplayBitmap(c.width, height), c.width, height);
    t.Fill(c.before);
    HBRUSH fill = CreateSolidBrush(G);
    HGDIOBJ old = SelectObject(t.dc(), fill);
    EXPECT_EQ(ExtFloodFill(t.dc(), c.x, c.y, c.color, c.type), c.result);
    EXPECT_EQ(t.Pixels(), c.after);
    SelectObject(t.dc(), old);
    DeleteObject(fill);
  }
}

TEST(GdiFloodFill, StaysInsideTheClipRectangle) {
  void* raw = nullptr;
  MemoryTarget t(DibSection(3, 1, 32, {}, &raw), 3, 1);
  t.Fill({W, W, W});
  HBRUSH fill = CreateSolidBrush(G);
  HGDIOBJ old = SelectObject(t.dc(), fill);
  IntersectClipRect(t.dc(), 0, 0, 2, 1);
  EXPECT_TRUE(ExtFloodFill(t.dc(), 0, 0, W, FLOODFILLSURFACE));
  EXPECT_FALSE(ExtFloodFill(t.dc(), 2, 0, W, FLOODFILLSURFACE));  // seed outside the clip
  // Read the bits directly: GetPixel sees only the clipped part.
  const auto* bits = static_cast<const uint32_t*>(raw);
  EXPECT_EQ((std::vector<uint32_t>(bits, bits + 3)), (std::vector<uint32_t>{0xC0C0C0, 0xC0C0C0, 0xFFFFFF}));
  SelectObject(t.dc(), old);
  DeleteObject(fill);
}

TEST(GdiFloodFill, FillColorEqualToTheSurfaceColorEnds) {
  // Filling white with white must not loop forever.
  MemoryTarget t(DisplayBitmap(4, 4), 4, 4);
  t.Fill(std::vector<COLORREF>(16, W));
  EXPECT_TRUE(ExtFloodFill(t.dc(), 2, 2, W, FLOODFILLSURFACE));  // the DC's white brush
  EXPECT_EQ(t.Pixels(), std::vector<COLORREF>(16, W));
}

TEST(GdiFloodFill, IndexedBitmapComparesTheStoredColor) {
  // In a 16-color bitmap, the nearest table color of the asked one counts.
  std::vector<RGBQUAD> colors = {Quad(K), Quad(W), Quad(G)};
  MemoryTarget t(DibSection(2, 1, 4, colors), 2, 1);
  t.Fill({W, K});
  HBRUSH fill = CreateSolidBrush(G);
  HGDIOBJ old = SelectObject(t.dc(), fill);
  EXPECT_TRUE(ExtFloodFill(t.dc(), 0, 0, RGB(250, 250, 250), FLOODFILLSURFACE));
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{G, K}));
  SelectObject(t.dc(), old);
  DeleteObject(fill);
}

}  // namespace
}  // namespace velko::platform::testing
