// Test helper: reads the pixels of a resource's BMP file (24-bit, 32-bit and
// 4-bit with palette, bottom-up or top-down), so tests can look at what the
// generator drew.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace velko::res::testing {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhitePixel{255, 255, 255};

class BmpView {
 public:
  // Nothing when the header is not a consistent BITMAPINFOHEADER BMP file.
  static std::optional<BmpView> Parse(std::span<const uint8_t> file) {
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    BmpView v;
    v.file_ = file;
    const uint32_t file_size = U32(file, 2), offset = U32(file, 10), header = U32(file, 14);
    const int32_t w = static_cast<int32_t>(U32(file, 18)), h = static_cast<int32_t>(U32(file, 22));
    v.bits = U16(file, 28);
    const uint32_t compression = U32(file, 30);
    if (file_size != file.size() || header != 40 || U16(file, 26) != 1 || compression != 0 || w <= 0 || h == 0)
      return std::nullopt;
    if (v.bits != 4 && v.bits != 24 && v.bits != 32) return std::nullopt;
    v.width = w;
    v.top_down = h < 0;
    v.height = h < 0 ? -h : h;
    v.stride_ = ((static_cast<uint32_t>(w) * v.bits + 31) / 32) * 4;
    v.offset_ = offset;
    if (v.bits == 4) {
      const uint32_t colors = U32(file, 46) == 0 ? 16 : U32(file, 46);
      if (colors > 16 || 54 + colors * 4 > offset) return std::nullopt;
      for (uint32_t i = 0; i < colors; ++i) v.palette_.push_back({file[56 + 4 * i], file[55 + 4 * i], file[54 + 4 * i]});
    }
    if (static_cast<uint64_t>(offset) + static_cast<uint64_t>(v.stride_) * v.height > file.size()) return std::nullopt;
    return v;
  }

  Rgb At(int x, int y) const {
    const uint8_t* row = Row(y);
    if (bits == 4) {
      const uint8_t pair = row[x / 2];
      return palette_.at(x % 2 == 0 ? pair >> 4 : pair & 0x0F);
    }
    const uint8_t* p = row + x * (bits / 8);
    return {p[2], p[1], p[0]};
  }
  // 255 for bitmaps without alpha.
  int Alpha(int x, int y) const { return bits == 32 ? Row(y)[x * 4 + 3] : 255; }

  int width = 0, height = 0, bits = 0;
  bool top_down = false;

 private:
  static uint32_t U32(std::span<const uint8_t> f, std::size_t at) {
    uint32_t v;
    std::memcpy(&v, f.data() + at, 4);
    return v;
  }
  static uint16_t U16(std::span<const uint8_t> f, std::size_t at) {
    uint16_t v;
    std::memcpy(&v, f.data() + at, 2);
    return v;
  }
  const uint8_t* Row(int y) const {
    const int stored = top_down ? y : height - 1 - y;
    return file_.data() + offset_ + static_cast<std::size_t>(stored) * stride_;
  }

  std::span<const uint8_t> file_;
  uint32_t stride_ = 0, offset_ = 0;
  std::vector<Rgb> palette_;
};

}  // namespace velko::res::testing
