// CColDescDlg: the color description dialog (template 2404). The user picks
// one of three rendering intents, saturated, vivid or colorimetric; the
// choice reaches the record's ColorDescription only on OK. The color page
// opens it from button 1051 and ignores the result:
//
//   velko::ui::CColDescDlg dialog(nullptr);
//   dialog.DoModal();
#pragma once

#include "platform/afx.h"

namespace velko::ui {

class CColDescDlg : public CDialog {
 public:
  enum : UINT { IDD = 2404 };
  explicit CColDescDlg(CWnd* parent = nullptr);

  // The choice as edited so far (what OK stores).
  int Choice() const { return choice_; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnContextMenu(CWnd* window, CPoint pos) override;

 private:
  void CheckChoice();
  void OnRadio(UINT id);
  void OnRestoreDefault();

  int choice_ = 0;
};

}  // namespace velko::ui
