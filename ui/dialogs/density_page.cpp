// CColgnmPP: the density page. Its sliders write their row's field on every
// scroll event; the density switch enables the rows, and in monochrome mode
// only the black row can ever be enabled.
#include "ui/dialogs/density_page.h"

#include <array>
#include <cstdio>

#include "ui/core/draw_bitmaps.h"
#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"

namespace velko::ui {
namespace {

enum : int {
  kDensityCheck = 2060,
  kRestoreDefault = 2014,
  kBlackScrollBar = 2047,
};
inline constexpr int32_t kMonochromeMode = 3;
inline constexpr int kSliderMin = -10;
inline constexpr int kSliderMax = 10;

// One ink row of the page: its label, value label, scroll bar, picture
// frame and the bitmap drawn into it, and its field of the block.
struct DensityRow {
  int label;
  int valueLabel;
  int scrollBar;
  int picture;
  UINT bitmap;
  int32_t DensityBlock::*field;
};
// Black first: the monochrome restriction disables every row after it.
constexpr std::array<DensityRow, 4> kRows = {{
    {2119, 2034, 2047, 2056, 2188, &DensityBlock::Black},
    {2121, 2041, 2049, 2057, 2196, &DensityBlock::Cyan},
    {2123, 2043, 2050, 2058, 2190, &DensityBlock::Magenta},
    {2125, 2048, 2051, 2059, 2192, &DensityBlock::Yellow},
}};
static_assert(kRows[0].scrollBar == kBlackScrollBar);

// The scale labels above the sliders, enabled with the rows.
constexpr std::array<int, 5> kScaleLabels = {2081, 2082, 2083, 2077, 2079};

// (control id, help context id) pairs, ended by 0, 0 as WinHelp requires.
constexpr DWORD kHelpIds[] = {
    2060, 524640,
    2119, 524641, 2034, 524641, 2047, 524641, 2056, 524641,
    2121, 524641, 2041, 524641, 2049, 524641, 2057, 524641,
    2123, 524641, 2043, 524641, 2050, 524641, 2058, 524641,
    2125, 524641, 2048, 524641, 2051, 524641, 2059, 524641,
    2014, 524596,
    0,    0,
};
static_assert(std::size(kHelpIds) == 2 * 19 && kHelpIds[std::size(kHelpIds) - 2] == 0 &&
              kHelpIds[std::size(kHelpIds) - 1] == 0);

void EnableControl(CWnd& page, int id, bool on) {
  if (CWnd* control = page.GetDlgItem(id)) control->EnableWindow(on ? TRUE : FALSE);
}

void SetValueLabel(CWnd& page, int id, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  page.SetDlgItemText(id, text);
}

}  // namespace

CColgnmPP::CColgnmPP() : CPropertyPage(IDD) {
  MapCommand(kDensityCheck, &CColgnmPP::OnDensityClicked);
  MapCommand(kRestoreDefault, &CColgnmPP::OnRestoreDefault);
}

BOOL CColgnmPP::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  first_paint_done_ = false;
  FetchScrollBars();
  SetDensitySliders();
  EnableDensityControls(block_.Gannma != 0);
  ApplyMonochromeRestriction();
  return TRUE;
}

BOOL CColgnmPP::OnKillActive() { return CPropertyPage::OnKillActive(); }

void CColgnmPP::FetchScrollBars() {
  for (std::size_t i = 0; i < kRows.size(); ++i) sliders_[i] = GetDlgItem<CScrollBar>(kRows[i].scrollBar);
}

// The label shows the position the bar took, so a stored value outside the
// range shows clamped while the field keeps it until a scroll replaces it.
void CColgnmPP::SetDensitySliders() {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    CScrollBar* bar = sliders_[i];
    if (bar == nullptr) continue;
    bar->SetScrollRange(kSliderMin, kSliderMax, FALSE);
    bar->SetScrollPos(block_.*kRows[i].field, TRUE);
    SetValueLabel(*this, kRows[i].valueLabel, bar->GetScrollPos());
  }
}

