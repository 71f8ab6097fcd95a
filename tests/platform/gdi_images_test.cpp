// Bitmaps and icons loaded from a module's resource table and from BMP files
// on drive C:, and the drawing of icons.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <unistd.h>

#include "platform/gdi/gdi.h"
#include "tests/platform/bmp_builder.h"
#include "tests/platform/gdi_fixture.h"

namespace velko::platform::testing {
namespace {

constexpr HINSTANCE kModule = 0x7A01;
constexpr HINSTANCE kOtherModule = 0x7A02;
constexpr WORD kPictureId = 2163;
constexpr WORD kBrokenId = 2164;
constexpr WORD kIconId = 2231;
constexpr WORD kOpaqueIconId = 2232;

// 2 x 2, 8 bits: red green / blue white, as a packed DIB.
std::vector<uint8_t> PictureDib() {
  BmpLayout s;
  s.width = 2;
  s.height = 2;
  s.bits = 8;
  s.colors = {Quad(kRed), Quad(kGreen), Quad(kBlue), Quad(kWhite)};
  s.colors_used = 4;
  s.pixels = PaddedRows({{2, 3}, {0, 1}});
  s.file_header = false;
  return BuildBmp(s);
}

// 2 x 1, 32 bits: an opaque red pixel and a transparent one.
std::vector<uint8_t> IconDib(bool with_alpha) {
  BmpLayout s;
  s.width = 2;
  s.height = 1;
  s.bits = 32;
  s.pixels = {0, 0, 255, static_cast<uint8_t>(with_alpha ? 255 : 0), 255, 0, 0, 0};
  s.file_header = false;
  return BuildBmp(s);
}

class GdiImages : public ::testing::Test {
 protected:
  void SetUp() override {
    picture_ = PictureDib();
    broken_ = {40, 0, 0};
    icon_ = IconDib(true);
    opaque_icon_ = IconDib(false);
    const ResourceEntry entries[] = {
        {kResourceBitmap, kPictureId, picture_.data(), picture_.size()},
        {kResourceBitmap, kBrokenId, broken_.data(), broken_.size()},
        {kResourceIcon, kIconId, icon_.data(), icon_.size()},
        {kResourceIcon, kOpaqueIconId, opaque_icon_.data(), opaque_icon_.size()},
    };
    RegisterResources(kModule, entries);
  }
  void TearDown() override { UnregisterResources(kModule); }

  static BITMAP Describe(HBITMAP bitmap) {
    BITMAP b{};
    GetObject(bitmap, sizeof b, &b);
    return b;
  }

  std::vector<uint8_t> picture_, broken_, icon_, opaque_icon_;
};

TEST_F(GdiImages, LoadBitmapGivesADisplayBitmap) {
  HBITMAP bitmap = LoadBitmap(kModule, MAKEINTRESOURCE(kPictureId));
  ASSERT_NE(bitmap, 0u);
  const BITMAP b = Describe(bitmap);
  EXPECT_EQ(b.bmBitsPixel, 32);
  EXPECT_EQ(b.bmBits, nullptr);
  MemoryTarget t(bitmap, 2, 2);
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{kRed, kGreen, kBlue, kWhite}));
}

TEST_F(GdiImages, CreateDibSectionKeepsTheResourceFormat) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImage(kModule, MAKEINTRESOURCE(kPictureId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, 0u);
  const BITMAP b = Describe(bitmap);
  EXPECT_EQ(b.bmBitsPixel, 8);
  ASSERT_NE(b.bmBits, nullptr);
  EXPECT_EQ(static_cast<const uint8_t*>(b.bmBits)[0], 2);  // bottom row first, indices kept
  DeleteObject(bitmap);
}

TEST_F(GdiImages, SizeAndMonochromeFlags) {
  HBITMAP big = static_cast<HBITMAP>(LoadImage(kModule, MAKEINTRESOURCE(kPictureId), IMAGE_BITMAP, 4, 2, 0));
  MemoryTarget t(big, 4, 2);
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{kRed, kRed, kGreen, kGreen, kBlue, kBlue, kWhite, kWhite}));
  HBITMAP mono = static_cast<HBITMAP>(LoadImage(kModule, MAKEINTRESOURCE(kPictureId), IMAGE_BITMAP, 0, 0, LR_MONOCHROME));
  EXPECT_EQ(Describe(mono).bmBitsPixel, 1);
  DeleteObject(mono);
}

