// Banner painting of the four page procedures: a WM_PAINT or WM_DRAWITEM
// call paints the page's banner into the surface of control 1024 of the
// page window, white left transparent, on a real window tree of the
// platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "platform/gdi/surface.h"
#include "platform/win32.h"
#include "ui/core/page_helpers.h"
#include "ui/core/ui_app.h"
#include "ui/pages/page_procedures.h"

namespace {

using namespace velko;
using namespace velko::ui;
using velko::platform::ControlTemplate;
using velko::platform::DialogTemplate;

using PageProcedure = int32_t (*)(const FlatPageMessage*, SettingsRecord*, SettingsRecord*);

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOwnColor = RGB(192, 192, 192);  // what control 1024 shows before the banner

// A page with its picture area, big enough for the version page's banner
// (303 x 40 pixels), and a control of another id beside it.
constexpr ControlTemplate kPageControls[] = {
    {1024, "STATIC", "", WS_VISIBLE | SS_LEFT, 4, 4, 210, 30},
    {1026, "STATIC", "", WS_VISIBLE | SS_LEFT, 4, 40, 60, 10},
};
constexpr DialogTemplate kPage{.caption = "Page",
                               .font_name = "MS Shell Dlg",
                               .font_size = 8,
                               .cx = 220,
                               .cy = 60,
                               .controls = kPageControls,
                               .style = WS_POPUP | WS_VISIBLE};
constexpr ControlTemplate kBarePageControls[] = {
    {1026, "STATIC", "", WS_VISIBLE | SS_LEFT, 4, 40, 60, 10},
};
constexpr DialogTemplate kBarePage{.caption = "Bare",
                                   .font_name = "MS Shell Dlg",
                                   .font_size = 8,
                                   .cx = 100,
                                   .cy = 60,
                                   .controls = kBarePageControls,
                                   .style = WS_POPUP | WS_VISIBLE};

std::vector<COLORREF> BitmapPixels(WORD id, int* width, int* height) {
  const HBITMAP bitmap = LoadBitmap(ModuleInstance, MAKEINTRESOURCE(id));
  BITMAP description{};
  GetObject(bitmap, sizeof description, &description);
  *width = description.bmWidth;
  *height = description.bmHeight;
  const HDC dc = CreateCompatibleDC(0);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < *height; ++y) {
    for (int x = 0; x < *width; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return pixels;
}

// The surface of `control` as the banner `id` over `background` should
// leave it.
std::vector<COLORREF> ExpectedSurface(WORD id, const velko::platform::Surface& surface, COLORREF background) {
  int w = 0, h = 0;
  const std::vector<COLORREF> banner = BitmapPixels(id, &w, &h);
  std::vector<COLORREF> pixels(surface.pixels.size(), background);
  for (int y = 0; y < std::min(h, surface.height); ++y) {
    for (int x = 0; x < std::min(w, surface.width); ++x) {
      const COLORREF p = banner[static_cast<std::size_t>(y) * w + x];
      if (p != kWhite) pixels[static_cast<std::size_t>(y) * surface.width + x] = p;
    }
  }
  return pixels;
}

INT_PTR PageFrameProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

class PageBanner : public ::testing::Test {
 protected:
  void SetUp() override {
    page_ = CreateDialogIndirectParam(0, &kPage, 0, PageFrameProc, 0);
    ASSERT_NE(page_, 0u);
    control_ = GetDlgItem(page_, 1024);
    ASSERT_NE(control_, 0u);
    PaintOwnColor();
  }
  void TearDown() override {
    for (HWND top : velko::platform::TopLevelWindows()) DestroyWindow(top);
  }

  void PaintOwnColor() {
    std::shared_ptr<velko::platform::Surface> surface = Surface();
    ASSERT_TRUE(surface);
    ASSERT_GE(surface->width, 303);
    ASSERT_GE(surface->height, 40);
    std::fill(surface->pixels.begin(), surface->pixels.end(), kOwnColor);
  }
  std::shared_ptr<velko::platform::Surface> Surface() const { return velko::platform::WindowSurface(control_); }

  HWND page_ = 0;
  HWND control_ = 0;
};

FlatPageMessage PageCall(int32_t pageId, HWND window, UINT message) {
  FlatPageMessage m{};
  m.PageId = pageId;
  m.Window = window;
  m.Message = message;
  return m;
}

struct BannerCase {
  const char* what;
  PageProcedure procedure;
  int32_t pageId;
  UINT message;
  int32_t colorMode;
  WORD banner;
  COLORREF ink;
};

TEST_F(PageBanner, EachPagePaintsItsBannerIntoControl1024) {
  const COLORREF blue = RGB(0x00, 0x30, 0xC0), gray = RGB(128, 128, 128);
  const BannerCase cases[] = {
      {"main page", MainPropPage, kMainPageId, WM_PAINT, 0, 2163, blue},
      {"main page, owner draw", MainPropPage, kMainPageId, WM_DRAWITEM, 0, 2163, blue},
      {"options page", OptPropPage, kOptionsPageId, WM_DRAWITEM, 0, 2163, blue},
      {"version page", VerPropPage, kVersionPageId, WM_PAINT, 0, 2164, blue},
      {"color page, document mode", ColorPropPage, kColorPageId, WM_PAINT, 0, 2163, blue},
      {"color page, monochrome mode: gray", ColorPropPage, kColorPageId, WM_DRAWITEM, 3, 2198, gray},
      {"color page, custom mode", ColorPropPage, kColorPageId, WM_PAINT, 4, 2163, blue},
      {"color page, no color adjustment", ColorPropPage, kColorPageId, WM_PAINT, 6, 2163, blue},
  };
  for (const BannerCase& c : cases) {
    PaintOwnColor();
    SettingsRecord current{}, defaults{};
    current.ColorMode = c.colorMode;
    const FlatPageMessage message = PageCall(c.pageId, page_, c.message);
    EXPECT_EQ(c.procedure(&message, &current, &defaults), 1) << c.what;

    const auto surface = Surface();
    EXPECT_EQ(surface->pixels, ExpectedSurface(c.banner, *surface, kOwnColor)) << c.what;
    EXPECT_GT(std::count(surface->pixels.begin(), surface->pixels.end(), c.ink), 50) << c.what << ": no word mark";
    EXPECT_EQ(std::count(surface->pixels.begin(), surface->pixels.end(), kWhite), 0)
        << c.what << ": the banner's white must stay the control's own color";
  }
}

TEST_F(PageBanner, TheBannerSurvivesThePlatformsPaintPass) {
  // The page's frame forwards WM_PAINT to the page procedure as the driver's
  // page does; the control's own paint comes after and must not wipe it.
  static HWND forwarded = 0;
  const DLGPROC forwarding = [](HWND window, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_PAINT) {
      SettingsRecord current{}, defaults{};
      const FlatPageMessage call = PageCall(kVersionPageId, window, WM_PAINT);
      VerPropPage(&call, &current, &defaults);
      forwarded = window;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
  };
  DestroyWindow(page_);
  page_ = CreateDialogIndirectParam(0, &kPage, 0, forwarding, 0);
  ASSERT_NE(page_, 0u);
  control_ = GetDlgItem(page_, 1024);
  velko::platform::DispatchPendingPaints();  // the first paint of the new page
  PaintOwnColor();
  forwarded = 0;

  InvalidateRect(page_, nullptr, TRUE);
  velko::platform::DispatchPendingPaints();
  EXPECT_EQ(forwarded, page_);
  const auto surface = Surface();
  EXPECT_EQ(surface->pixels, ExpectedSurface(2164, *surface, kOwnColor));
}

TEST_F(PageBanner, APageWithoutControl1024PaintsNothingAndStillAnswersOne) {
  const HWND bare = CreateDialogIndirectParam(0, &kBarePage, 0, PageFrameProc, 0);
  ASSERT_NE(bare, 0u);
  const HWND other = GetDlgItem(bare, 1026);
  const auto before = velko::platform::WindowSurface(other)->pixels;
  SettingsRecord current{}, defaults{};
  const FlatPageMessage message = PageCall(kMainPageId, bare, WM_PAINT);
  EXPECT_EQ(MainPropPage(&message, &current, &defaults), 1);
  EXPECT_EQ(velko::platform::WindowSurface(other)->pixels, before);
  DestroyWindow(bare);
}

}  // namespace
