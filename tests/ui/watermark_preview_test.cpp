// The watermark preview on a memory surface: the color by density, the
// pictures chosen by text, size and outline, their scale and place in the
// frame, clipping to the frame's inside, user pictures from files (and the
// files that must leave the frame white), stored codes outside their ranges,
// and the exact colors of a palette display.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/afx.h"
#include "platform/win32.h"
#include "tests/platform/bmp_builder.h"
#include "tests/ui/resource_picture.h"
#include "ui/core/ui_app.h"
#include "ui/dialogs/watermark_preview.h"

namespace {

using namespace velko::ui;
using velko::WatermarkBlock;
using velko::platform::testing::BmpLayout;
using velko::platform::testing::BuildBmp;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMarker = RGB(10, 200, 30);  // what the surface holds before the preview draws

// A display-format memory surface filled with the marker color. Each drawing
// gets a DC of its own, since the preview narrows its DC's clipping (and
// GetPixel answers nothing outside it).
class Surface {
 public:
  Surface(int width, int height) : width_(width), height_(height) {
    const HDC screen = GetDC(0);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(0, screen);
    previous_ = SelectObject(dc_, bitmap_);
    const RECT all{0, 0, width, height};
    const HBRUSH marker = CreateSolidBrush(kMarker);
    FillRect(dc_, &all, marker);
    DeleteObject(marker);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  template <class Drawing>
  void Draw(Drawing draw) {
    SelectObject(dc_, previous_);
    const HDC drawing = CreateCompatibleDC(dc_);
    const HGDIOBJ old = SelectObject(drawing, bitmap_);
    draw(drawing);
    SelectObject(drawing, old);
    DeleteDC(drawing);
    previous_ = SelectObject(dc_, bitmap_);
  }
  void Preview(const RECT& frame, const WatermarkBlock& block, HPALETTE palette = 0) {
    Draw([&](HDC dc) { DrawPreview(dc, frame, block, palette); });
  }
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }

  // The bounding box of the pixels that are neither white nor the marker.
  std::optional<RECT> InkBox() const {
    std::optional<RECT> box;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const COLORREF p = at(x, y);
        if (p == kWhite || p == kMarker) continue;
        if (!box) box = RECT{x, y, x + 1, y + 1};
        box->left = std::min<LONG>(box->left, x);
        box->top = std::min<LONG>(box->top, y);
        box->right = std::max<LONG>(box->right, x + 1);
        box->bottom = std::max<LONG>(box->bottom, y + 1);
      }
    }
    return box;
  }
  // Every color found inside `r`.
  std::vector<COLORREF> ColorsIn(const RECT& r) const {
    std::vector<COLORREF> colors;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const COLORREF p = at(x, y);
        if (std::find(colors.begin(), colors.end(), p) == colors.end()) colors.push_back(p);
      }
    }
    std::sort(colors.begin(), colors.end());
    return colors;
  }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_, height_;
  HDC dc_ = 0;
  HBITMAP bitmap_ = 0;
  HGDIOBJ previous_ = 0;
};

using velko::ui::testing::Picture;

WatermarkBlock Block(int32_t index, int32_t position, int32_t color, int32_t density, int32_t size,
                     int32_t outline = 0) {
  WatermarkBlock b{};
  b.WatermarkOn = 1;
  b.WatermarkIndex = index;
  b.WatermarkPosition = position;
  b.WatermarkColor = color;
  b.WatermarkDensity = density;
  b.WatermarkSize = size;
  b.WatermarkOutline = outline;
  return b;
}

WatermarkBlock UserBlock(const std::string& file, int32_t position, int32_t size) {
  WatermarkBlock b = Block(8, position, 0, 8, size);
  file.copy(b.WatermarkFile, sizeof b.WatermarkFile - 1);
  return b;
}

// A solid 24-bit picture of one color, no white in it, so that its drawn
// pixels show exactly where it went.
std::vector<uint8_t> SolidBmp(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  BmpLayout s;
  s.width = width;
  s.height = height;
  const int stride = (width * 3 + 3) / 4 * 4;
  s.pixels.assign(static_cast<std::size_t>(stride) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = s.pixels.data() + static_cast<std::size_t>(y) * stride + 3 * x;
      p[0] = b;
      p[1] = g;
      p[2] = r;
    }
  }
  return BuildBmp(s);
}

