// CWnd: the class library's window object, a thin wrapper over a window
// handle with the Win32 window calls as members, and the message dispatch
// that the dialog, page and sheet classes build on.
//
// Dispatch. A window whose messages an object takes (a dialog, a property
// page, a property sheet) is "hooked": the platform hands its messages to
// the object, which routes them
//   1. to handlers registered in the object's tables, in its constructor:
//        MapCommand(2014, &CMyDlg::OnRestoreDefault);          // BN_CLICKED
//        MapControl(CBN_SELENDOK, 2004, &CMyDlg::OnSampleChosen);
//        MapControlRange(BN_CLICKED, 2113, 2116, &CMyDlg::OnRadio);  // gets the id
//        MapNotify(UDN_DELTAPOS, 2120, &CMyDlg::OnDeltaPos);
//        MapMessage(WM_SHOWWINDOW, &CMyDlg::OnShow);
//   2. else to the virtual handlers below (OnCreate, OnPaint, OnHScroll ...),
//      which a class overrides;
//   3. else to the platform's default handling. A handler reaches the
//      default for the message it is handling with Default().
// While UpdateData runs, control notifications to the window are swallowed,
// so that the texts data exchange writes do not re-enter the handlers.
//
// Objects for windows. FromHandle gives the hooking object of a window, or
// a wrapper the library keeps for the window's life; the typed forms
// (GetDlgItem<CScrollBar>(id)) give wrappers of that class, one per window
// and class, so pointers compare equal from call to call. Wrappers take no
// messages: binding a control (Attach, DDX_Control) only names its handle.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "platform/afx/byte_string.h"
#include "platform/afx/geometry.h"
#include "platform/user/common_dialogs.h"
#include "platform/user/paint.h"
#include "platform/user/window.h"

class CDataExchange;
class CScrollBar;

