// The option text of the options page (edit 1068, `OptionText`): which
// characters it may hold. The page keeps the leading run of allowed
// characters and drops everything from the first other one on, so a text
// with a space keeps only what precedes the space.
#pragma once

#include <cstddef>
#include <string_view>

namespace velko::ui {

// Printable ASCII (0x21 to 0x7E) without comma, backslash and tilde: the
// digits, the letters and 29 punctuation marks. Space, control characters
// and every byte of a double-byte character are outside the set.
constexpr bool IsOptionTextCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x21 && byte <= 0x7E && byte != ',' && byte != '\\' && byte != '~';
}

// The length of the leading run of allowed characters of `text`.
constexpr std::size_t AllowedOptionTextLength(std::string_view text) {
  std::size_t length = 0;
  while (length < text.size() && IsOptionTextCharacter(text[length])) ++length;
  return length;
}

constexpr int CountOptionTextCharacters() {
  int count = 0;
  for (int c = 0; c < 256; ++c) count += IsOptionTextCharacter(static_cast<char>(c)) ? 1 : 0;
  return count;
}
static_assert(CountOptionTextCharacters() == 10 + 52 + 29);
static_assert(AllowedOptionTextLength("ab cd") == 2 && AllowedOptionTextLength("ab,cd") == 2);

}  // namespace velko::ui
