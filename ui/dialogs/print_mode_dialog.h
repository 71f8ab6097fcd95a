// CPrintModeDlg: the print mode dialog (template 2409): fast, normal or fine.
// Fast is not offered in the monochrome color mode. OK writes the chosen
// mode into PrintMode of the current record; Cancel leaves it. The main
// page runs it from button 1022 without a parent window:
//
//   velko::ui::CPrintModeDlg dialog;
//   if (dialog.DoModal() == IDOK) ...   // then ForcedOption1072, summary
#pragma once

#include <cstdint>

#include "platform/afx.h"

namespace velko::ui {

class CPrintModeDlg : public CDialog {
 public:
  enum : UINT { IDD = 2409 };
  explicit CPrintModeDlg(CWnd* parent = nullptr);

  int32_t ChosenMode() const { return m_mode; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnContextMenu(CWnd* window, CPoint pos) override;

 private:
  void OnFast() { m_mode = 1; }
  void OnNormal() { m_mode = 0; }
  void OnFine() { m_mode = 2; }

  int32_t m_mode = 0;  // 0 normal, 1 fast, 2 fine
};

}  // namespace velko::ui
