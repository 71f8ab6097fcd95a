// CCustomSizeDlg: the custom paper size dialog.
#include "ui/dialogs/custom_size_dialog.h"

namespace velko::ui {

int CustomWorkingUnit = kMillimetres;
double CustomWorkingWidth = 0.0;
double CustomWorkingHeight = 0.0;

CCustomSizeDlg::CCustomSizeDlg(CWnd* parent) : CDialog(IDD, parent) {}
CCustomSizeDlg::~CCustomSizeDlg() = default;
void CCustomSizeDlg::DoDataExchange(CDataExchange* dx) { CDialog::DoDataExchange(dx); }
BOOL CCustomSizeDlg::OnInitDialog() { return CDialog::OnInitDialog(); }
void CCustomSizeDlg::OnOK() { CDialog::OnOK(); }
void CCustomSizeDlg::OnVScroll(UINT code, UINT pos, CScrollBar* bar) { CDialog::OnVScroll(code, pos, bar); }
void CCustomSizeDlg::OnContextMenu(CWnd* window, CPoint pos) { CDialog::OnContextMenu(window, pos); }

}  // namespace velko::ui
