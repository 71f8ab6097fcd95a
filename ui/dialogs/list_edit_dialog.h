// CListEditDlg: the list-edit dialog (template 2402) in two modes: the user
// color entries (the color page, button 1045) and the user watermarks of the
// record's WatermarkList (the watermark dialog, button 1082). Add, delete and
// modify take effect at once in the table, the record and "Velko.ini";
// Cancel undoes nothing. Add and modify end the dialog with OK and leave the
// name in ChosenName (ui/core/page_variables.h), which the opener reads:
//
//   velko::ui::CListEditDlg dialog;
//   dialog.m_nMode = velko::ui::CListEditDlg::kUserColorEntries;
//   if (dialog.DoModal() == IDOK && velko::ui::ChosenName[0] != '\0') ...
#pragma once

#include <cstdint>

#include "platform/afx.h"

namespace velko::ui {

class CListEditDlg : public CDialog {
 public:
  enum : UINT { IDD = 2402 };
  // Modes, set by the opener before the dialog runs.
  enum : int32_t { kUserColorEntries = 1, kUserWatermarks = 2 };

  explicit CListEditDlg(CWnd* parent = nullptr);

  int32_t m_nMode = 0;
  CListBox m_list;        // 2414
  CString m_strName;      // 2413
  CString m_strSelected;  // 2414's selected text
  CString m_strFile;      // 2416

  // Delete follows the selection; add follows the name (and in the watermark
  // mode the file); modify (color entries only) follows the selection.
  void UpdateListEditButtons();
  // The name field, and in the watermark mode the file field and browse.
  void EnableEditFields(BOOL on);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnContextMenu(CWnd* window, CPoint pos) override;

 private:
  void FillList();
  void OnAdd();
  void OnDelete();
  void OnModify();
  void OnCloseClicked();
  void OnBrowse();
  void OnFieldChanged();
};

}  // namespace velko::ui
