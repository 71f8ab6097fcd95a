// The color preview: bitmaps through the color table on both paths, the
// layout of the frames, and the painting of sample, swatch and strips on the
// color adjustment page's own template, with good and bad sample files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "color/color_table.h"
#include "color/preview.h"
#include "color/preview_layout.h"
#include "platform/afx.h"
#include "platform/gdi/surface.h"
#include "platform/win32.h"
#include "ui/core/ui_app.h"

namespace {

using namespace velko;
using namespace velko::color;

// Inputs spread over the cube: grid points, cell interiors, the extremes.
constexpr std::array<COLORREF, 15> kInputs = {
    RGB(0, 0, 0),     RGB(255, 255, 255), RGB(16, 32, 48),   RGB(200, 30, 40),  RGB(30, 200, 90),
    RGB(250, 220, 20), RGB(128, 128, 128), RGB(64, 128, 192), RGB(255, 0, 0),    RGB(1, 2, 3),
    RGB(17, 99, 233), RGB(240, 15, 255),  RGB(90, 60, 30),   RGB(0, 255, 255),  RGB(170, 170, 15),
};
constexpr int kTinyWidth = 5;  // 15 bytes a row: a 24-bit row carries one byte of padding
constexpr int kTinyHeight = 3;
static_assert(kInputs.size() == kTinyWidth * kTinyHeight);

COLORREF Lookup(COLORREF c) {
  uint8_t r = 0, g = 0, b = 0;
  LookupColorTable(GetRValue(c), GetGValue(c), GetBValue(c), &r, &g, &b);
  return RGB(r, g, b);
}

// A table far from neutral, so that a transform that does nothing shows.
void BuildSkewedTable() {
  const ColorAdjustBlock block{0, 3, 2, 6, -3, 4, -2, 1};
  BuildColorTable(&block);
}

struct Dib {
  HBITMAP handle = 0;
  void* bits = nullptr;
};

// A DIB section of `bitCount` bits; `palette` is its color table when
// paletted. Negative height: top-down rows.
Dib MakeDib(int width, int height, WORD bitCount, const std::vector<COLORREF>& palette = {}) {
  std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = width;
  header->biHeight = height;
  header->biPlanes = 1;
  header->biBitCount = bitCount;
  header->biCompression = BI_RGB;
  header->biClrUsed = static_cast<DWORD>(palette.size());
  auto* colors = reinterpret_cast<RGBQUAD*>(info.data() + sizeof(BITMAPINFOHEADER));
  for (std::size_t i = 0; i < palette.size(); ++i) {
    colors[i] = RGBQUAD{GetBValue(palette[i]), GetGValue(palette[i]), GetRValue(palette[i]), 0};
  }
  Dib dib;
  dib.handle = CreateDIBSection(0, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &dib.bits, 0, 0);
  return dib;
}

// Runs `body` with `bitmap` selected into a memory DC and its description.
template <class Body>
void WithSelected(HBITMAP bitmap, Body body) {
  const HDC dc = CreateCompatibleDC(0);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  BITMAP description{};
  GetObject(bitmap, sizeof description, &description);
  body(dc, description);
  SelectObject(dc, previous);
  DeleteDC(dc);
}

std::vector<COLORREF> ReadPixels(HBITMAP bitmap, int width, int height) {
  std::vector<COLORREF> pixels;
  WithSelected(bitmap, [&](HDC dc, const BITMAP&) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
  });
  return pixels;
}

void WritePixels(HBITMAP bitmap, int width, const std::vector<COLORREF>& pixels) {
  WithSelected(bitmap, [&](HDC dc, const BITMAP&) {
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      SetPixel(dc, static_cast<int>(i % width), static_cast<int>(i / width), pixels[i]);
    }
  });
}

void Transform(HBITMAP bitmap) {
  WithSelected(bitmap, [](HDC dc, const BITMAP& description) { TransformBitmap(description, dc); });
}

std::vector<COLORREF> Expected() {
  std::vector<COLORREF> out;
  for (COLORREF c : kInputs) out.push_back(Lookup(c));
  return out;
}

