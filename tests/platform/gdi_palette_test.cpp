// Palettes and the palette display: RC_PALETTE off by default and
// switchable, logical palettes, and the mapping of colors to the realized
// palette on windows and display-format bitmaps.
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "tests/platform/gdi_fixture.h"

namespace velko::platform::testing {
namespace {

class GdiPalette : public ::testing::Test {
 protected:
  void TearDown() override { SetDisplayPaletteMode(false); }

  // A logical palette of `n` entries, entry i = color(i).
  template <class ColorOf>
  static HPALETTE MakePalette(int n, ColorOf color) {
    std::vector<uint8_t> storage(sizeof(LOGPALETTE) + n * sizeof(PALETTEENTRY));
    auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
    log->palVersion = 0x300;
    log->palNumEntries = static_cast<WORD>(n);
    for (int i = 0; i < n; ++i) {
      const COLORREF c = color(i);
      log->palPalEntry[i] = PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), PC_RESERVED};
    }
    return CreatePalette(log);
  }
};

TEST_F(GdiPalette, RasterCapsSwitch) {
  HDC screen = GetDC(0);
  EXPECT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
  EXPECT_NE(GetDeviceCaps(screen, RASTERCAPS) & RC_STRETCHBLT, 0);
  EXPECT_EQ(GetDeviceCaps(screen, SIZEPALETTE), 0);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
  SetDisplayPaletteMode(true);
  EXPECT_NE(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
  EXPECT_EQ(GetDeviceCaps(screen, SIZEPALETTE), 256);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 8);
  HDC memory = CreateCompatibleDC(screen);
  EXPECT_NE(GetDeviceCaps(memory, RASTERCAPS) & RC_PALETTE, 0);  // memory DCs report the display
  DeleteDC(memory);
  ReleaseDC(0, screen);
  EXPECT_EQ(GetDeviceCaps(0, RASTERCAPS), 0);
}

TEST_F(GdiPalette, LogicalPaletteEntries) {
  HPALETTE p = MakePalette(4, [](int i) { return RGB(i, 0, 0); });
  ASSERT_NE(p, 0u);
  WORD count = 0;
  EXPECT_EQ(GetObject(p, sizeof count, &count), 2);
  EXPECT_EQ(count, 4);
  const PALETTEENTRY two[2] = {{9, 9, 9, 0}, {8, 8, 8, 0}};
  EXPECT_EQ(SetPaletteEntries(p, 3, 2, two), 1u);  // cut at the end of the palette
  EXPECT_EQ(SetPaletteEntries(p, 4, 1, two), 0u);
  PALETTEENTRY back[4];
  EXPECT_EQ(GetPaletteEntries(p, 0, 4, back), 4u);
  EXPECT_EQ(back[3].peRed, 9);
  EXPECT_EQ(back[2].peRed, 2);
  EXPECT_EQ(GetPaletteEntries(p, 0, 0, nullptr), 4u);
  EXPECT_EQ(GetNearestPaletteIndex(p, RGB(2, 1, 0)), 2u);
  EXPECT_TRUE(DeleteObject(p));

  LOGPALETTE bad{0x200, 1, {{0, 0, 0, 0}}};
  EXPECT_EQ(CreatePalette(&bad), 0u);
  bad.palVersion = 0x300;
  bad.palNumEntries = 0;
  EXPECT_EQ(CreatePalette(&bad), 0u);
}

TEST_F(GdiPalette, HalftonePaletteHoldsTheColorCube) {
  HPALETTE p = CreateHalftonePalette(0);
  PALETTEENTRY entries[256];
  ASSERT_EQ(GetPaletteEntries(p, 0, 256, entries), 256u);
  const COLORREF must[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(51, 102, 153), RGB(204, 0, 255), RGB(192, 192, 192)};
  for (COLORREF c : must) {
    const UINT i = GetNearestPaletteIndex(p, c);
    EXPECT_EQ(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue), c);
  }
  DeleteObject(p);
}

TEST_F(GdiPalette, SelectAndRealize) {
  MemoryTarget t(DisplayBitmap(1, 1), 1, 1);
  HPALETTE p = CreateHalftonePalette(t.dc());
  const HPALETTE previous = SelectPalette(t.dc(), p, FALSE);
  EXPECT_EQ(previous, GetStockObject(DEFAULT_PALETTE));
  EXPECT_EQ(RealizePalette(t.dc()), 0u);  // a true-color display maps nothing
  SetDisplayPaletteMode(true);
  EXPECT_EQ(RealizePalette(t.dc()), 256u);
  EXPECT_FALSE(DeleteObject(p));  // selected
  EXPECT_EQ(SelectPalette(t.dc(), previous, FALSE), p);
  EXPECT_TRUE(DeleteObject(p));
  EXPECT_EQ(SelectPalette(t.dc(), p, FALSE), 0u);  // deleted
}

