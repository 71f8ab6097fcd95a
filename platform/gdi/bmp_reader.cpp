// BMP parsing and RLE decoding; see bmp_reader.h.
#include "platform/gdi/bmp_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

namespace velko::platform {
namespace {

static_assert(std::endian::native == std::endian::little, "BMP fields are read in place as little-endian");

constexpr WORD kFileMagic = 0x4D42;  // "BM"
constexpr DWORD kCoreHeaderSize = sizeof(BITMAPCOREHEADER);
constexpr DWORD kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
constexpr DWORD kMaxHeaderSize = 4096;  // later headers are 124 bytes; anything far larger is damage
constexpr DWORD kOs2HeaderSize = 64;   // OS/2 2.x: its compression codes 3 and 4 mean other things

// The masks that follow the info header (inside the later headers).
#pragma pack(push, 1)
struct ColorMasks {
  DWORD red;
  DWORD green;
  DWORD blue;
};
#pragma pack(pop)
static_assert(sizeof(ColorMasks) == 12);

struct Failure {
  std::string message;
};

template <class T>
std::optional<T> ReadAt(std::span<const uint8_t> bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return std::nullopt;
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

// What the header says, in one form for both header families.
struct Header {
  DWORD size = 0;
  int64_t width = 0;
  int64_t height = 0;  // negative: top-down
  int bits = 0;
  DWORD compression = BI_RGB;
  DWORD colors_used = 0;
  bool core = false;
  std::array<DWORD, 3> masks{};
  std::size_t masks_after_header = 0;  // bytes of masks between header and color table
};

BmpResult Fail(std::string message) { return BmpResult{nullptr, std::move(message)}; }

bool ValidMask(DWORD mask, int bits) {
  if (mask == 0) return false;
  if (bits < 32 && (mask >> bits) != 0) return false;
  const DWORD shifted = mask >> std::countr_zero(mask);
  return (shifted & (shifted + 1)) == 0;  // one run of ones
}

std::optional<std::string> ParseHeader(std::span<const uint8_t> dib, Header& h) {
  const std::optional<DWORD> size = ReadAt<DWORD>(dib, 0);
  if (!size) return "truncated before the bitmap header";
  h.size = *size;
  if (h.size == kCoreHeaderSize) {
    const auto core = ReadAt<BITMAPCOREHEADER>(dib, 0);
    if (!core) return "truncated core header";
    h.core = true;
    h.width = core->bcWidth;
    h.height = core->bcHeight;
    if (core->bcPlanes != 1) return "planes is not 1";
    h.bits = core->bcBitCount;
    if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 24) return "core header with unsupported bit count";
    return std::nullopt;
  }
  if (h.size < kInfoHeaderSize || h.size > kMaxHeaderSize) return "unknown header size " + std::to_string(h.size);
  const auto info = ReadAt<BITMAPINFOHEADER>(dib, 0);
  if (!info || dib.size() < h.size) return "truncated info header";
  if (info->biPlanes != 1) return "planes is not 1";
  h.width = info->biWidth;
  h.height = info->biHeight;
  h.bits = info->biBitCount;
  h.compression = info->biCompression;
  h.colors_used = info->biClrUsed;
  if (h.size == kOs2HeaderSize && h.compression > BI_RLE4) return "OS/2 compression is not supported";
  if (h.compression == BI_BITFIELDS) {
    // Inside the header from 52 bytes on, else right after it.
    const bool inside = h.size >= kInfoHeaderSize + sizeof(ColorMasks);
    const auto masks = ReadAt<ColorMasks>(dib, kInfoHeaderSize);
    if (!masks) return "truncated color masks";
    h.masks = {masks->red, masks->green, masks->blue};
    h.masks_after_header = inside ? 0 : sizeof(ColorMasks);
  }
  return std::nullopt;
}

std::optional<std::string> CheckHeader(const Header& h) {
  if (h.width <= 0) return "width is not positive";
  if (h.height == 0) return "height is 0";
  switch (h.compression) {
    case BI_RGB:
      if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 16 && h.bits != 24 && h.bits != 32) {
        return "unsupported bit count " + std::to_string(h.bits);
      }
      break;
    case BI_RLE8:
    case BI_RLE4:
      if (h.bits != (h.compression == BI_RLE8 ? 8 : 4)) return "run-length compression with the wrong bit count";
      if (h.height < 0) return "run-length compressed bitmaps cannot be top-down";
      break;
    case BI_BITFIELDS:
      if (h.bits != 16 && h.bits != 32) return "bit fields need 16 or 32 bits";
      for (DWORD mask : h.masks) {
        if (!ValidMask(mask, h.bits)) return "invalid color mask";
      }
      break;
    default:
      return "unsupported compression " + std::to_string(h.compression);
  }
  return std::nullopt;
}

// The color table's entry count: biClrUsed when given, else the full
// table; a file offset that leaves room for fewer entries shortens it.
std::size_t ColorCount(const Header& h, std::size_t table_start, std::optional<std::size_t> bits_offset) {
  if (h.bits > 8) return 0;
  const std::size_t full = std::size_t{1} << h.bits;
  std::size_t count = (h.colors_used != 0 && h.colors_used < full) ? h.colors_used : full;
  const std::size_t entry = h.core ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD);
  if (bits_offset && *bits_offset > table_start && *bits_offset < table_start + count * entry) {
    count = std::max<std::size_t>(1, (*bits_offset - table_start) / entry);
  }
  return count;
}