// Drive C: of the test in a folder of its own.
class WatermarkPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("velko_wm_" + std::to_string(::getpid()));
    std::filesystem::create_directories(root_ / "Marks");
    if (const char* old = std::getenv("VELKO_DRIVE_C")) saved_ = old;
    setenv("VELKO_DRIVE_C", root_.c_str(), 1);
  }
  void TearDown() override {
    if (saved_) {
      setenv("VELKO_DRIVE_C", saved_->c_str(), 1);
    } else {
      unsetenv("VELKO_DRIVE_C");
    }
    std::filesystem::remove_all(root_);
    velko::platform::SetDisplayPaletteMode(false);
  }
  // Writes `bytes` as C:\Marks\<name> and returns that Windows path.
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(root_ / "Marks" / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return "C:\\Marks\\" + name;
  }

  std::filesystem::path root_;
  std::optional<std::string> saved_;
};

// A frame that holds the small pictures at their natural size.
constexpr RECT kWideFrame{10, 10, 410, 130};

TEST(WatermarkPreviewTables, ColorByDensity) {
  struct Case {
    int32_t color, density;
    COLORREF expected;
  } cases[] = {
      {1, 8, RGB(255, 0, 0)},      // red at full density: pure red
      {0, 0, RGB(192, 192, 192)},  // black at the lightest: the gray
      {0, 8, RGB(0, 0, 0)},
      {2, 4, RGB(96, 255, 96)},    // v = (8 - 4) * 24
      {3, 1, RGB(168, 168, 255)},
      {4, 7, RGB(24, 255, 255)},   // cyan saturates green and blue
      {5, 2, RGB(255, 144, 255)},  // magenta: red and blue
      {6, 5, RGB(255, 255, 72)},   // yellow: red and green
      {7, 8, RGB(0, 0, 0)},        // no such color: black
      {-1, 8, RGB(0, 0, 0)},
      {1, 9, RGB(255, 0, 0)},      // density beyond 8 clamps to 8
      {1, -4, RGB(255, 192, 192)}, // below 0 clamps to 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreviewColor(c.color, c.density, false), c.expected) << c.color << "/" << c.density;
    EXPECT_EQ(PreviewColor(c.color, c.density, true), c.expected | 0x02000000u) << "palette-relative";
  }
}

TEST(WatermarkPreviewTables, PictureByTextSizeAndOutline) {
  struct Case {
    int32_t index, size, outline;
    UINT expected;
  } cases[] = {
      {0, 4, 0, 2146},  // small up to size 4
      {0, 5, 0, 2142},  // large from size 5
      {0, 0, 1, 2148},
      {0, 8, 1, 2144},
      {2, 8, 0, 2205},
      {3, 0, 1, 2134},
      {5, 6, 1, 2168},
      {6, 4, 0, 2601},  // COPY and FILE COPY have pictures of their own
      {7, 8, 1, 2608},
      {8, 4, 0, 0},     // a user watermark: its file, no resource
      {-1, 4, 0, 0},
      {0, 99, 0, 2142}, // size beyond 8 shows as 8
      {0, -9, 0, 2146},
      {1, 2, 7, 2154},  // any outline value but 0 is the outline
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreviewPictureId(Block(c.index, 0, 0, 8, c.size, c.outline)), c.expected)
        << c.index << " " << c.size << " " << c.outline;
  }
}

