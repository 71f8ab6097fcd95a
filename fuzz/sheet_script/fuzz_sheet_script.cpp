// Fuzzes the sheet script parser: any bytes must parse without a crash into
// statements and errors whose line numbers rise and stay within the text,
// every field a check names must lie inside the settings record, and the
// source kept for each statement must parse again to the same statement.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/script/parser.h"
#include "host/script/tokenizer.h"

namespace {

using velko::script::Check;
using velko::script::ParseResult;
using velko::script::ParseScript;
using velko::script::Statement;

void Require(bool holds) {
  if (!holds) std::abort();
}

bool SameStatement(const Statement& a, const Statement& b) {
  if (a.IsAction() != b.IsAction()) return false;
  if (a.IsAction()) {
    const auto& x = std::get<velko::platform::UserAction>(a.what);
    const auto& y = std::get<velko::platform::UserAction>(b.what);
    return x.kind == y.kind && x.id == y.id && x.value == y.value && x.by_text == y.by_text &&
           x.gesture == y.gesture && x.text == y.text;
  }
  const Check& x = std::get<Check>(a.what);
  const Check& y = std::get<Check>(b.what);
  return x.kind == y.kind && x.id == y.id && x.number == y.number && x.none == y.none && x.text == y.text &&
         x.section == y.section && x.key == y.key && x.field.field == y.field.field &&
         x.field.index == y.field.index && x.value == y.value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ParseResult result = ParseScript(text, "fuzz.vsh");
  const int lines = static_cast<int>(velko::script::SplitLines(text).size());

  int previous = 0;
  for (const auto& error : result.errors) {
    Require(error.line > previous && error.line <= lines && !error.message.empty());
    previous = error.line;
    Require(!velko::script::Describe(result.script, error).empty());
  }
  previous = 0;
  for (const Statement& statement : result.script.statements) {
    Require(statement.line > previous && statement.line <= lines);
    previous = statement.line;
    if (statement.IsAction()) {
      Require(std::get<velko::platform::UserAction>(statement.what).line == statement.line);
    } else if (const Check& check = std::get<Check>(statement.what); check.field.field != nullptr) {
      Require(check.field.Offset() + check.field.field->size <= sizeof(velko::SettingsRecord));
    }
    const ParseResult again = ParseScript(statement.source, "again.vsh");
    Require(again.errors.empty() && again.script.statements.size() == 1);
    Require(SameStatement(statement, again.script.statements[0]));
  }
  return 0;
}
