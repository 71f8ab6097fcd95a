// CCustomSizeDlg: the custom paper size dialog. The working size lives in
// millimetres whatever the unit, so switching units back and forth without
// touching a value returns to the same figures; the up-down controls hold
// the sizes as positions in the unit's steps and are the one place values
// are clamped.
#include "ui/dialogs/custom_size_dialog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

#include "ui/core/page_variables.h"

namespace velko::ui {

int CustomWorkingUnit = kMillimetres;
double CustomWorkingWidth = 0.0;
double CustomWorkingHeight = 0.0;

namespace {

enum : int {
  kWidthEdit = 2066,
  kWidthArrows = 2120,
  kWidthUnit = 2124,
  kWidthRange = 2062,
  kHeightEdit = 2009,
  kHeightArrows = 2003,
  kHeightUnit = 2122,
  kHeightRange = 2065,
  kMillimetreRadio = 2068,
  kInchRadio = 2069,
  kShortEdgeIcon = 2126,
  kShortEdgeText = 2112,
  kLongEdgeIcon = 2128,
  kLongEdgeText = 2114,
};

constexpr int kEditChars = 5;

// (control id, help context id), ending with a pair of zeros.
constexpr DWORD kHelpIds[] = {
    2200, 524579, 2066, 524579, 2062, 524579, 2120, 524579,
    2202, 524580, 2009, 524580, 2065, 524580, 2003, 524580,
    2208, 524581, 2068, 524581, 2069, 524581,
    2209, 524582, 2128, 524582, 2126, 524582, 2114, 524582, 2112, 524582,
    1, 524583,
    2, 524584,
    0, 0,
};
static_assert(std::size(kHelpIds) % 2 == 0 && kHelpIds[std::size(kHelpIds) - 2] == 0 &&
              kHelpIds[std::size(kHelpIds) - 1] == 0);

int ArrowsOf(SizeDimension dimension) { return dimension == SizeDimension::Width ? kWidthArrows : kHeightArrows; }

double MillimetresToUnit(double millimetres, int unit) {
  return unit == kMillimetres ? millimetres : millimetres * kMillimetreToInch;
}

double UnitToMillimetres(double value, int unit) { return unit == kMillimetres ? value : value * kInchToMillimetre; }

// A size in the unit's edit format, leading blanks removed.
std::string EditText(double value, int unit) {
  char text[48];
  std::snprintf(text, sizeof text, UnitOf(unit).editFormat, value);
  std::string_view shown = text;
  shown.remove_prefix(std::min(shown.find_first_not_of(' '), shown.size()));
  return std::string(shown);
}

// The range text of one dimension: its limits in the unit.
std::string RangeText(SizeDimension dimension, int unit) {
  const PositionRange range = RangeOf(dimension, unit);
  char text[64];
  std::snprintf(text, sizeof text, UnitOf(unit).rangeFormat, PositionToSize(range.low, unit),
                PositionToSize(range.high, unit));
  return text;
}

// A size text as a decimal number; 0 when it does not start with one.
double TextValue(const CString& text) {
  const std::string_view digits = SizeTextPrefix(text.GetString());
  double value = 0.0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

}  // namespace

CCustomSizeDlg::CCustomSizeDlg(CWnd* parent) : CDialog(IDD, parent) {
  MapControlRange(BN_CLICKED, kMillimetreRadio, kInchRadio, &CCustomSizeDlg::OnUnitRadio);
  MapControl(EN_UPDATE, kWidthEdit, &CCustomSizeDlg::OnWidthUpdate);
  MapControl(EN_UPDATE, kHeightEdit, &CCustomSizeDlg::OnHeightUpdate);
  MapControl(EN_KILLFOCUS, kWidthEdit, &CCustomSizeDlg::OnWidthLeft);
  MapControl(EN_KILLFOCUS, kHeightEdit, &CCustomSizeDlg::OnHeightLeft);
}

CCustomSizeDlg::~CCustomSizeDlg() = default;

void CCustomSizeDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, kHeightEdit, m_heightText);
  DDX_Text(dx, kWidthEdit, m_widthText);
}

BOOL CCustomSizeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const SettingsRecord* record = CurrentSettings;
  CustomWorkingUnit = record != nullptr && record->CustomUnit != kMillimetres ? kInches : kMillimetres;
  SendDlgItemMessage(kWidthEdit, EM_LIMITTEXT, kEditChars);
  SendDlgItemMessage(kHeightEdit, EM_LIMITTEXT, kEditChars);
  CheckRadioButton(kMillimetreRadio, kInchRadio, CustomWorkingUnit == kInches ? kInchRadio : kMillimetreRadio);
  // A size that is not a finite number would show as such; it counts as 0
  // and is clamped when the field is left or on OK.
  const auto finite = [](double v) { return std::isfinite(v) ? v : 0.0; };
  CustomWorkingWidth = record != nullptr ? UnitToMillimetres(finite(record->CustomWidth), CustomWorkingUnit) : 0.0;
  CustomWorkingHeight = record != nullptr ? UnitToMillimetres(finite(record->CustomHeight), CustomWorkingUnit) : 0.0;
  ShowSizes();
  ShowFeedDirection();
  return TRUE;
}

