// Pixel storage and per-format row conversion of bitmaps.
#include "platform/gdi/bitmap.h"

#include <bit>
#include <cstring>
#include <limits>

namespace velko::platform {
namespace {

constexpr std::array<DWORD, 3> kMasks16 = {0x7C00, 0x03E0, 0x001F};
constexpr std::array<DWORD, 3> kMasks32 = {0xFF0000, 0x00FF00, 0x0000FF};
constexpr RGBQUAD kBlack = {0, 0, 0, 0};
constexpr RGBQUAD kWhite = {255, 255, 255, 0};

constexpr COLORREF ColorOf(const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }

int SquaredDistance(COLORREF a, COLORREF b) {
  const int dr = GetRValue(a) - GetRValue(b);
  const int dg = GetGValue(a) - GetGValue(b);
  const int db = GetBValue(a) - GetBValue(b);
  return dr * dr + dg * dg + db * db;
}

bool SupportedDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// One color channel described by a bit mask: where it sits and how wide.
struct Channel {
  int shift = 0;
  int width = 0;
  DWORD max = 0;

  explicit Channel(DWORD mask) {
    if (mask == 0) return;
    shift = std::countr_zero(mask);
    width = std::popcount(mask);
    max = (mask >> shift);
  }
  BYTE Decode(DWORD pixel) const {
    if (max == 0) return 0;
    const DWORD v = (pixel >> shift) & max;
    return static_cast<BYTE>((v * 255 + max / 2) / max);
  }
  DWORD Encode(BYTE c) const {
    if (max == 0) return 0;
    return ((static_cast<DWORD>(c) * max + 127) / 255) << shift;
  }
};

}  // namespace

std::shared_ptr<Bitmap> Bitmap::Make(int width, int height, BitmapFormat format) {
  if (width <= 0 || height <= 0 || !SupportedDepth(format.bitsPixel)) return nullptr;
  if (format.bitsPixel == 16 && format.masks == std::array<DWORD, 3>{}) format.masks = kMasks16;
  if (format.bitsPixel == 32 && format.masks == std::array<DWORD, 3>{}) format.masks = kMasks32;
  if (format.bitsPixel <= 8) {
    const std::size_t table = std::size_t{1} << format.bitsPixel;
    if (format.colors.size() > table) format.colors.resize(table);
    if (!format.dib && format.bitsPixel == 1) format.colors = {kBlack, kWhite};
    if (format.colors.empty()) return nullptr;
  }
  // DIB rows pad to 4 bytes, device-dependent rows to 2 bytes.
  const int64_t row_bits = int64_t{width} * format.bitsPixel;
  const int64_t stride = format.dib ? (row_bits + 31) / 32 * 4 : (row_bits + 15) / 16 * 2;
  if (stride > std::numeric_limits<int>::max() || static_cast<uint64_t>(stride) * height > kMaxBytes) return nullptr;
  return std::shared_ptr<Bitmap>(new Bitmap(width, height, static_cast<int>(stride), std::move(format)));
}

std::shared_ptr<Bitmap> Bitmap::MakeDisplay(int width, int height) {
  BitmapFormat format;
  format.bitsPixel = 32;
  return Make(width, height, std::move(format));
}

std::shared_ptr<Bitmap> Bitmap::MakeMonochrome(int width, int height) {
  BitmapFormat format;
  format.bitsPixel = 1;
  return Make(width, height, std::move(format));
}

Bitmap::Bitmap(int width, int height, int stride, BitmapFormat format)
    : width_(width), height_(height), stride_(stride), format_(std::move(format)),
      bits_(static_cast<std::size_t>(stride) * height) {}

uint8_t* Bitmap::Row(int y) {
  const int stored = format_.topDown || !format_.dib ? y : height_ - 1 - y;
  return bits_.data() + static_cast<std::size_t>(stored) * stride_;
}

const uint8_t* Bitmap::Row(int y) const { return const_cast<Bitmap*>(this)->Row(y); }

COLORREF Bitmap::TableColor(unsigned index) const {
  // Indices past a short color table show black.
  return index < format_.colors.size() ? ColorOf(format_.colors[index]) : 0;
}

uint8_t Bitmap::NearestIndex(COLORREF color) const {
  if (color == last_color_) return last_index_;
  int best = 0;
  int best_distance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < format_.colors.size(); ++i) {
    const int d = SquaredDistance(color, ColorOf(format_.colors[i]));
    if (d < best_distance) {
      best_distance = d;
      best = static_cast<int>(i);
      if (d == 0) break;
    }
  }
  last_color_ = color;
  last_index_ = static_cast<uint8_t>(best);
  return last_index_;
}

