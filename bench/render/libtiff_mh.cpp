// An in-memory TIFF client for libtiff, so that the peer's timing holds its
// encoder and not file I/O.
#include "bench/render/libtiff_mh.h"

#include <tiffio.h>

#include <algorithm>
#include <cstring>

namespace velko::bench {
namespace {

struct MemoryFile {
  std::vector<uint8_t>* bytes;
  toff_t position = 0;
};

tmsize_t Read(thandle_t handle, void* buffer, tmsize_t size) {
  auto* file = static_cast<MemoryFile*>(handle);
  const toff_t available = file->bytes->size() > file->position ? file->bytes->size() - file->position : 0;
  const toff_t n = std::min<toff_t>(available, toff_t(size));
  std::memcpy(buffer, file->bytes->data() + file->position, n);
  file->position += n;
  return tmsize_t(n);
}

tmsize_t Write(thandle_t handle, void* buffer, tmsize_t size) {
  auto* file = static_cast<MemoryFile*>(handle);
  if (file->position + toff_t(size) > file->bytes->size()) file->bytes->resize(file->position + toff_t(size));
  std::memcpy(file->bytes->data() + file->position, buffer, std::size_t(size));
  file->position += toff_t(size);
  return size;
}

toff_t Seek(thandle_t handle, toff_t offset, int whence) {
  auto* file = static_cast<MemoryFile*>(handle);
  if (whence == SEEK_SET) file->position = offset;
  if (whence == SEEK_CUR) file->position += offset;
  if (whence == SEEK_END) file->position = file->bytes->size() + offset;
  return file->position;
}

int Close(thandle_t) { return 0; }
toff_t Size(thandle_t handle) { return static_cast<MemoryFile*>(handle)->bytes->size(); }
int Map(thandle_t, void**, toff_t*) { return 0; }
void Unmap(thandle_t, void*, toff_t) {}

}  // namespace

std::size_t EncodeWithLibtiff(const BilevelPage& page, std::vector<uint8_t>& file) {
  file.clear();
  MemoryFile memory{&file};
  TIFF* tif = TIFFClientOpen("page", "w", &memory, Read, Write, Seek, Close, Size, Map, Unmap);
  if (tif == nullptr) return 0;
  TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, page.width);
  TIFFSetField(tif, TIFFTAG_IMAGELENGTH, page.height);
  TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 1);
  TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_CCITTRLE);
  TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
  TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, page.height);
  TIFFWriteEncodedStrip(tif, 0, const_cast<uint8_t*>(page.bits.data()), tmsize_t(page.bits.size()));
  TIFFClose(tif);
  return file.size();
}

}  // namespace velko::bench