void CCustomSizeDlg::ShowSizes() {
  const int unit = CustomWorkingUnit;
  const char* unitText = UnitOf(unit).unitText;
  SetDlgItemText(kWidthUnit, unitText);
  SetDlgItemText(kHeightUnit, unitText);
  SetDlgItemText(kWidthRange, RangeText(SizeDimension::Width, unit).c_str());
  SetDlgItemText(kHeightRange, RangeText(SizeDimension::Height, unit).c_str());

  const double width = MillimetresToUnit(CustomWorkingWidth, unit);
  const double height = MillimetresToUnit(CustomWorkingHeight, unit);
  for (const SizeDimension d : {SizeDimension::Width, SizeDimension::Height}) {
    const PositionRange range = RangeOf(d, unit);
    SendDlgItemMessage(ArrowsOf(d), UDM_SETRANGE, 0,
                       MAKELPARAM(static_cast<WORD>(range.high), static_cast<WORD>(range.low)));
  }
  SetArrowPosition(SizeDimension::Width, SizeToPosition(width, unit));
  SetArrowPosition(SizeDimension::Height, SizeToPosition(height, unit));
  ShowEdits(width, height);
}

void CCustomSizeDlg::ShowEdits(double width_in_unit, double height_in_unit) {
  m_widthText = EditText(width_in_unit, CustomWorkingUnit).c_str();
  m_heightText = EditText(height_in_unit, CustomWorkingUnit).c_str();
  UpdateData(FALSE);
}

void CCustomSizeDlg::SetArrowPosition(SizeDimension dimension, int position) {
  // The control keeps its position inside its range; a position beyond 16
  // bits is held at the range's edge first so it does not wrap.
  position = ClampPosition(position, dimension, CustomWorkingUnit);
  SendDlgItemMessage(ArrowsOf(dimension), UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(position), 0));
}

int CCustomSizeDlg::ArrowPosition(SizeDimension dimension) const {
  return static_cast<SHORT>(LOWORD(static_cast<DWORD>(SendDlgItemMessage(ArrowsOf(dimension), UDM_GETPOS))));
}

void CCustomSizeDlg::ReadPositions() {
  const int unit = CustomWorkingUnit;
  const double width = PositionToSize(ArrowPosition(SizeDimension::Width), unit);
  const double height = PositionToSize(ArrowPosition(SizeDimension::Height), unit);
  CustomWorkingWidth = UnitToMillimetres(width, unit);
  CustomWorkingHeight = UnitToMillimetres(height, unit);
  ShowEdits(width, height);
}

void CCustomSizeDlg::ShowFeedDirection() {
  const bool shortEdge = TextValue(m_heightText) >= TextValue(m_widthText);
  const int shown = shortEdge ? SW_SHOW : SW_HIDE;
  const int hidden = shortEdge ? SW_HIDE : SW_SHOW;
  ::ShowWindow(::GetDlgItem(m_hWnd, kShortEdgeIcon), shown);
  ::ShowWindow(::GetDlgItem(m_hWnd, kShortEdgeText), shown);
  ::ShowWindow(::GetDlgItem(m_hWnd, kLongEdgeIcon), hidden);
  ::ShowWindow(::GetDlgItem(m_hWnd, kLongEdgeText), hidden);
}

void CCustomSizeDlg::SizeTextChanged(SizeDimension changed) {
  UpdateData(TRUE);
  CString& text = changed == SizeDimension::Width ? m_widthText : m_heightText;
  const std::string_view typed = text.GetString();
  const std::string_view kept = SizeTextPrefix(typed);
  if (kept.size() != typed.size()) {
    text = std::string(kept).c_str();
    // The caret goes after what is kept; the edit still shows what was
    // typed until it loses the focus.
    const HWND focus = ::GetFocus();
    const auto at = static_cast<WPARAM>(kept.size());
    ::SendMessage(focus, EM_SETSEL, at, static_cast<LPARAM>(at));
    ::SendMessage(focus, EM_SCROLLCARET, 0, 0);
  }
  SetArrowPosition(SizeDimension::Width, ParseSize(m_widthText.GetString(), CustomWorkingUnit));
  SetArrowPosition(SizeDimension::Height, ParseSize(m_heightText.GetString(), CustomWorkingUnit));
}

void CCustomSizeDlg::ApplySize(SizeDimension dimension) {
  const CString& text = dimension == SizeDimension::Width ? m_widthText : m_heightText;
  SetArrowPosition(dimension, ParseSize(text.GetString(), CustomWorkingUnit));
  ReadPositions();
  ShowFeedDirection();
}

void CCustomSizeDlg::UnitClicked() {
  const int unit = IsDlgButtonChecked(kMillimetreRadio) == BST_CHECKED ? kMillimetres : kInches;
  if (unit == CustomWorkingUnit) return;
  CustomWorkingUnit = unit;
  ShowSizes();
  ShowFeedDirection();
}

void CCustomSizeDlg::OnOK() {
  ApplySize(SizeDimension::Height);
  ApplySize(SizeDimension::Width);
  if (SettingsRecord* record = CurrentSettings) {
    record->CustomUnit = CustomWorkingUnit;
    record->CustomWidth = MillimetresToUnit(CustomWorkingWidth, CustomWorkingUnit);
    record->CustomHeight = MillimetresToUnit(CustomWorkingHeight, CustomWorkingUnit);
  }
  CDialog::OnOK();
}

void CCustomSizeDlg::OnVScroll(UINT code, UINT pos, CScrollBar* scroll_bar) {
  if (code != SB_ENDSCROLL) {
    ReadPositions();
    ShowFeedDirection();
  }
  CDialog::OnVScroll(code, pos, scroll_bar);
}

void CCustomSizeDlg::OnContextMenu(CWnd* window, CPoint) {
  ::WinHelp(window != nullptr ? window->m_hWnd : 0, "Velko.hlp", HELP_CONTEXTMENU, kHelpIds);
}

}  // namespace velko::ui