std::optional<std::string> ReadColors(std::span<const uint8_t> dib, const Header& h, std::size_t start,
                                      std::size_t count, std::vector<RGBQUAD>& colors) {
  const std::size_t entry = h.core ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD);
  if (start > dib.size() || (dib.size() - start) / entry < count) return "truncated color table";
  colors.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const uint8_t* p = dib.data() + start + i * entry;
    colors[i] = RGBQUAD{p[0], p[1], p[2], 0};
  }
  return std::nullopt;
}

// Uncompressed rows: `stride` bytes each, in file order.
std::optional<std::string> CopyRows(std::span<const uint8_t> bits, Bitmap& bitmap) {
  const std::size_t stride = static_cast<std::size_t>(bitmap.stride());
  const std::size_t needed = stride * static_cast<std::size_t>(bitmap.height());
  if (bits.size() < needed) return "truncated pixel data";
  std::memcpy(bitmap.bits(), bits.data(), needed);
  return std::nullopt;
}

// Run-length data: (count, value) runs, and escapes after a 0 count: 0 end
// of line, 1 end of bitmap, 2 a move right and up, n >= 3 n literal pixels
// padded to a 16-bit boundary. Rows run bottom-up; pixels outside the image
// are dropped; pixels no run reaches keep index 0.
std::optional<std::string> DecodeRle(std::span<const uint8_t> data, bool four_bit, Bitmap& bitmap) {
  const int width = bitmap.width();
  const int height = bitmap.height();
  int x = 0;
  int line = 0;  // from the bottom
  auto put = [&](int index) {
    if (x < width && line < height) {
      uint8_t* row = bitmap.Row(height - 1 - line);
      if (four_bit) {
        uint8_t& byte = row[x >> 1];
        byte = (x & 1) ? static_cast<uint8_t>((byte & 0xF0) | index) : static_cast<uint8_t>((byte & 0x0F) | (index << 4));
      } else {
        row[x] = static_cast<uint8_t>(index);
      }
    }
    ++x;
  };
  auto nibble = [&](uint8_t value, int i) { return four_bit ? ((i & 1) ? value & 0x0F : value >> 4) : value; };

  std::size_t pos = 0;
  while (pos + 2 <= data.size()) {
    const uint8_t count = data[pos];
    const uint8_t value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count && x <= width; ++i) put(nibble(value, i));
      continue;
    }
    switch (value) {
      case 0:
        x = 0;
        line = std::min(line + 1, height);
        break;
      case 1:
        return std::nullopt;
      case 2:
        if (pos + 2 > data.size()) return "truncated run-length move";
        x = std::min(x + data[pos], width + 1);
        line = std::min(line + data[pos + 1], height);
        pos += 2;
        break;
      default: {
        const std::size_t bytes = four_bit ? (value + 1u) / 2 : value;
        const std::size_t padded = (bytes + 1) & ~std::size_t{1};
        if (data.size() - pos < padded) return "truncated run-length literal";
        for (int i = 0; i < value; ++i) put(nibble(data[pos + (four_bit ? i / 2 : i)], i));
        pos += padded;
        break;
      }
    }
  }
  return "run-length data ends without its end-of-bitmap mark";
}

