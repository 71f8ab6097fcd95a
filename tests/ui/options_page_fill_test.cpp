// Restore-all refills the options and color pages through their fills; a
// page not created in the current sheet (window 0, or a handle that names
// no window) is skipped, and the record is left as it was: the options
// page's 1072 rule belongs to its showing, not to a page that is absent.
#include <gtest/gtest.h>

#include <cstring>

#include "ui/core/page_variables.h"
#include "ui/pages/page_fills.h"

namespace {

using namespace velko;
using namespace velko::ui;

// A record the fills would change: fine printing in a color mode forces
// 1072, and a chosen name fills its field without a terminator.
SettingsRecord ForcingRecord() {
  SettingsRecord record{};
  record.PrintMode = 2;
  record.Option1072Inverted = 1;
  record.ColorMode = 4;
  std::memset(record.ChosenEntryName, 'M', sizeof record.ChosenEntryName);
  return record;
}

struct FillCase {
  const char* name;
  void (*fill)();
  HWND* window;
};

const FillCase kFills[] = {
    {"FillOptionsPage", FillOptionsPage, &OptionsPageWindow},
    {"FillColorPage", FillColorPage, &ColorPageWindow},
};

TEST(PageFillSkipTest, APageWithoutAWindowIsSkippedAndTheRecordKept) {
  for (const FillCase& fill : kFills) {
    for (const HWND window : {HWND{0}, HWND{0x7FFF}}) {
      SettingsRecord record = ForcingRecord();
      const SettingsRecord before = record;
      SettingsRecord* const saved = CurrentSettings;
      CurrentSettings = &record;
      *fill.window = window;
      fill.fill();
      *fill.window = 0;
      CurrentSettings = saved;
      EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << fill.name << " with window " << window;
    }
  }
}

}  // namespace
