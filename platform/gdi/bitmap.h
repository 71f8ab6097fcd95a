// Bitmaps on real pixels: device-dependent bitmaps (the display's 32-bit
// format and monochrome) and DIB sections of 1, 4, 8, 16, 24 and 32 bits
// whose bits the system's code may write directly. Pixels are read and
// written a row segment at a time as COLORREFs, so raster operations convert
// formats once per row instead of once per call.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/kernel/handles.h"

namespace velko::platform {

// Selection bookkeeping shared by every GDI object: stock objects are never
// deleted, and an object selected into a DC is not deleted under it.
struct GdiObject {
  bool stock = false;
  int selections = 0;
};

struct BitmapFormat {
  int bitsPixel = 32;  // 1, 4, 8, 16, 24 or 32
  bool dib = false;    // a DIB section (else a device-dependent bitmap)
  bool topDown = false;
  std::vector<RGBQUAD> colors;  // the color table of 1, 4 and 8 bits
  std::array<DWORD, 3> masks{};  // red, green, blue masks of 16 and 32 bits
};

class Bitmap : public GdiObject {
 public:
  static constexpr HandleKind kHandleKind = HandleKind::Bitmap;

  // Largest pixel store we allocate; bigger requests fail like an
  // out-of-memory CreateBitmap, never abort the process.
  static constexpr std::size_t kMaxBytes = std::size_t{1} << 28;

  // A zero-initialised bitmap, or nullptr when the
  // format or size is not supported. Missing masks get the format's defaults.
  static std::shared_ptr<Bitmap> Make(int width, int height, BitmapFormat format);

  // The display's format (32 bits) and the monochrome format.
  static std::shared_ptr<Bitmap> MakeDisplay(int width, int height);
  static std::shared_ptr<Bitmap> MakeMonochrome(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  int stride() const { return stride_; }
  const BitmapFormat& format() const { return format_; }
  uint8_t* bits() { return bits_.data(); }
  const uint8_t* bits() const { return bits_.data(); }

  // A monochrome bitmap takes part in the color conversions of BitBlt; a
  // 1-bit DIB section is an indexed bitmap with its own two colors.
  bool Monochrome() const { return !format_.dib && format_.bitsPixel == 1; }
  // The display's own format: palette displays map colors written to it.
  bool DisplayFormat() const { return !format_.dib && format_.bitsPixel == 32; }

  // Row y counted from the top, whatever the storage order.
  uint8_t* Row(int y);
  const uint8_t* Row(int y) const;

  void ReadRow(int y, int x, int count, COLORREF* out) const;
  void WriteRow(int y, int x, int count, const COLORREF* colors);

  // The color the bitmap stores when asked to store `color`.
  COLORREF Representable(COLORREF color) const;

  BITMAP Describe();
  DIBSECTION DescribeSection();

  HDC selected_into = 0;

 private:
  Bitmap(int width, int height, int stride, BitmapFormat format);
  uint8_t NearestIndex(COLORREF color) const;
  COLORREF TableColor(unsigned index) const;

  int width_;
  int height_;
  int stride_;
  BitmapFormat format_;
  std::vector<uint8_t> bits_;
  mutable COLORREF last_color_ = CLR_INVALID;  // one-entry cache of NearestIndex
  mutable uint8_t last_index_ = 0;
};

}  // namespace velko::platform
