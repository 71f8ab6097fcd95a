// Device contexts of windows: painting through GetDC really changes the
// window's surface, within its client area, and the DC knows the window's
// place on the screen.
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"
#include "platform/user/user.h"
#include "tests/platform/gdi_fixture.h"

namespace velko::platform::testing {
namespace {

class GdiWindowDc : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, 100, 50, 60, 40, 0, 0, 0, nullptr);
    control_ = CreateWindowEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 5, 6, 4, 3, parent_,
                              static_cast<HMENU>(1024), 0, nullptr);
    ASSERT_NE(control_, 0u);
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND parent_ = 0;
  HWND control_ = 0;
};

TEST_F(GdiWindowDc, PaintingChangesTheWindowsSurface) {
  HDC dc = GetDC(control_);
  ASSERT_NE(dc, 0u);
  RECT box;
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 4);  // the client area
  EXPECT_EQ(box.bottom, 3);
  HBRUSH red = CreateSolidBrush(kRed);
  const RECT all{0, 0, 4, 3};
  FillRect(dc, &all, red);
  SetPixel(dc, 3, 2, kBlue);
  const std::shared_ptr<Surface> surface = WindowSurface(control_);
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface->pixels[0], kRed);
  EXPECT_EQ(surface->pixels[2 * 4 + 3], kBlue);
  EXPECT_EQ(GetPixel(dc, 3, 2), kBlue);
  EXPECT_EQ(ReleaseDC(parent_, dc), 0);  // not the parent's DC
  EXPECT_EQ(ReleaseDC(control_, dc), 1);
  DeleteObject(red);
}

TEST_F(GdiWindowDc, BlitFromAMemoryBitmapOntoTheWindow) {
  MemoryTarget picture(DisplayBitmap(2, 1), 2, 1);
  picture.Fill({kGreen, kBlue});
  HDC dc = GetDC(control_);
  ASSERT_TRUE(BitBlt(dc, 1, 1, 2, 1, picture.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(dc, 1, 1), kGreen);
  EXPECT_EQ(GetPixel(dc, 2, 1), kBlue);
  // A bitmap made compatible with a window DC has the display's format.
  HBITMAP compatible = CreateCompatibleBitmap(dc, 2, 2);
  BITMAP b{};
  GetObject(compatible, sizeof b, &b);
  EXPECT_EQ(b.bmBitsPixel, 32);
  DeleteObject(compatible);
  ReleaseDC(control_, dc);
}

TEST_F(GdiWindowDc, OriginIsTheWindowsScreenPosition) {
  HDC dc = GetDC(control_);
  POINT origin{};
  ASSERT_TRUE(GetDCOrgEx(dc, &origin));
  const ScreenOrigin expected = WindowScreenOrigin(control_);
  EXPECT_EQ(origin.x, expected.x);
  EXPECT_EQ(origin.y, expected.y);
  EXPECT_GE(origin.x, 105);  // the parent's place plus the control's
  ReleaseDC(control_, dc);
}

TEST_F(GdiWindowDc, NoWindowNoDc) {
  const HWND gone = control_;
  DestroyWindow(control_);
  EXPECT_EQ(GetDC(gone), 0u);
  EXPECT_EQ(GetDC(0x12345678), 0u);
}

}  // namespace
}  // namespace velko::platform::testing
