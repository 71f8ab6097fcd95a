// Writing through libtiff into memory: the coded lines are handed over as
// raw strips, so libtiff only frames them.
#include "tools/print/mh_tiff.h"

#include <tiffio.h>

#include <algorithm>
#include <cstring>

#include "tools/print/bilevel.h"
#include "tools/print/mh_lines.h"
#include "tools/print/page_decoder.h"
#include "tools/print/print_error.h"
#include "tools/print/printer_data.h"

namespace velko::print {
namespace {

constexpr uint32_t kRowsPerStrip = 64;
constexpr float kDotsPerInch = 600;

// A TIFF file in memory for libtiff's client interface.
struct MemoryFile {
  std::vector<uint8_t> bytes;
  toff_t position = 0;
};

tmsize_t ReadProc(thandle_t handle, void* buffer, tmsize_t size) {
  auto* file = static_cast<MemoryFile*>(handle);
  const toff_t available = file->bytes.size() > file->position ? file->bytes.size() - file->position : 0;
  const toff_t n = std::min<toff_t>(available, toff_t(size));
  std::memcpy(buffer, file->bytes.data() + file->position, n);
  file->position += n;
  return tmsize_t(n);
}

tmsize_t WriteProc(thandle_t handle, void* buffer, tmsize_t size) {
  auto* file = static_cast<MemoryFile*>(handle);
  if (file->position + toff_t(size) > file->bytes.size()) file->bytes.resize(file->position + toff_t(size));
  std::memcpy(file->bytes.data() + file->position, buffer, std::size_t(size));
  file->position += toff_t(size);
  return size;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  auto* file = static_cast<MemoryFile*>(handle);
  if (whence == SEEK_SET) file->position = offset;
  if (whence == SEEK_CUR) file->position += offset;
  if (whence == SEEK_END) file->position = file->bytes.size() + offset;
  return file->position;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t handle) { return static_cast<MemoryFile*>(handle)->bytes.size(); }
int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

// One line's codes for compression 2. A coded line ends with two EOLs that
// open with eleven 0 bits, so its codes padded to a byte are its bytes up
// to where the codes end; a raw line is coded afresh.
std::vector<uint8_t> LineCodes(uint8_t kind, std::span<const uint8_t> bytes, uint32_t width,
                               std::vector<uint8_t>& pixels, const std::string& name, uint32_t y) {
  if (kind == uint8_t(ChunkKind::kRawLine)) return EncodeMhLineUnlimited(bytes, width);
  const auto bits = DecodeMhLine(bytes, width, pixels);
  if (!bits) throw PrintError(name + ": line " + std::to_string(y) + " does not decode");
  return std::vector<uint8_t>(bytes.begin(), bytes.begin() + long((*bits + 7) / 8));
}

}  // namespace

std::vector<uint8_t> MhTiffFromPrinterData(std::span<const uint8_t> data, const std::string& name) {
  const FileHeader header = ReadHeader(data, name);
  if (CoderKind(header.coder) != CoderKind::kMh) {
    throw PrintError(name + ": a TIFF is made from MH lines; this page was coded with " +
                     std::string(CoderName(CoderKind(header.coder))));
  }
  // Collect the codes of every line, grouped in strips.
  std::vector<std::vector<uint8_t>> strips;
  std::vector<uint8_t> pixels(BilevelRowBytes(header.width));
  std::size_t at = sizeof(FileHeader);
  for (uint32_t y = 0; y < header.height; ++y) {
    LineHeader line;
    if (data.size() - at < sizeof line) throw PrintError(name + ": file ends inside line " + std::to_string(y));
    std::memcpy(&line, data.data() + at, sizeof line);
    at += sizeof line;
    if (data.size() - at < line.bytes) throw PrintError(name + ": file ends inside line " + std::to_string(y));
    const auto codes = LineCodes(line.kind, data.subspan(at, line.bytes), header.width, pixels, name, y);
    at += line.bytes;
    if (y % kRowsPerStrip == 0) strips.emplace_back();
    strips.back().insert(strips.back().end(), codes.begin(), codes.end());
  }

  MemoryFile file;
  TIFF* tif = TIFFClientOpen(name.c_str(), "w", &file, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc, MapProc,
                             UnmapProc);
  if (tif == nullptr) throw PrintError(name + ": libtiff cannot start a TIFF file");
  TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, header.width);
  TIFFSetField(tif, TIFFTAG_IMAGELENGTH, header.height);
  TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 1);
  TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_CCITTRLE);
  TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
  TIFFSetField(tif, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
  TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, kRowsPerStrip);
  TIFFSetField(tif, TIFFTAG_XRESOLUTION, kDotsPerInch);
  TIFFSetField(tif, TIFFTAG_YRESOLUTION, kDotsPerInch);
  TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
  for (std::size_t s = 0; s < strips.size(); ++s) {
    if (TIFFWriteRawStrip(tif, uint32_t(s), strips[s].data(), tmsize_t(strips[s].size())) < 0) {
      TIFFClose(tif);
      throw PrintError(name + ": libtiff cannot write strip " + std::to_string(s));
    }
  }
  TIFFClose(tif);
  return std::move(file.bytes);
}

}  // namespace velko::print
