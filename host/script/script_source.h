// The script as the platform's input source. Modal loops, message boxes and
// the open-file dialog pull their next action from it, wherever they run;
// the checks and dumps between two actions are evaluated as they are
// pulled, so a check sees the screen exactly as the preceding action left
// it, even inside a modal dialog. Failures (a check that does not hold, an
// action the platform could not apply, the script running out while a
// dialog waits) are written to the error stream with the script's name and
// line as they happen; dumps go to the output stream, one JSON object a
// line.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "host/script/checks.h"
#include "host/script/script.h"
#include "platform/user/input.h"

namespace velko::script {

class ScriptSource : public platform::InputSource {
 public:
  ScriptSource(const Script& script, ScriptWorld world, std::ostream& out, std::ostream& err);

  std::optional<platform::UserAction> Next() override;
  void Fault(const platform::UserAction* action, std::string_view why) override;

  // Reports a failure of the run that belongs to no action (a page call
  // that could not be made), at the line reached last.
  void Failure(std::string_view why);

  const std::vector<std::string>& failures() const { return failures_; }
  int checks_run() const { return checks_run_; }
  int actions_pulled() const { return actions_pulled_; }
  bool finished() const { return next_ >= script_.statements.size(); }

 private:
  void Run(const Statement& statement, const Check& check);
  void Report(int line, std::string what);

  const Script& script_;
  ScriptWorld world_;
  std::ostream& out_;
  std::ostream& err_;
  std::size_t next_ = 0;
  int last_line_ = 0;
  int checks_run_ = 0;
  int actions_pulled_ = 0;
  std::vector<std::string> failures_;
};

}  // namespace velko::script
