// Device contexts and GDI objects of the class library: every handle they
// make is gone when they are, whatever order they go in, and painting
// through CPaintDC and CClientDC reaches the window's pixels.
#include <functional>

#include "tests/platform/afx_test_support.h"

namespace velko::platform::afx_test {
namespace {

using vp_action = velko::platform::UserAction;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

std::size_t HandleCount() { return velko::platform::Handles().size(); }

// Makes the stock objects a DC starts with, which live for the process.
void MakeStockObjects() {
  CDC warm;
  warm.CreateCompatibleDC(nullptr);
}

TEST(AfxGdi, HandlesAreReleasedWhateverOrderObjectsGoIn) {
  MakeStockObjects();
  struct Case {
    const char* name;
    std::function<void()> use;
  } cases[] = {
      // Objects made after the DC go first, while still selected.
      {"objects go while selected",
       [] {
         CDC dc;
         ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
         CBitmap bitmap;
         ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 4, 4));
         CBrush brush(kRed);
         CPalette palette;
         ASSERT_TRUE(palette.CreateHalftonePalette(&dc));
         CPalette second;
         ASSERT_TRUE(second.CreateHalftonePalette(&dc));
         EXPECT_NE(dc.SelectObject(&bitmap), 0u);
         EXPECT_NE(dc.SelectObject(&brush), 0u);
         EXPECT_NE(dc.SelectPalette(&palette, FALSE), 0u);
         EXPECT_EQ(dc.SelectObject(second), palette.m_hObject) << "a palette selected as an object";
       }},
      // The DC goes first and lets its objects go.
      {"DC goes first",
       [] {
         CBitmap bitmap;
         CBrush brush;
         ASSERT_TRUE(brush.CreateSolidBrush(kBlue));
         CDC dc;
         ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
         ASSERT_TRUE(bitmap.CreateBitmap(3, 3, 1, 1, nullptr));
         dc.SelectObject(bitmap);
         dc.SelectObject(&brush);
       }},
      // The caller selects the old objects back, as the system's code does.
      {"old objects selected back",
       [] {
         CDC dc;
         ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
         CBitmap bitmap;
         ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 2, 2));
         const HGDIOBJ old = dc.SelectObject(&bitmap);
         dc.SelectObject(old);
         EXPECT_TRUE(bitmap.DeleteObject()) << "deselected, so it can be deleted";
       }},
      // A second CDC takes the same bitmap after the first let it go.
      {"bitmap moves between DCs",
       [] {
         CBitmap bitmap;
         CDC first;
         ASSERT_TRUE(first.CreateCompatibleDC(nullptr));
         ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 32, nullptr));
         first.SelectObject(&bitmap);
         EXPECT_TRUE(first.DeleteDC());
         CDC second;
         ASSERT_TRUE(second.CreateCompatibleDC(nullptr));
         EXPECT_NE(second.SelectObject(&bitmap), 0u) << "the first DC let the bitmap go";
       }},
      {"detached objects are the caller's",
       [] {
         CBrush brush(kRed);
         const HGDIOBJ handle = brush.Detach();
         EXPECT_EQ(brush.m_hObject, 0u);
         EXPECT_TRUE(::DeleteObject(handle));
       }},
  };
  for (const Case& c : cases) {
    const std::size_t before = HandleCount();
    c.use();
    EXPECT_EQ(HandleCount(), before) << c.name;
  }
}

TEST(AfxGdi, CreateRefusesAWrapperThatHoldsAnObject) {
  MakeStockObjects();
  const std::size_t before = HandleCount();
  {
    CBrush brush(kRed);
    const HGDIOBJ first = brush.m_hObject;
    EXPECT_FALSE(brush.CreateSolidBrush(kBlue));
    EXPECT_EQ(brush.m_hObject, first) << "the first brush is kept, not leaked";
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
  }
  EXPECT_EQ(HandleCount(), before);
}