TEST(TransformBitmap, EveryDepthGivesTheLookupsColors) {
  BuildSkewedTable();
  const std::vector<COLORREF> inputs(kInputs.begin(), kInputs.end());
  const std::vector<COLORREF> expected = Expected();
  ASSERT_GT(std::ranges::count_if(inputs, [&, i = 0](COLORREF c) mutable { return c != expected[i++]; }), 10)
      << "the table must move most colors, or a transform that does nothing would pass";
  // An 8-bit palette that holds the inputs and their results, so that the
  // pixel path's SetPixel can store every result exactly.
  std::vector<COLORREF> palette = inputs;
  palette.insert(palette.end(), expected.begin(), expected.end());

  struct Case {
    const char* what;
    WORD bits;
    int height;
  };
  const Case cases[] = {
      {"24-bit bottom-up: rows in memory, padding skipped", 24, kTinyHeight},
      {"24-bit top-down: rows are independent of their order", 24, -kTinyHeight},
      {"8-bit: pixel by pixel through the DC", 8, kTinyHeight},
      {"32-bit: any depth but 24 takes the DC path", 32, kTinyHeight},
  };
  for (const Case& c : cases) {
    const Dib dib = MakeDib(kTinyWidth, c.height, c.bits, c.bits == 8 ? palette : std::vector<COLORREF>{});
    ASSERT_NE(dib.handle, 0u) << c.what;
    WritePixels(dib.handle, kTinyWidth, inputs);
    ASSERT_EQ(ReadPixels(dib.handle, kTinyWidth, kTinyHeight), inputs) << c.what;
    Transform(dib.handle);
    EXPECT_EQ(ReadPixels(dib.handle, kTinyWidth, kTinyHeight), expected) << c.what;
    DeleteObject(dib.handle);
  }
}

TEST(TransformBitmap, TheRowPaddingIsLeftAlone) {
  BuildSkewedTable();
  const Dib dib = MakeDib(kTinyWidth, kTinyHeight, 24);
  BITMAP description{};
  GetObject(dib.handle, sizeof description, &description);
  ASSERT_EQ(description.bmWidthBytes, 16);
  auto* bytes = static_cast<uint8_t*>(dib.bits);
  for (int y = 0; y < kTinyHeight; ++y) bytes[16 * y + 15] = static_cast<uint8_t>(0xA0 + y);
  Transform(dib.handle);
  for (int y = 0; y < kTinyHeight; ++y) EXPECT_EQ(bytes[16 * y + 15], 0xA0 + y) << "row " << y;
  DeleteObject(dib.handle);
}

TEST(TransformBitmap, A24BitDescriptionWithoutBitsChangesNothing) {
  // The description alone decides the path: 24 bits and no bits address
  // must neither write memory nor fall back to the DC's pixels.
  BuildSkewedTable();
  const Dib dib = MakeDib(kTinyWidth, kTinyHeight, 32);
  const std::vector<COLORREF> inputs(kInputs.begin(), kInputs.end());
  WritePixels(dib.handle, kTinyWidth, inputs);
  WithSelected(dib.handle, [](HDC dc, BITMAP description) {
    description.bmBitsPixel = 24;
    description.bmBits = nullptr;
    TransformBitmap(description, dc);
  });
  EXPECT_EQ(ReadPixels(dib.handle, kTinyWidth, kTinyHeight), inputs);
  DeleteObject(dib.handle);
}

