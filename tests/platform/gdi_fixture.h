// Tiny drawing targets for the GDI tests: a memory DC holding a bitmap that
// the test fills and reads back pixel by pixel.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/gdi.h"

namespace velko::platform::testing {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 255, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);

// A memory DC with `bitmap` selected; releases both.
class MemoryTarget {
 public:
  MemoryTarget(HBITMAP bitmap, int width, int height) : width_(width), height_(height), bitmap_(bitmap) {
    dc_ = CreateCompatibleDC(0);
    old_ = SelectObject(dc_, bitmap_);
  }
  MemoryTarget(const MemoryTarget&) = delete;
  MemoryTarget& operator=(const MemoryTarget&) = delete;
  ~MemoryTarget() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Fill(const std::vector<COLORREF>& pixels) {
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(width_ * height_));
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) SetPixelV(dc_, x, y, pixels[y * width_ + x]);
    }
  }
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> out;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) out.push_back(GetPixel(dc_, x, y));
    }
    return out;
  }

 private:
  int width_;
  int height_;
  HBITMAP bitmap_;
  HDC dc_ = 0;
  HGDIOBJ old_ = 0;
};

// The display's own format (what CreateCompatibleBitmap of a window gives).
inline HBITMAP DisplayBitmap(int width, int height) {
  HDC screen = GetDC(0);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(0, screen);
  return bitmap;
}

inline HBITMAP MonoBitmap(int width, int height) { return CreateBitmap(width, height, 1, 1, nullptr); }

// A DIB section of the given depth; `colors` is the color table.
inline HBITMAP DibSection(int width, int height, int bits, const std::vector<RGBQUAD>& colors = {},
                          void** pixels = nullptr) {
  std::vector<uint8_t> storage(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* info = reinterpret_cast<BITMAPINFO*>(storage.data());
  info->bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, static_cast<WORD>(bits), BI_RGB,
                                     0, 0, 0, static_cast<DWORD>(colors.size()), 0};
  std::copy(colors.begin(), colors.end(), reinterpret_cast<RGBQUAD*>(storage.data() + sizeof(BITMAPINFOHEADER)));
  void* ignored = nullptr;
  return CreateDIBSection(0, info, DIB_RGB_COLORS, pixels ? pixels : &ignored, 0, 0);
}

inline constexpr RGBQUAD Quad(COLORREF c) { return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0}; }

}  // namespace velko::platform::testing