void Bitmap::ReadRow(int y, int x, int count, COLORREF* out) const {
  const uint8_t* row = Row(y);
  switch (format_.bitsPixel) {
    case 1:
      for (int i = 0; i < count; ++i) {
        const int px = x + i;
        out[i] = TableColor((row[px >> 3] >> (7 - (px & 7))) & 1);
      }
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        const int px = x + i;
        out[i] = TableColor((px & 1) ? row[px >> 1] & 0x0F : row[px >> 1] >> 4);
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i) out[i] = TableColor(row[x + i]);
      break;
    case 16: {
      const Channel r(format_.masks[0]), g(format_.masks[1]), b(format_.masks[2]);
      for (int i = 0; i < count; ++i) {
        const uint8_t* p = row + 2 * (x + i);
        const DWORD v = p[0] | (p[1] << 8);
        out[i] = RGB(r.Decode(v), g.Decode(v), b.Decode(v));
      }
      break;
    }
    case 24:
      for (int i = 0; i < count; ++i) {
        const uint8_t* p = row + 3 * (x + i);
        out[i] = RGB(p[2], p[1], p[0]);
      }
      break;
    case 32:
      if (format_.masks == kMasks32) {
        for (int i = 0; i < count; ++i) {
          const uint8_t* p = row + 4 * (x + i);
          out[i] = RGB(p[2], p[1], p[0]);
        }
      } else {
        const Channel r(format_.masks[0]), g(format_.masks[1]), b(format_.masks[2]);
        for (int i = 0; i < count; ++i) {
          DWORD v;
          std::memcpy(&v, row + 4 * (x + i), 4);
          out[i] = RGB(r.Decode(v), g.Decode(v), b.Decode(v));
        }
      }
      break;
  }
}

void Bitmap::WriteRow(int y, int x, int count, const COLORREF* colors) {
  uint8_t* row = Row(y);
  switch (format_.bitsPixel) {
    case 1:
      for (int i = 0; i < count; ++i) {
        const int px = x + i;
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (px & 7));
        if (NearestIndex(colors[i] & 0xFFFFFF)) {
          row[px >> 3] |= bit;
        } else {
          row[px >> 3] &= static_cast<uint8_t>(~bit);
        }
      }
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        const int px = x + i;
        const uint8_t index = NearestIndex(colors[i] & 0xFFFFFF);
        uint8_t& byte = row[px >> 1];
        byte = (px & 1) ? static_cast<uint8_t>((byte & 0xF0) | index) : static_cast<uint8_t>((byte & 0x0F) | (index << 4));
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i) row[x + i] = NearestIndex(colors[i] & 0xFFFFFF);
      break;
    case 16: {
      const Channel r(format_.masks[0]), g(format_.masks[1]), b(format_.masks[2]);
      for (int i = 0; i < count; ++i) {
        const COLORREF c = colors[i];
        const DWORD v = r.Encode(GetRValue(c)) | g.Encode(GetGValue(c)) | b.Encode(GetBValue(c));
        row[2 * (x + i)] = static_cast<uint8_t>(v);
        row[2 * (x + i) + 1] = static_cast<uint8_t>(v >> 8);
      }
      break;
    }
    case 24:
      for (int i = 0; i < count; ++i) {
        uint8_t* p = row + 3 * (x + i);
        p[0] = GetBValue(colors[i]);
        p[1] = GetGValue(colors[i]);
        p[2] = GetRValue(colors[i]);
      }
      break;
    case 32:
      if (format_.masks == kMasks32) {
        for (int i = 0; i < count; ++i) {
          uint8_t* p = row + 4 * (x + i);
          p[0] = GetBValue(colors[i]);
          p[1] = GetGValue(colors[i]);
          p[2] = GetRValue(colors[i]);
          p[3] = 0;
        }
      } else {
        const Channel r(format_.masks[0]), g(format_.masks[1]), b(format_.masks[2]);
        for (int i = 0; i < count; ++i) {
          const COLORREF c = colors[i];
          const DWORD v = r.Encode(GetRValue(c)) | g.Encode(GetGValue(c)) | b.Encode(GetBValue(c));
          std::memcpy(row + 4 * (x + i), &v, 4);
        }
      }
      break;
  }
}

COLORREF Bitmap::Representable(COLORREF color) const {
  color &= 0xFFFFFF;
  if (format_.bitsPixel <= 8) return TableColor(NearestIndex(color));
  if (format_.bitsPixel == 24 || (format_.bitsPixel == 32 && format_.masks == kMasks32)) return color;
  const Channel r(format_.masks[0]), g(format_.masks[1]), b(format_.masks[2]);
  const DWORD v = r.Encode(GetRValue(color)) | g.Encode(GetGValue(color)) | b.Encode(GetBValue(color));
  return RGB(r.Decode(v), g.Decode(v), b.Decode(v));
}

BITMAP Bitmap::Describe() {
  return BITMAP{.bmType = 0,
                .bmWidth = width_,
                .bmHeight = height_,
                .bmWidthBytes = stride_,
                .bmPlanes = 1,
                .bmBitsPixel = static_cast<WORD>(format_.bitsPixel),
                .bmBits = format_.dib ? bits_.data() : nullptr};
}

DIBSECTION Bitmap::DescribeSection() {
  DIBSECTION section{};
  section.dsBm = Describe();
  BITMAPINFOHEADER& h = section.dsBmih;
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biWidth = width_;
  h.biHeight = format_.topDown ? -height_ : height_;
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(format_.bitsPixel);
  const bool custom_masks = (format_.bitsPixel == 16 && format_.masks != kMasks16) ||
                            (format_.bitsPixel == 32 && format_.masks != kMasks32);
  h.biCompression = custom_masks ? BI_BITFIELDS : BI_RGB;
  h.biSizeImage = static_cast<DWORD>(bits_.size());
  h.biClrUsed = static_cast<DWORD>(format_.colors.size());
  if (format_.bitsPixel > 8) h.biClrUsed = 0;
  for (int i = 0; i < 3; ++i) section.dsBitfields[i] = format_.bitsPixel > 8 ? format_.masks[i] : 0;
  return section;
}

}  // namespace velko::platform