TEST(PreviewLayout, FramesFollowTheControlsTheyAreMeasuredFrom) {
  const PreviewLayoutInputs in{
      .brightScrollBar = {279, 24, 453, 38},    // 174 x 14
      .yellowBlueStrip = {258, 284, 432, 296},  // its top stays; its height becomes the strip's
      .colorBalanceGroup = {218, 165, 500, 380},
      .sampleLabel = {10, 13, 55, 25},
      .baseColorLabel = {10, 288, 78, 300},
  };
  const PreviewLayout out = ComputePreviewLayout(in);
  // 174 x 10 / 12 = 145, + 1; 14 + 2.
  EXPECT_EQ(out.strip.cx, 146);
  EXPECT_EQ(out.strip.cy, 16);
  // Swatch: left 258 - 2, width 146 + 4; top (380 + (284 + 16) - 66) / 2,
  // measured from the strip's new bottom, not the template's 296.
  const RECT swatchBorder{256, 307, 406, 373};
  const RECT swatchFrame{258, 309, 404, 371};
  EXPECT_EQ(std::memcmp(&out.swatchBorder, &swatchBorder, sizeof(RECT)), 0);
  EXPECT_EQ(std::memcmp(&out.swatchFrame, &swatchFrame, sizeof(RECT)), 0);
  EXPECT_EQ(out.swatchPaint.cx, 140);
  EXPECT_EQ(out.swatchPaint.cy, 56);
  // Sample: W = 218 - 30, H = 288 - 25 - 30, at (15, 25 + 15).
  const RECT sampleBorder{15, 40, 203, 273};
  const RECT sampleFrame{17, 42, 201, 271};
  EXPECT_EQ(std::memcmp(&out.sampleBorder, &sampleBorder, sizeof(RECT)), 0);
  EXPECT_EQ(std::memcmp(&out.sampleFrame, &sampleFrame, sizeof(RECT)), 0);
  EXPECT_EQ(out.samplePaint.cx, 178);
  EXPECT_EQ(out.samplePaint.cy, 223);
}

// --- painting on the page's template ------------------------------------

constexpr COLORREF kMarker = RGB(1, 254, 3);  // what a surface holds before a paint
constexpr int kSampleWidth = 12;
constexpr int kSampleHeight = 8;

// A 24-bit BMP file of kSampleWidth x kSampleHeight, a color ramp.
std::vector<uint8_t> SampleBmpFile() {
  const int stride = (3 * kSampleWidth + 3) / 4 * 4;
  const uint32_t imageBytes = static_cast<uint32_t>(stride * kSampleHeight);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageBytes;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = kSampleWidth;
  info.biHeight = kSampleHeight;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = imageBytes;
  std::vector<uint8_t> bytes(file.bfSize);
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
  for (int y = 0; y < kSampleHeight; ++y)
    for (int x = 0; x < kSampleWidth; ++x) {
      uint8_t* p = bytes.data() + file.bfOffBits + y * stride + 3 * x;
      p[0] = static_cast<uint8_t>(20 * x);
      p[1] = static_cast<uint8_t>(30 * y);
      p[2] = static_cast<uint8_t>(200 - 10 * x);
    }
  return bytes;
}

INT_PTR QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

// The sheet's frame the page template (a child dialog) sits in.
constexpr platform::DialogTemplate kSheetFrame{.caption = "Sheet",
                                               .font_name = "MS Shell Dlg",
                                               .font_size = 8,
                                               .cx = 360,
                                               .cy = 280,
                                               .controls = {},
                                               .style = WS_POPUP | WS_VISIBLE};

