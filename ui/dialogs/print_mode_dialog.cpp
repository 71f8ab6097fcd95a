// CPrintModeDlg: the print mode dialog.
#include "ui/dialogs/print_mode_dialog.h"

namespace velko::ui {

CPrintModeDlg::CPrintModeDlg(CWnd* parent) : CDialog(IDD, parent) {}
BOOL CPrintModeDlg::OnInitDialog() { return CDialog::OnInitDialog(); }
void CPrintModeDlg::OnOK() { CDialog::OnOK(); }
void CPrintModeDlg::OnContextMenu(CWnd* window, CPoint pos) { CDialog::OnContextMenu(window, pos); }

}  // namespace velko::ui
