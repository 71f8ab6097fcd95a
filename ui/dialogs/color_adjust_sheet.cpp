// CColPS: builds the sheet from the record's two color blocks and writes
// both back on OK, whichever pages were shown.
#include "ui/dialogs/color_adjust_sheet.h"

#include "ui/core/page_variables.h"

namespace velko::ui {
namespace {

inline constexpr int32_t kCustomColorMode = 4;

}  // namespace

// Outside the custom color mode the adjustments are the mode's own, so the
// sheet offers the density page alone.
CColPS::CColPS(UINT captionId, int* startPage, CWnd* parent, HWND colorPage)
    : CPropertySheet(captionId, parent), start_page_(startPage), color_page_(colorPage) {
  if (CurrentSettings != nullptr) {
    adjust_page_.Block() = CurrentSettings->ColorAdjust;
    density_page_.Block() = CurrentSettings->Density;
    if (CurrentSettings->ColorMode == kCustomColorMode) AddPage(&adjust_page_);
  }
  AddPage(&density_page_);
  MapCommand(IDOK, &CColPS::OnSheetOK);
}

BOOL CColPS::OnInitDialog() {
  const BOOL result = CPropertySheet::OnInitDialog();
  if (start_page_ != nullptr) SetActivePage(*start_page_);
  return result;
}

// The sheet takes OK itself: the pages' own OK processing does not run, and
// the color adjustment block is written back even when its page was not
// shown (unchanged then).
void CColPS::OnSheetOK() {
  if (CurrentSettings != nullptr) {
    CurrentSettings->ColorAdjust = adjust_page_.Block();
    CurrentSettings->Density = density_page_.Block();
  }
  EndDialog(IDOK);
}

}  // namespace velko::ui
