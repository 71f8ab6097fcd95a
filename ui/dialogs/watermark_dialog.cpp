// CWatermarkDlg: the watermark settings in a working block until OK, the
// controls that follow the choice of text or picture, the palette of a
// palette display, and the round trip through the watermark list editor.
#include "ui/dialogs/watermark_dialog.h"

#include <array>
#include <cstring>
#include <string>

#include "ui/core/page_helpers.h"
#include "ui/core/page_tables.h"
#include "ui/core/page_variables.h"
#include "ui/dialogs/list_edit_dialog.h"
#include "ui/dialogs/watermark_preview.h"

namespace velko::ui {
namespace {

enum : int {
  kWatermarkOnCheck = 2030,
  kPreviewFrame = 2029,
  kWatermarkLabel = 2419,
  kWatermarkCombo = 2025,
  kEditListButton = 1082,
  kPositionLabel = 2133,
  kPositionCombo = 2023,
  kColorLabel = 2135,
  kColorCombo = 2024,
  kDensityLabel = 2137,
  kDensityBar = 2026,
  kLightLabel = 2139,
  kDarkLabel = 2141,
  kSizeLabel = 2143,
  kSizeBar = 2027,
  kSmallLabel = 2145,
  kBigLabel = 2147,
  kOutlineCheck = 1103,
  kRestoreDefault = 2014,
};

// Controls that follow the watermark check box whatever is chosen.
constexpr std::array kChoiceControls{kWatermarkLabel, kWatermarkCombo, kEditListButton, kPositionLabel,
                                     kPositionCombo,  kSizeLabel,      kSizeBar,        kSmallLabel,
                                     kBigLabel};
// Controls that apply to the built-in texts only.
constexpr std::array kColorControls{kColorCombo, kColorLabel, kDensityBar, kDensityLabel,
                                    kLightLabel, kDarkLabel,  kOutlineCheck};

// (control id, help context id) pairs, ended by 0, 0 as WinHelp requires.
constexpr DWORD kHelpIds[] = {
    kWatermarkOnCheck, 0x80185, kPreviewFrame,  0x80186, kWatermarkLabel, 0x80186, kWatermarkCombo, 0x80186,
    kEditListButton,   0x80187, kPositionLabel, 0x80188, kPositionCombo,  0x80188, kColorLabel,     0x80189,
    kColorCombo,       0x80189, kDensityLabel,  0x80190, kDensityBar,     0x80190, kSizeLabel,      0x80191,
    kSizeBar,          0x80191, kOutlineCheck,  0x80192, IDOK,            0x80127, IDCANCEL,        0x80128,
    kRestoreDefault,   0x80134, 0,              0,
};
static_assert(std::size(kHelpIds) % 2 == 0 && kHelpIds[std::size(kHelpIds) - 1] == 0 &&
              kHelpIds[std::size(kHelpIds) - 2] == 0);

// The list editor shows at most this much of the chosen text to find it again.
constexpr int kRememberedTextChars = 17;

// A 20-byte name of the record as a C string, even without its NUL.
std::string NameOf(const char (&name)[kWatermarkNameBytes]) {
  return std::string(name, strnlen(name, kWatermarkNameBytes));
}

// Copies `text` into a fixed field, cut to leave room for the NUL.
template <std::size_t N>
void StoreText(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

// Stored codes as the dialog shows (and OK stores) them: a position or color
// outside its table as the first item, density and size clamped to 0..8.
void ShowableCodes(WatermarkBlock& block) {
  block.WatermarkPosition = ShownPosition(block.WatermarkPosition);
  block.WatermarkColor = ShownColor(block.WatermarkColor);
  block.WatermarkDensity = ShownStep(block.WatermarkDensity);
  block.WatermarkSize = ShownStep(block.WatermarkSize);
}

}  // namespace

CWatermarkDlg::CWatermarkDlg() : CDialog(IDD) {
  MapControl(CBN_SELENDOK, kWatermarkCombo, &CWatermarkDlg::OnWatermarkChosen);
  MapControl(CBN_SELENDOK, kPositionCombo, &CWatermarkDlg::OnPositionChosen);
  MapControl(CBN_SELENDOK, kColorCombo, &CWatermarkDlg::OnColorChosen);
  MapCommand(kOutlineCheck, &CWatermarkDlg::OnOutlineClicked);
  MapCommand(kWatermarkOnCheck, &CWatermarkDlg::OnWatermarkOnClicked);
  MapCommand(kEditListButton, &CWatermarkDlg::OnEditList);
  MapCommand(kRestoreDefault, &CWatermarkDlg::OnRestoreDefault);
}

int CWatermarkDlg::OnCreate(LPCREATESTRUCT create) {
  if (CDialog::OnCreate(create) == -1) return -1;
  palette_.DeleteObject();
  CClientDC dc(this);
  palette_flag_ = (dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0 && palette_.CreateHalftonePalette(&dc);
  return 0;
}

BOOL CWatermarkDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CurrentSettings != nullptr) FillWatermarkDialog(CurrentSettings->Watermark, true);
  return TRUE;
}

void CWatermarkDlg::FillWatermarkDialog(const WatermarkBlock& source, bool at_init) {
  working_ = source;
  ShowableCodes(working_);
  FillWatermarkList();

  auto* list = GetDlgItem<CComboBox>(kWatermarkCombo);
  if (list->SetCurSel(working_.WatermarkIndex) == CB_ERR || working_.WatermarkIndex == 0) {
    list->SetCurSel(0);
    working_.WatermarkIndex = 0;
    StoreText(working_.WatermarkName, kWatermarkTextNames[0].data());
  }
  // Enabled after the selection, so that a restore default that replaces a
  // user watermark by a text enables the color controls again.
  EnableWatermarkControls(working_.WatermarkOn != 0);

  auto* positions = GetDlgItem<CComboBox>(kPositionCombo);
  FillCombo(positions, kWatermarkPositionNames);
  positions->SetCurSel(working_.WatermarkPosition);
  auto* colors = GetDlgItem<CComboBox>(kColorCombo);
  FillCombo(colors, kWatermarkColorNames);
  colors->SetCurSel(working_.WatermarkColor);

  for (const auto& [bar, position] : {std::pair{kDensityBar, working_.WatermarkDensity},
                                      std::pair{kSizeBar, working_.WatermarkSize}}) {
    SendDlgItemMessage(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, kWatermarkSteps - 1));
    SendDlgItemMessage(bar, TBM_SETPOS, TRUE, position);
  }
  CheckDlgButton(kOutlineCheck, working_.WatermarkOutline != 0 ? BST_CHECKED : BST_UNCHECKED);

