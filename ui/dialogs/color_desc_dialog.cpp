// CColDescDlg: the choice of rendering intent behind the record's
// ColorDescription, kept in a working value until OK.
#include "ui/dialogs/color_desc_dialog.h"

#include <array>

#include "ui/core/page_variables.h"

namespace velko::ui {
namespace {

enum : int {
  kSaturatedRadio = 2113,     // value 1
  kVividRadio = 2115,         // value 2
  kColorimetricRadio = 2116,  // value 3, and any value outside 1..3
  kRestoreDefault = 2014,
};

enum : int32_t { kSaturated = 1, kVivid = 2, kColorimetric = 3 };

// (control id, help context id) pairs, ended by 0, 0 as WinHelp requires.
constexpr DWORD kHelpIds[] = {
    kSaturatedRadio, 524627, kVividRadio, 524627, kColorimetricRadio, 524627,
    IDOK,            524583, IDCANCEL,    524584, kRestoreDefault,    524596,
    0,               0,
};
static_assert(std::size(kHelpIds) % 2 == 0 && kHelpIds[std::size(kHelpIds) - 1] == 0 &&
              kHelpIds[std::size(kHelpIds) - 2] == 0);

// The radio button a stored value shows: an unknown value shows as
// colorimetric (and stays stored as it is until a click replaces it).
constexpr int RadioForChoice(int32_t choice) {
  if (choice == kSaturated) return kSaturatedRadio;
  if (choice == kVivid) return kVividRadio;
  return kColorimetricRadio;
}
static_assert(RadioForChoice(0) == kColorimetricRadio && RadioForChoice(2) == kVividRadio);

}  // namespace

CColDescDlg::CColDescDlg(CWnd* parent) : CDialog(IDD, parent) {
  MapControlRange(BN_CLICKED, kSaturatedRadio, kColorimetricRadio, &CColDescDlg::OnRadio);
  MapCommand(kRestoreDefault, &CColDescDlg::OnRestoreDefault);
}

BOOL CColDescDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  choice_ = CurrentSettings != nullptr ? CurrentSettings->ColorDescription : 0;
  CheckChoice();
  return TRUE;
}

void CColDescDlg::CheckChoice() {
  for (const int radio : {kSaturatedRadio, kVividRadio, kColorimetricRadio}) CheckDlgButton(radio, BST_UNCHECKED);
  CheckDlgButton(RadioForChoice(choice_), BST_CHECKED);
}

// 2114 lies inside the id range but is no control of the template; it maps
// to nothing.
void CColDescDlg::OnRadio(UINT id) {
  switch (id) {
    case kSaturatedRadio: choice_ = kSaturated; break;
    case kVividRadio: choice_ = kVivid; break;
    case kColorimetricRadio: choice_ = kColorimetric; break;
    default: break;
  }
}

void CColDescDlg::OnRestoreDefault() {
  if (DefaultSettings == nullptr) return;
  choice_ = DefaultSettings->ColorDescription;
  CheckChoice();
}

void CColDescDlg::OnOK() {
  if (CurrentSettings != nullptr) CurrentSettings->ColorDescription = choice_;
  CDialog::OnOK();
}

void CColDescDlg::OnContextMenu(CWnd* window, CPoint /*pos*/) {
  ::WinHelp(window != nullptr ? window->m_hWnd : m_hWnd, "Velko.hlp", HELP_CONTEXTMENU, kHelpIds);
}

}  // namespace velko::ui
