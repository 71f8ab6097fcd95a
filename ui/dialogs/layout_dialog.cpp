// CLayoutDlg: the page layout dialog. Everything is edited in a working
// copy of the layout block; the record changes only on OK.
#include "ui/dialogs/layout_dialog.h"

#include <array>
#include <iterator>

#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"
#include "ui/core/ui_app.h"

namespace velko::ui {
namespace {

enum : int {
  kFirstTwoUpButton = 2015,  // 2015, 2016: 2-up order 0, 1
  kLastTwoUpButton = 2016,
  kFirstFourUpButton = 2017,  // 2017 to 2020: 4-up order 0 to 3
  kLastFourUpButton = 2020,
  kBorderCheck = 2021,
  kShapeLabel = 2105,
  kShapeList = 2022,
  kRestoreDefault = 2014,
};

// The icon a button shows when its order is the chosen one, and otherwise.
struct OrderIcons {
  WORD selected;
  WORD normal;
};

constexpr int kTwoUpOrders = 2;
constexpr int kFourUpOrders = 4;

// One row per orientation (portrait, landscape); the 2-up pictures are the
// same in both.
constexpr std::array<std::array<OrderIcons, kTwoUpOrders>, 2> kTwoUpIcons{{
    {{{2261, 2241}, {2262, 2242}}},
    {{{2261, 2241}, {2262, 2242}}},
}};
constexpr std::array<std::array<OrderIcons, kFourUpOrders>, 2> kFourUpIcons{{
    {{{2248, 2249}, {2251, 2250}, {2253, 2252}, {2255, 2254}}},
    {{{2256, 2227}, {2258, 2228}, {2259, 2229}, {2260, 2230}}},
}};
static_assert(kLastTwoUpButton - kFirstTwoUpButton + 1 == kTwoUpOrders);
static_assert(kLastFourUpButton - kFirstFourUpButton + 1 == kFourUpOrders);

constexpr int32_t kPortrait = 1;

// (control id, help context id), ending with a pair of zeros.
constexpr DWORD kHelpIds[] = {
    2193, 0x80131, 2195, 0x80131, 2197, 0x80131, 2015, 0x80131, 2016, 0x80131, 2199, 0x80131,
    2017, 0x80131, 2018, 0x80131, 2019, 0x80131, 2020, 0x80131,
    2021, 0x80132,
    2105, 0x80133, 2022, 0x80133,
    1, 0x80127,
    2, 0x80128,
    2014, 0x80134,
    0, 0,
};
static_assert(std::size(kHelpIds) % 2 == 0 && kHelpIds[std::size(kHelpIds) - 1] == 0);

// The icon row of an orientation. The main page shows every value but 1 as
// landscape (its radio 1018), so the pictures here follow it.
int IconRow(int32_t orientation) { return orientation == kPortrait ? 0 : 1; }

void SetButtonIcon(HWND dialog, int button, WORD icon) {
  const HICON handle = LoadIcon(ModuleInstance, MAKEINTRESOURCE(icon));
  SendDlgItemMessage(dialog, button, BM_SETIMAGE, IMAGE_ICON, static_cast<LPARAM>(handle));
}

}  // namespace

CLayoutDlg::CLayoutDlg(CWnd* parent) : CDialog(IDD, parent) {
  MapControlRange(BN_CLICKED, kFirstTwoUpButton, kLastTwoUpButton, &CLayoutDlg::OnTwoUpOrder);
  MapControlRange(BN_CLICKED, kFirstFourUpButton, kLastFourUpButton, &CLayoutDlg::OnFourUpOrder);
  MapCommand(kBorderCheck, &CLayoutDlg::OnBorderClicked);
  MapControl(CBN_SELCHANGE, kShapeList, &CLayoutDlg::OnShapeChosen);
  MapCommand(kRestoreDefault, &CLayoutDlg::OnRestoreDefault);
}

BOOL CLayoutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_shapeList.Detach();
  m_shapeList.Attach(::GetDlgItem(m_hWnd, kShapeList));
  if (CurrentSettings != nullptr) m_layout = CurrentSettings->Layout;
  ShowLayout();
  return TRUE;
}

void CLayoutDlg::ShowLayout() {
  FillShapeList();
  SetBorder(m_layout.PrintBorder != 0);
  SetOrderIcons();
}

void CLayoutDlg::FillShapeList() {
  FillCombo(&m_shapeList, kBorderShapeNames);
  // The fill selects the first shape. A shape outside the list (negative
  // ones too) selects no item: the list claims no shape the record does not
  // hold, and the record keeps it unless one is picked.
  if (m_layout.BorderShape != 0) m_shapeList.SetCurSel(m_layout.BorderShape);
}

void CLayoutDlg::SetBorder(bool on) {
  CheckDlgButton(kBorderCheck, on ? BST_CHECKED : BST_UNCHECKED);
  ::EnableWindow(::GetDlgItem(m_hWnd, kShapeLabel), on ? TRUE : FALSE);
  ::EnableWindow(::GetDlgItem(m_hWnd, kShapeList), on ? TRUE : FALSE);
  m_layout.PrintBorder = on ? 1 : 0;
}

void CLayoutDlg::SetOrderIcons() {
  const int row = IconRow(CurrentSettings != nullptr ? CurrentSettings->Orientation : kPortrait);
  // An order outside its range marks no button: every picture stays normal.
  for (int order = 0; order < kTwoUpOrders; ++order) {
    const OrderIcons& icons = kTwoUpIcons[row][order];
    SetButtonIcon(m_hWnd, kFirstTwoUpButton + order, order == m_layout.TwoUpOrder ? icons.selected : icons.normal);
  }
  for (int order = 0; order < kFourUpOrders; ++order) {
    const OrderIcons& icons = kFourUpIcons[row][order];
    SetButtonIcon(m_hWnd, kFirstFourUpButton + order, order == m_layout.FourUpOrder ? icons.selected : icons.normal);
  }
}

void CLayoutDlg::OnTwoUpOrder(UINT id) {
  m_layout.TwoUpOrder = static_cast<int32_t>(id) - kFirstTwoUpButton;
  SetOrderIcons();
}

void CLayoutDlg::OnFourUpOrder(UINT id) {
  m_layout.FourUpOrder = static_cast<int32_t>(id) - kFirstFourUpButton;
  SetOrderIcons();
}

void CLayoutDlg::OnBorderClicked() { SetBorder(IsDlgButtonChecked(kBorderCheck) == BST_CHECKED); }

void CLayoutDlg::OnShapeChosen() {
  const int index = m_shapeList.GetCurSel();
  if (index >= 0) m_layout.BorderShape = index;
}

void CLayoutDlg::OnRestoreDefault() {
  if (DefaultSettings != nullptr) m_layout = DefaultSettings->Layout;
  ShowLayout();
  UpdateData(FALSE);
}

void CLayoutDlg::OnOK() {
  if (CurrentSettings != nullptr) CurrentSettings->Layout = m_layout;
  CDialog::OnOK();
}

void CLayoutDlg::OnCancel() { CDialog::OnCancel(); }

void CLayoutDlg::OnContextMenu(CWnd* window, CPoint) {
  ::WinHelp(window != nullptr ? window->m_hWnd : 0, "Velko.hlp", HELP_CONTEXTMENU, kHelpIds);
}

}  // namespace velko::ui