TEST_F(GdiImages, WhatIsNotThereLoadsAsNull) {
  EXPECT_EQ(LoadBitmap(kModule, MAKEINTRESOURCE(9999)), 0u);
  EXPECT_EQ(LoadBitmap(kOtherModule, MAKEINTRESOURCE(kPictureId)), 0u);
  EXPECT_EQ(LoadBitmap(kModule, MAKEINTRESOURCE(kBrokenId)), 0u);
  EXPECT_EQ(LoadBitmap(kModule, "NAMED"), 0u);  // resources are found by id only
  EXPECT_EQ(LoadIcon(kModule, MAKEINTRESOURCE(kPictureId)), 0u);  // a bitmap is not an icon
  EXPECT_EQ(LoadImage(kModule, MAKEINTRESOURCE(kPictureId), 7, 0, 0, 0), 0u);
}

TEST_F(GdiImages, IconsRememberTheirResourceAndAreShared) {
  HICON icon = LoadIcon(kModule, MAKEINTRESOURCE(kIconId));
  ASSERT_NE(icon, 0u);
  EXPECT_EQ(IconResourceId(icon), kIconId);
  EXPECT_EQ(LoadIcon(kModule, MAKEINTRESOURCE(kIconId)), icon);  // loaded once
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_EQ(IconResourceId(icon), kIconId);  // a shared icon outlives DestroyIcon
  EXPECT_EQ(IconResourceId(0), 0);
}

TEST_F(GdiImages, DrawIconLeavesTransparentPixels) {
  MemoryTarget t(DisplayBitmap(3, 1), 3, 1);
  t.Fill({kGreen, kGreen, kGreen});
  EXPECT_TRUE(DrawIcon(t.dc(), 1, 0, LoadIcon(kModule, MAKEINTRESOURCE(kIconId))));
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{kGreen, kRed, kGreen}));
  // All alpha bytes zero: the whole picture is opaque.
  EXPECT_TRUE(DrawIcon(t.dc(), 0, 0, LoadIcon(kModule, MAKEINTRESOURCE(kOpaqueIconId))));
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{kRed, kBlue, kGreen}));
  EXPECT_FALSE(DrawIcon(t.dc(), 0, 0, 0));
}

class GdiImageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("velko_gdi_" + std::to_string(::getpid()));
    std::filesystem::create_directories(root_ / "Windows");
    const char* old = std::getenv("VELKO_DRIVE_C");
    if (old) saved_ = old;
    setenv("VELKO_DRIVE_C", root_.c_str(), 1);
  }
  void TearDown() override {
    if (saved_) {
      setenv("VELKO_DRIVE_C", saved_->c_str(), 1);
    } else {
      unsetenv("VELKO_DRIVE_C");
    }
    std::filesystem::remove_all(root_);
  }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(root_ / "Windows" / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }

  std::filesystem::path root_;
  std::optional<std::string> saved_;
};

TEST_F(GdiImageFiles, LoadFromFileThroughDriveC) {
  BmpLayout s;
  s.width = 3;
  s.height = 1;
  s.bits = 4;
  s.compression = BI_RLE4;
  s.colors = {Quad(kBlack), Quad(kRed)};
  s.colors_used = 2;
  s.pixels = {3, 0x10, 0, 1};  // red black red
  Write("Mark.rle", BuildBmp(s));
  const UINT flags = LR_LOADFROMFILE | LR_CREATEDIBSECTION;
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImage(0, "c:\\WINDOWS\\mark.RLE", IMAGE_BITMAP, 0, 0, flags));
  ASSERT_NE(bitmap, 0u);
  BITMAP b{};
  GetObject(bitmap, sizeof b, &b);
  EXPECT_EQ(b.bmBitsPixel, 4);  // decoded, depth kept
  MemoryTarget t(bitmap, 3, 1);
  EXPECT_EQ(t.Pixels(), (std::vector<COLORREF>{kRed, kBlack, kRed}));

  std::vector<uint8_t> cut = BuildBmp(s);
  cut.pop_back();
  Write("cut.bmp", cut);
  EXPECT_EQ(LoadImage(0, "C:\\Windows\\cut.bmp", IMAGE_BITMAP, 0, 0, flags), 0u);
  EXPECT_EQ(LoadImage(0, "C:\\Windows\\missing.bmp", IMAGE_BITMAP, 0, 0, flags), 0u);
  EXPECT_EQ(LoadImage(0, "D:\\Windows\\mark.rle", IMAGE_BITMAP, 0, 0, flags), 0u);
  EXPECT_EQ(LoadImage(0, nullptr, IMAGE_BITMAP, 0, 0, flags), 0u);
}

}  // namespace
}  // namespace velko::platform::testing
