// Pages as the print pipeline sees them: 8-bit RGB pixels, read from PNG
// (through libpng) or PNM files and encoded as PNG.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velko::print {

struct Rgb8 {
  uint8_t r = 255, g = 255, b = 255;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

// Row-major pixels, three bytes each (red, green, blue), white when created.
class RgbImage {
 public:
  RgbImage() = default;
  RgbImage(uint32_t width, uint32_t height) : width_(width), height_(height), rgb_(std::size_t(width) * height * 3, 255) {}

  uint32_t width() const { return width_; }
  uint32_t height() const { return height_; }
  const uint8_t* Row(uint32_t y) const { return rgb_.data() + std::size_t(y) * width_ * 3; }
  uint8_t* Row(uint32_t y) { return rgb_.data() + std::size_t(y) * width_ * 3; }
  Rgb8 At(uint32_t x, uint32_t y) const {
    const uint8_t* p = Row(y) + 3 * std::size_t(x);
    return Rgb8{p[0], p[1], p[2]};
  }
  void Set(uint32_t x, uint32_t y, Rgb8 c) {
    uint8_t* p = Row(y) + 3 * std::size_t(x);
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
  }
  const std::vector<uint8_t>& bytes() const { return rgb_; }

 private:
  uint32_t width_ = 0, height_ = 0;
  std::vector<uint8_t> rgb_;
};

// The largest page accepted: beyond this a file is refused rather than
// allocated (a 1 GiB RGB page, more than A3 at 1200 dpi).
inline constexpr uint64_t kMaxImageBytes = uint64_t{1} << 30;

// Reads a PNG or PNM (P1 to P6) file; alpha is laid over white paper.
// PrintError naming the file when it cannot be read or is malformed.
RgbImage ReadImage(const std::filesystem::path& path);

// Parses PNM bytes (exposed for the tests); NAME is used in messages.
RgbImage ParsePnm(const std::vector<uint8_t>& bytes, const std::string& name);

// The image as an 8-bit RGB PNG file's bytes; PrintError when it cannot.
std::vector<uint8_t> EncodePng(const RgbImage& image);

}  // namespace velko::print
