// CColcndPP: the color adjustment page. Each slider, the base color and the
// sample edit the page's copy of the ColorAdjustBlock; a change that moves a
// value rebuilds the module's ColorTable and repaints the preview through
// it, so the user sees what printing will do before pressing OK.
#include "ui/dialogs/color_adjust_page.h"

#include <array>
#include <cstdio>

#include "color/color_table.h"
#include "ui/core/page_helpers.h"
#include "ui/core/page_tables.h"
#include "ui/core/page_variables.h"

namespace velko::ui {
namespace {

enum : int {
  kSampleCombo = 2004,
  kBaseColorCombo = 2117,
  kRestoreDefault = 2014,
};
inline constexpr int kSliderMin = -10;
inline constexpr int kSliderMax = 10;

// One slider of the page: its scroll bar, the field it edits and the label
// that shows the value.
struct AdjustSlider {
  int scrollBar;
  int32_t ColorAdjustBlock::*field;
  int valueLabel;
};
constexpr std::array<AdjustSlider, 6> kSliders = {{
    {2039, &ColorAdjustBlock::Bright, 2031},
    {2040, &ColorAdjustBlock::Fullness, 2032},
    {2042, &ColorAdjustBlock::Contrast, 2033},
    {2044, &ColorAdjustBlock::CyanRed, 2035},
    {2045, &ColorAdjustBlock::MagentaGreen, 2036},
    {2046, &ColorAdjustBlock::YellowBlue, 2037},
}};

// (control id, help context id) pairs, ended by 0, 0 as WinHelp requires.
constexpr DWORD kHelpIds[] = {
    2151, 524628, 2004, 524628, 2071, 524628,
    2418, 524629, 2117, 524629,
    2153, 524630, 2031, 524630, 2039, 524630, 2095, 524630,
    2155, 524631, 2032, 524631, 2040, 524631, 2096, 524631,
    2157, 524632, 2033, 524632, 2042, 524632, 2098, 524632,
    2159, 524633, 2035, 524633, 2121, 524633, 2165, 524633, 2044, 524633, 2090, 524633,
    2036, 524633, 2123, 524633, 2167, 524633, 2045, 524633, 2091, 524633,
    2037, 524633, 2125, 524633, 2119, 524633, 2046, 524633, 2093, 524633,
    2118, 0,
    2014, 524596,
    0,    0,
};
static_assert(std::size(kHelpIds) == 2 * 36 && kHelpIds[std::size(kHelpIds) - 2] == 0 &&
              kHelpIds[std::size(kHelpIds) - 1] == 0);

// The base color list's item for a code. Unlike the shared lookup, a code
// that is not in the table gives the index after its last entry, which
// leaves the list without a selection.
constexpr int BaseColorItem(int32_t code) {
  int i = 0;
  while (kBaseColorCodes[i] != kEndOfCodes && kBaseColorCodes[i] != code) ++i;
  return i;
}
static_assert(BaseColorItem(3) == 0 && BaseColorItem(4) == 3 && BaseColorItem(0) == 4);

void SetValueLabel(CWnd& page, int id, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  page.SetDlgItemText(id, text);
}

}  // namespace

CColcndPP::CColcndPP() : CPropertyPage(IDD) {
  MapControl(CBN_SELENDOK, kSampleCombo, &CColcndPP::OnSampleChosen);
  MapControl(CBN_SELENDOK, kBaseColorCombo, &CColcndPP::OnBaseColorChosen);
  MapCommand(kRestoreDefault, &CColcndPP::OnRestoreDefault);
}

int CColcndPP::OnCreate(LPCREATESTRUCT create) {
  if (CPropertyPage::OnCreate(create) == -1) return -1;
  preview_.CreateHalftonePalette();
  return 0;
}

BOOL CColcndPP::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  first_paint_done_ = false;
  FetchControls();
  FillCombos();
  SetSliders();
  color::PrepareColorCoefficients(&block_);
  return TRUE;
}

BOOL CColcndPP::OnKillActive() { return CPropertyPage::OnKillActive(); }

