// CWnd: the maps from window handles to objects, hooking, the message
// dispatch and the window calls that need more than one platform call.
#include "platform/afx/window.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "platform/afx/app.h"
#include "platform/afx/controls.h"
#include "platform/afx/data_exchange.h"
#include "platform/user/dialog.h"
#include "platform/user/input.h"

namespace {

struct WindowMaps {
  std::unordered_map<HWND, CWnd*> hooked;
  std::map<std::pair<HWND, std::type_index>, std::unique_ptr<CWnd>> wrappers;
  // Wrappers of gone windows are swept when the map reaches this size.
  std::size_t sweep_at = 64;
  std::vector<CWnd*> awaiting;
};

// Never destroyed: a module unloaded at exit may still let its objects go
// after the program's own statics are gone.
WindowMaps& Maps() {
  static WindowMaps& maps = *new WindowMaps;
  return maps;
}

LPCSTR ApplicationName() {
  const CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pszAppName : nullptr;
}

// The messages whose dialog-procedure result is their answer itself rather
// than DWLP_MSGRESULT.
bool AnswersWithOwnValue(UINT message) {
  constexpr UINT kCharToItem = 0x002F, kVKeyToItem = 0x002E, kQueryDragIcon = 0x0037, kCompareItem = 0x0039;
  constexpr UINT kCtlColorFirst = 0x0132, kCtlColorLast = 0x0138;
  return message == WM_INITDIALOG || message == kCompareItem || message == kVKeyToItem || message == kCharToItem ||
         message == kQueryDragIcon || (message >= kCtlColorFirst && message <= kCtlColorLast);
}

// Keeps notifications out for the length of a data exchange.
class LockoutScope {
 public:
  explicit LockoutScope(int& count) : count_(count) { ++count_; }
  ~LockoutScope() { --count_; }
  LockoutScope(const LockoutScope&) = delete;
  LockoutScope& operator=(const LockoutScope&) = delete;

 private:
  int& count_;
};

}  // namespace

CWnd::~CWnd() {
  StopAwaiting(this);
  Unhook();
}

CWnd* CWnd::FromHandle(HWND window) {
  if (CWnd* hooked = FromHandlePermanent(window)) return hooked;
  return TemporaryWrapper(window, typeid(CWnd), [] { return std::make_unique<CWnd>(); });
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
  const auto& hooked = Maps().hooked;
  const auto it = hooked.find(window);
  return it != hooked.end() ? it->second : nullptr;
}

CWnd* CWnd::TemporaryWrapper(HWND window, std::type_index type, std::unique_ptr<CWnd> (*make)()) {
  if (!::IsWindow(window)) return nullptr;
  WindowMaps& maps = Maps();
  const auto key = std::make_pair(window, type);
  if (const auto it = maps.wrappers.find(key); it != maps.wrappers.end()) return it->second.get();
  if (maps.wrappers.size() >= maps.sweep_at) {
    DeleteTempMap();
    maps.sweep_at = std::max<std::size_t>(64, 2 * maps.wrappers.size());
  }
  std::unique_ptr<CWnd> wrapper = make();
  wrapper->m_hWnd = window;
  CWnd* raw = wrapper.get();
  maps.wrappers.emplace(key, std::move(wrapper));
  return raw;
}

void CWnd::DeleteTempMap() {
  std::erase_if(Maps().wrappers, [](const auto& entry) { return !::IsWindow(entry.first.first); });
}

BOOL CWnd::Attach(HWND window) {
  if (hook_ != HookKind::None) return FALSE;
  m_hWnd = window;
  return TRUE;
}

HWND CWnd::Detach() {
  const HWND window = m_hWnd;
  Unhook();
  m_hWnd = 0;
  return window;
}

bool CWnd::HookWindow(HWND window, HookKind how) {
  WindowMaps& maps = Maps();
  if (hook_ != HookKind::None || window == 0 || maps.hooked.contains(window)) return false;
  m_hWnd = window;
  hook_ = how;
  maps.hooked[window] = this;
  StopAwaiting(this);
  return true;
}

BOOL CWnd::HookDialog(HWND window) { return HookWindow(window, HookKind::DialogProcedure) ? TRUE : FALSE; }

BOOL CWnd::HookBySubclassing(HWND window) {
  if (!HookWindow(window, HookKind::Subclass)) return FALSE;
  super_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProcedure)));
  if (super_ == nullptr) {
    Unhook();
    return FALSE;
  }
  return TRUE;
}

void CWnd::Unhook() {
  if (hook_ == HookKind::None) return;
  if (hook_ == HookKind::Subclass && ::IsWindow(m_hWnd) &&
      ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::SubclassProcedure)) {
    ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super_));
  }
  auto& hooked = Maps().hooked;
  if (const auto it = hooked.find(m_hWnd); it != hooked.end() && it->second == this) hooked.erase(it);
  hook_ = HookKind::None;
  super_ = nullptr;
  m_hWnd = 0;
}

void CWnd::AwaitWindow(CWnd* object) {
  if (!IsAwaitingWindow(object)) Maps().awaiting.push_back(object);
}

void CWnd::StopAwaiting(CWnd* object) { std::erase(Maps().awaiting, object); }

bool CWnd::IsAwaitingWindow(const CWnd* object) {
  const auto& awaiting = Maps().awaiting;
  return std::find(awaiting.begin(), awaiting.end(), object) != awaiting.end();
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const Message outer = current_;
  current_ = Message{message, wParam, lParam};
  *result = 0;
  const bool handled = OnWndMsg(message, wParam, lParam, result) != FALSE;
  current_ = outer;
  return handled;
}

