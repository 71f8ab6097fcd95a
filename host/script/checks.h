// Evaluating a script's checks against what is on the screen and in the
// settings record, and its dumps as JSON. Controls are looked up where the
// script's actions go: in the active modal dialog when one is open, else
// on the sheet's current page.
#pragma once

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "host/script/script.h"
#include "platform/win32_types.h"
#include "ui/core/settings_record.h"

namespace velko::script {

struct ScriptWorld {
  // The window actions go to when no modal dialog is open (the property
  // sheet), 0 when there is none.
  std::function<HWND()> base_window;
  // The current record: checks read it, `set` writes it.
  SettingsRecord* record = nullptr;
};

struct CheckResult {
  bool passed = false;
  std::string expected;  // both for people, UTF-8
  std::string actual;    // the value found, or why there is none
  bool missing = false;  // `actual` says why the check found nothing to compare
};

// A check (every kind but the dumps); `set` and `shot` do their work and
// pass unless they cannot.
CheckResult EvaluateCheck(const Check& check, const ScriptWorld& world);

// `dump record` and `dump ID`: the record's fields or the control's state;
// an `error` member when there is nothing to dump.
nlohmann::ordered_json EvaluateDump(const Check& dump, const ScriptWorld& world);

// Where VelkoUI's application object keeps "Velko.ini": the Windows system
// directory plus "\Velko.ini", or "\windows\system\Velko.ini" when the
// directory cannot be had or the path would not fit 260 characters.
std::string VelkoIniPath();

}  // namespace velko::script
