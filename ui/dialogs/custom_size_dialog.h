// CCustomSizeDlg: the custom paper size dialog (template 2407). It edits the
// custom width and height in 0.1 mm or 0.01 inch steps, each with an edit
// and an up-down pair, clamps both to the printer's limits, shows the feed
// direction, and on OK writes CustomUnit, CustomWidth and CustomHeight of
// the current record. The main page runs it without a parent window and
// looks only at whether it ended with OK:
//
//   velko::ui::CCustomSizeDlg dialog;
//   if (dialog.DoModal() == IDOK) CustomSizeItemText();
//
// The arithmetic (unit conversions, positions, ParseSize) is in
// custom_size_units.h.
#pragma once

#include "platform/afx.h"
#include "ui/dialogs/custom_size_units.h"

namespace velko::ui {

// The dialog's working state, module variables set afresh by every
// OnInitDialog: the unit (0 millimetres, 1 inches) and both sizes in
// millimetres whatever the unit.
extern int CustomWorkingUnit;
extern double CustomWorkingWidth;
extern double CustomWorkingHeight;

class CCustomSizeDlg : public CDialog {
 public:
  enum : UINT { IDD = 2407 };
  explicit CCustomSizeDlg(CWnd* parent = nullptr);
  ~CCustomSizeDlg() override;

  CString m_widthText;   // edit 2066
  CString m_heightText;  // edit 2009

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnVScroll(UINT code, UINT pos, CScrollBar* scroll_bar) override;
  void OnContextMenu(CWnd* window, CPoint pos) override;

 private:
  void ShowSizes();
  void ReadPositions();
  void ShowFeedDirection();
  void ShowEdits(double width_in_unit, double height_in_unit);
  void SetArrowPosition(SizeDimension dimension, int position);
  int ArrowPosition(SizeDimension dimension) const;
  void SizeTextChanged(SizeDimension changed);
  void ApplySize(SizeDimension dimension);
  void UnitClicked();

  void OnUnitRadio(UINT) { UnitClicked(); }
  void OnWidthUpdate() { SizeTextChanged(SizeDimension::Width); }
  void OnHeightUpdate() { SizeTextChanged(SizeDimension::Height); }
  void OnWidthLeft() { ApplySize(SizeDimension::Width); }
  void OnHeightLeft() { ApplySize(SizeDimension::Height); }
};

}  // namespace velko::ui
