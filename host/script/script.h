// A parsed sheet script: one statement per line that holds one. A statement
// is a user action (handed to the platform as it is) or a check or dump
// (evaluated by the script source when it is reached). Texts are already
// GB2312 bytes here.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "host/script/record_fields.h"
#include "platform/user/input.h"

namespace velko::script {

enum class CheckKind : uint8_t {
  Text,         // expect text ID "TEXT"
  Checked,      // expect checked ID 0|1
  Enabled,      // expect enabled ID 0|1
  Visible,      // expect visible ID 0|1
  Selected,     // expect selected ID INDEX (-1: none)
  Count,        // expect count ID N
  Item,         // expect item ID INDEX "TEXT"
  Icon,         // expect icon ID RESID (0: none)
  Field,        // expect field NAME VALUE
  Dialog,       // expect dialog TEMPLATEID|none
  Message,      // expect message "TEXT"
  Help,         // expect help ID CONTEXTID
  Ini,          // expect ini SECTION KEY "VALUE"
  DumpRecord,   // dump record
  DumpControl,  // dump ID
  Set,          // set NAME VALUE: writes the field, checks nothing
  Shot,         // shot ID "FILE.png": the control's pixels to a PNG file
  Pixel,        // expect pixel ID X Y R G B
};

struct Check {
  CheckKind kind = CheckKind::Text;
  int id = 0;             // the control
  int64_t number = 0;     // expected state, index, count, resource, template or context id
  bool none = false;      // `expect dialog none`
  std::string text;       // expected text, GB2312; `shot`'s file name as written (UTF-8)
  std::string section;    // `expect ini`, GB2312
  std::string key;
  FieldRef field;         // `expect field`
  FieldValue value;       // its expected value (texts GB2312); the value `set` writes
  int x = 0;              // `expect pixel`: the pixel, in the surface's
  int y = 0;              // coordinates; `number` its COLORREF
};

struct Statement {
  int line = 0;
  std::string source;  // the line as written, without comment and outer blanks
  std::variant<platform::UserAction, Check> what;

  bool IsAction() const { return std::holds_alternative<platform::UserAction>(what); }
};

struct Script {
  std::string name;  // the file, as reports name it
  std::vector<Statement> statements;
};

}  // namespace velko::script