TEST_F(GdiPalette, TrueColorDisplayKeepsEveryColor) {
  MemoryTarget t(DisplayBitmap(1, 1), 1, 1);
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, RGB(201, 13, 77)), RGB(201, 13, 77));
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, PALETTERGB(1, 2, 3)), RGB(1, 2, 3));
}

TEST_F(GdiPalette, ColorsMapToTheRealizedPalette) {
  SetDisplayPaletteMode(true);
  MemoryTarget t(DisplayBitmap(1, 1), 1, 1);
  // Without a realized palette: the 20 static colors.
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, PALETTERGB(255, 48, 48)), RGB(255, 0, 0));
  // A red ramp, selected but not yet realized: still the static colors.
  HPALETTE ramp = MakePalette(255, [](int i) { return RGB(255, i, i); });
  HPALETTE old = SelectPalette(t.dc(), ramp, FALSE);
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, PALETTERGB(255, 48, 48)), RGB(255, 0, 0));
  RealizePalette(t.dc());
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, PALETTERGB(255, 48, 48)), RGB(255, 48, 48));
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, RGB(250, 40, 50)), RGB(255, 45, 45));
  EXPECT_EQ(GetNearestColor(t.dc(), RGB(0, 0, 0)), RGB(255, 0, 0));
  // A palette index names the selected palette's entry.
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, PALETTEINDEX(7)), RGB(255, 7, 7));
  SelectPalette(t.dc(), old, FALSE);
  DeleteObject(ramp);
}

TEST_F(GdiPalette, DibSectionsAreNotMapped) {
  SetDisplayPaletteMode(true);
  MemoryTarget t(DibSection(1, 1, 24), 1, 1);
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, PALETTERGB(201, 13, 77)), RGB(201, 13, 77));
}

TEST_F(GdiPalette, HalftoneStretchMapsTheAverage) {
  SetDisplayPaletteMode(true);
  MemoryTarget source(DibSection(2, 1, 24), 2, 1);
  MemoryTarget dest(DisplayBitmap(1, 1), 1, 1);
  source.Fill({RGB(190, 0, 0), RGB(210, 20, 20)});
  HPALETTE halftone = CreateHalftonePalette(dest.dc());
  HPALETTE old = SelectPalette(dest.dc(), halftone, FALSE);
  RealizePalette(dest.dc());
  SetStretchBltMode(dest.dc(), HALFTONE);
  ASSERT_TRUE(StretchBlt(dest.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
  // The average (200, 10, 10) shows as the cube's nearest color.
  EXPECT_EQ(GetPixel(dest.dc(), 0, 0), RGB(204, 0, 0));
  SelectPalette(dest.dc(), old, FALSE);
  DeleteObject(halftone);
}

TEST_F(GdiPalette, TransparentBlitStaysExactOnAPaletteDisplay) {
  // The XOR, AND, XOR sequence must give back the destination where the
  // source is white, though the source's colors are mapped.
  SetDisplayPaletteMode(true);
  MemoryTarget source(DibSection(2, 1, 24), 2, 1);
  MemoryTarget dest(DisplayBitmap(2, 1), 2, 1);
  HPALETTE halftone = CreateHalftonePalette(dest.dc());
  SelectPalette(dest.dc(), halftone, FALSE);
  RealizePalette(dest.dc());
  dest.Fill({RGB(51, 102, 153), RGB(0, 255, 0)});
  source.Fill({kWhite, RGB(200, 10, 10)});
  HDC mask_dc = CreateCompatibleDC(source.dc());
  HBITMAP mask = MonoBitmap(2, 1);
  HGDIOBJ old = SelectObject(mask_dc, mask);
  BitBlt(mask_dc, 0, 0, 2, 1, source.dc(), 0, 0, SRCCOPY);
  BitBlt(dest.dc(), 0, 0, 2, 1, source.dc(), 0, 0, SRCINVERT);
  BitBlt(dest.dc(), 0, 0, 2, 1, mask_dc, 0, 0, SRCAND);
  BitBlt(dest.dc(), 0, 0, 2, 1, source.dc(), 0, 0, SRCINVERT);
  EXPECT_EQ(dest.Pixels(), (std::vector<COLORREF>{RGB(51, 102, 153), RGB(204, 0, 0)}));
  SelectObject(mask_dc, old);
  DeleteObject(mask);
  DeleteDC(mask_dc);
  SelectPalette(dest.dc(), GetStockObject(DEFAULT_PALETTE), FALSE);
  DeleteObject(halftone);
}

}  // namespace
}  // namespace velko::platform::testing