TEST(AfxGdi, MemoryDrawingThroughTheWrappers) {
  MakeStockObjects();
  const std::size_t before = HandleCount();
  {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 2, 1, 32, nullptr));
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(CRect(0, 0, 4, 2), kBlue);
    CBrush red(kRed);
    dc.FillRect(CRect(1, 0, 3, 1), &red);
    EXPECT_EQ(dc.GetPixel(0, 0), kBlue);
    EXPECT_EQ(dc.GetPixel(1, 0), kRed);
    EXPECT_EQ(dc.GetPixel(3, 1), kBlue);
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255)) << "FillSolidRect leaves the DC's colors alone";
    BITMAP description{};
    EXPECT_EQ(bitmap.GetBitmap(&description), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(description.bmWidth, 4);
    EXPECT_EQ(description.bmHeight, 2);
    CPalette palette;
    ASSERT_TRUE(palette.CreateHalftonePalette(&dc));
    EXPECT_GT(palette.GetEntryCount(), 0);
  }
  EXPECT_EQ(HandleCount(), before);
}

TEST_F(AfxTest, BitmapsLoadFromTheResourceModule) {
  MakeStockObjects();
  const std::size_t before = HandleCount();
  {
    CBitmap picture;
    ASSERT_TRUE(picture.LoadBitmap(kPicture));
    BITMAP description{};
    picture.GetBitmap(&description);
    EXPECT_EQ(description.bmWidth, 2);
    EXPECT_EQ(description.bmHeight, 1);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SelectObject(&picture);
    EXPECT_EQ(dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(dc.GetPixel(1, 0), kBlue);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4999));
    EXPECT_EQ(missing.m_hObject, 0u);
  }
  EXPECT_EQ(HandleCount(), before);
}

// Paints a red square at its client origin on every WM_PAINT; a click on
// the warn button reads the pixels back through a client DC.
class PaintingDlg : public CDialog {
 public:
  PaintingDlg() : CDialog(kNameDialog) { MapCommand(kWarnButton, &PaintingDlg::OnRead); }
  int paints = 0;
  COLORREF inside = CLR_INVALID;
  COLORREF outside = CLR_INVALID;
  BOOL still_invalid = TRUE;

 protected:
  void OnPaint() override {
    CPaintDC dc(this);
    CBrush red(kRed);
    const HGDIOBJ old = dc.SelectObject(&red);
    dc.PatBlt(0, 0, 3, 3, PATCOPY);
    dc.SelectObject(old);
    ++paints;
  }

 private:
  void OnRead() {
    CClientDC dc(this);
    inside = dc.GetPixel(1, 1);
    outside = dc.GetPixel(5, 5);
    still_invalid = ::GetUpdateRect(m_hWnd, nullptr, FALSE);
  }
};

TEST_F(AfxTest, PaintingReachesTheWindowsPixels) {
  MakeStockObjects();
  const std::size_t before = HandleCount();
  QueuedInput input({vp_action::Click(kWarnButton), vp_action::Ok()});
  ScopedInputSource use(input);
  PaintingDlg dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_GE(dialog.paints, 1);
  EXPECT_EQ(dialog.inside, kRed);
  EXPECT_EQ(dialog.outside, velko::platform::kDialogFaceColor);
  EXPECT_FALSE(dialog.still_invalid) << "CPaintDC validates the window";
  EXPECT_EQ(HandleCount(), before) << "the dialog, its DCs and brushes are all gone";
}

TEST(AfxGdi, ScreenClientDcReportsTheDisplay) {
  MakeStockObjects();
  const std::size_t before = HandleCount();
  {
    CClientDC screen(static_cast<CWnd*>(nullptr));
    ASSERT_NE(screen.m_hDC, 0u);
    EXPECT_EQ(screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE, 0) << "the default display has no palette";
  }
  EXPECT_EQ(HandleCount(), before);
}

}  // namespace
}  // namespace velko::platform::afx_test
