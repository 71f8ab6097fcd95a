// Byte-string helpers for texts in the system code page (GB2312, code page
// 936): a byte from 0x81 to 0xFE opens a double-byte character, so lengths
// are counted in bytes and cuts never split a character. Letter case is
// ASCII only; double-byte characters compare by their bytes, which for
// GB2312's first level follows pinyin order.
#pragma once

#include <cstddef>
#include <string_view>

namespace velko::platform {

constexpr bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// The length of the longest prefix of `text` of at most `max_bytes` bytes
// that ends on a character boundary.
std::size_t FitLength(std::string_view text, std::size_t max_bytes);

// `pos` moved back to the start of the character it falls in.
std::size_t CharBoundary(std::string_view text, std::size_t pos);

// Three-way comparison without regard to ASCII letter case.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace velko::platform
