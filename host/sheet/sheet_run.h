// `velko sheet`'s run: the sheet opened over the driver's records, the
// script fed to it as the input source until it runs out, the sheet closed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "host/driver.h"
#include "host/script/script.h"
#include "host/sheet/sheet_host.h"

namespace velko::host {

struct SheetRunReport {
  std::vector<std::string> failures;  // as written to the error stream
  int checks = 0;
  int actions = 0;
  SheetOutcome outcome = SheetOutcome::NotOpened;

  bool ok() const { return failures.empty(); }
};

// Runs `script` on the sheet over `driver`'s current and default records;
// dumps go to `out`, failures to `err` as they happen. The current record
// is left as the run leaves it (restored when the script cancels the sheet).
SheetRunReport RunSheetScript(Driver& driver, const script::Script& script, std::ostream& out, std::ostream& err);

}  // namespace velko::host