using LPCREATESTRUCT = CREATESTRUCT*;
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = 0;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }  // NOLINT: implicit, as the library's

  // The object for a window (see above); nullptr for no window.
  static CWnd* FromHandle(HWND window);
  template <class Wrapper>
  static Wrapper* FromHandleAs(HWND window);
  // The object hooked to the window, or nullptr.
  static CWnd* FromHandlePermanent(HWND window);
  // Forgets the wrappers of windows that are gone.
  static void DeleteTempMap();

  // Binds this object to a window without taking its messages; FALSE when
  // the object is already hooked to one.
  BOOL Attach(HWND window);
  HWND Detach();

  // The window tree.
  CWnd* GetDlgItem(int id) const;
  template <class Wrapper>
  Wrapper* GetDlgItem(int id) const {
    return FromHandleAs<Wrapper>(::GetDlgItem(m_hWnd, id));
  }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  BOOL DestroyWindow();

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
  }
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
  }

  // Texts (GB2312 bytes).
  void SetWindowText(LPCSTR text) { ::SetWindowText(m_hWnd, text); }
  int GetWindowText(LPSTR buffer, int size) const { return ::GetWindowText(m_hWnd, buffer, size); }
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
  void SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemText(m_hWnd, id, text); }
  int GetDlgItemText(int id, LPSTR buffer, int size) const {
    return static_cast<int>(::GetDlgItemText(m_hWnd, id, buffer, size));
  }
  int GetDlgItemText(int id, CString& text) const;
  UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL is_signed = TRUE) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, is_signed);
  }
  void SetDlgItemInt(int id, UINT value, BOOL is_signed = TRUE) { ::SetDlgItemInt(m_hWnd, id, value, is_signed); }

  // State.
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE)); }
  void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
  UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
  void CheckRadioButton(int first, int last, int check) { ::CheckRadioButton(m_hWnd, first, last, check); }

  // Geometry.
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
  void ScreenToClient(LPRECT rect) const;
  void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
  void ClientToScreen(LPRECT rect) const;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
  }
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  BOOL SetWindowPos(const CWnd* insert_after, int x, int y, int cx, int cy, UINT flags);

  // Painting.
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
  void ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }

  // A message box owned by this window; no caption means the application's
  // name.
  int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

  // Data exchange between the controls and the object's members:
  // UpdateData(TRUE) reads the controls, UpdateData(FALSE) writes them.
  // FALSE when an exchange failed (the focus is then on its control).
  BOOL UpdateData(BOOL save_and_validate = TRUE);
  virtual void DoDataExchange(CDataExchange* dx);

  // The dispatch (see above).
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The platform's default handling of a message, for this window.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The default handling of the message being handled.
  LRESULT Default();

 protected:
  // Virtual handlers; each one's base reaches the default handling.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual int OnCreate(LPCREATESTRUCT create);
  virtual void OnDestroy();
  virtual void OnPaint();
  virtual void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
  // `scroll_bar` is the control that sent it (for a trackbar too), or
  // nullptr for a window's own scroll bar.
  virtual void OnHScroll(UINT code, UINT pos, CScrollBar* scroll_bar);
  virtual void OnVScroll(UINT code, UINT pos, CScrollBar* scroll_bar);
  // `window` is the window the user clicked, `pos` the screen position.
  virtual void OnContextMenu(CWnd* window, CPoint pos);
  virtual void OnShowWindow(BOOL show, UINT status);
  virtual void OnSetFocus(CWnd* old_focus);
  virtual void OnKillFocus(CWnd* new_focus);
  virtual void OnClose();
  // After the window's last message; the object no longer has a window.
  virtual void PostNcDestroy() {}

  // Tables (see above). Handlers are members of the class that registers
  // them or of one of its bases.
  template <class T>
  void MapCommand(int id, void (T::*handler)()) {
    MapControl(BN_CLICKED, id, handler);
  }
  template <class T>
  void MapControl(WORD code, int id, void (T::*handler)()) {
    static_assert(std::is_base_of_v<CWnd, T>);
    AddCommand(code, id, id, [this, handler](int) { (static_cast<T*>(this)->*handler)(); });
  }
  template <class T>
  void MapControlRange(WORD code, int first, int last, void (T::*handler)(UINT id)) {
    static_assert(std::is_base_of_v<CWnd, T>);
    AddCommand(code, first, last,
               [this, handler](int id) { (static_cast<T*>(this)->*handler)(static_cast<UINT>(id)); });
  }
  template <class T>
  void MapNotify(UINT code, int id, void (T::*handler)(NMHDR* header, LRESULT* result)) {
    static_assert(std::is_base_of_v<CWnd, T>);
    notifies_.push_back({code, id, [this, handler](NMHDR* h, LRESULT* r) { (static_cast<T*>(this)->*handler)(h, r); }});
  }
  template <class T>
  void MapMessage(UINT message, LRESULT (T::*handler)(WPARAM wParam, LPARAM lParam)) {
    static_assert(std::is_base_of_v<CWnd, T>);
    messages_.push_back(
        {message, [this, handler](WPARAM w, LPARAM l) { return (static_cast<T*>(this)->*handler)(w, l); }});
  }

  // Hooking. A dialog procedure hands its messages to HandleDialogMessage; a
  // subclassed window procedure to WindowProc, with the window's own
  // procedure as the default.
  BOOL HookDialog(HWND window);
  BOOL HookBySubclassing(HWND window);
  INT_PTR HandleDialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Objects waiting for the window the platform is creating for them: the
  // first message of the new window names one of them.
  static void AwaitWindow(CWnd* object);
  static void StopAwaiting(CWnd* object);
  static bool IsAwaitingWindow(const CWnd* object);

  bool NotificationsLockedOut() const { return lockout_ > 0; }

 private:
  enum class HookKind : uint8_t { None, DialogProcedure, Subclass };
  struct Message {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  };
  struct CommandEntry {
    WORD code;
    int first;
    int last;
    std::function<void(int id)> handler;
  };
  struct NotifyEntry {
    UINT code;
    int id;
    std::function<void(NMHDR*, LRESULT*)> handler;
  };
  struct MessageEntry {
    UINT message;
    std::function<LRESULT(WPARAM, LPARAM)> handler;
  };

  void AddCommand(WORD code, int first, int last, std::function<void(int id)> handler);
  bool HookWindow(HWND window, HookKind how);
  void Unhook();
  // Runs one message through OnWndMsg with it as the current message.
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  static CWnd* TemporaryWrapper(HWND window, std::type_index type, std::unique_ptr<CWnd> (*make)());

  HookKind hook_ = HookKind::None;
  WNDPROC super_ = nullptr;
  Message current_;
  // The message this window's DefWindowProc passes back through the dialog
  // procedure to the dialog manager's own handling.
  std::optional<Message> default_pass_;
  int lockout_ = 0;
  std::vector<CommandEntry> commands_;
  std::vector<NotifyEntry> notifies_;
  std::vector<MessageEntry> messages_;
};

template <class Wrapper>
Wrapper* CWnd::FromHandleAs(HWND window) {
  static_assert(std::is_base_of_v<CWnd, Wrapper> && std::is_default_constructible_v<Wrapper>);
  if (auto* hooked = dynamic_cast<Wrapper*>(FromHandlePermanent(window))) return hooked;
  CWnd* wrapper = TemporaryWrapper(window, typeid(Wrapper), [] { return std::unique_ptr<CWnd>(new Wrapper); });
  return static_cast<Wrapper*>(wrapper);
}

// The application's message box: owned by the innermost modal dialog, with
// the application's name as its caption.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK);
int AfxMessageBox(UINT string_id, UINT type = MB_OK);
