// Decoding reads the file with a bounds-checked cursor: every length comes
// from the file and is checked before it is used.
#include "tools/print/page_decoder.h"

#include <cstring>
#include <vector>

#include "render/band_geometry.h"
#include "tools/print/bilevel.h"
#include "tools/print/mh_lines.h"
#include "tools/print/print_error.h"

namespace velko::print {
namespace {

class Cursor {
 public:
  Cursor(std::span<const uint8_t> data, const std::string& name) : data_(data), name_(name) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw PrintError(name_ + ": " + what + " at byte " + std::to_string(pos_));
  }
  std::span<const uint8_t> Take(std::size_t bytes, const char* what) {
    if (data_.size() - pos_ < bytes) Fail(std::string("file ends inside ") + what);
    const auto taken = data_.subspan(pos_, bytes);
    pos_ += bytes;
    return taken;
  }
  template <class T>
  T Read(const char* what) {
    T value;
    std::memcpy(&value, Take(sizeof value, what).data(), sizeof value);
    return value;
  }
  uint8_t PeekKind() {
    if (pos_ >= data_.size()) Fail("file ends before its end chunk");
    return data_[pos_];
  }
  bool AtEnd() const { return pos_ == data_.size(); }

 private:
  std::span<const uint8_t> data_;
  const std::string& name_;
  std::size_t pos_ = 0;
};

const sb::CoderShape& ShapeOf(CoderKind coder) {
  switch (coder) {
    case CoderKind::kQuick: return sb::kQuickShape;
    case CoderKind::kFine: return sb::kFineShape;
    case CoderKind::kFine2: return sb::kFine2Shape;
    default: return sb::kMonoShape;
  }
}

// Paints one block record at block column BLOCK of the strip at page row
// ROW, clipped to the page.
class BlockPainter {
 public:
  BlockPainter(RgbImage& page, CoderKind coder) : page_(page), coder_(coder), n_(ShapeOf(coder).blockSize) {}

  void Paint(const uint8_t* record, uint32_t block, uint32_t row) {
    for (uint32_t k = 0; k < n_ && row + k < page_.height(); ++k) {
      for (uint32_t c = 0; c < n_ && block * n_ + c < page_.width(); ++c) {
        page_.Set(block * n_ + c, row + k, PixelColor(record, k * n_ + c, c, k));
      }
    }
  }

 private:
  Rgb8 PixelColor(const uint8_t* record, uint32_t p, uint32_t column, uint32_t rowInStrip) const {
    switch (coder_) {
      case CoderKind::kQuick: {
        const bool b = record[6 + p / 8] >> (7 - p % 8) & 1;
        const uint8_t* color = record + (b ? 3 : 0);
        return Rgb8{color[0], color[1], color[2]};
      }
      case CoderKind::kMono: {
        const bool black = record[rowInStrip] >> (7 - column % 8) & 1;
        return black ? Rgb8{0, 0, 0} : Rgb8{};
      }
      default: {
        const unsigned number = record[12 + p / 4] >> (6 - 2 * (p % 4)) & 3;
        const uint8_t* color = record + 3 * number;
        return Rgb8{color[0], color[1], color[2]};
      }
    }
  }

