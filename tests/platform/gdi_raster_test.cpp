// Raster operations pixel by pixel on tiny bitmaps: the ternary operations,
// the monochrome conversions, the transparent three-step blit, clipping and
// the four stretch modes.
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "tests/platform/gdi_fixture.h"

namespace velko::platform::testing {
namespace {

constexpr COLORREF kS = 0x00A0B0C0;  // source
constexpr COLORREF kD = 0x000F3CF0;  // destination
constexpr COLORREF kP = 0x00FF00FF;  // brush
constexpr COLORREF kMask = 0xFFFFFF;

struct RopCase {
  const char* name;
  DWORD rop;
  COLORREF expected;
};

// Each row decodes a different truth table; a wrong bit order in the
// decoding (pattern/source/destination swapped) fails several rows.
const RopCase kRopCases[] = {
    {"SRCCOPY", SRCCOPY, kS},
    {"SRCINVERT", SRCINVERT, kS ^ kD},
    {"SRCAND", SRCAND, kS & kD},
    {"SRCPAINT", SRCPAINT, kS | kD},
    {"SRCERASE", SRCERASE, kS & ~kD & kMask},
    {"NOTSRCCOPY", NOTSRCCOPY, ~kS & kMask},
    {"NOTSRCERASE", NOTSRCERASE, ~(kS | kD) & kMask},
    {"MERGECOPY", MERGECOPY, kP & kS},
    {"MERGEPAINT", MERGEPAINT, (~kS | kD) & kMask},
    {"PATCOPY", PATCOPY, kP},
    {"PATPAINT", PATPAINT, (kP | ~kS | kD) & kMask},
    {"PATINVERT", PATINVERT, kP ^ kD},
    {"DSTINVERT", DSTINVERT, ~kD & kMask},
    {"BLACKNESS", BLACKNESS, 0},
    {"WHITENESS", WHITENESS, kMask},
};

TEST(GdiBitBlt, TernaryOperationsOnColorPixels) {
  for (const RopCase& c : kRopCases) {
    SCOPED_TRACE(c.name);
    MemoryTarget source(DisplayBitmap(1, 1), 1, 1);
    MemoryTarget dest(DisplayBitmap(1, 1), 1, 1);
    source.Fill({kS});
    dest.Fill({kD});
    HBRUSH brush = CreateSolidBrush(kP);
    HGDIOBJ old = SelectObject(dest.dc(), brush);
    EXPECT_TRUE(BitBlt(dest.dc(), 0, 0, 1, 1, source.dc(), 0, 0, c.rop));
    EXPECT_EQ(GetPixel(dest.dc(), 0, 0), c.expected);
    SelectObject(dest.dc(), old);
    DeleteObject(brush);
  }
}

TEST(GdiBitBlt, ColorToMonochromeMatchesTheSourceBackground) {
  MemoryTarget source(DisplayBitmap(4, 1), 4, 1);
  MemoryTarget mono(MonoBitmap(4, 1), 4, 1);
  source.Fill({kRed, kWhite, kBlack, RGB(254, 0, 0)});
  SetBkColor(source.dc(), kRed);
  // The destination's own colors play no part in this direction.
  SetBkColor(mono.dc(), kBlue);
  SetTextColor(mono.dc(), kGreen);
  ASSERT_TRUE(BitBlt(mono.dc(), 0, 0, 4, 1, source.dc(), 0, 0, SRCCOPY));
  // Only the exact background color becomes 1; white is not special.
  EXPECT_EQ(mono.Pixels(), (std::vector<COLORREF>{kWhite, kBlack, kBlack, kBlack}));
}

TEST(GdiBitBlt, MonochromeToColorTakesTheDestinationColors) {
  MemoryTarget mono(MonoBitmap(2, 1), 2, 1);
  MemoryTarget dest(DisplayBitmap(2, 1), 2, 1);
  mono.Fill({kWhite, kBlack});
  SetBkColor(dest.dc(), kGreen);
  SetTextColor(dest.dc(), kBlue);
  // The source DC's colors must not be used.
  SetBkColor(mono.dc(), kRed);
  SetTextColor(mono.dc(), kRed);
  ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 2, 1, mono.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(dest.Pixels(), (std::vector<COLORREF>{kGreen, kBlue}));
}

TEST(GdiBitBlt, MonochromeToMonochromeCopiesBits) {
  MemoryTarget a(MonoBitmap(3, 1), 3, 1);
  MemoryTarget b(MonoBitmap(3, 1), 3, 1);
  a.Fill({kWhite, kBlack, kWhite});
  SetBkColor(b.dc(), kRed);
  ASSERT_TRUE(BitBlt(b.dc(), 0, 0, 3, 1, a.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(b.Pixels(), (std::vector<COLORREF>{kWhite, kBlack, kWhite}));
}

// The shared helpers' transparent blit: mask from the source with a white
// background, then XOR, AND with the mask, XOR.
void ThreeStepTransparentBlit(HDC dest, HDC source, int width, int height) {
  const COLORREF source_bk = GetBkColor(source);
  const COLORREF dest_bk = GetBkColor(dest);
  HDC mask_dc = CreateCompatibleDC(source);
  HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
  HGDIOBJ old = SelectObject(mask_dc, mask);
  SetBkColor(source, kWhite);
  BitBlt(mask_dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
  SetBkColor(dest, kWhite);
  BitBlt(dest, 0, 0, width, height, source, 0, 0, SRCINVERT);
  BitBlt(dest, 0, 0, width, height, mask_dc, 0, 0, SRCAND);
  BitBlt(dest, 0, 0, width, height, source, 0, 0, SRCINVERT);
  SetBkColor(source, source_bk);
  SetBkColor(dest, dest_bk);
  SelectObject(mask_dc, old);
  DeleteObject(mask);
  DeleteDC(mask_dc);
}

TEST(GdiBitBlt, ThreeStepBlitKeepsTheDestinationWhereTheSourceIsWhite) {
  MemoryTarget source(DisplayBitmap(4, 1), 4, 1);
  MemoryTarget dest(DisplayBitmap(4, 1), 4, 1);
  source.Fill({kWhite, kBlack, kWhite, RGB(1, 2, 3)});
  dest.Fill({kRed, kGreen, kBlue, kWhite});
  ThreeStepTransparentBlit(dest.dc(), source.dc(), 4, 1);
  EXPECT_EQ(dest.Pixels(), (std::vector<COLORREF>{kRed, kBlack, kBlue, RGB(1, 2, 3)}));
  EXPECT_EQ(GetBkColor(dest.dc()), kWhite);
}

TEST(GdiBitBlt, ClipRectangleLimitsTheDrawing) {
  void* raw = nullptr;
  MemoryTarget dest(DibSection(3, -3, 32, {}, &raw), 3, 3);
  dest.Fill(std::vector<COLORREF>(9, kWhite));
  EXPECT_EQ(IntersectClipRect(dest.dc(), 1, 1, 2, 3), SIMPLEREGION);
  RECT box;
  EXPECT_EQ(GetClipBox(dest.dc(), &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 1);
  EXPECT_EQ(box.bottom, 3);
  ASSERT_TRUE(PatBlt(dest.dc(), 0, 0, 3, 3, BLACKNESS));
  // Read the bits: GetPixel itself answers only inside the clip.
  const auto* bits = static_cast<const uint32_t*>(raw);
  EXPECT_EQ((std::vector<uint32_t>(bits, bits + 9)), (std::vector<uint32_t>{0xFFFFFF, 0xFFFFFF, 0xFFFFFF,  //
                                                                           0xFFFFFF, 0, 0xFFFFFF,         //
                                                                           0xFFFFFF, 0, 0xFFFFFF}));
  EXPECT_EQ(GetPixel(dest.dc(), 0, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(dest.dc(), 1, 1), kBlack);
  // A second rectangle narrows the first; a disjoint one leaves nothing.
  EXPECT_EQ(IntersectClipRect(dest.dc(), 2, 0, 3, 3), NULLREGION);
  EXPECT_EQ(GetPixel(dest.dc(), 1, 1), CLR_INVALID);
}

TEST(GdiBitBlt, SourceOutsideItsBitmapDrawsOnlyTheInsidePart) {
  MemoryTarget source(DisplayBitmap(2, 1), 2, 1);
  MemoryTarget dest(DisplayBitmap(3, 1), 3, 1);
  source.Fill({kRed, kGreen});
  dest.Fill({kWhite, kWhite, kWhite});
  ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 3, 1, source.dc(), 1, 0, SRCCOPY));
  EXPECT_EQ(dest.Pixels(), (std::vector<COLORREF>{kGreen, kWhite, kWhite}));
}

TEST(GdiBitBlt, OverlappingCopyWithinOneBitmap) {
  MemoryTarget t(DisplayBitmap(4, 1), 4, 1);
  t.Fill({kRed, kGreen, kBlue, kWhite});
  ASSERT_TRUE(BitBlt(t.dc(), 1, 0, 3, 1, t.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{kRed, kRed, kGreen, kBlue}));
}

TEST(GdiBitBlt, BadArguments) {
  MemoryTarget t(DisplayBitmap(1, 1), 1, 1);
  EXPECT_FALSE(BitBlt(0, 0, 0, 1, 1, t.dc(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(t.dc(), 0, 0, 1, 1, 0, 0, 0, SRCCOPY));  // needs a source
  EXPECT_TRUE(BitBlt(t.dc(), 0, 0, 1, 1, 0, 0, 0, WHITENESS));  // does not
  EXPECT_FALSE(PatBlt(t.dc(), 0, 0, 1, 1, SRCCOPY));
  EXPECT_FALSE(BitBlt(t.bitmap(), 0, 0, 1, 1, t.dc(), 0, 0, SRCCOPY));  // not a DC
}

constexpr COLORREF Gray(BYTE v) { return RGB(v, v, v); }

struct StretchCase {
  const char* what;
  int mode;
  std::vector<COLORREF> source;  // one row
  int dest_width;
  std::vector<COLORREF> expected;
};

const StretchCase kStretchCases[] = {
    // HALFTONE averages every source pixel a destination pixel covers.
    {"halftone halves", HALFTONE, {Gray(0), Gray(100), Gray(200), Gray(50)}, 2, {Gray(50), Gray(125)}},
    {"halftone 3 to 2 shares the middle pixel", HALFTONE, {Gray(0), Gray(90), Gray(180)}, 2, {Gray(45), Gray(135)}},
    {"halftone rounds", HALFTONE, {Gray(0), Gray(1)}, 1, {Gray(1)}},
    {"halftone averages channels apart", HALFTONE, {kRed, kBlue}, 1, {RGB(128, 0, 128)}},
    {"halftone enlarges by repeating", HALFTONE, {kRed, kBlue}, 4, {kRed, kRed, kBlue, kBlue}},
    // COLORONCOLOR picks the pixel under the destination pixel's center.
    {"coloroncolor picks centers", COLORONCOLOR, {kRed, kGreen, kBlue, kWhite}, 2, {kGreen, kWhite}},
    {"coloroncolor enlarges, a tie going right", COLORONCOLOR, {kRed, kBlue}, 3, {kRed, kBlue, kBlue}},
    // BLACKONWHITE keeps black (AND), WHITEONBLACK keeps white (OR).
    {"blackonwhite ANDs", BLACKONWHITE, {kWhite, kBlack, kWhite, kWhite}, 2, {kBlack, kWhite}},
    {"whiteonblack ORs", WHITEONBLACK, {kBlack, kWhite, kBlack, kBlack}, 2, {kWhite, kBlack}},
};

TEST(GdiStretchBlt, ModesOnOneRow) {
  for (const StretchCase& c : kStretchCases) {
    SCOPED_TRACE(c.what);
    const int sw = static_cast<int>(c.source.size());
    MemoryTarget source(DisplayBitmap(sw, 1), sw, 1);
    MemoryTarget dest(DisplayBitmap(c.dest_width, 1), c.dest_width, 1);
    source.Fill(c.source);
    EXPECT_NE(SetStretchBltMode(dest.dc(), c.mode), 0);
    ASSERT_TRUE(StretchBlt(dest.dc(), 0, 0, c.dest_width, 1, source.dc(), 0, 0, sw, 1, SRCCOPY));
    EXPECT_EQ(dest.Pixels(), c.expected);
  }
}

TEST(GdiStretchBlt, HalftoneAveragesInTwoDimensions) {
  MemoryTarget source(DisplayBitmap(2, 2), 2, 2);
  MemoryTarget dest(DisplayBitmap(1, 1), 1, 1);
  source.Fill({Gray(0), Gray(40), Gray(80), Gray(120)});
  SetStretchBltMode(dest.dc(), HALFTONE);
  ASSERT_TRUE(StretchBlt(dest.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(GetPixel(dest.dc(), 0, 0), Gray(60));
}

TEST(GdiStretchBlt, ModeBookkeepingAndFailures) {
  MemoryTarget source(DisplayBitmap(2, 2), 2, 2);
  MemoryTarget dest(DisplayBitmap(4, 4), 4, 4);
  EXPECT_EQ(GetStretchBltMode(dest.dc()), BLACKONWHITE);  // the default
  EXPECT_EQ(SetStretchBltMode(dest.dc(), HALFTONE), BLACKONWHITE);
  EXPECT_EQ(SetStretchBltMode(dest.dc(), 0), 0);
  EXPECT_EQ(SetStretchBltMode(dest.dc(), 5), 0);
  EXPECT_EQ(GetStretchBltMode(dest.dc()), HALFTONE);
  EXPECT_FALSE(StretchBlt(dest.dc(), 0, 0, -4, 4, source.dc(), 0, 0, 2, 2, SRCCOPY));
  EXPECT_FALSE(StretchBlt(dest.dc(), 0, 0, 4, 4, source.dc(), 1, 0, 2, 2, SRCCOPY));  // past the source
  EXPECT_TRUE(StretchBlt(dest.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, SRCCOPY));
}

TEST(GdiStretchBlt, ClippedDestinationKeepsTheMapping) {
  MemoryTarget source(DisplayBitmap(2, 1), 2, 1);
  MemoryTarget dest(DisplayBitmap(4, 1), 4, 1);
  source.Fill({kRed, kBlue});
  dest.Fill({kWhite, kWhite, kWhite, kWhite});
  IntersectClipRect(dest.dc(), 1, 0, 3, 1);
  SetStretchBltMode(dest.dc(), COLORONCOLOR);
  ASSERT_TRUE(StretchBlt(dest.dc(), 0, 0, 4, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(dest.Pixels(), (std::vector<COLORREF>{CLR_INVALID, kRed, kBlue, CLR_INVALID}));
}

TEST(GdiBrushOrigin, SetReturnsThePreviousOrigin) {
  MemoryTarget t(DisplayBitmap(1, 1), 1, 1);
  POINT previous{-1, -1};
  EXPECT_TRUE(SetBrushOrgEx(t.dc(), 7, 9, &previous));
  EXPECT_EQ(previous.x, 0);
  EXPECT_EQ(previous.y, 0);
  EXPECT_TRUE(SetBrushOrgEx(t.dc(), 1, 2, &previous));
  EXPECT_EQ(previous.x, 7);
  EXPECT_EQ(previous.y, 9);
  POINT now;
  EXPECT_TRUE(GetBrushOrgEx(t.dc(), &now));
  EXPECT_EQ(now.x, 1);
  EXPECT_FALSE(SetBrushOrgEx(0, 0, 0, nullptr));
}

}  // namespace
}  // namespace velko::platform::testing
