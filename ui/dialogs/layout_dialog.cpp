// CLayoutDlg: the page layout dialog.
#include "ui/dialogs/layout_dialog.h"

namespace velko::ui {

CLayoutDlg::CLayoutDlg(CWnd* parent) : CDialog(IDD, parent) {}
BOOL CLayoutDlg::OnInitDialog() { return CDialog::OnInitDialog(); }
void CLayoutDlg::OnOK() { CDialog::OnOK(); }
void CLayoutDlg::OnCancel() { CDialog::OnCancel(); }
void CLayoutDlg::OnContextMenu(CWnd* window, CPoint pos) { CDialog::OnContextMenu(window, pos); }

}  // namespace velko::ui
