// Splitting script lines into words and quoted texts.
#include "host/script/tokenizer.h"

#include "host/script/text_codec.h"

namespace velko::script {
namespace {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Bytes a bare word may hold: printable ASCII other than " and #.
constexpr bool IsWordByte(char c) { return c > ' ' && c < 0x7F && c != '"' && c != '#'; }

// Bytes a quoted text may not hold: control characters other than tab.
constexpr bool IsControlByte(char c) {
  return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F;
}

std::string ByteName(char c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto b = static_cast<unsigned char>(c);
  return std::string("byte 0x") + kHex[b >> 4] + kHex[b & 15];
}

// Reads the text that starts at line[*at] == '"'; advances past its closing
// quote. Returns an error message, empty on success.
std::string ReadText(std::string_view line, std::size_t* at, std::string* text) {
  std::size_t i = *at + 1;
  while (i < line.size() && line[i] != '"') {
    char c = line[i];
    if (c == '\\') {
      if (i + 1 >= line.size()) break;
      c = line[++i];
      if (c != '"' && c != '\\') return std::string("unknown escape \\") + (IsWordByte(c) ? std::string(1, c) : ByteName(c)) +
                                        " in a text (only \\\" and \\\\)";
    } else if (IsControlByte(c)) {
      return "a text may not hold the control character " + ByteName(c);
    }
    *text += c;
    ++i;
  }
  if (i >= line.size()) return "a text is missing its closing \"";
  *at = i + 1;
  if (*at < line.size() && !IsBlank(line[*at]) && line[*at] != '#') return "a closing \" must be followed by a blank";
  return {};
}

}  // namespace

TokenizedLine TokenizeLine(std::string_view line) {
  TokenizedLine out;
  std::size_t i = 0;
  std::size_t source_end = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (IsBlank(c)) {
      ++i;
      continue;
    }
    if (c == '#') break;
    Token token;
    if (c == '"') {
      token.kind = Token::Kind::Text;
      out.error = ReadText(line, &i, &token.text);
      if (!out.error.empty()) return out;
    } else if (IsWordByte(c)) {
      const std::size_t start = i;
      while (i < line.size() && IsWordByte(line[i])) ++i;
      token.text = std::string(line.substr(start, i - start));
      if (i < line.size() && line[i] == '"') {
        out.error = "a text must be set off by a blank from the word before it";
        return out;
      }
    } else {
      out.error = "unexpected " + ByteName(c) + " outside a text (texts go in double quotes)";
      return out;
    }
    source_end = i;
    out.tokens.push_back(std::move(token));
  }
  std::size_t start = 0;
  while (start < source_end && IsBlank(line[start])) ++start;
  out.source = std::string(line.substr(start, source_end - start));
  return out;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string Shown(const Token& token) {
  return token.kind == Token::Kind::Text ? Quoted(token.text) : token.text;
}

}  // namespace velko::script
