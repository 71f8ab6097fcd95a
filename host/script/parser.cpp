// The script parser: each line is tokenized, its first word picks the
// statement, and a cursor over the remaining tokens reads its arguments.
#include "host/script/parser.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "host/script/text_codec.h"
#include "host/script/tokenizer.h"
#include "host/sheet/sheet_pages.h"
#include "platform/user/messages.h"

namespace velko::script {
namespace {

using platform::UserAction;

struct ParseFailure {
  std::string message;
};

using Parsed = std::variant<UserAction, Check>;

constexpr int64_t kMaxControlId = 0xFFFF;
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kDwordMax = std::numeric_limits<uint32_t>::max();

std::optional<int64_t> ParseInteger(std::string_view word) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseReal(std::string_view word) {
  double value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The arguments after a statement's keyword(s), read left to right.
class Args {
 public:
  Args(const std::vector<Token>& tokens, std::size_t first, std::string statement)
      : tokens_(tokens), at_(first), statement_(std::move(statement)) {}

  const std::string& statement() const { return statement_; }

  [[noreturn]] void Fail(std::string_view expected) const {
    const std::string found = at_ < tokens_.size() ? Shown(tokens_[at_]) : "the end of the line";
    throw ParseFailure{statement_ + ": expected " + std::string(expected) + ", found " + found};
  }

  const Token* Peek() const { return at_ < tokens_.size() ? &tokens_[at_] : nullptr; }
  bool AtEnd() const { return at_ >= tokens_.size(); }

  std::string_view Word(std::string_view expected) {
    const Token* t = Peek();
    if (t == nullptr || t->kind != Token::Kind::Word) Fail(expected);
    ++at_;
    return t->text;
  }

  int64_t Number(std::string_view expected, int64_t min, int64_t max) {
    const Token* t = Peek();
    if (t == nullptr || t->kind != Token::Kind::Word) Fail(expected);
    const std::optional<int64_t> value = ParseInteger(t->text);
    if (!value || *value < min || *value > max) Fail(expected);
    ++at_;
    return *value;
  }

  int Id() { return static_cast<int>(Number("a control id (0 to 65535)", 0, kMaxControlId)); }
  int Int32(std::string_view expected) { return static_cast<int>(Number(expected, kInt32Min, kInt32Max)); }
  bool Flag() { return Number("0 or 1", 0, 1) != 0; }

  double Real(std::string_view expected) {
    const Token* t = Peek();
    if (t == nullptr || t->kind != Token::Kind::Word) Fail(expected);
    const std::optional<double> value = ParseReal(t->text);
    if (!value) Fail(expected);
    ++at_;
    return *value;
  }

  // A quoted text, as GB2312 bytes.
  std::string Text(std::string_view expected) {
    const Token* t = Peek();
    if (t == nullptr || t->kind != Token::Kind::Text) Fail(expected);
    std::optional<std::string> bytes = Utf8ToGb2312(t->text);
    if (!bytes) {
      throw ParseFailure{statement_ + ": the text " + Quoted(t->text) +
                         " is not UTF-8 or has a character that GB2312 cannot hold"};
    }
    ++at_;
    return std::move(*bytes);
  }

  // A quoted text as written (UTF-8), for file names of this machine.
  std::string RawText(std::string_view expected) {
    const Token* t = Peek();
    if (t == nullptr || t->kind != Token::Kind::Text || t->text.empty()) Fail(expected);
    ++at_;
    return t->text;
  }

  // A name that may be written bare or quoted (INI sections and keys).
  std::string Name(std::string_view expected) {
    const Token* t = Peek();
    if (t != nullptr && t->kind == Token::Kind::Word) {
      ++at_;
      return t->text;
    }
    return Text(expected);
  }

  void End() const {
    if (!AtEnd()) throw ParseFailure{statement_ + ": unexpected " + Shown(tokens_[at_]) + " at the end of the line"};
  }

 private:
  const std::vector<Token>& tokens_;
  std::size_t at_;
  std::string statement_;
};

// --- actions ---

Parsed ParsePage(Args& a) {
  const Token* t = a.Peek();
  if (t != nullptr && t->kind == Token::Kind::Word) {
    if (const std::optional<int> index = host::SheetPageIndex(t->text)) {
      a.Word("");
      return UserAction::Page(*index);
    }
  }
  return UserAction::Page(static_cast<int>(a.Number("main, color, options, version or a tab index", 0, 99)));
}

Parsed ParseClick(Args& a) { return UserAction::Click(a.Id()); }

Parsed ParseSelect(Args& a) {
  const int id = a.Id();
  const Token* t = a.Peek();
  if (t != nullptr && t->kind == Token::Kind::Text) return UserAction::SelectText(id, a.Text(""));
  return UserAction::SelectIndex(id, static_cast<int>(a.Number("an item index (0 and up) or a quoted item text", 0,
                                                               kInt32Max)));
}

Parsed ParseType(Args& a) {
  const int id = a.Id();
  return UserAction::Type(id, a.Text("the text to type, in double quotes"));
}

Parsed ParseClear(Args& a) { return UserAction::Clear(a.Id()); }
Parsed ParseLeave(Args& a) { return UserAction::Leave(a.Id()); }

Parsed ParseScroll(Args& a) {
  using platform::ScrollGesture;
  const int id = a.Id();
  constexpr std::string_view kGestures =
      "lineup, linedown, pageup, pagedown, thumbposition, thumbtrack or endscroll";
  const Token* t = a.Peek();
  const std::optional<ScrollGesture> gesture =
      t != nullptr && t->kind == Token::Kind::Word ? platform::GestureFromName(t->text) : std::nullopt;
  if (!gesture) a.Fail(kGestures);
  a.Word(kGestures);
  const bool thumb = *gesture == ScrollGesture::ThumbPosition || *gesture == ScrollGesture::ThumbTrack;
  const int pos = thumb ? a.Int32("the thumb position") : 0;
  return UserAction::Scroll(id, *gesture, pos);
}

Parsed ParseTrackbar(Args& a) {
  const int id = a.Id();
  return UserAction::MoveTrackbar(id, a.Int32("the thumb position"));
}

Parsed ParseHelp(Args& a) { return UserAction::Help(a.Id()); }
Parsed ParseOk(Args&) { return UserAction::Ok(); }
Parsed ParseCancel(Args&) { return UserAction::Cancel(); }

Parsed ParseAnswer(Args& a) {
  const std::string_view word = a.Word("ok or cancel");
  if (word == "ok") return UserAction::Answer(IDOK);
  if (word == "cancel") return UserAction::Answer(IDCANCEL);
  throw ParseFailure{a.statement() + ": expected ok or cancel, found " + std::string(word)};
}

Parsed ParseBrowse(Args& a) { return UserAction::Browse(a.Text("the chosen path, in double quotes")); }

// --- checks ---

Check WithId(CheckKind kind, Args& a) {
  Check c;
  c.kind = kind;
  c.id = a.Id();
  return c;
}

Parsed ExpectText(Args& a) {
  Check c = WithId(CheckKind::Text, a);
  c.text = a.Text("the expected text, in double quotes");
  return c;
}

Parsed ExpectFlag(CheckKind kind, Args& a) {
  Check c = WithId(kind, a);
  c.number = a.Flag();
  return c;
}

Parsed ExpectChecked(Args& a) { return ExpectFlag(CheckKind::Checked, a); }
Parsed ExpectEnabled(Args& a) { return ExpectFlag(CheckKind::Enabled, a); }
Parsed ExpectVisible(Args& a) { return ExpectFlag(CheckKind::Visible, a); }

Parsed ExpectSelected(Args& a) {
  Check c = WithId(CheckKind::Selected, a);
  c.number = a.Number("an item index, or -1 for no selection", -1, kInt32Max);
  return c;
}

Parsed ExpectCount(Args& a) {
  Check c = WithId(CheckKind::Count, a);
  c.number = a.Number("an item count (0 and up)", 0, kInt32Max);
  return c;
}

Parsed ExpectItem(Args& a) {
  Check c = WithId(CheckKind::Item, a);
  c.number = a.Number("an item index (0 and up)", 0, kInt32Max);
  c.text = a.Text("the item's expected text, in double quotes");
  return c;
}

Parsed ExpectIcon(Args& a) {
  Check c = WithId(CheckKind::Icon, a);
  c.number = a.Number("an icon resource id (0 to 65535; 0 for none)", 0, kMaxControlId);
  return c;
}

FieldValue ExpectedFieldValue(const FieldRef& ref, Args& a) {
  const std::string name = ref.Name();
  switch (ref.field->type) {
    case FieldType::Int32: return static_cast<int32_t>(a.Int32("the value of " + name + ", a 32-bit integer"));
    case FieldType::Double: return a.Real("the value of " + name + ", a number");
    case FieldType::Text: {
      std::string text = a.Text("the value of " + name + ", a text in double quotes");
      if (text.size() >= ref.field->size) {
        throw ParseFailure{a.statement() + ": " + name + " holds at most " + std::to_string(ref.field->size - 1) +
                           " bytes, the expected text has " + std::to_string(text.size())};
      }
      return text;
    }
  }
  return 0;
}

// A field name and a value for it: `expect field` and `set`.
Check FieldAndValue(CheckKind kind, Args& a) {
  const std::string_view name = a.Word("a field name of the settings record");
  const std::optional<FieldRef> ref = FindField(name);
  if (!ref) {
    throw ParseFailure{a.statement() + ": the settings record has no field " + std::string(name) +
                       " (fields go by the names of the record's layout, such as PaperSize, Bright or "
                       "WatermarkList[0].Name, the list's entries numbered 0 to 9)"};
  }
  Check c;
  c.kind = kind;
  c.field = *ref;
  c.value = ExpectedFieldValue(*ref, a);
  return c;
}

Parsed ExpectField(Args& a) { return FieldAndValue(CheckKind::Field, a); }

Parsed ParseSet(Args& a) { return FieldAndValue(CheckKind::Set, a); }

Parsed ParseShot(Args& a) {
  Check c = WithId(CheckKind::Shot, a);
  c.text = a.RawText("the PNG file to write, in double quotes");
  return c;
}

constexpr int64_t kMaxCoordinate = 0x7FFF;

Parsed ExpectPixel(Args& a) {
  Check c = WithId(CheckKind::Pixel, a);
  c.x = static_cast<int>(a.Number("the pixel's x (0 to 32767)", 0, kMaxCoordinate));
  c.y = static_cast<int>(a.Number("the pixel's y (0 to 32767)", 0, kMaxCoordinate));
  const int64_t r = a.Number("the red level (0 to 255)", 0, 255);
  const int64_t g = a.Number("the green level (0 to 255)", 0, 255);
  const int64_t b = a.Number("the blue level (0 to 255)", 0, 255);
  c.number = r | (g << 8) | (b << 16);
  return c;
}

Parsed ExpectDialog(Args& a) {
  Check c;
  c.kind = CheckKind::Dialog;
  const Token* t = a.Peek();
  if (t != nullptr && t->kind == Token::Kind::Word && t->text == "none") {
    a.Word("");
    c.none = true;
  } else {
    c.number = a.Number("a template id (0 to 65535) or none", 0, kMaxControlId);
  }
  return c;
}

Parsed ExpectMessage(Args& a) {
  Check c;
  c.kind = CheckKind::Message;
  c.text = a.Text("the message box's expected text, in double quotes");
  return c;
}

Parsed ExpectHelp(Args& a) {
  Check c = WithId(CheckKind::Help, a);
  c.number = a.Number("a help context id (0 to 4294967295)", 0, kDwordMax);
  return c;
}

Parsed ExpectIni(Args& a) {
  Check c;
  c.kind = CheckKind::Ini;
  c.section = a.Name("an INI section name");
  c.key = a.Name("an INI key name");
  c.text = a.Text("the expected value, in double quotes");
  return c;
}

Parsed ParseDump(Args& a) {
  Check c;
  const Token* t = a.Peek();
  if (t != nullptr && t->kind == Token::Kind::Word && t->text == "record") {
    a.Word("");
    c.kind = CheckKind::DumpRecord;
  } else {
    c.kind = CheckKind::DumpControl;
    c.id = static_cast<int>(a.Number("record or a control id (0 to 65535)", 0, kMaxControlId));
  }
  return c;
}

struct Keyword {
  std::string_view word;
  Parsed (*parse)(Args&);
};

constexpr std::array<Keyword, 14> kExpectations{{
    {"text", ExpectText},
    {"checked", ExpectChecked},
    {"enabled", ExpectEnabled},
    {"visible", ExpectVisible},
    {"selected", ExpectSelected},
    {"count", ExpectCount},
    {"item", ExpectItem},
    {"icon", ExpectIcon},
    {"field", ExpectField},
    {"dialog", ExpectDialog},
    {"message", ExpectMessage},
    {"help", ExpectHelp},
    {"ini", ExpectIni},
    {"pixel", ExpectPixel},
}};

Parsed ParseExpect(Args&);

constexpr std::array<Keyword, 17> kStatements{{
    {"page", ParsePage},
    {"click", ParseClick},
    {"select", ParseSelect},
    {"type", ParseType},
    {"clear", ParseClear},
    {"leave", ParseLeave},
    {"scroll", ParseScroll},
    {"trackbar", ParseTrackbar},
    {"help", ParseHelp},
    {"ok", ParseOk},
    {"cancel", ParseCancel},
    {"answer", ParseAnswer},
    {"browse", ParseBrowse},
    {"expect", ParseExpect},
    {"dump", ParseDump},
    {"set", ParseSet},
    {"shot", ParseShot},
}};

template <std::size_t N>
const Keyword* FindKeyword(const std::array<Keyword, N>& table, std::string_view word) {
  for (const Keyword& k : table) {
    if (k.word == word) return &k;
  }
  return nullptr;
}

template <std::size_t N>
std::string KeywordList(const std::array<Keyword, N>& table) {
  std::string list;
  for (const Keyword& k : table) {
    if (!list.empty()) list += ", ";
    list += k.word;
  }
  return list;
}

Parsed ParseExpect(Args& a) {
  const Token* t = a.Peek();
  const Keyword* k = t != nullptr && t->kind == Token::Kind::Word ? FindKeyword(kExpectations, t->text) : nullptr;
  if (k == nullptr) a.Fail("what to expect: " + KeywordList(kExpectations));
  a.Word("");
  return k->parse(a);
}

// The statement of one tokenized line.
Parsed ParseTokens(const std::vector<Token>& tokens) {
  const Token& first = tokens.front();
  const Keyword* k = first.kind == Token::Kind::Word ? FindKeyword(kStatements, first.text) : nullptr;
  if (k == nullptr) {
    throw ParseFailure{"unknown statement " + Shown(first) + " (expected one of: " + KeywordList(kStatements) + ")"};
  }
  std::string statement = first.text;
  if (k->parse == ParseExpect && tokens.size() > 1) statement += " " + tokens[1].text;
  Args args(tokens, 1, std::move(statement));
  Parsed parsed = k->parse(args);
  args.End();
  return parsed;
}

}  // namespace

ParseResult ParseScript(std::string_view text, std::string name) {
  ParseResult result;
  result.script.name = std::move(name);
  int number = 0;
  for (std::string_view line : SplitLines(text)) {
    ++number;
    TokenizedLine tokenized = TokenizeLine(line);
    if (!tokenized.error.empty()) {
      result.errors.push_back({number, tokenized.error});
      continue;
    }
    if (tokenized.tokens.empty()) continue;
    try {
      Parsed parsed = ParseTokens(tokenized.tokens);
      if (auto* action = std::get_if<UserAction>(&parsed)) action->line = number;
      result.script.statements.push_back({number, std::move(tokenized.source), std::move(parsed)});
    } catch (const ParseFailure& failure) {
      result.errors.push_back({number, failure.message});
    }
  }
  return result;
}

std::string Describe(const Script& script, const ScriptError& error) {
  return script.name + ":" + std::to_string(error.line) + ": " + error.message;
}

}  // namespace velko::script
