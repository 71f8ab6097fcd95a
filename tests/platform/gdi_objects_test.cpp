// Bitmaps, DIB sections, brushes and DCs as objects: their descriptions,
// the DIB row layout, selection rules and deletion.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/gdi.h"
#include "tests/platform/gdi_fixture.h"

namespace velko::platform::testing {
namespace {

struct DibCase {
  int bits;
  int width;
  int height;
  LONG width_bytes;  // rows padded to 4 bytes
};

const DibCase kDibCases[] = {
    {1, 1, 2, 4},     // one bit still takes a whole 4-byte row
    {1, 33, 1, 8},    // 33 bits spill into a second DWORD
    {4, 9, 1, 8},     // 9 nibbles = 5 bytes -> 8
    {8, 5, 3, 8},
    {24, 3, 2, 12},   // 9 bytes -> 12
    {24, 4, -2, 12},  // top-down: same row size
    {32, 3, 1, 12},
};

TEST(GdiDibSection, DescriptionAndRowLayout) {
  for (const DibCase& c : kDibCases) {
    SCOPED_TRACE(::testing::Message() << c.bits << " bits, " << c.width << " x " << c.height);
    void* bits = nullptr;
    std::vector<RGBQUAD> colors(c.bits <= 8 ? 2 : 0, Quad(kBlack));
    HBITMAP bitmap = DibSection(c.width, c.height, c.bits, colors, &bits);
    ASSERT_NE(bitmap, 0u);
    ASSERT_NE(bits, nullptr);
    BITMAP description{};
    EXPECT_EQ(GetObject(bitmap, sizeof description, &description), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(description.bmWidth, c.width);
    EXPECT_EQ(description.bmHeight, std::abs(c.height));  // always positive
    EXPECT_EQ(description.bmWidthBytes, c.width_bytes);
    EXPECT_EQ(description.bmBitsPixel, c.bits);
    EXPECT_EQ(description.bmPlanes, 1);
    EXPECT_EQ(description.bmBits, bits);
    DIBSECTION section{};
    EXPECT_EQ(GetObject(bitmap, sizeof section, &section), static_cast<int>(sizeof(DIBSECTION)));
    EXPECT_EQ(section.dsBmih.biHeight, c.height);  // keeps the sign
    EXPECT_TRUE(DeleteObject(bitmap));
  }
}

TEST(GdiDibSection, BottomUpRowsAndBgrBytes) {
  void* raw = nullptr;
  HBITMAP bitmap = DibSection(2, 2, 24, {}, &raw);
  MemoryTarget t(bitmap, 2, 2);
  SetPixelV(t.dc(), 0, 0, RGB(1, 2, 3));     // top row
  SetPixelV(t.dc(), 1, 1, RGB(10, 20, 30));  // bottom row
  const auto* bits = static_cast<const uint8_t*>(raw);
  // The bottom row comes first; each pixel is blue, green, red.
  EXPECT_EQ((std::vector<uint8_t>(bits, bits + 6)), (std::vector<uint8_t>{0, 0, 0, 30, 20, 10}));
  EXPECT_EQ((std::vector<uint8_t>(bits + 8, bits + 14)), (std::vector<uint8_t>{3, 2, 1, 0, 0, 0}));
}

TEST(GdiDibSection, BitsWrittenDirectlyAreSeenByTheDc) {
  void* raw = nullptr;
  HBITMAP bitmap = DibSection(1, -2, 32, {}, &raw);  // top-down
  auto* bits = static_cast<uint8_t*>(raw);
  bits[4 + 0] = 0x30;  // second row = bottom pixel, blue
  bits[4 + 2] = 0x10;  // red
  MemoryTarget t(bitmap, 1, 2);
  EXPECT_EQ(GetPixel(t.dc(), 0, 1), RGB(0x10, 0, 0x30));
  EXPECT_EQ(GetPixel(t.dc(), 0, 0), kBlack);
}

TEST(GdiDibSection, IndexedPixelsTakeTheNearestTableColor) {
  void* raw = nullptr;
  HBITMAP bitmap = DibSection(3, 1, 8, {Quad(kBlack), Quad(kRed), Quad(kWhite)}, &raw);
  MemoryTarget t(bitmap, 3, 1);
  EXPECT_EQ(SetPixel(t.dc(), 0, 0, RGB(200, 10, 10)), kRed);  // returns what it stored
  EXPECT_EQ(SetPixel(t.dc(), 1, 0, RGB(240, 240, 240)), kWhite);
  EXPECT_EQ(SetPixel(t.dc(), 2, 0, PALETTERGB(20, 0, 0)), kBlack);
  const auto* bits = static_cast<const uint8_t*>(raw);
  EXPECT_EQ((std::vector<uint8_t>(bits, bits + 3)), (std::vector<uint8_t>{1, 2, 0}));
}

TEST(GdiDibSection, FourAndOneBitPacking) {
  std::vector<RGBQUAD> colors(16, Quad(kBlack));
  colors[5] = Quad(kRed);
  colors[10] = Quad(kBlue);
  void* raw4 = nullptr;
  HBITMAP four = DibSection(3, 1, 4, colors, &raw4);
  MemoryTarget t4(four, 3, 1);
  t4.Fill({kRed, kBlue, kRed});
  const auto* b4 = static_cast<const uint8_t*>(raw4);
  EXPECT_EQ(b4[0], 0x5A);  // high nibble first
  EXPECT_EQ(b4[1], 0x50);

  void* raw1 = nullptr;
  HBITMAP one = DibSection(9, 1, 1, {Quad(kWhite), Quad(kBlack)}, &raw1);  // 0 is white here
  MemoryTarget t1(one, 9, 1);
  t1.Fill({kBlack, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kBlack, kBlack});
  const auto* b1 = static_cast<const uint8_t*>(raw1);
  EXPECT_EQ(b1[0], 0x81);  // most significant bit first
  EXPECT_EQ(b1[1], 0x80);
}

TEST(GdiDibSection, RefusesWhatItCannotHold) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 2, 2, 1, 24, BI_RLE8, 0, 0, 0, 0, 0};
  void* bits = reinterpret_cast<void*>(1);
  EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0), 0u);
  EXPECT_EQ(bits, nullptr);  // cleared on failure
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biBitCount = 7;
  EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0), 0u);
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biWidth = 0;
  EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0), 0u);
  info.bmiHeader.biWidth = 100000;
  info.bmiHeader.biHeight = 100000;  // 30 GB: refused, not attempted
  EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0), 0u);
}