INT_PTR CWnd::HandleDialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (default_pass_ && default_pass_->message == message && default_pass_->wParam == wParam &&
      default_pass_->lParam == lParam) {
    default_pass_.reset();
    return FALSE;
  }
  LRESULT result = 0;
  const bool handled = Dispatch(message, wParam, lParam, &result);
  if (message == WM_NCDESTROY) {
    Unhook();
    PostNcDestroy();
    return FALSE;
  }
  if (!handled) return FALSE;
  if (AnswersWithOwnValue(message)) return static_cast<INT_PTR>(result);
  ::SetWindowLongPtr(window, DWLP_MSGRESULT, result);
  return TRUE;
}

LRESULT CWnd::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* object = FromHandlePermanent(window);
  if (object == nullptr || object->hook_ != HookKind::Subclass) return ::DefWindowProc(window, message, wParam, lParam);
  const LRESULT result = object->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    object->Unhook();
    object->PostNcDestroy();
  }
  return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!Dispatch(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (hook_) {
    case HookKind::Subclass:
      return ::CallWindowProc(super_, m_hWnd, message, wParam, lParam);
    case HookKind::DialogProcedure: {
      // The dialog manager asks the dialog procedure first; this message
      // is let through to its own handling.
      const std::optional<Message> outer = default_pass_;
      default_pass_ = Message{message, wParam, lParam};
      const LRESULT result = ::DefDlgProc(m_hWnd, message, wParam, lParam);
      default_pass_ = outer;
      return result;
    }
    case HookKind::None:
      break;
  }
  return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(current_.message, current_.wParam, current_.lParam); }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  for (const MessageEntry& entry : messages_) {
    if (entry.message != message) continue;
    const auto handler = entry.handler;
    *result = handler(wParam, lParam);
    return TRUE;
  }
  switch (message) {
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_NOTIFY:
      return OnNotify(wParam, lParam, result);
    case WM_CREATE:
      *result = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
      return TRUE;
    case WM_DESTROY:
      OnDestroy();
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      *result = TRUE;
      return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      CScrollBar* bar = lParam != 0 ? FromHandleAs<CScrollBar>(static_cast<HWND>(lParam)) : nullptr;
      if (message == WM_HSCROLL) {
        OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
      } else {
        OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
      }
      return TRUE;
    }
    case WM_CONTEXTMENU:
      OnContextMenu(FromHandle(static_cast<HWND>(wParam)), CPoint(lParam));
      return TRUE;
    case WM_SHOWWINDOW:
      OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
      return TRUE;
    case WM_SETFOCUS:
      OnSetFocus(FromHandle(static_cast<HWND>(wParam)));
      return TRUE;
    case WM_KILLFOCUS:
      OnKillFocus(FromHandle(static_cast<HWND>(wParam)));
      return TRUE;
    case WM_CLOSE:
      OnClose();
      return TRUE;
    default:
      return FALSE;
  }
}

void CWnd::AddCommand(WORD code, int first, int last, std::function<void(int id)> handler) {
  commands_.push_back({code, first, last, std::move(handler)});
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  // A control's notification while data exchange writes the controls.
  if (lParam != 0 && lockout_ > 0) return TRUE;
  const int id = LOWORD(wParam);
  const WORD code = HIWORD(wParam);
  for (const CommandEntry& entry : commands_) {
    if (entry.code != code || id < entry.first || id > entry.last) continue;
    const auto handler = entry.handler;  // the table may grow while it runs
    handler(id);
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header == nullptr) return FALSE;
  if (lockout_ > 0) return TRUE;
  for (const NotifyEntry& entry : notifies_) {
    if (entry.code != header->code || entry.id != static_cast<int>(header->idFrom)) continue;
    const auto handler = entry.handler;
    handler(header, result);
    return TRUE;
  }
  return FALSE;
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnClose() { Default(); }

BOOL CWnd::UpdateData(BOOL save_and_validate) {
  const LockoutScope lockout(lockout_);
  CDataExchange exchange(this, save_and_validate);
  DoDataExchange(&exchange);
  return exchange.Failed() ? FALSE : TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

BOOL CWnd::DestroyWindow() { return ::DestroyWindow(m_hWnd); }

void CWnd::GetWindowText(CString& text) const { text = velko::platform::WindowText(m_hWnd); }

int CWnd::GetDlgItemText(int id, CString& text) const {
  text = velko::platform::WindowText(::GetDlgItem(m_hWnd, id));
  return text.GetLength();
}

void CWnd::ScreenToClient(LPRECT rect) const {
  POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  ::ScreenToClient(m_hWnd, &corners[0]);
  ::ScreenToClient(m_hWnd, &corners[1]);
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void CWnd::ClientToScreen(LPRECT rect) const {
  POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  ::ClientToScreen(m_hWnd, &corners[0]);
  ::ClientToScreen(m_hWnd, &corners[1]);
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insert_after, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insert_after != nullptr ? insert_after->m_hWnd : HWND_TOP, x, y, cx, cy, flags);
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
  return ::MessageBox(m_hWnd, text, caption != nullptr ? caption : ApplicationName(), type);
}

int AfxMessageBox(LPCSTR text, UINT type) {
  return ::MessageBox(velko::platform::ActiveModalWindow(), text, ApplicationName(), type);
}

int AfxMessageBox(UINT string_id, UINT type) {
  CString text;
  text.LoadString(string_id);
  return AfxMessageBox(text, type);
}
