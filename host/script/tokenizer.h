// The words of one script line: bare words (printable ASCII) and texts in
// double quotes, where \" and \\ stand for " and \. A # outside a text
// starts a comment that runs to the end of the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velko::script {

struct Token {
  enum class Kind : uint8_t { Word, Text };
  Kind kind = Kind::Word;
  std::string text;  // unescaped; a Text is still UTF-8 here
};

struct TokenizedLine {
  std::vector<Token> tokens;
  std::string source;  // the line without its comment and outer blanks
  std::string error;   // empty when the line is well formed
};

TokenizedLine TokenizeLine(std::string_view line);

// The lines of a script: split at LF, a CR before it dropped, a UTF-8 byte
// order mark at the start ignored.
std::vector<std::string_view> SplitLines(std::string_view text);

// A token as a report shows it: a word as it is, a text quoted.
std::string Shown(const Token& token);

}  // namespace velko::script