TEST(WatermarkPreviewTables, ScaleAndPlace) {
  // Size 4 keeps a small picture; 8 shows the large one at 1.22474; a user
  // picture is halved again; 6 uses the stored 0.8866.
  EXPECT_EQ(PreviewExtent(0, 4, 152, 22).cx, 152);
  EXPECT_EQ(PreviewExtent(0, 8, 304, 44).cx, 372);  // trunc(304 * 1.22474)
  EXPECT_EQ(PreviewExtent(0, 6, 1000, 10).cx, 886);
  EXPECT_EQ(PreviewExtent(8, 4, 40, 60).cx, 20);
  EXPECT_EQ(PreviewExtent(8, 4, 40, 61).cy, 30);
  EXPECT_EQ(PreviewExtent(8, 7, 40, 60).cx, 40);    // table S for pictures: 2.0, halved
  EXPECT_EQ(PreviewExtent(8, 8, 40, 60).cx, 48);    // 2.44949, not table L
  EXPECT_EQ(PreviewExtent(8, 0, 100, 100).cx, 17);  // trunc(trunc(35.355) * 0.5)

  const RECT frame{11, 20, 110, 201};
  struct Case {
    int32_t position;
    POINT expected;
  } cases[] = {
      {0, {60 - 10, 110 - 15}}, {1, {11, 20}},  {2, {50, 20}},  {3, {90, 20}},
      {4, {11, 171}},           {5, {50, 171}}, {6, {90, 171}},
      {7, {50, 95}},   // not a position: center
      {-2, {50, 95}},
  };
  for (const Case& c : cases) {
    const POINT p = PreviewPlace(c.position, frame, 20, 30);
    EXPECT_EQ(p.x, c.expected.x) << c.position;
    EXPECT_EQ(p.y, c.expected.y) << c.position;
  }
}

TEST_F(WatermarkPreview, SizeFourShowsTheSmallPictureAtItsSizeInItsColor) {
  const Picture small = velko::ui::testing::LoadResourcePicture(2146);
  const COLORREF red = RGB(255, 0, 0);
  Surface s(420, 140);
  s.Preview(kWideFrame, Block(0, 1, 1, 8, 4));  // top left, red, dark
  ASSERT_LT(small.width, 400 - 4);
  for (int y = 0; y < small.height; ++y) {
    for (int x = 0; x < small.width; ++x) {
      const int sx = kWideFrame.left + x, sy = kWideFrame.top + y;
      if (sx < kWideFrame.left + 2 || sy < kWideFrame.top + 2) continue;  // the frame's edge
      ASSERT_EQ(s.at(sx, sy), small.at(x, y) == kWhite ? kWhite : red) << x << "," << y;
    }
  }
  EXPECT_EQ(s.ColorsIn(RECT{12, 12, 408, 128}), (std::vector<COLORREF>{red, kWhite}));
}

TEST_F(WatermarkPreview, DensityZeroBlackIsTheGray) {
  Surface s(420, 140);
  s.Preview(kWideFrame, Block(3, 0, 0, 0, 4));
  EXPECT_EQ(s.ColorsIn(RECT{12, 12, 408, 128}), (std::vector<COLORREF>{RGB(192, 192, 192), kWhite}));
}

TEST_F(WatermarkPreview, SizeEightShowsTheLargePictureEnlarged) {
  const Picture large = velko::ui::testing::LoadResourcePicture(2177);  // DRAFT, large
  const RECT frame{0, 0, 600, 200};
  Surface s(600, 200);
  s.Preview(frame, Block(3, 1, 0, 8, 8));
  const std::optional<RECT> box = s.InkBox();
  ASSERT_TRUE(box);
  // The glyphs start a margin of 8 pixels in; at 1.22474 the ink spans the
  // picture's ink times that factor, give or take the halftone edge.
  int inkLeft = large.width, inkRight = 0;
  for (int y = 0; y < large.height; ++y) {
    for (int x = 0; x < large.width; ++x) {
      if (large.at(x, y) != kWhite) {
        inkLeft = std::min(inkLeft, x);
        inkRight = std::max(inkRight, x + 1);
      }
    }
  }
  EXPECT_NEAR(box->right - box->left, (inkRight - inkLeft) * 1.22474, 2.0);
  EXPECT_NEAR(box->left, inkLeft * 1.22474, 2.0);
}

