// T.4 one-dimensional decoding by a 13-bit look-ahead table per color, built
// at compile time from the code tables, and a plain encoder for lines that
// must be coded whatever their size.
#include "tools/print/mh_lines.h"

#include <array>

#include "render/mh_codes.h"

namespace velko::print {
namespace {

using sb::mh::Code;
using sb::mh::ParseCode;

constexpr unsigned kLookahead = 13;  // the longest code

enum class Kind : uint8_t { kInvalid, kTerminating, kMakeUp, kEol };

struct Entry {
  Kind kind = Kind::kInvalid;
  uint8_t length = 0;
  uint16_t run = 0;
};

using DecodeTable = std::array<Entry, 1u << kLookahead>;

constexpr void Fill(DecodeTable& table, Code code, Kind kind, uint16_t run) {
  const unsigned free = kLookahead - code.length;
  for (uint32_t tail = 0; tail < (1u << free); ++tail) {
    table[(code.bits << free) | tail] = Entry{kind, uint8_t(code.length), run};
  }
}

constexpr DecodeTable BuildDecodeTable(int color) {
  DecodeTable table{};
  const auto& terminating = color == sb::mh::kWhite ? sb::mh::kWhiteTerminating : sb::mh::kBlackTerminating;
  const auto& makeUp = color == sb::mh::kWhite ? sb::mh::kWhiteMakeUp : sb::mh::kBlackMakeUp;
  for (uint16_t run = 0; run < 64; ++run) Fill(table, ParseCode(terminating[run]), Kind::kTerminating, run);
  for (uint16_t i = 0; i < 27; ++i) Fill(table, ParseCode(makeUp[i]), Kind::kMakeUp, uint16_t(64 * (i + 1)));
  for (uint16_t i = 0; i < 13; ++i) Fill(table, ParseCode(sb::mh::kExtendedMakeUp[i]), Kind::kMakeUp, uint16_t(1792 + 64 * i));
  Fill(table, sb::mh::kEol, Kind::kEol, 0);
  return table;
}

const std::array<DecodeTable, 2> kDecodeTables = {BuildDecodeTable(sb::mh::kWhite),
                                                  BuildDecodeTable(sb::mh::kBlack)};

// The 13 bits at BIT, zeros past the end.
uint32_t Peek(std::span<const uint8_t> code, std::size_t bit) {
  uint32_t window = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t byte = bit / 8 + i;
    window = window << 8 | (byte < code.size() ? code[byte] : 0u);
  }
  return (window >> (24 - kLookahead - bit % 8)) & ((1u << kLookahead) - 1);
}

void SetRun(std::span<uint8_t> pixels, uint32_t from, uint32_t length) {
  for (uint32_t x = from; x < from + length; ++x) pixels[x / 8] |= uint8_t(0x80 >> (x % 8));
}

class BitWriter {
 public:
  void Put(Code code) {
    for (uint32_t i = code.length; i-- > 0;) {
      if (bits_ % 8 == 0) bytes_.push_back(0);
      if (code.bits >> i & 1) bytes_.back() |= uint8_t(0x80 >> (bits_ % 8));
      ++bits_;
    }
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
  std::size_t bits_ = 0;
};

}  // namespace

std::optional<std::size_t> DecodeMhLine(std::span<const uint8_t> code, uint32_t width, std::span<uint8_t> pixels) {
  std::fill(pixels.begin(), pixels.end(), 0);
  const std::size_t totalBits = code.size() * 8;
  std::size_t bit = 0;
  uint32_t x = 0;
  int color = sb::mh::kWhite;
  // Runs alternate from white; a run is make-up codes then one terminating
  // code. The line ends when its pixels are complete.
  while (true) {
    uint32_t run = 0;
    while (true) {
      if (bit >= totalBits) return std::nullopt;
      const Entry entry = kDecodeTables[std::size_t(color)][Peek(code, bit)];
      if (entry.kind == Kind::kInvalid || entry.kind == Kind::kEol) return std::nullopt;
      bit += entry.length;
      if (bit > totalBits) return std::nullopt;
      run += entry.run;
      if (entry.kind == Kind::kTerminating) break;
    }
    if (run > width - x) return std::nullopt;
    if (color == sb::mh::kBlack) SetRun(pixels, x, run);
    x += run;
    color ^= 1;
    if (x == width && run > 0) return bit;
  }
}

bool EolAt(std::span<const uint8_t> code, std::size_t bit) {
  if (bit + 12 > code.size() * 8) return false;
  return kDecodeTables[0][Peek(code, bit)].kind == Kind::kEol;
}

std::vector<uint8_t> EncodeMhLineUnlimited(std::span<const uint8_t> pixels, uint32_t width) {
  BitWriter writer;
  uint32_t x = 0;
  int color = sb::mh::kWhite;
  const auto pixel = [&](uint32_t at) { return pixels[at / 8] >> (7 - at % 8) & 1; };
  while (true) {
    uint32_t run = 0;
    while (x + run < width && pixel(x + run) == color) ++run;
    for (uint32_t rest = run; ; rest -= sb::mh::kLongestCodedRun) {
      if (rest <= sb::mh::kLongestCodedRun) {
        writer.Put(sb::mh::kRunCodes[std::size_t(color)][rest]);
        break;
      }
      writer.Put(sb::mh::kLongRunPiece[std::size_t(color)]);
    }
    x += run;
    color ^= 1;
    if (x == width) break;
  }
  return writer.Take();
}

}  // namespace velko::print
