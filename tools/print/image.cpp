// Reading pages: PNG through libpng's simplified API, PNM by a small parser
// of the six Netpbm formats. Every failure names the file and says what
// was expected.
#include "tools/print/image.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/print/print_error.h"

namespace velko::print {
namespace {

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw PrintError(path.string() + ": cannot open the file");
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw PrintError(path.string() + ": read error");
  return bytes;
}

void CheckSize(uint64_t width, uint64_t height, const std::string& name) {
  if (width == 0 || height == 0) throw PrintError(name + ": the image has no pixels");
  if (width * height * 3 > kMaxImageBytes) {
    throw PrintError(name + ": " + std::to_string(width) + " x " + std::to_string(height) +
                     " pixels is larger than a page this tool accepts");
  }
}

RgbImage DecodePng(const std::vector<uint8_t>& bytes, const std::string& name) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
    throw PrintError(name + ": not a readable PNG (" + png.message + ")");
  }
  try {
    CheckSize(png.width, png.height, name);
  } catch (...) {
    png_image_free(&png);
    throw;
  }
  png.format = PNG_FORMAT_RGB;
  RgbImage image(png.width, png.height);
  // Transparent pixels are laid over white paper.
  const png_color paper{255, 255, 255};
  if (!png_image_finish_read(&png, &paper, image.Row(0), 0, nullptr)) {
    const std::string message = png.message;
    png_image_free(&png);
    throw PrintError(name + ": damaged PNG data (" + message + ")");
  }
  return image;
}

// A cursor over the PNM header and its ASCII data.
class PnmReader {
 public:
  PnmReader(const std::vector<uint8_t>& bytes, const std::string& name) : bytes_(bytes), name_(name) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw PrintError(name_ + ": " + what + " at byte " + std::to_string(pos_));
  }

  // Skips whitespace and comments (from '#' to the end of the line).
  void SkipSpace() {
    while (pos_ < bytes_.size()) {
      if (bytes_[pos_] == '#') {
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n') ++pos_;
      } else if (std::isspace(bytes_[pos_])) {
        ++pos_;
      } else {
        break;
      }
    }
  }

  uint32_t Number(const char* what) {
    SkipSpace();
    if (pos_ >= bytes_.size() || !std::isdigit(bytes_[pos_])) Fail(std::string("expected ") + what);
    uint64_t value = 0;
    while (pos_ < bytes_.size() && std::isdigit(bytes_[pos_])) {
      value = value * 10 + (bytes_[pos_++] - '0');
      if (value > 0xFFFFFFFFu) Fail(std::string(what) + " too large");
    }
    return uint32_t(value);
  }

  // One ASCII bit of P1: digits may follow each other without spaces.
  uint32_t Bit() {
    SkipSpace();
    if (pos_ >= bytes_.size() || (bytes_[pos_] != '0' && bytes_[pos_] != '1')) Fail("expected a 0 or 1 pixel");
    return uint32_t(bytes_[pos_++] - '0');
  }

  // The single whitespace byte that ends the header of a binary format.
  void EndOfHeader() {
    if (pos_ >= bytes_.size() || !std::isspace(bytes_[pos_])) Fail("expected whitespace after the header");
    ++pos_;
  }

  std::size_t pos() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  const uint8_t* Data() const { return bytes_.data() + pos_; }

 private:
  const std::vector<uint8_t>& bytes_;
  const std::string& name_;
  std::size_t pos_ = 2;  // after the magic number
};

uint8_t Scale(uint32_t value, uint32_t maxval) { return uint8_t((value * 255 + maxval / 2) / maxval); }

}  // namespace

RgbImage ParsePnm(const std::vector<uint8_t>& bytes, const std::string& name) {
  if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] < '1' || bytes[1] > '6') {
    throw PrintError(name + ": not a PNM file (expected P1 to P6)");
  }
  const int kind = bytes[1] - '0';
  PnmReader in(bytes, name);
  const uint32_t width = in.Number("the width");
  const uint32_t height = in.Number("the height");
  CheckSize(width, height, name);
  const bool bitmap = kind == 1 || kind == 4;
  const uint32_t maxval = bitmap ? 1 : in.Number("the maximum value");
  if (maxval == 0 || maxval > 65535) in.Fail("maximum value out of 1..65535");
  const int channels = kind == 3 || kind == 6 ? 3 : 1;
  RgbImage image(width, height);

  if (kind == 4) {
    in.EndOfHeader();
    const std::size_t rowBytes = (std::size_t(width) + 7) / 8;
    if (in.Remaining() < rowBytes * height) in.Fail("pixel data ends early");
    for (uint32_t y = 0; y < height; ++y) {
      const uint8_t* row = in.Data() + rowBytes * y;
      for (uint32_t x = 0; x < width; ++x) {
        if (row[x / 8] >> (7 - x % 8) & 1) image.Set(x, y, Rgb8{0, 0, 0});
      }
    }
    return image;
  }
  const bool ascii = kind <= 3;
  const std::size_t sampleBytes = maxval > 255 ? 2 : 1;
  if (!ascii) {
    in.EndOfHeader();
    if (in.Remaining() < std::size_t(width) * height * channels * sampleBytes) in.Fail("pixel data ends early");
  }
  const uint8_t* data = ascii ? nullptr : in.Data();
  std::size_t next = 0;
  const auto sample = [&]() -> uint32_t {
    if (kind == 1) return in.Bit();
    uint32_t value = 0;
    if (ascii) {
      value = in.Number("a pixel value");
    } else {
      value = sampleBytes == 2 ? uint32_t(data[next] << 8 | data[next + 1]) : data[next];
      next += sampleBytes;
    }
    if (value > maxval) in.Fail("pixel value above the maximum value");
    return value;
  };
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      if (kind == 1) {
        if (sample()) image.Set(x, y, Rgb8{0, 0, 0});
      } else if (channels == 1) {
        const uint8_t v = Scale(sample(), maxval);
        image.Set(x, y, Rgb8{v, v, v});
      } else {
        const uint8_t r = Scale(sample(), maxval), g = Scale(sample(), maxval), b = Scale(sample(), maxval);
        image.Set(x, y, Rgb8{r, g, b});
      }
    }
  }
  return image;
}

RgbImage ReadImage(const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  static constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() >= 8 && std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin())) {
    return DecodePng(bytes, path.string());
  }
  if (bytes.size() >= 2 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '6') return ParsePnm(bytes, path.string());
  throw PrintError(path.string() + ": not a PNG or PNM image");
}

std::vector<uint8_t> EncodePng(const RgbImage& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = image.width();
  png.height = image.height();
  png.format = PNG_FORMAT_RGB;
  png.flags = PNG_IMAGE_FLAG_FAST;  // pages are large; favour speed over size
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(png, size, 0, image.Row(0), 0, nullptr)) {
    throw PrintError(std::string("cannot encode the PNG (") + png.message + ")");
  }
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, image.Row(0), 0, nullptr)) {
    throw PrintError(std::string("cannot encode the PNG (") + png.message + ")");
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace velko::print
