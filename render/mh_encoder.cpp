// xMHConvert: one bi-level line (set bit = black) coded with the T.4
// Modified Huffman codes. The result says whether the coded line fits in the
// raw line's bytes (their count) or not (0). Run finding and code emission
// are separate helpers; runs are found a 64-bit word at a time, codes are
// merged into a 64-bit accumulator that stores four finished bytes at once.
#include <emmintrin.h>

#include <bit>
#include <cstring>

#include "render/mh_codes.h"
#include "render/velko_sb.h"

namespace velko::sb::mh {
namespace {

uint64_t FromBigEndian(uint64_t word) {
  return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
}

uint32_t ToBigEndian(uint32_t word) {
  return std::endian::native == std::endian::little ? __builtin_bswap32(word) : word;
}

// The next 64 pixels from byte BYTE on, first pixel in bit 63; bytes past
// the line read as 0.
uint64_t LoadPixels(const uint8_t* src, std::size_t byte, std::size_t lineBytes) {
  uint64_t word = 0;
  if (byte + 8 <= lineBytes) {
    std::memcpy(&word, src + byte, 8);
  } else {
    uint8_t buffer[8] = {};
    std::memcpy(buffer, src + byte, lineBytes - byte);
    std::memcpy(&word, buffer, 8);
  }
  return FromBigEndian(word);
}

// The first byte at or after BYTE that is not FILL, or LINEBYTES: long
// runs are skipped sixty-four bytes at a time.
std::size_t SkipFilledBytes(const uint8_t* src, std::size_t byte, std::size_t lineBytes, uint8_t fill) {
  const __m128i pattern = _mm_set1_epi8(char(fill));
  const auto same = [&](std::size_t at) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + at)), pattern);
  };
  for (; byte + 64 <= lineBytes; byte += 64) {
    const __m128i all = _mm_and_si128(_mm_and_si128(same(byte), same(byte + 16)),
                                      _mm_and_si128(same(byte + 32), same(byte + 48)));
    if (_mm_movemask_epi8(all) != 0xFFFF) break;
  }
  for (; byte + 16 <= lineBytes; byte += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + byte));
    const int same = _mm_movemask_epi8(_mm_cmpeq_epi8(chunk, pattern));
    if (same != 0xFFFF) return byte + std::size_t(std::countr_one(uint32_t(same)));
  }
  while (byte < lineBytes && src[byte] == fill) ++byte;
  return byte;
}

// Calls onChange(pos), in order, for every pixel whose color differs from
// the pixel before it (the line is taken to start after a white pixel, so a
// black first pixel is a change at 0); stops when onChange returns false.
// A 64-bit word of pixels gives all its changes at once; stretches of one
// color are skipped whole bytes at a time.
template <class OnChange>
bool ForEachColorChange(const uint8_t* src, uint32_t width, OnChange&& onChange) {
  const std::size_t lineBytes = (std::size_t(width) + 7) / 8;
  uint64_t previous = 0;
  std::size_t byte = 0;
  while (byte < lineBytes) {
    const uint64_t word = LoadPixels(src, byte, lineBytes);
    const uint32_t base = uint32_t(byte * 8);
    uint64_t changes = word ^ (word >> 1 | previous << 63);
    const uint32_t valid = width - base;
    if (valid < 64) changes &= ~(~uint64_t{0} >> valid);  // pixels past the width are not coded
    if (changes == 0) {
      byte = SkipFilledBytes(src, byte + 8, lineBytes, previous ? 0xFF : 0x00);
      continue;
    }
    do {
      const int offset = std::countl_zero(changes);
      if (!onChange(base + uint32_t(offset))) return false;
      changes ^= (uint64_t{1} << 63) >> offset;
    } while (changes != 0);
    previous = word & 1;
    byte += 8;
  }
  return true;
}

// Packs codes most significant bit first. Finished bytes are stored four at
// a time, so the bytes written are exactly the finished ones once Flush has
// run.
class CodeWriter {
 public:
  explicit CodeWriter(uint8_t* dst) : dst_(dst) {}

  void Put(Code code) {
    pending_ |= uint64_t(code.bits) << (64 - bits_ - code.length);
    bits_ += code.length;
    if (bits_ >= 32) {
      const uint32_t bigEndian = ToBigEndian(uint32_t(pending_ >> 32));
      std::memcpy(dst_ + stored_, &bigEndian, 4);
      stored_ += 4;
      pending_ <<= 32;
      bits_ -= 32;
    }
  }

  // Bytes whose eight bits are all coded.
  std::size_t FinishedBytes() const { return stored_ + bits_ / 8; }

  void Flush() {
    while (bits_ >= 8) {
      dst_[stored_++] = uint8_t(pending_ >> 56);
      pending_ <<= 8;
      bits_ -= 8;
    }
  }

  // Stores the partly filled byte (low bits 0), and counts it only when it
  // holds a code bit: an empty one is stored as 0 past the counted bytes.
  void StorePartialByte() {
    Flush();
    dst_[stored_] = uint8_t(pending_ >> 56);
    if (bits_ > 0) ++stored_;
    pending_ = 0;
    bits_ = 0;
  }

  std::size_t Stored() const { return stored_; }

 private:
  uint8_t* dst_;
  std::size_t stored_ = 0;
  uint64_t pending_ = 0;  // pending bits, left-aligned
  uint32_t bits_ = 0;
};

void PutRun(CodeWriter& writer, uint32_t run, int color) {
  for (; run > kLongestCodedRun; run -= kLongestCodedRun) writer.Put(kLongRunPiece[color]);
  writer.Put(kRunCodes[color][run]);
}

}  // namespace
}  // namespace velko::sb::mh

VELKO_EXPORT uint32_t xMHConvert(const uint8_t* src, uint8_t* dst, int32_t width) {
  using namespace velko::sb::mh;
  if (width <= 0) return 0;
  const std::size_t limit = std::size_t(width >> 3);
  const uint32_t pixels = uint32_t(width);
  CodeWriter writer(dst);
  // Runs alternate from white; each ends where the color changes. The limit
  // is tested when a run is complete (not after the empty white run that
  // opens a line starting with black).
  uint32_t runStart = 0;
  int color = kWhite;
  const bool fits = ForEachColorChange(src, pixels, [&](uint32_t pos) {
    PutRun(writer, pos - runStart, color);
    const bool openingRun = pos == 0;
    runStart = pos;
    color ^= 1;
    return openingRun || writer.FinishedBytes() <= limit;
  });
  if (fits) PutRun(writer, pixels - runStart, color);
  if (!fits || writer.FinishedBytes() > limit) {
    writer.Flush();
    return 0;
  }
  writer.Flush();
  if (writer.Stored() < limit) {
    writer.Put(kEol);
    writer.Put(kEol);
    writer.StorePartialByte();
  }
  return writer.Stored() <= limit ? uint32_t(writer.Stored()) : 0;
}
