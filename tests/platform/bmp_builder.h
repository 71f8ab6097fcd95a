// Builds BMP files byte by byte for the tests, so that no binary image is
// kept in the repository: every header variant, color table and pixel layout
// is spelled out where it is used.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/gdi/gdi_types.h"

namespace velko::platform::testing {

struct BmpLayout {
  DWORD header_size = 40;  // 12 (core), 40, 52, 56, 64, 108, 124
  LONG width = 1;
  LONG height = 1;  // negative: top-down
  WORD planes = 1;
  WORD bits = 24;
  DWORD compression = BI_RGB;
  DWORD colors_used = 0;
  std::vector<RGBQUAD> colors;   // written as quads, or triples for the core header
  std::array<DWORD, 3> masks{};  // written for BI_BITFIELDS
  std::vector<uint8_t> pixels;   // exactly as in the file
  std::optional<DWORD> bits_offset;  // default: right after the color table
  bool file_header = true;
};

template <class T>
void Append(std::vector<uint8_t>& out, const T& value) {
  const auto* p = reinterpret_cast<const uint8_t*>(&value);
  out.insert(out.end(), p, p + sizeof(T));
}

inline std::vector<uint8_t> BuildBmp(const BmpLayout& s) {
  std::vector<uint8_t> dib;
  if (s.header_size == 12) {
    Append(dib, BITMAPCOREHEADER{12, static_cast<WORD>(s.width), static_cast<WORD>(s.height), s.planes, s.bits});
  } else if (s.header_size < 40) {
    // A damaged size: the info header's first bytes only.
    std::vector<uint8_t> info;
    Append(info, BITMAPINFOHEADER{s.header_size, s.width, s.height, s.planes, s.bits, s.compression, 0, 0, 0, 0, 0});
    dib.insert(dib.end(), info.begin(), info.begin() + s.header_size);
  } else {
    Append(dib, BITMAPINFOHEADER{s.header_size, s.width, s.height, s.planes, s.bits, s.compression, 0, 2835, 2835,
                                 s.colors_used, 0});
    std::vector<uint8_t> rest(s.header_size - 40);
    if (s.header_size >= 52) std::memcpy(rest.data(), s.masks.data(), 12);
    dib.insert(dib.end(), rest.begin(), rest.end());
    if (s.header_size == 40 && s.compression == BI_BITFIELDS) {
      for (DWORD m : s.masks) Append(dib, m);
    }
  }
  for (const RGBQUAD& q : s.colors) {
    dib.push_back(q.rgbBlue);
    dib.push_back(q.rgbGreen);
    dib.push_back(q.rgbRed);
    if (s.header_size != 12) dib.push_back(0);
  }
  if (!s.file_header) {
    dib.insert(dib.end(), s.pixels.begin(), s.pixels.end());
    return dib;
  }
  const DWORD offset = s.bits_offset.value_or(static_cast<DWORD>(14 + dib.size()));
  std::vector<uint8_t> file;
  Append(file, BITMAPFILEHEADER{0x4D42, static_cast<DWORD>(14 + dib.size() + s.pixels.size()), 0, 0, offset});
  file.insert(file.end(), dib.begin(), dib.end());
  // A gap between the color table and the bits, when the offset says so.
  if (offset > file.size()) file.resize(offset, 0xEE);
  file.insert(file.end(), s.pixels.begin(), s.pixels.end());
  return file;
}

// Rows given as bytes, each padded to 4 bytes.
inline std::vector<uint8_t> PaddedRows(const std::vector<std::vector<uint8_t>>& rows) {
  std::vector<uint8_t> out;
  for (const auto& row : rows) {
    out.insert(out.end(), row.begin(), row.end());
    out.resize(out.size() + (4 - row.size() % 4) % 4, 0);
  }
  return out;
}

}  // namespace velko::platform::testing