TEST(GdiBitmap, DeviceDependentDescriptions) {
  HBITMAP mono = MonoBitmap(17, 3);
  BITMAP b{};
  ASSERT_EQ(GetObject(mono, sizeof b, &b), static_cast<int>(sizeof b));
  EXPECT_EQ(b.bmBitsPixel, 1);
  EXPECT_EQ(b.bmWidthBytes, 4);  // 17 bits padded to a WORD boundary
  EXPECT_EQ(b.bmBits, nullptr);
  DeleteObject(mono);

  HBITMAP display = DisplayBitmap(3, 2);
  ASSERT_EQ(GetObject(display, sizeof b, &b), static_cast<int>(sizeof b));
  EXPECT_EQ(b.bmBitsPixel, 32);
  EXPECT_EQ(b.bmWidthBytes, 12);
  EXPECT_EQ(GetObject(display, 4, &b), 0);  // too small a buffer
  EXPECT_EQ(GetObject(display, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
  DeleteObject(display);
}

TEST(GdiBitmap, CreateBitmapTakesWordAlignedRows) {
  const uint8_t rows[] = {0xA0, 0x00, 0x40, 0x00};  // 3 x 2: 1 0 1 / 0 1 0
  MemoryTarget t(CreateBitmap(3, 2, 1, 1, rows), 3, 2);
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{kWhite, kBlack, kWhite, kBlack, kWhite, kBlack}));
  EXPECT_EQ(CreateBitmap(3, 2, 1, 8, nullptr), 0u);  // only monochrome and the display format
  EXPECT_EQ(CreateBitmap(3, 2, 2, 1, nullptr), 0u);
}

