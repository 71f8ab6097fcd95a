// Fuzzes xMHConvert over lines of any width. The result is predicted from
// the bit count of a plain encoder (codes that fill the raw size exactly
// carry no EOL; codes whose EOLs overflow it give 0), the stored code bytes
// must be that encoder's, and lines with EOLs must decode to their pixels
// and end in two EOLs and zero bits.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "render/velko_sb.h"
#include "tools/print/mh_lines.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int32_t width = input.ConsumeIntegralInRange<int32_t>(-8, 20000);
  const std::size_t lineBytes = width > 0 ? (std::size_t(width) + 7) / 8 : 1;
  // Runs rather than noise: a byte gives a run length and the colors alternate.
  std::vector<uint8_t> line(lineBytes, 0);
  uint32_t x = 0;
  bool black = input.ConsumeBool();
  while (width > 0 && x < uint32_t(width) && input.remaining_bytes() > 0) {
    const uint32_t run = input.ConsumeBool() ? input.ConsumeIntegralInRange<uint32_t>(0, 8)
                                             : input.ConsumeIntegralInRange<uint32_t>(0, 6000);
    for (uint32_t i = 0; i < run && x < uint32_t(width); ++i, ++x) {
      if (black) line[x / 8] |= uint8_t(0x80 >> (x % 8));
    }
    black = !black;
  }
  if (width % 8 != 0 && width > 0) line.back() |= uint8_t(input.ConsumeIntegral<uint8_t>() >> (width % 8));

  const std::size_t limit = width > 0 ? std::size_t(width) / 8 : 0;
  constexpr uint8_t kUntouched = 0xA5;
  std::vector<uint8_t> dst(2 * limit + 8, kUntouched);
  const uint32_t result = xMHConvert(line.data(), dst.data(), width);
  if (width <= 0) {
    Check(result == 0);
    for (uint8_t b : dst) Check(b == kUntouched);
    return 0;
  }

  const auto plain = velko::print::EncodeMhLineUnlimited(line, uint32_t(width));
  std::size_t codeBits = plain.size() * 8;
  std::vector<uint8_t> pixels(lineBytes);
  const auto decodedBits = velko::print::DecodeMhLine(plain, uint32_t(width), pixels);
  Check(decodedBits.has_value());
  codeBits = *decodedBits;
  const std::size_t whole = codeBits / 8;
  std::size_t expected = 0;
  if (whole == limit) expected = limit;
  if (whole < limit && (codeBits + 24 + 7) / 8 <= limit) expected = (codeBits + 24 + 7) / 8;
  Check(result == expected);
  if (result == 0) return 0;

  for (std::size_t i = 0; i < std::min<std::size_t>(result, whole); ++i) Check(dst[i] == plain[i]);
  if (result == limit && whole == limit) {
    Check(dst[result] == kUntouched);  // no EOL, the partial byte dropped
    return 0;
  }
  // After the EOLs the last byte is stored even when empty (then as 0, not
  // counted).
  Check(dst[result] == ((codeBits + 24) % 8 == 0 ? 0x00 : kUntouched));
  std::vector<uint8_t> decoded(lineBytes);
  const auto used = velko::print::DecodeMhLine(std::span<const uint8_t>(dst.data(), result), uint32_t(width), decoded);
  Check(used == codeBits);
  for (std::size_t i = 0; i < lineBytes; ++i) {
    const uint8_t mask = i + 1 < lineBytes || width % 8 == 0 ? 0xFF : uint8_t(0xFF << (8 - width % 8));
    Check((decoded[i] & mask) == (line[i] & mask));
  }
  const std::span<const uint8_t> stored(dst.data(), result);
  Check(velko::print::EolAt(stored, codeBits) && velko::print::EolAt(stored, codeBits + 12));
  for (std::size_t bit = codeBits + 24; bit < result * 8; ++bit) Check((dst[bit / 8] >> (7 - bit % 8) & 1) == 0);
  return 0;
}
