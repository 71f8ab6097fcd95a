// What the main page's two source files share: its control ids and the
// handlers of the paper, output, pages-per-sheet and scale group
// (main_page_paper.cpp) that the page procedure (main_page.cpp) calls.
#pragma once

#include "platform/win32_types.h"

namespace velko::ui {

enum : int {
  kPaperCombo = 1010,
  kOutputCombo = 1011,
  kTrayCombo = 1012,
  kMediaCombo = 1013,
  kCopiesEdit = 1014,
  kCopiesUpDown = 1015,
  kMainTextCheck = 1016,
  kPortraitRadio = 1017,
  kLandscapeRadio = 1018,
  kPagesPerSheetCombo = 1019,
  kOption1020Check = 1020,
  kLayoutButton = 1021,
  kPrintModeButton = 1022,
  kArrangementIcon = 1025,
  kScaleText = 1026,
  kMainTextEdit = 1064,
};

inline constexpr int kMainTextChars = 4;
inline constexpr int kCopiesChars = 3;
inline constexpr int kMinCopies = 1;
inline constexpr int kMaxCopies = 999;

// The selected item of a combo box of the main page, or -1 (CB_ERR).
int SelectedItem(int comboId);

// The paper list's choice changed (running the custom size dialog for the
// custom item); the output list's choice changed; the pages-per-sheet list's.
void PaperChanged();
void OutputChanged();
void PagesPerSheetChanged();

// Shows the scale of the record's paper, output and pages per sheet in 1026
// and its arrangement icon in 1025.
void UpdateScaleAndIcon();

}  // namespace velko::ui