TEST(GdiBitmap, CompatibleBitmapOfAFreshMemoryDcIsMonochrome) {
  HDC memory = CreateCompatibleDC(0);
  HBITMAP bitmap = CreateCompatibleBitmap(memory, 4, 4);
  BITMAP b{};
  GetObject(bitmap, sizeof b, &b);
  EXPECT_EQ(b.bmBitsPixel, 1);  // the DC still holds its 1 x 1 monochrome bitmap
  DeleteObject(bitmap);
  HDC screen = GetDC(0);
  bitmap = CreateCompatibleBitmap(screen, 4, 4);
  GetObject(bitmap, sizeof b, &b);
  EXPECT_EQ(b.bmBitsPixel, 32);
  DeleteObject(bitmap);
  bitmap = CreateCompatibleBitmap(screen, 0, 5);  // an empty size gives 1 x 1 monochrome
  GetObject(bitmap, sizeof b, &b);
  EXPECT_EQ(b.bmWidth, 1);
  EXPECT_EQ(b.bmBitsPixel, 1);
  DeleteObject(bitmap);
  ReleaseDC(0, screen);
  DeleteDC(memory);
}

TEST(GdiSelection, BitmapsGoIntoOneMemoryDcAtATime) {
  HBITMAP bitmap = DisplayBitmap(2, 2);
  HDC a = CreateCompatibleDC(0);
  HDC b = CreateCompatibleDC(0);
  const HGDIOBJ stock = SelectObject(a, bitmap);
  EXPECT_NE(stock, 0u);
  EXPECT_EQ(GetObjectType(stock), OBJ_BITMAP);
  EXPECT_EQ(SelectObject(b, bitmap), 0u);       // already in a
  EXPECT_FALSE(DeleteObject(bitmap));           // still selected
  EXPECT_EQ(SelectObject(a, stock), bitmap);    // selecting back returns it
  EXPECT_NE(SelectObject(b, bitmap), 0u);       // now free for b
  EXPECT_TRUE(DeleteDC(b));                     // deleting b frees it again
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_FALSE(DeleteObject(bitmap));           // stale handle
  HDC screen = GetDC(0);
  EXPECT_EQ(SelectObject(screen, stock), 0u);   // no bitmaps on a non-memory DC
  EXPECT_FALSE(DeleteDC(screen));               // released, not deleted
  EXPECT_EQ(ReleaseDC(0, screen), 1);
  EXPECT_EQ(ReleaseDC(0, screen), 0);
  DeleteDC(a);
}

TEST(GdiSelection, BrushesAndStockObjects) {
  HDC dc = CreateCompatibleDC(0);
  HBRUSH red = CreateSolidBrush(kRed);
  const HGDIOBJ previous = SelectObject(dc, red);
  EXPECT_EQ(previous, GetStockObject(WHITE_BRUSH));  // a DC starts with the white brush
  EXPECT_FALSE(DeleteObject(red));
  LOGBRUSH log{};
  EXPECT_EQ(GetObject(red, sizeof log, &log), static_cast<int>(sizeof log));
  EXPECT_EQ(log.lbColor, kRed);
  SelectObject(dc, previous);
  EXPECT_TRUE(DeleteObject(red));
  // Stock objects survive DeleteObject.
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(GetObject(GetStockObject(BLACK_BRUSH), sizeof log, &log), static_cast<int>(sizeof log));
  EXPECT_EQ(log.lbColor, kBlack);
  EXPECT_EQ(GetStockObject(999), 0u);
  // Palettes go through SelectPalette only.
  EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_PALETTE)), 0u);
  EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
  DeleteDC(dc);
}

TEST(GdiDc, AttributesAndDefaults) {
  HDC dc = CreateCompatibleDC(0);
  EXPECT_EQ(GetBkColor(dc), kWhite);
  EXPECT_EQ(GetTextColor(dc), kBlack);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(SetBkColor(dc, kRed), kWhite);
  EXPECT_EQ(SetTextColor(dc, kBlue), kBlack);
  EXPECT_EQ(GetBkColor(dc), kRed);
  EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
  EXPECT_EQ(SetBkMode(dc, 7), 0);
  DeleteDC(dc);
  EXPECT_EQ(GetBkColor(dc), CLR_INVALID);  // deleted
  EXPECT_EQ(SetBkColor(dc, kRed), CLR_INVALID);
}

}  // namespace
}  // namespace velko::platform::testing
