// CLayoutDlg: the page layout dialog (template 2408): the order of the pages
// on a 2-up and a 4-up sheet as icon buttons whose pictures follow the
// orientation, and the border with its shape. It edits a working copy of
// the record's LayoutBlock and writes it back only on OK. The main page
// runs it from button 1021 without a parent window:
//
//   velko::ui::CLayoutDlg dialog;
//   if (dialog.DoModal() == IDOK) ...   // redraw scale and icon
#pragma once

#include "platform/afx.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

class CLayoutDlg : public CDialog {
 public:
  enum : UINT { IDD = 2408 };
  explicit CLayoutDlg(CWnd* parent = nullptr);

  // The block as edited so far (what OK would store).
  const LayoutBlock& WorkingLayout() const { return m_layout; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnContextMenu(CWnd* window, CPoint pos) override;

 private:
  void SetOrderIcons();
  void SetBorder(bool on);
  void FillShapeList();
  void ShowLayout();

  void OnTwoUpOrder(UINT id);
  void OnFourUpOrder(UINT id);
  void OnBorderClicked();
  void OnShapeChosen();
  void OnRestoreDefault();

  CComboBox m_shapeList;
  LayoutBlock m_layout{};
};

}  // namespace velko::ui