TEST_F(WatermarkPreview, UserPictureAtHalfItsSizeInEachPosition) {
  const std::string path = Write("logo.bmp", SolidBmp(40, 60, 0, 0, 255));
  const RECT frame{20, 10, 141, 231};  // odd sizes: the divisions round toward zero
  struct Case {
    int32_t position;
    RECT expected;  // where the 20 x 30 picture lands
  } cases[] = {
      {0, {70, 105, 90, 135}},   // (161/2 - 10, 241/2 - 15)
      {1, {20, 10, 40, 40}},     // top left
      {2, {70, 10, 90, 40}},     // top center
      {3, {121, 10, 141, 40}},   // top right
      {4, {20, 201, 40, 231}},   // bottom left
      {5, {70, 201, 90, 231}},   // bottom center
      {6, {121, 201, 141, 231}}, // bottom right
  };
  for (const Case& c : cases) {
    Surface s(160, 240);
    s.Preview(frame, UserBlock(path, c.position, 4));
    // The 2-pixel edge of the frame keeps the marker: clip it off the box.
    RECT expected = c.expected;
    expected.left = std::max<LONG>(expected.left, frame.left + 2);
    expected.top = std::max<LONG>(expected.top, frame.top + 2);
    expected.right = std::min<LONG>(expected.right, frame.right - 2);
    expected.bottom = std::min<LONG>(expected.bottom, frame.bottom - 2);
    const std::optional<RECT> box = s.InkBox();
    ASSERT_TRUE(box) << c.position;
    EXPECT_EQ(box->left, expected.left) << c.position;
    EXPECT_EQ(box->top, expected.top) << c.position;
    EXPECT_EQ(box->right, expected.right) << c.position;
    EXPECT_EQ(box->bottom, expected.bottom) << c.position;
    EXPECT_EQ(s.ColorsIn(*box), (std::vector<COLORREF>{RGB(0, 0, 255)})) << "a picture keeps its own colors";
  }
}

TEST_F(WatermarkPreview, NothingIsDrawnOutsideTheFramesInside) {
  const std::string path = Write("big.bmp", SolidBmp(900, 900, 0, 0, 0));
  const RECT frame{30, 30, 130, 130};
  Surface s(160, 160);
  s.Preview(frame, UserBlock(path, 0, 8));
  for (int y = 0; y < 160; ++y) {
    for (int x = 0; x < 160; ++x) {
      const bool inside = x >= 32 && x < 128 && y >= 32 && y < 128;
      ASSERT_EQ(s.at(x, y), inside ? RGB(0, 0, 0) : kMarker) << x << "," << y;
    }
  }
}

TEST_F(WatermarkPreview, UnusablePicturesLeaveTheFrameWhite) {
  BmpLayout huge;
  huge.width = 20000;
  huge.height = 20000;
  BmpLayout rle;
  rle.width = 4;
  rle.height = 2;
  rle.bits = 8;
  rle.compression = BI_RLE8;
  rle.colors = {{0, 0, 0, 0}, {0, 0, 255, 0}};
  rle.pixels = {4, 1, 0, 0, 4, 1};  // the end-of-bitmap mark is missing
  std::vector<uint8_t> cut = SolidBmp(40, 40, 0, 0, 0);
  cut.resize(cut.size() - 7);
  const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'b', 'i', 't', 'm', 'a', 'p'};
  struct Case {
    const char* what;
    std::string path;
  } cases[] = {
      {"missing file", "C:\\Marks\\gone.bmp"},
      {"no file at all", ""},
      {"not a bitmap", Write("notes.bmp", text)},
      {"truncated pixels", Write("cut.bmp", cut)},
      {"20,000 x 20,000 in the header", Write("huge.bmp", BuildBmp(huge))},
      {"run-length data without its end", Write("cut.rle", BuildBmp(rle))},
  };
  const RECT frame{10, 10, 110, 110};
  for (const Case& c : cases) {
    Surface s(120, 120);
    s.Preview(frame, UserBlock(c.path, 0, 8));
    EXPECT_EQ(s.ColorsIn(RECT{12, 12, 108, 108}), (std::vector<COLORREF>{kWhite})) << c.what;
    EXPECT_EQ(s.at(10, 10), kMarker) << c.what;
  }
}

