// The sheet script language: one statement per line, # comments, texts in
// double quotes (UTF-8, \" and \\ as escapes).
//
// Actions (on the active modal dialog when one is open, else the sheet's
// current page):
//   page main|color|options|version|N    a tab change (N: tab index, for
//                                        the modal sheets of the pages)
//   click ID        select ID INDEX      select ID "TEXT"
//   type ID "TEXT"  clear ID             leave ID
//   scroll ID lineup|linedown|pageup|pagedown|endscroll
//   scroll ID thumbposition|thumbtrack POS
//   trackbar ID POS help ID  ok  cancel
//   answer ok|cancel                     the next message box
//   browse "PATH"                        the next open-file dialog
// Checks and dumps (run when the script reaches them, modal dialog or not):
//   expect text ID "TEXT"        expect checked|enabled|visible ID 0|1
//   expect selected ID INDEX     expect count ID N
//   expect item ID INDEX "TEXT"  expect icon ID RESID
//   expect field NAME VALUE      expect dialog TEMPLATEID|none
//   expect message "TEXT"        expect help ID CONTEXTID
//   expect ini SECTION KEY "VALUE"
//   expect pixel ID X Y R G B    a pixel of the control's surface
//   dump record|ID
// and, run at the same point:
//   set NAME VALUE               writes a field of the current record (the
//                                value as `expect field` writes it), as
//                                if the stored settings held it; pages
//                                show it when they are next filled or
//                                activated
//   shot ID "FILE.png"           the pixels of the control's surface as a
//                                PNG file; a relative name is taken from
//                                the working folder
// `shot` and `expect pixel` read the control in the modal dialog when one
// is open, else on the sheet's current page; ID 0 is that dialog or page
// itself, with the pictures of its owner-drawn controls on it.
// `expect message` reads the last message box shown (it is recorded once
// answered, so the check goes after `answer`); `expect help` the last help
// asked for the control; `expect ini` "Velko.ini" where VelkoUI keeps it.
// Every malformed line is reported with its number; a script with one is
// not run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/script/script.h"

namespace velko::script {

struct ScriptError {
  int line = 0;
  std::string message;
};

struct ParseResult {
  Script script;
  std::vector<ScriptError> errors;  // one per malformed line, in line order
};

ParseResult ParseScript(std::string_view text, std::string name);

// "NAME:LINE: MESSAGE".
std::string Describe(const Script& script, const ScriptError& error);

}  // namespace velko::script
