// CPrintModeDlg: the print mode dialog. The chosen mode starts as the
// record's (whatever it holds) and changes only when a radio is clicked.
#include "ui/dialogs/print_mode_dialog.h"

#include <iterator>

#include "ui/core/page_variables.h"

namespace velko::ui {
namespace {

enum : int { kFastRadio = 2005, kNormalRadio = 1042, kFineRadio = 2006 };

enum : int32_t { kNormalMode = 0, kFastMode = 1, kFineMode = 2 };
constexpr int32_t kMonochrome = 3;

// (control id, help context id), ending with a pair of zeros.
constexpr DWORD kHelpIds[] = {
    kFastRadio, 0x80135, kNormalRadio, 0x80135, kFineRadio, 0x80135, IDOK, 0x80127, IDCANCEL, 0x80128, 0, 0,
};
static_assert(std::size(kHelpIds) % 2 == 0 && kHelpIds[std::size(kHelpIds) - 1] == 0);

}  // namespace

CPrintModeDlg::CPrintModeDlg(CWnd* parent) : CDialog(IDD, parent) {
  MapCommand(kFastRadio, &CPrintModeDlg::OnFast);
  MapCommand(kNormalRadio, &CPrintModeDlg::OnNormal);
  MapCommand(kFineRadio, &CPrintModeDlg::OnFine);
}

BOOL CPrintModeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const SettingsRecord* record = CurrentSettings;
  m_mode = record != nullptr ? record->PrintMode : kNormalMode;
  // Fast printing is not offered in monochrome.
  if (record != nullptr && record->ColorMode == kMonochrome) {
    ::EnableWindow(::GetDlgItem(m_hWnd, kFastRadio), FALSE);
    if (m_mode == kFastMode) m_mode = kNormalMode;
  }
  const int checked = m_mode == kFastMode ? kFastRadio : m_mode == kFineMode ? kFineRadio : kNormalRadio;
  for (const int radio : {kFastRadio, kNormalRadio, kFineRadio}) {
    CheckDlgButton(radio, radio == checked ? BST_CHECKED : BST_UNCHECKED);
  }
  return TRUE;
}

void CPrintModeDlg::OnOK() {
  if (CurrentSettings != nullptr) CurrentSettings->PrintMode = m_mode;
  CDialog::OnOK();
}

void CPrintModeDlg::OnContextMenu(CWnd* window, CPoint) {
  ::WinHelp(window != nullptr ? window->m_hWnd : 0, "Velko.hlp", HELP_CONTEXTMENU, kHelpIds);
}

}  // namespace velko::ui
