// The DDX_ exchanges for edits and list boxes.
#include "platform/afx/data_exchange.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "platform/afx/controls.h"
#include "platform/afx/window.h"

HWND CDataExchange::PrepareCtrl(int id) {
  const HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  if (control == 0) {
    Fail();
    return 0;
  }
  last_control_ = control;
  return control;
}

void CDataExchange::Fail() {
  if (last_control_ != 0) ::SetFocus(last_control_);
  failed_ = true;
}

namespace {

// The control an exchange may go on with: none once the run failed.
HWND ControlFor(CDataExchange* dx, int id) { return dx->Failed() ? 0 : dx->PrepareCtrl(id); }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks, an optional sign and digits, blanks: the number, or nothing.
std::optional<int> ParseInt(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// Writes a text only when it differs, as an unchanged control must not send
// change notifications.
void SetTextIfChanged(HWND control, const CString& text) {
  if (velko::platform::WindowText(control) != text.view()) ::SetWindowText(control, text);
}

}  // namespace

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  const HWND window = ControlFor(dx, id);
  if (window == 0 || control.m_hWnd == window) return;
  control.Detach();
  control.Attach(window);
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  const HWND control = ControlFor(dx, id);
  if (control == 0) return;
  if (dx->m_bSaveAndValidate) {
    value = velko::platform::WindowText(control);
  } else {
    SetTextIfChanged(control, value);
  }
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  const HWND control = ControlFor(dx, id);
  if (control == 0) return;
  if (!dx->m_bSaveAndValidate) {
    CString text;
    text.Format("%d", value);
    SetTextIfChanged(control, text);
    return;
  }
  const std::optional<int> parsed = ParseInt(velko::platform::WindowText(control));
  if (!parsed) {
    dx->Fail();
    return;
  }
  value = *parsed;
}

void DDX_LBString(CDataExchange* dx, int id, CString& value) {
  const HWND control = ControlFor(dx, id);
  if (control == 0) return;
  CListBox list;
  list.Attach(control);
  if (dx->m_bSaveAndValidate) {
    const int index = list.GetCurSel();
    if (index < 0) {
      value.Empty();
    } else {
      list.GetText(index, value);
    }
    return;
  }
  if (value.IsEmpty()) return;  // every item begins with "": there is nothing to restore
  const int index = list.FindString(-1, value);
  if (index >= 0) list.SetCurSel(index);
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
  const HWND control = ControlFor(dx, id);
  if (control == 0) return;
  if (dx->m_bSaveAndValidate) {
    index = static_cast<int>(::SendMessage(control, LB_GETCURSEL, 0, 0));
  } else {
    ::SendMessage(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}