  RgbImage& page_;
  CoderKind coder_;
  uint32_t n_;
};

void DecodeCalls(Cursor& in, const FileHeader& header, RgbImage& page) {
  const CoderKind coder = CoderKind(header.coder);
  const sb::CoderShape& shape = ShapeOf(coder);
  const std::size_t blocks = sb::BlocksPerStrip(shape, int32_t(header.width));
  const std::size_t stripBytes = std::size_t(sb::StripOutputBytes(shape, int32_t(header.width), header.padBlocks));
  BlockPainter painter(page, coder);
  while (in.PeekKind() != uint8_t(ChunkKind::kEnd)) {
    const auto call = in.Read<CallHeader>("a call header");
    if (call.kind != uint8_t(ChunkKind::kCall)) in.Fail("expected a call chunk");
    if (call.strips == 0 || call.strips > header.height) in.Fail("implausible strip count");
    if (uint64_t(call.firstRow) >= header.height) in.Fail("call starts below the page");
    const auto flags = in.Take(call.strips + 1, "the strip flags");
    if (flags[call.strips] != 0xFF) in.Fail("strip flags do not end with 0xFF");
    const auto present = in.Take((call.strips + 7) / 8, "the presence bits");
    for (uint32_t i = 0; i < call.strips; ++i) {
      if (!(present[i / 8] >> (i % 8) & 1)) continue;
      const auto records = in.Take(stripBytes, "a strip's records");
      const uint64_t row = uint64_t(call.firstRow) + uint64_t(i) * shape.blockSize;
      if (row >= header.height) continue;  // white rows that pad the last band
      for (std::size_t block = 0; block < blocks; ++block) {
        painter.Paint(records.data() + block * shape.recordBytes, uint32_t(block), uint32_t(row));
      }
    }
  }
}

void DecodeLines(Cursor& in, const FileHeader& header, RgbImage& page) {
  const std::size_t rowBytes = BilevelRowBytes(header.width);
  std::vector<uint8_t> pixels(rowBytes);
  for (uint32_t y = 0; y < header.height; ++y) {
    const auto line = in.Read<LineHeader>("a line header");
    const auto bytes = in.Take(line.bytes, "a line");
    if (line.kind == uint8_t(ChunkKind::kRawLine)) {
      if (line.bytes != rowBytes) in.Fail("raw line of the wrong length");
      std::copy(bytes.begin(), bytes.end(), pixels.begin());
    } else if (line.kind == uint8_t(ChunkKind::kCodedLine)) {
      if (!DecodeMhLine(bytes, header.width, pixels)) in.Fail("line " + std::to_string(y) + " does not decode");
    } else {
      in.Fail("expected a line chunk");
    }
    for (uint32_t x = 0; x < header.width; ++x) {
      if (pixels[x / 8] >> (7 - x % 8) & 1) page.Set(x, y, Rgb8{0, 0, 0});
    }
  }
}

}  // namespace

FileHeader ReadHeader(std::span<const uint8_t> data, const std::string& name) {
  if (data.size() < sizeof(FileHeader) || std::memcmp(data.data(), kMagic, sizeof kMagic) != 0) {
    throw WrongKindError(name + ": not a printer-data file (no VKPD header)");
  }
  FileHeader header;
  std::memcpy(&header, data.data(), sizeof header);
  if (header.version != kVersion) {
    throw PrintError(name + ": printer-data version " + std::to_string(header.version) + ", this tool reads 1");
  }
  if (header.coder < uint8_t(CoderKind::kQuick) || header.coder > uint8_t(CoderKind::kMh)) {
    throw PrintError(name + ": unknown coder " + std::to_string(header.coder));
  }
  if (header.width == 0 || header.height == 0 || uint64_t(header.width) * header.height * 3 > kMaxImageBytes) {
    throw PrintError(name + ": implausible page size " + std::to_string(header.width) + " x " +
                     std::to_string(header.height));
  }
  if (header.padBlocks < 0 || header.padBlocks > 65536) {
    throw PrintError(name + ": implausible pad count " + std::to_string(header.padBlocks));
  }
  return header;
}

RgbImage DecodePrinterData(std::span<const uint8_t> data, const std::string& name) {
  const FileHeader header = ReadHeader(data, name);
  Cursor in(data, name);
  in.Take(sizeof header, "the header");
  RgbImage page(header.width, header.height);
  if (CoderKind(header.coder) == CoderKind::kMh) {
    DecodeLines(in, header, page);
  } else {
    DecodeCalls(in, header, page);
  }
  if (in.Read<uint8_t>("the end chunk") != uint8_t(ChunkKind::kEnd)) in.Fail("expected the end chunk");
  if (!in.AtEnd()) in.Fail("bytes after the end chunk");
  return page;
}

}  // namespace velko::print
