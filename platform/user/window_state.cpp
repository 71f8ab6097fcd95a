// Window state the system reads and sets: texts, numbers in texts, enabled
// and visible state, window longs, focus, check marks and scroll bar
// controls.
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/user/dialog.h"
#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

HWND& Focus() {
  static HWND focus = 0;
  return focus;
}

bool FocusInside(HWND window) {
  const HWND focus = Focus();
  return focus != 0 && (focus == window || IsChild(window, focus));
}

}  // namespace

void ForgetFocus() { Focus() = 0; }

}  // namespace velko::platform::wm

using velko::platform::wm::Lookup;
using velko::platform::wm::Window;

BOOL SetWindowText(HWND window, LPCSTR text) {
  return SendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowText(HWND window, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = '\0';
  return static_cast<int>(SendMessage(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND window) { return static_cast<int>(SendMessage(window, WM_GETTEXTLENGTH, 0, 0)); }

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
  const HWND control = GetDlgItem(dialog, id);
  return control != 0 ? SetWindowText(control, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size) {
  if (buffer != nullptr && size > 0) buffer[0] = '\0';
  const HWND control = GetDlgItem(dialog, id);
  return control != 0 ? static_cast<UINT>(GetWindowText(control, buffer, size)) : 0;
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL is_signed) {
  if (translated != nullptr) *translated = FALSE;
  const HWND control = GetDlgItem(dialog, id);
  if (control == 0) return 0;
  const std::string text = velko::platform::WindowText(control);
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (is_signed && text[i] == '-') {
    negative = true;
    ++i;
  }
  unsigned long long value = 0;
  const char* first = text.data() + i;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  if (end == first || error != std::errc()) return 0;
  if (is_signed) {
    const unsigned long long limit = negative ? static_cast<unsigned long long>(INT_MAX) + 1 : INT_MAX;
    if (value > limit) return 0;
    if (translated != nullptr) *translated = TRUE;
    const long long signed_value = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
    return static_cast<UINT>(static_cast<int>(signed_value));
  }
  if (value > UINT_MAX) return 0;
  if (translated != nullptr) *translated = TRUE;
  return static_cast<UINT>(value);
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL is_signed) {
  char text[16];
  if (is_signed) {
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  } else {
    std::snprintf(text, sizeof text, "%u", value);
  }
  return SetDlgItemText(dialog, id, text);
}

BOOL EnableWindow(HWND window, BOOL enable) {
  namespace wm = velko::platform::wm;
  Window* w = Lookup(window);
  if (w == nullptr) return FALSE;
  const bool was_disabled = (w->style & WS_DISABLED) != 0;
  if (was_disabled == !enable) return was_disabled ? TRUE : FALSE;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
    // A disabled window takes no keyboard input, so the focus leaves it.
    if (wm::FocusInside(window)) SetFocus(0);
  }
  SendMessage(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
  if (Window* again = Lookup(window)) wm::Invalidate(*again, nullptr, true);
  return was_disabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
  const Window* w = Lookup(window);
  return (w != nullptr && (w->style & WS_DISABLED) == 0) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
  namespace wm = velko::platform::wm;
  Window* w = Lookup(window);
  if (w == nullptr) return FALSE;
  const bool was_visible = (w->style & WS_VISIBLE) != 0;
  const bool show = command != SW_HIDE;
  if (show == was_visible) return was_visible ? TRUE : FALSE;
  SendMessage(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  w = Lookup(window);
  if (w == nullptr) return was_visible ? TRUE : FALSE;
  if (show) {
    w->style |= WS_VISIBLE;
    wm::Invalidate(*w, nullptr, true);
  } else {
    w->style &= ~WS_VISIBLE;
    // What the window covered shows its parent again.
    if (w->parent != nullptr) {
      const RECT covered = w->rect;
      wm::Invalidate(*w->parent, &covered, true);
    }
  }
  return was_visible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
  const Window* w = Lookup(window);
  if (w == nullptr) return FALSE;
  for (; w != nullptr; w = w->parent) {
    if ((w->style & WS_VISIBLE) == 0) return FALSE;
  }
  return TRUE;
}

LONG_PTR GetWindowLongPtr(HWND window, int index) {
  namespace wm = velko::platform::wm;
  Window* w = Lookup(window);
  if (w == nullptr) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return static_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return static_cast<LONG_PTR>(GetParent(window));
    case GWL_ID: return w->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->ex_style);
    case GWLP_USERDATA: return w->user_data;
    default: break;
  }
  wm::DialogState* d = w->As<wm::DialogState>();
  if (d == nullptr) return 0;
  switch (index) {
    case DWLP_MSGRESULT: return d->msg_result;
    case DWLP_DLGPROC: return reinterpret_cast<LONG_PTR>(d->proc);
    case DWLP_USER: return d->user;
    default: return 0;
  }
}

LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
  namespace wm = velko::platform::wm;
  Window* w = Lookup(window);
  if (w == nullptr) return 0;
  const LONG_PTR previous = GetWindowLongPtr(window, index);
  switch (index) {
    case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); return previous;
    case GWLP_HINSTANCE: w->instance = static_cast<HINSTANCE>(value); return previous;
    case GWL_ID: w->id = static_cast<int>(value); return previous;
    case GWL_STYLE: w->style = static_cast<DWORD>(value); return previous;
    case GWL_EXSTYLE: w->ex_style = static_cast<DWORD>(value); return previous;
    case GWLP_USERDATA: w->user_data = value; return previous;
    default: break;
  }
  wm::DialogState* d = w->As<wm::DialogState>();
  if (d == nullptr) return 0;
  switch (index) {
    case DWLP_MSGRESULT: d->msg_result = value; return previous;
    case DWLP_DLGPROC: d->proc = reinterpret_cast<DLGPROC>(value); return previous;
    case DWLP_USER: d->user = value; return previous;
    default: return 0;
  }
}