TEST_F(WatermarkPreview, RunLengthPicturesAreShown) {
  struct Case {
    const char* name;
    WORD bits;
    DWORD compression;
    std::vector<uint8_t> runs;  // two rows of four red pixels, bottom row first
  } cases[] = {
      {"mark8.rle", 8, BI_RLE8, {4, 1, 0, 0, 4, 1, 0, 1}},
      {"mark4.rle", 4, BI_RLE4, {4, 0x11, 0, 0, 4, 0x11, 0, 1}},
  };
  for (const Case& c : cases) {
    BmpLayout rle;
    rle.width = 4;
    rle.height = 2;
    rle.bits = c.bits;
    rle.compression = c.compression;
    rle.colors = {{255, 255, 255, 0}, {0, 0, 255, 0}};  // white, red
    rle.pixels = c.runs;
    const std::string path = Write(c.name, BuildBmp(rle));
    Surface s(120, 120);
    s.Preview(RECT{0, 0, 100, 100}, UserBlock(path, 0, 7));  // size 7: 2.0, halved: natural size
    const std::optional<RECT> box = s.InkBox();
    ASSERT_TRUE(box) << c.name;
    EXPECT_EQ(box->left, 48) << c.name;
    EXPECT_EQ(box->top, 49) << c.name;
    EXPECT_EQ(box->right, 52) << c.name;
    EXPECT_EQ(box->bottom, 51) << c.name;
    EXPECT_EQ(s.ColorsIn(*box), (std::vector<COLORREF>{RGB(255, 0, 0)})) << c.name;
  }
}

TEST_F(WatermarkPreview, CodesOutsideTheirRangesDrawAsTheFirstItemOrClamped) {
  const RECT frame{0, 0, 420, 140};
  struct Case {
    const char* what;
    WatermarkBlock odd;
    WatermarkBlock same;
  } cases[] = {
      {"position 7", Block(1, 7, 1, 8, 4), Block(1, 0, 1, 8, 4)},
      {"position -1", Block(1, -1, 1, 8, 4), Block(1, 0, 1, 8, 4)},
      {"color 9", Block(1, 2, 9, 8, 4), Block(1, 2, 0, 8, 4)},
      {"density 40", Block(1, 2, 3, 40, 4), Block(1, 2, 3, 8, 4)},
      {"density -40", Block(1, 2, 3, -40, 4), Block(1, 2, 3, 0, 4)},
      {"size 12", Block(4, 0, 2, 8, 12), Block(4, 0, 2, 8, 8)},
      {"size -1", Block(4, 0, 2, 8, -1), Block(4, 0, 2, 8, 0)},
  };
  for (const Case& c : cases) {
    Surface odd(420, 140), same(420, 140);
    odd.Preview(frame, c.odd);
    same.Preview(frame, c.same);
    bool equal = true;
    for (int y = 0; y < 140 && equal; ++y) {
      for (int x = 0; x < 420 && equal; ++x) equal = odd.at(x, y) == same.at(x, y);
    }
    EXPECT_TRUE(equal) << c.what;
    EXPECT_TRUE(odd.InkBox()) << c.what << ": something is drawn";
  }
  // An index below 0 is neither a text nor a listed picture: white.
  Surface none(420, 140);
  none.Preview(frame, Block(-3, 0, 0, 8, 4));
  EXPECT_FALSE(none.InkBox());
}

TEST_F(WatermarkPreview, PaletteDisplayShowsTheExactColorThroughTheRamp) {
  velko::platform::SetDisplayPaletteMode(true);
  const WatermarkBlock block = Block(2, 0, 2, 3, 4);  // green at density 3: (120, 255, 120)
  Surface s(420, 140);
  const HPALETTE palette = CreateHalftonePalette(s.dc());
  const std::array<PALETTEENTRY, 256> entries = PreviewPaletteEntries(block, s.dc());
  EXPECT_EQ(entries[120].peRed, 120);
  EXPECT_EQ(entries[120].peGreen, 255);
  EXPECT_EQ(entries[7].peFlags, PC_RESERVED);
  SetPaletteEntries(palette, 0, 255, entries.data());
  s.Preview(RECT{0, 0, 420, 140}, block, palette);
  // Entry 255 is the display's own; white shows as the ramp's nearest.
  const std::vector<COLORREF> colors = s.ColorsIn(RECT{2, 2, 418, 138});
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(colors[0], RGB(120, 255, 120));
  DeleteObject(palette);
}

}  // namespace
