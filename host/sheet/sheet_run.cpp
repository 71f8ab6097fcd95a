// The top-level loop of a sheet run: every action the script gives goes to
// the sheet; modal loops inside page calls pull theirs from the same source.
#include "host/sheet/sheet_run.h"

#include "host/script/script_source.h"
#include "platform/user/user.h"

namespace velko::host {

SheetRunReport RunSheetScript(Driver& driver, const script::Script& script, std::ostream& out, std::ostream& err) {
  DriverPageCalls calls(driver);
  SheetHost sheet(calls, driver.Current());
  script::ScriptSource source(script, script::ScriptWorld{[&sheet] { return sheet.sheet(); }, &driver.Current()},
                              out, err);
  const platform::ScopedInputSource scope(source);
  platform::ClearUserRecords();

  SheetRunReport report;
  try {
    sheet.Open();
  } catch (const SheetError& e) {
    source.Failure(e.what());
  }
  if (sheet.sheet() != 0) {
    while (std::optional<platform::UserAction> action = platform::NextUserAction()) {
      const platform::ActionResult result = sheet.Apply(*action);
      if (!result) platform::ReportInputFault(&*action, result.error);
    }
  }
  report.outcome = sheet.outcome();
  sheet.Close();
  report.failures = source.failures();
  report.checks = source.checks_run();
  report.actions = source.actions_pulled();
  return report;
}

}  // namespace velko::host