void CColcndPP::FetchControls() {
  for (std::size_t i = 0; i < kSliders.size(); ++i) sliders_[i] = GetDlgItem<CScrollBar>(kSliders[i].scrollBar);
  sample_combo_ = GetDlgItem<CComboBox>(kSampleCombo);
  base_color_combo_ = GetDlgItem<CComboBox>(kBaseColorCombo);
}

// A `Sample` or `BaseColor` outside its list leaves that list without a
// selection.
void CColcndPP::FillCombos() {
  if (sample_combo_ != nullptr) {
    FillCombo(sample_combo_, kSampleNames);
    sample_combo_->SetCurSel(block_.Sample);
  }
  if (base_color_combo_ != nullptr) {
    FillCombo(base_color_combo_, kBaseColorNames);
    base_color_combo_->SetCurSel(BaseColorItem(block_.BaseColor));
  }
}

// The label shows the position the bar took, so a stored value outside the
// range shows clamped while the field keeps it until a scroll replaces it.
void CColcndPP::SetSliders() {
  for (std::size_t i = 0; i < kSliders.size(); ++i) {
    CScrollBar* bar = sliders_[i];
    if (bar == nullptr) continue;
    bar->SetScrollRange(kSliderMin, kSliderMax, FALSE);
    bar->SetScrollPos(block_.*kSliders[i].field, TRUE);
    SetValueLabel(*this, kSliders[i].valueLabel, bar->GetScrollPos());
  }
}

void CColcndPP::RefreshPreview() {
  color::BuildColorTable(&block_);
  preview_.PaintSample();
  preview_.PaintSwatch();
}

void CColcndPP::OnPaint() {
  CPaintDC paint(this);
  if (!first_paint_done_) {
    preview_.ComputeLayout();
    first_paint_done_ = true;
  }
  color::BuildColorTable(&block_);
  preview_.PaintSample();
  preview_.PaintSwatch();
  preview_.PaintGradientStrips();
}

// The preview follows the list's selection; `Sample` takes it afterwards.
void CColcndPP::OnSampleChosen() {
  color::BuildColorTable(&block_);
  preview_.PaintSample();
  if (sample_combo_ != nullptr) block_.Sample = sample_combo_->GetCurSel();
}

void CColcndPP::OnBaseColorChosen() {
  const int item = base_color_combo_ != nullptr ? base_color_combo_->GetCurSel() : -1;
  if (item < 0 || item >= CodeCount(kBaseColorCodes)) return;
  block_.BaseColor = kBaseColorCodes[static_cast<std::size_t>(item)];
  RefreshPreview();
}

// Only a position that differs from the stored value rebuilds the table;
// the strips never change, so they are not repainted here.
void CColcndPP::OnHScroll(UINT code, UINT pos, CScrollBar* scroll_bar) {
  if (scroll_bar != nullptr) {
    const int position = StepScrollPos(code, static_cast<int>(static_cast<int16_t>(pos)), scroll_bar);
    scroll_bar->SetScrollPos(position, TRUE);
    for (const AdjustSlider& slider : kSliders) {
      if (scroll_bar->m_hWnd != ::GetDlgItem(m_hWnd, slider.scrollBar)) continue;
      SetValueLabel(*this, slider.valueLabel, position);
      if (position != block_.*slider.field) {
        block_.*slider.field = position;
        RefreshPreview();
      }
    }
  }
  CPropertyPage::OnHScroll(code, pos, scroll_bar);
}

// `Sample` comes back with the rest of the block, so the picture shown
// changes too; the next paint rebuilds the table and the preview.
void CColcndPP::OnRestoreDefault() {
  if (DefaultSettings != nullptr) block_ = DefaultSettings->ColorAdjust;
  FetchControls();
  FillCombos();
  SetSliders();
  Invalidate(TRUE);
}

void CColcndPP::OnContextMenu(CWnd* window, CPoint /*pos*/) {
  ::WinHelp(window != nullptr ? window->m_hWnd : m_hWnd, "Velko.hlp", HELP_CONTEXTMENU, kHelpIds);
}

}  // namespace velko::ui