  if (at_init) {
    ReloadPalette();
    SelectWatermark();
  } else {
    ReloadPalette();
    DrawWatermarkPreview();
  }
}

void CWatermarkDlg::FillWatermarkList() {
  auto* list = GetDlgItem<CComboBox>(kWatermarkCombo);
  FillCombo(list, kWatermarkTextNames);
  if (CurrentSettings == nullptr) return;
  for (const WatermarkEntry& entry : CurrentSettings->WatermarkList) {
    const std::string name = NameOf(entry.Name);
    if (!name.empty()) list->AddString(name.c_str());
  }
}

void CWatermarkDlg::SelectWatermark() {
  auto* list = GetDlgItem<CComboBox>(kWatermarkCombo);
  working_.WatermarkIndex = list->GetCurSel();
  CString text;
  list->GetLBText(working_.WatermarkIndex, text);
  StoreText(working_.WatermarkName, text.str());
  std::memset(working_.WatermarkFile, 0, sizeof working_.WatermarkFile);

  const bool on = IsDlgButtonChecked(kWatermarkOnCheck) == BST_CHECKED;
  if (IsBuiltInWatermark(working_.WatermarkIndex)) {
    if (on) EnableColorControls(true);
  } else {
    if (CurrentSettings != nullptr && !text.IsEmpty()) {
      for (const WatermarkEntry& entry : CurrentSettings->WatermarkList) {
        if (NameOf(entry.Name) == text.str()) {
          StoreText(working_.WatermarkFile, std::string(entry.File, strnlen(entry.File, kPathBytes)));
          break;
        }
      }
    }
    if (on) EnableColorControls(false);
  }
  ReloadPalette();
  DrawWatermarkPreview();
}

void CWatermarkDlg::EnableWatermarkControls(bool on) {
  CheckDlgButton(kWatermarkOnCheck, on ? BST_CHECKED : BST_UNCHECKED);
  for (const int id : kChoiceControls) GetDlgItem(id)->EnableWindow(on);
  const int chosen = static_cast<int>(SendDlgItemMessage(kWatermarkCombo, CB_GETCURSEL));
  // No selection yet (at the first fill) counts as a built-in text.
  const bool picture = chosen != CB_ERR && !IsBuiltInWatermark(chosen);
  EnableColorControls(on && !picture);
}

