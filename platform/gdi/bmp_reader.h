// The BMP reader: turns the bytes of a BMP file, or of a packed DIB as
// module resources hold them, into a DIB section bitmap. Takes every header
// a user's file may have (the 12-byte core header; the 40-byte info header
// and its 52, 56, 64, 108 and 124-byte successors), 1, 4, 8, 16, 24 and 32
// bits, BI_BITFIELDS masks, RLE4 and RLE8 (decoded), bottom-up and top-down
// rows. Anything malformed or truncated gives no bitmap and a message that
// says what was wrong, never a crash: every offset and size is checked
// against the bytes at hand before it is used.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/gdi/bitmap.h"

namespace velko::platform {

struct BmpResult {
  std::shared_ptr<Bitmap> bitmap;  // null when the bytes are not a usable image
  std::string error;               // why, when there is no bitmap
};

struct BmpLimits {
  std::size_t max_pixel_bytes = Bitmap::kMaxBytes;  // decoded size of the largest accepted image
};

// A whole file: BITMAPFILEHEADER ("BM"), header, color table, bits.
BmpResult ReadBmpFile(std::span<const uint8_t> file, BmpLimits limits = {});

// A packed DIB: header, color table, bits with no file header. Data that
// starts with "BM" is read as a whole file.
BmpResult ReadPackedDib(std::span<const uint8_t> dib, BmpLimits limits = {});

}  // namespace velko::platform