class PreviewPainting : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = CreateDialogIndirectParam(0, &kSheetFrame, 0, QuietProc, 0);
    ASSERT_NE(frame_, 0u);
    page_ = CreateDialogParam(ui::ModuleInstance, MAKEINTRESOURCE(2405), frame_, QuietProc, 0);
    ASSERT_NE(page_, 0u);
    window_.Attach(page_);
    for (const char* name : {"a", "b", "c", "d"}) {
      SendDlgItemMessage(page_, kSampleCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    // A folder of our own on the test drive as the current directory.
    folder_ = "C:\\PREVIEW" + std::to_string(getpid());
    host_ = *platform::MapWindowsPath(folder_);
    std::filesystem::create_directories(host_);
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
    BuildSkewedTable();
  }
  void TearDown() override {
    SetCurrentDirectoryA("C:\\");
    std::filesystem::remove_all(host_);
    window_.Detach();
    for (HWND top : platform::TopLevelWindows()) DestroyWindow(top);
  }

  void PutSampleFile(int sample, const std::vector<uint8_t>& bytes) {
    std::ofstream out(host_ / std::string(kSampleFiles[static_cast<std::size_t>(sample)]), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  void Select(int sample) { SendDlgItemMessage(page_, kSampleCombo, CB_SETCURSEL, static_cast<WPARAM>(sample), 0); }

  std::shared_ptr<platform::Surface> SurfaceOf(int id) const {
    return platform::WindowSurface(GetDlgItem(page_, id));
  }
  void MarkSurfaces() {
    for (int id : SurfaceIds()) {
      auto s = SurfaceOf(id);
      std::fill(s->pixels.begin(), s->pixels.end(), kMarker);
    }
  }
  // How many pixels of the surface's top-left w x h area a paint changed.
  long Painted(int id, int w, int h) const {
    auto s = SurfaceOf(id);
    long changed = 0;
    for (int y = 0; y < std::min(h, s->height); ++y)
      for (int x = 0; x < std::min(w, s->width); ++x) changed += s->pixels[y * s->width + x] != kMarker;
    return changed;
  }
  long PaintedAll(int id) const {
    auto s = SurfaceOf(id);
    return Painted(id, s->width, s->height);
  }
  static std::vector<int> SurfaceIds() {
    std::vector<int> ids = {kSampleFrame, kSwatchFrame};
    for (const GradientStrip& strip : kGradientStrips) ids.push_back(strip.control);
    return ids;
  }

  HWND frame_ = 0;
  HWND page_ = 0;
  CWnd window_;
  std::string folder_;
  std::filesystem::path host_;
};

TEST_F(PreviewPainting, TheLayoutMovesTheFramesItComputes) {
  for (const GradientStrip& strip : kGradientStrips) ShowWindow(GetDlgItem(page_, strip.control), SW_HIDE);
  ColorPreview preview(window_);
  preview.ComputeLayout();
  const PreviewLayout& layout = CurrentPreviewLayout;
  const auto rectOf = [this](int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(page_, id), &r);
    MapWindowPoints(0, page_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const struct {
    int id;
    RECT expected;
  } frames[] = {
      {kSampleBorder, layout.sampleBorder},
      {kSampleFrame, layout.sampleFrame},
      {kSwatchBorder, layout.swatchBorder},
      {kSwatchFrame, layout.swatchFrame},
  };
  for (const auto& f : frames) {
    const RECT r = rectOf(f.id);
    EXPECT_EQ(std::memcmp(&r, &f.expected, sizeof r), 0)
        << f.id << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
  for (const GradientStrip& strip : kGradientStrips) {
    const RECT r = rectOf(strip.control);
    EXPECT_EQ(r.right - r.left, layout.strip.cx) << strip.control;
    EXPECT_EQ(r.bottom - r.top, layout.strip.cy) << strip.control;
    EXPECT_TRUE(GetWindowLong(GetDlgItem(page_, strip.control), GWL_STYLE) & WS_VISIBLE) << strip.control;
  }
  EXPECT_GT(layout.samplePaint.cx, 100);
  EXPECT_GT(layout.swatchPaint.cx, 100);
}

TEST_F(PreviewPainting, ABadSampleFileLeavesOnlyItsFrameUnpainted) {
  const std::vector<uint8_t> good = SampleBmpFile();
  struct Case {
    const char* what;
    std::vector<uint8_t> file;  // empty: no file
    int selection;
    bool samplePainted;
  };
  const Case cases[] = {
      {"a good file", good, 1, true},
      {"no file", {}, 1, false},
      {"pixel data cut short", {good.begin(), good.begin() + 100}, 1, false},
      {"header cut short", {good.begin(), good.begin() + 20}, 1, false},
      {"not a bitmap file", {'h', 'e', 'l', 'l', 'o', '\n'}, 1, false},
      {"no selection in the sample list", good, -1, false},
  };
  ColorPreview preview(window_);
  preview.ComputeLayout();
  const SIZE paint = CurrentPreviewLayout.samplePaint;
  for (const Case& c : cases) {
    std::filesystem::remove(host_ / std::string(kSampleFiles[1]));
    if (!c.file.empty()) PutSampleFile(1, c.file);
    Select(c.selection);
    MarkSurfaces();
    preview.PaintSample();
    preview.PaintSwatch();
    preview.PaintGradientStrips();
    if (c.samplePainted) {
      EXPECT_EQ(Painted(kSampleFrame, paint.cx, paint.cy), long{paint.cx} * paint.cy) << c.what;
    } else {
      EXPECT_EQ(PaintedAll(kSampleFrame), 0) << c.what;
    }
    const auto swatch = SurfaceOf(kSwatchFrame);
    const SIZE swatchPaint = CurrentPreviewLayout.swatchPaint;
    EXPECT_EQ(Painted(kSwatchFrame, swatchPaint.cx, swatchPaint.cy), long{swatchPaint.cx} * swatchPaint.cy)
        << c.what;
    for (const GradientStrip& strip : kGradientStrips) {
      const auto s = SurfaceOf(strip.control);
      EXPECT_EQ(PaintedAll(strip.control), long{s->width} * s->height) << c.what << ", strip " << strip.control;
    }
  }
}

TEST_F(PreviewPainting, TheSampleIsFoundRelativeToTheCurrentDirectory) {
  PutSampleFile(2, SampleBmpFile());
  const HBITMAP here = LoadSampleBitmap(2);
  EXPECT_NE(here, 0u);
  DeleteObject(here);
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
  EXPECT_EQ(LoadSampleBitmap(2), 0u) << "the root is not where the file is";
  EXPECT_EQ(LoadSampleBitmap(4), 0u);
  EXPECT_EQ(LoadSampleBitmap(-1), 0u);
}

TEST_F(PreviewPainting, TheSampleIsTheTransformedFileStretchedOverThePaintArea) {
  PutSampleFile(0, SampleBmpFile());
  Select(0);
  ColorPreview preview(window_);
  preview.ComputeLayout();
  MarkSurfaces();
  preview.PaintSample();
  const SIZE paint = CurrentPreviewLayout.samplePaint;
  const auto s = SurfaceOf(kSampleFrame);
  // The paint area's corners hold the file's corner pixels through the
  // table; beyond the area the frame is untouched.
  const auto at = [&](int x, int y) { return s->pixels[y * s->width + x]; };
  const COLORREF topLeft = Lookup(RGB(200, 30 * (kSampleHeight - 1), 0));  // bottom-up file: last row on top
  const COLORREF bottomRight = Lookup(RGB(200 - 10 * (kSampleWidth - 1), 0, 20 * (kSampleWidth - 1)));
  EXPECT_EQ(at(0, 0), topLeft);
  EXPECT_EQ(at(paint.cx - 1, paint.cy - 1), bottomRight);
  EXPECT_EQ(Painted(kSampleFrame, s->width, s->height), long{paint.cx} * paint.cy);
}

TEST_F(PreviewPainting, AZeroTargetSizePaintsAtTheBitmapsOwnSize) {
  ColorPreview preview(window_);
  preview.ComputeLayout();
  MarkSurfaces();
  const Dib dib = MakeDib(7, 5, 24);
  preview.PaintTransformedBitmap(kSwatchFrame, dib.handle, 0, 0);
  EXPECT_EQ(Painted(kSwatchFrame, 7, 5), 35);
  EXPECT_EQ(PaintedAll(kSwatchFrame), 35);
  // The handle was the preview's to delete.
  BITMAP gone{};
  EXPECT_EQ(GetObject(dib.handle, sizeof gone, &gone), 0);
}

TEST_F(PreviewPainting, APaletteDisplayGetsTheHalftonePaletteAndStillPaints) {
  struct Case {
    bool paletteDisplay;
    bool expected;
  };
  for (const Case c : {Case{false, false}, Case{true, true}}) {
    platform::SetDisplayPaletteMode(c.paletteDisplay);
    ColorPreview preview(window_);
    preview.CreateHalftonePalette();
    EXPECT_EQ(preview.HasHalftonePalette(), c.expected);
    preview.ComputeLayout();
    MarkSurfaces();
    preview.PaintSwatch();
    preview.PaintGradientStrips();
    EXPECT_GT(Painted(kSwatchFrame, CurrentPreviewLayout.swatchPaint.cx, CurrentPreviewLayout.swatchPaint.cy), 0);
    EXPECT_GT(PaintedAll(kGradientStrips[0].control), 0);
  }
  platform::SetDisplayPaletteMode(false);
}

}  // namespace