void CWatermarkDlg::EnableColorControls(bool on) {
  for (const int id : kColorControls) GetDlgItem(id)->EnableWindow(on);
}

void CWatermarkDlg::ReloadPalette() {
  if (!palette_flag_) return;
  CClientDC dc(this);
  const std::array<PALETTEENTRY, 256> entries = PreviewPaletteEntries(working_, dc);
  // Entry 255 stays as it was: the last of the system's reserved colors.
  palette_.SetPaletteEntries(0, 255, entries.data());
}

void CWatermarkDlg::DrawWatermarkPreview() {
  CWnd* frameWindow = GetDlgItem(kPreviewFrame);
  if (frameWindow == nullptr || m_hWnd == 0) return;
  RECT frame{};
  frameWindow->GetWindowRect(&frame);
  ScreenToClient(&frame);
  CClientDC dc(this);
  DrawPreview(dc, frame, working_, palette_flag_ ? static_cast<HPALETTE>(palette_.m_hObject) : 0);
}

void CWatermarkDlg::OnPaint() {
  CPaintDC paint(this);
  DrawWatermarkPreview();
}

void CWatermarkDlg::OnWatermarkChosen() { SelectWatermark(); }

void CWatermarkDlg::OnPositionChosen() {
  working_.WatermarkPosition = GetDlgItem<CComboBox>(kPositionCombo)->GetCurSel();
  DrawWatermarkPreview();
}

void CWatermarkDlg::OnColorChosen() {
  working_.WatermarkColor = GetDlgItem<CComboBox>(kColorCombo)->GetCurSel();
  ReloadPalette();
  DrawWatermarkPreview();
}

void CWatermarkDlg::OnHScroll(UINT /*code*/, UINT /*pos*/, CScrollBar* bar) {
  if (bar == nullptr) return;
  int32_t* field = nullptr;
  switch (bar->GetDlgCtrlID()) {
    case kDensityBar: field = &working_.WatermarkDensity; break;
    case kSizeBar: field = &working_.WatermarkSize; break;
    default: return;
  }
  const auto position = static_cast<int32_t>(bar->SendMessage(TBM_GETPOS));
  if (position == *field) return;
  *field = position;
  DrawWatermarkPreview();
}

void CWatermarkDlg::OnOutlineClicked() {
  working_.WatermarkOutline = IsDlgButtonChecked(kOutlineCheck) == BST_CHECKED ? 1 : 0;
  SelectWatermark();
}

void CWatermarkDlg::OnWatermarkOnClicked() {
  const bool on = IsDlgButtonChecked(kWatermarkOnCheck) == BST_CHECKED;
  SelectWatermark();
  EnableWatermarkControls(on);
  working_.WatermarkOn = on ? 1 : 0;
}

void CWatermarkDlg::OnEditList() {
  char remembered[kRememberedTextChars + 1] = {};
  GetDlgItemText(kWatermarkCombo, remembered, sizeof remembered);

  CListEditDlg editor;
  editor.m_nMode = CListEditDlg::kUserWatermarks;
  editor.DoModal();

  FillWatermarkList();
  auto* list = GetDlgItem<CComboBox>(kWatermarkCombo);
  const std::string chosen(ChosenName, strnlen(ChosenName, kChosenNameBytes));
  const int found = list->SelectString(-1, chosen.empty() ? remembered : chosen.c_str());
  working_.WatermarkIndex = found == CB_ERR ? 0 : found;
  list->SetCurSel(working_.WatermarkIndex);
  SelectWatermark();
}

void CWatermarkDlg::OnRestoreDefault() {
  if (DefaultSettings != nullptr) FillWatermarkDialog(DefaultSettings->Watermark, false);
}

void CWatermarkDlg::OnOK() {
  if (CurrentSettings != nullptr) CurrentSettings->Watermark = working_;
  CDialog::OnOK();
}

void CWatermarkDlg::OnContextMenu(CWnd* window, CPoint /*pos*/) {
  ::WinHelp(window != nullptr ? window->m_hWnd : m_hWnd, "Velko.hlp", HELP_CONTEXTMENU, kHelpIds);
}

}  // namespace velko::ui