// The 32-bit forms refuse the slots that hold addresses.
LONG GetWindowLong(HWND window, int index) {
  if (index == GWLP_WNDPROC || index == GWLP_USERDATA) return 0;
  return static_cast<LONG>(GetWindowLongPtr(window, index));
}

LONG SetWindowLong(HWND window, int index, LONG value) {
  if (index == GWLP_WNDPROC || index == GWLP_USERDATA) return 0;
  return static_cast<LONG>(SetWindowLongPtr(window, index, value));
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  const HWND button = GetDlgItem(dialog, id);
  if (button == 0) return FALSE;
  SendMessage(button, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  return static_cast<UINT>(SendDlgItemMessage(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check) {
  Window* d = Lookup(dialog);
  if (d == nullptr) return FALSE;
  std::vector<HWND> buttons;
  for (const Window* c : d->children) {
    if (c->id >= first && c->id <= last) buttons.push_back(c->handle);
  }
  for (HWND b : buttons) {
    SendMessage(b, BM_SETCHECK, GetDlgCtrlID(b) == check ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  return TRUE;
}

HWND SetFocus(HWND window) {
  namespace wm = velko::platform::wm;
  if (window != 0 && Lookup(window) == nullptr) return 0;
  HWND& focus = wm::Focus();
  const HWND previous = focus != 0 && IsWindow(focus) ? focus : 0;
  if (previous == window) return previous;
  focus = window;
  if (previous != 0) SendMessage(previous, WM_KILLFOCUS, window, 0);
  // A handler of WM_KILLFOCUS may have moved the focus on by itself.
  if (window != 0 && focus == window) SendMessage(window, WM_SETFOCUS, previous, 0);
  return previous;
}

HWND GetFocus() {
  const HWND focus = velko::platform::wm::Focus();
  return IsWindow(focus) ? focus : 0;
}

int SetScrollPos(HWND window, int bar, int pos, BOOL redraw) {
  if (bar != SB_CTL) return 0;
  return static_cast<int>(SendMessage(window, SBM_SETPOS, static_cast<WPARAM>(pos), redraw));
}

int GetScrollPos(HWND window, int bar) {
  if (bar != SB_CTL) return 0;
  return static_cast<int>(SendMessage(window, SBM_GETPOS, 0, 0));
}

BOOL SetScrollRange(HWND window, int bar, int min, int max, BOOL redraw) {
  if (bar != SB_CTL || !IsWindow(window)) return FALSE;
  SendMessage(window, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(min), max);
  return TRUE;
}

BOOL GetScrollRange(HWND window, int bar, int* min, int* max) {
  if (bar != SB_CTL || !IsWindow(window)) return FALSE;
  SendMessage(window, SBM_GETRANGE, reinterpret_cast<WPARAM>(min), reinterpret_cast<LPARAM>(max));
  return TRUE;
}

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw) {
  if (bar != SB_CTL) return 0;
  return static_cast<int>(SendMessage(window, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
}

BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info) {
  if (bar != SB_CTL) return FALSE;
  return SendMessage(window, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) != 0 ? TRUE : FALSE;
}