BmpResult ReadDib(std::span<const uint8_t> dib, std::optional<std::size_t> bits_offset, BmpLimits limits) {
  Header h;
  if (auto error = ParseHeader(dib, h)) return Fail(*error);
  if (auto error = CheckHeader(h)) return Fail(*error);

  const int64_t height = h.height < 0 ? -h.height : h.height;
  const int64_t stride = (h.width * h.bits + 31) / 32 * 4;
  if (h.width > 0x7FFFFFF || height > 0x7FFFFFF || static_cast<uint64_t>(stride) * height > limits.max_pixel_bytes) {
    return Fail("image of " + std::to_string(h.width) + " x " + std::to_string(height) + " is too large");
  }

  const std::size_t table_start = h.size + h.masks_after_header;
  BitmapFormat format;
  format.bitsPixel = h.bits;
  format.dib = true;
  format.topDown = h.height < 0;
  format.masks = h.masks;
  const std::size_t count = ColorCount(h, table_start, bits_offset);
  if (auto error = ReadColors(dib, h, table_start, count, format.colors)) return Fail(*error);
  const std::size_t table_end = table_start + count * (h.core ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD));

  // The file's offset to the bits when it points past the header; a packed
  // DIB's bits follow its color table.
  std::size_t offset = table_end;
  if (bits_offset && *bits_offset >= table_start) offset = *bits_offset;
  if (offset > dib.size()) return Fail("pixel data offset lies past the end of the file");
  // Uncompressed rows must all be there; checked before the bitmap is made,
  // so a short file claiming a huge image costs no allocation.
  const bool run_length = h.compression == BI_RLE8 || h.compression == BI_RLE4;
  if (!run_length && static_cast<uint64_t>(stride) * height > dib.size() - offset) {
    return Fail("the file ends before the image's rows do");
  }

  std::shared_ptr<Bitmap> bitmap = Bitmap::Make(static_cast<int>(h.width), static_cast<int>(height), std::move(format));
  if (!bitmap) return Fail("image too large");
  const std::span<const uint8_t> bits = dib.subspan(offset);
  const std::optional<std::string> error = run_length
                                               ? DecodeRle(bits, h.compression == BI_RLE4, *bitmap)
                                               : CopyRows(bits, *bitmap);
  if (error) return Fail(*error);
  return BmpResult{std::move(bitmap), {}};
}

}  // namespace

BmpResult ReadBmpFile(std::span<const uint8_t> file, BmpLimits limits) {
  const auto header = ReadAt<BITMAPFILEHEADER>(file, 0);
  if (!header) return Fail("shorter than a BMP file header");
  if (header->bfType != kFileMagic) return Fail("not a BMP file (no \"BM\" signature)");
  const std::span<const uint8_t> dib = file.subspan(sizeof(BITMAPFILEHEADER));
  // bfOffBits counts from the start of the file; 0 (or less than the file
  // header) means "right after the color table".
  std::optional<std::size_t> bits_offset;
  if (header->bfOffBits >= sizeof(BITMAPFILEHEADER)) bits_offset = header->bfOffBits - sizeof(BITMAPFILEHEADER);
  return ReadDib(dib, bits_offset, limits);
}

BmpResult ReadPackedDib(std::span<const uint8_t> dib, BmpLimits limits) {
  if (dib.size() >= 2 && dib[0] == 'B' && dib[1] == 'M') return ReadBmpFile(dib, limits);
  return ReadDib(dib, std::nullopt, limits);
}

}  // namespace velko::platform
