// Pulling actions from a script, running its checks on the way.
#include "host/script/script_source.h"

#include <algorithm>
#include <ostream>

namespace velko::script {
namespace {

std::string ActionName(const platform::UserAction& action) { return std::string(platform::ActionName(action.kind)); }

}  // namespace

ScriptSource::ScriptSource(const Script& script, ScriptWorld world, std::ostream& out, std::ostream& err)
    : script_(script), world_(std::move(world)), out_(out), err_(err) {}

std::optional<platform::UserAction> ScriptSource::Next() {
  while (next_ < script_.statements.size()) {
    const Statement& statement = script_.statements[next_++];
    last_line_ = statement.line;
    if (const auto* action = std::get_if<platform::UserAction>(&statement.what)) {
      ++actions_pulled_;
      return *action;
    }
    Run(statement, std::get<Check>(statement.what));
  }
  return std::nullopt;
}

void ScriptSource::Run(const Statement& statement, const Check& check) {
  if (check.kind == CheckKind::DumpRecord || check.kind == CheckKind::DumpControl) {
    nlohmann::ordered_json line;
    line["line"] = statement.line;
    line[check.kind == CheckKind::DumpRecord ? "record" : "control"] = EvaluateDump(check, world_);
    out_ << line.dump() << '\n';
    return;
  }
  ++checks_run_;
  const CheckResult result = EvaluateCheck(check, world_);
  if (result.passed) return;
  const std::string failed = "`" + statement.source + "` failed: ";
  Report(statement.line, result.missing ? failed + result.actual + " (expected " + result.expected + ")"
                                        : failed + "expected " + result.expected + ", got " + result.actual);
}

void ScriptSource::Fault(const platform::UserAction* action, std::string_view why) {
  if (action == nullptr) {
    Report(last_line_, std::string(why));
    return;
  }
  const auto& statements = script_.statements;
  const auto it = std::lower_bound(statements.begin(), statements.end(), action->line,
                                   [](const Statement& s, int line) { return s.line < line; });
  const std::string source = it != statements.end() && it->line == action->line ? it->source : ActionName(*action);
  Report(action->line, "`" + source + "` could not be done: " + std::string(why));
}

void ScriptSource::Failure(std::string_view why) { Report(last_line_, std::string(why)); }

void ScriptSource::Report(int line, std::string what) {
  std::string text = script_.name + ":" + std::to_string(line) + ": " + what;
  err_ << text << '\n';
  failures_.push_back(std::move(text));
}

}  // namespace velko::script
