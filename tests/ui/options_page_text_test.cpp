// The option text's character set: the leading run of allowed characters
// is what edit 1068 and `OptionText` keep.
#include "ui/pages/options_page_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using velko::ui::AllowedOptionTextLength;
using velko::ui::IsOptionTextCharacter;

struct TextCase {
  std::string text;
  std::size_t kept;
};

const TextCase kTextCases[] = {
    {"ab cd", 2},                // a space ends the run
    {"ab,cd", 2},                // comma
    {"ab\\cd", 2},               // backslash
    {"ab~cd", 2},                // tilde, the last printable character
    {"ab\tcd", 2},               // a control character
    {"ab\x7F" "cd", 2},          // DEL lies above the set
    {"ab\xB5\xB1", 2},           // a GB2312 character (当)
    {" abc", 0},                 // nothing before the first bad character
    {"", 0},                     // empty text
    {"!\"#$%&'()*+-./:;", 16},   // punctuation from the lower end, all kept
    {"<=>?@[]^_`{|}", 13},       // the rest of the punctuation
    {"A1b2C3d4E5f6G7h8", 16},    // 16 letters and digits stay as typed
};

TEST(OptionTextTest, KeepsTheLeadingRunOfAllowedCharacters) {
  for (const TextCase& c : kTextCases) {
    EXPECT_EQ(AllowedOptionTextLength(c.text), c.kept) << "\"" << c.text << "\"";
  }
}

TEST(OptionTextTest, TheSetIsPrintableAsciiWithoutCommaBackslashAndTilde) {
  std::string allowed;
  for (int c = 0; c < 256; ++c) {
    if (IsOptionTextCharacter(static_cast<char>(c))) allowed += static_cast<char>(c);
  }
  std::string expected;
  for (int c = 0x21; c <= 0x7D; ++c) {
    if (c != ',' && c != '\\') expected += static_cast<char>(c);
  }
  EXPECT_EQ(allowed, expected);
}

}  // namespace