// The check box itself and the pictures stay enabled.
void CColgnmPP::EnableDensityControls(bool on) {
  CheckDlgButton(kDensityCheck, on ? BST_CHECKED : BST_UNCHECKED);
  for (const DensityRow& row : kRows) {
    EnableControl(*this, row.label, on);
    EnableControl(*this, row.valueLabel, on);
    EnableControl(*this, row.scrollBar, on);
  }
  for (const int id : kScaleLabels) EnableControl(*this, id, on);
}

// A monochrome printer has black toner only: its color rows never take a
// value, whatever the switch says.
void CColgnmPP::ApplyMonochromeRestriction() {
  if (CurrentSettings == nullptr || CurrentSettings->ColorMode != kMonochromeMode) return;
  for (std::size_t i = 1; i < kRows.size(); ++i) {
    EnableControl(*this, kRows[i].label, false);
    EnableControl(*this, kRows[i].valueLabel, false);
    EnableControl(*this, kRows[i].scrollBar, false);
  }
}

void CColgnmPP::OnDensityClicked() {
  const bool on = IsDlgButtonChecked(kDensityCheck) == BST_CHECKED;
  EnableDensityControls(on);
  block_.Gannma = on ? 1 : 0;
  ApplyMonochromeRestriction();
}

// Every event stores its position, changed or not.
void CColgnmPP::OnHScroll(UINT code, UINT pos, CScrollBar* scroll_bar) {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (scroll_bar == nullptr || scroll_bar->m_hWnd != ::GetDlgItem(m_hWnd, kRows[i].scrollBar)) continue;
    const int position = StepScrollPos(code, static_cast<int>(static_cast<int16_t>(pos)), scroll_bar);
    scroll_bar->SetScrollPos(position, TRUE);
    SetValueLabel(*this, kRows[i].valueLabel, position);
    block_.*kRows[i].field = position;
  }
  CPropertyPage::OnHScroll(code, pos, scroll_bar);
}

// The page's background becomes the fill of the bar pictures' white
// surround, so that the bars sit on the page's own color.
void CColgnmPP::OnPaint() {
  CPaintDC paint(this);
  const COLORREF background = paint.GetBkColor();
  if (background != RGB(255, 255, 255) && background != CLR_INVALID) BitmapFillColor = background;

  CWnd* black = GetDlgItem(kBlackScrollBar);
  if (black == nullptr) return;
  RECT bar{};
  black->GetWindowRect(&bar);
  const int width = (bar.right - bar.left) * 7 / 8;
  const int height = (bar.bottom - bar.top) + 2;

  if (!first_paint_done_) {
    for (const DensityRow& row : kRows) {
      CWnd* picture = GetDlgItem(row.picture);
      if (picture == nullptr) continue;
      RECT place{};
      picture->GetWindowRect(&place);
      ScreenToClient(&place);
      picture->SetWindowPos(nullptr, place.left, place.top, width, height,
                            SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    first_paint_done_ = true;
  }
  for (const DensityRow& row : kRows) {
    CWnd* picture = GetDlgItem(row.picture);
    if (picture == nullptr) continue;
    CClientDC dc(picture);
    DrawResourceBitmap(&dc, row.bitmap, TRUE, TRUE, width, height);
  }
}

void CColgnmPP::OnRestoreDefault() {
  if (DefaultSettings != nullptr) block_ = DefaultSettings->Density;
  first_paint_done_ = false;
  FetchScrollBars();
  SetDensitySliders();
  EnableDensityControls(block_.Gannma != 0);
  ApplyMonochromeRestriction();
}

void CColgnmPP::OnContextMenu(CWnd* window, CPoint /*pos*/) {
  ::WinHelp(window != nullptr ? window->m_hWnd : m_hWnd, "Velko.hlp", HELP_CONTEXTMENU, kHelpIds);
}

}  // namespace velko::ui
