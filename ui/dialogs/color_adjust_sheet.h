// CColPS: the color adjustment sheet, a modal property sheet of the color
// adjustment page (custom color mode only) and the density page. It copies
// the record's ColorAdjustBlock and DensityBlock into its pages when it is
// built and writes both back on OK; Cancel leaves the record alone. The
// color page opens it from button 1041:
//
//   int start = 0;
//   velko::ui::CColPS sheet(5004, &start, nullptr, ColorPageWindow);
//   sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
//   if (sheet.DoModal() == IDOK) ...
#pragma once

#include "platform/afx.h"
#include "ui/dialogs/color_adjust_page.h"
#include "ui/dialogs/density_page.h"

namespace velko::ui {

class CColPS : public CPropertySheet {
 public:
  // `captionId` names the caption in the string table; `startPage` (in) holds
  // the index of the page shown first and must outlive the run; `colorPage`
  // is the opener's window, kept but not used.
  CColPS(UINT captionId, int* startPage, CWnd* parent, HWND colorPage);

  CColcndPP& AdjustPage() { return adjust_page_; }
  CColgnmPP& DensityPage() { return density_page_; }
  HWND Opener() const { return color_page_; }

  BOOL OnInitDialog() override;

 private:
  void OnSheetOK();

  CColcndPP adjust_page_;
  CColgnmPP density_page_;
  int* start_page_;
  HWND color_page_;
};

}  // namespace velko::ui
