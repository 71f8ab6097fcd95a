// The window tree: creation and destruction, the built-in classes, message
// sending and the default window procedure.
#include <algorithm>
#include <array>
#include <cstring>

#include "platform/user/dialog.h"
#include "platform/user/paint.h"
#include "platform/user/text.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

constexpr std::array<WindowClass, 9> kClasses{{
    {"BUTTON", ButtonProc, ControlKind::Button},
    {"EDIT", EditProc, ControlKind::Edit},
    {"COMBOBOX", ComboBoxProc, ControlKind::ComboBox},
    {"LISTBOX", ListBoxProc, ControlKind::ListBox},
    {"SCROLLBAR", ScrollBarProc, ControlKind::ScrollBar},
    {"STATIC", StaticProc, ControlKind::Static},
    {"msctls_trackbar32", TrackbarProc, ControlKind::Trackbar},
    {"msctls_updown32", UpDownProc, ControlKind::UpDown},
    {"#32770", DefDlgProc, ControlKind::Dialog},
}};

struct Tree {
  std::vector<Window*> top_levels;
  std::size_t count = 0;
};

Tree& TheTree() {
  static Tree& tree = *new Tree;
  return tree;
}

ControlState InitialState(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button: return ButtonState{};
    case ControlKind::Edit: return EditState{};
    case ControlKind::ComboBox:
    case ControlKind::ListBox: return ListState{};
    case ControlKind::ScrollBar: return ScrollState{};
    case ControlKind::Static: return StaticState{};
    case ControlKind::Trackbar: return TrackbarState{};
    case ControlKind::UpDown: return UpDownState{};
    case ControlKind::Dialog: return DialogState{};
  }
  return std::monostate{};
}

HWND TopLevelAncestor(HWND window) {
  Window* w = Lookup(window);
  while (w && w->parent) w = w->parent;
  return w ? w->handle : 0;
}

void Unlink(Window& w) {
  std::vector<Window*>& siblings = SiblingsOf(w);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), &w), siblings.end());
}

// Moves the focus away from a window that goes, without messages: the
// window can no longer answer them.
void DropFocusInside(HWND window) {
  const HWND focus = GetFocus();
  if (focus != 0 && (focus == window || IsChild(window, focus))) ForgetFocus();
}

LRESULT CopyText(const std::string& text, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const std::size_t n = FitLength(text, static_cast<std::size_t>(size) - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

}  // namespace

const std::vector<Window*>& TopLevels() { return TheTree().top_levels; }

std::vector<Window*>& SiblingsOf(Window& w) { return w.parent ? w.parent->children : TheTree().top_levels; }

Window* Lookup(HWND window) {
  if (window == 0) return nullptr;
  Window* w = Handles().Get<Window>(window);
  return (w != nullptr && !w->destroyed) ? w : nullptr;
}

const WindowClass* FindClass(std::string_view name) {
  for (const WindowClass& c : kClasses) {
    if (EqualNoCase(c.name, name)) return &c;
  }
  return nullptr;
}

HWND CreateWindowFrom(CreateParams p) {
  const bool child = (p.style & WS_CHILD) != 0;
  Window* parent = child ? Lookup(p.parent) : nullptr;
  if (p.window_class == nullptr || (child && parent == nullptr)) return 0;

  auto object = std::make_shared<Window>();
  Window& w = *object;
  w.window_class = p.window_class;
  w.proc = p.proc != nullptr ? p.proc : p.window_class->proc;
  w.parent = parent;
  w.owner = child ? 0 : TopLevelAncestor(p.parent);
  w.id = child ? p.id : 0;
  w.style = p.style;
  w.ex_style = p.ex_style;
  w.rect = p.rect;
  w.instance = p.instance;
  w.state = std::holds_alternative<std::monostate>(p.state) ? InitialState(p.window_class->kind) : std::move(p.state);
  const HWND handle = Handles().Add(object);
  w.handle = handle;
  SiblingsOf(w).push_back(&w);
  ++TheTree().count;

  const std::string text(p.text);
  CREATESTRUCT create{p.param,
                      p.instance,
                      static_cast<HMENU>(p.id),
                      p.parent,
                      p.rect.bottom - p.rect.top,
                      p.rect.right - p.rect.left,
                      p.rect.top,
                      p.rect.left,
                      static_cast<LONG>(p.style),
                      text.c_str(),
                      p.window_class->name.data(),
                      p.ex_style};
  const LPARAM create_param = reinterpret_cast<LPARAM>(&create);
  if (SendMessage(handle, WM_NCCREATE, 0, create_param) == 0 || !IsWindow(handle) ||
      SendMessage(handle, WM_CREATE, 0, create_param) == -1 || !IsWindow(handle)) {
    DestroyWindow(handle);
    return 0;
  }
  if (Window* created = Lookup(handle); created != nullptr && (created->style & WS_VISIBLE) != 0) {
    Invalidate(*created, nullptr, true);
  }
  return handle;
}

void NotifyParent(HWND control, WORD code) {
  Window* w = Lookup(control);
  if (w == nullptr || w->parent == nullptr) return;
  SendMessage(w->parent->handle, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(w->id), code),
              static_cast<LPARAM>(control));
}

LRESULT SendCommand(HWND dialog, int id, WORD code, HWND control) {
  return SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), code), static_cast<LPARAM>(control));
}

}  // namespace velko::platform::wm

using velko::platform::wm::Lookup;
using velko::platform::wm::Window;

HWND CreateWindowEx(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu_or_id, HINSTANCE instance, LPVOID param) {
  namespace wm = velko::platform::wm;
  if (class_name == nullptr) return 0;
  wm::CreateParams p;
  p.ex_style = ex_style;
  p.window_class = wm::FindClass(class_name);
  p.text = window_name != nullptr ? std::string_view(window_name) : std::string_view();
  p.style = style;
  p.rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  p.parent = parent;
  p.id = static_cast<int>(menu_or_id);
  p.instance = instance;
  p.param = param;
  return wm::CreateWindowFrom(std::move(p));
}

BOOL DestroyWindow(HWND window) {
  namespace wm = velko::platform::wm;
  std::shared_ptr<Window> keep = velko::platform::Handles().Share<Window>(window);
  if (!keep || keep->destroyed) return FALSE;
  Window& w = *keep;

  // Owned windows go first, as their owner's life bounds theirs.
  std::vector<HWND> owned;
  for (Window* top : wm::TheTree().top_levels) {
    if (top->owner == window) owned.push_back(top->handle);
  }
  for (HWND h : owned) DestroyWindow(h);

  wm::DropFocusInside(window);
  SendMessage(window, WM_DESTROY, 0, 0);
  std::vector<HWND> children;
  for (Window* c : w.children) children.push_back(c->handle);
  for (HWND h : children) DestroyWindow(h);
  SendMessage(window, WM_NCDESTROY, 0, 0);

  if (w.parent != nullptr && w.parent->kind() == wm::ControlKind::Dialog) wm::ForgetSheetPage(w.parent->handle, window);
  wm::ForgetPaint(w);
  wm::Unlink(w);
  w.destroyed = true;
  w.parent = nullptr;
  w.children.clear();
  velko::platform::Handles().Remove(window);
  --wm::TheTree().count;
  return TRUE;
}

BOOL IsWindow(HWND window) { return Lookup(window) != nullptr ? TRUE : FALSE; }

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Held for the call: a procedure may destroy its own window.
  std::shared_ptr<Window> keep = velko::platform::Handles().Share<Window>(window);
  if (!keep || keep->destroyed || keep->proc == nullptr) return 0;
  return keep->proc(window, message, wParam, lParam);
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND control = GetDlgItem(dialog, id);
  return control != 0 ? SendMessage(control, message, wParam, lParam) : 0;
}

LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure != nullptr ? procedure(window, message, wParam, lParam) : 0;
}

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  namespace wm = velko::platform::wm;
  Window* w = Lookup(window);
  if (w == nullptr) return 0;
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (create != nullptr && create->lpszName != nullptr) w->text = create->lpszName;
      return TRUE;
    }
    case WM_SETTEXT:
      w->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
      wm::Invalidate(*w, nullptr, true);
      return TRUE;
    case WM_GETTEXT:
      return wm::CopyText(w->text, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      if (w->kind() != wm::ControlKind::Dialog) return 0;
      wm::EraseDialogBackground(*w);
      return 1;
    case WM_CONTEXTMENU:
      return w->parent != nullptr ? SendMessage(w->parent->handle, WM_CONTEXTMENU, wParam, lParam) : 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    default:
      return 0;
  }
}

HWND GetDlgItem(HWND dialog, int id) {
  Window* w = Lookup(dialog);
  if (w == nullptr) return 0;
  for (const Window* c : w->children) {
    if (c->id == id) return c->handle;
  }
  return 0;
}

int GetDlgCtrlID(HWND window) {
  const Window* w = Lookup(window);
  return w != nullptr ? w->id : 0;
}

HWND GetParent(HWND window) {
  const Window* w = Lookup(window);
  if (w == nullptr) return 0;
  return w->parent != nullptr ? w->parent->handle : w->owner;
}

HWND GetWindow(HWND window, UINT relation) {
  namespace wm = velko::platform::wm;
  Window* w = Lookup(window);
  if (w == nullptr) return 0;
  if (relation == GW_CHILD) return w->children.empty() ? 0 : w->children.front()->handle;
  if (relation == GW_OWNER) return w->owner;
  const std::vector<Window*>& siblings = wm::SiblingsOf(*w);
  const auto it = std::find(siblings.begin(), siblings.end(), w);
  switch (relation) {
    case GW_HWNDFIRST: return siblings.front()->handle;
    case GW_HWNDLAST: return siblings.back()->handle;
    case GW_HWNDNEXT: return (it + 1) != siblings.end() ? (*(it + 1))->handle : 0;
    case GW_HWNDPREV: return it != siblings.begin() ? (*(it - 1))->handle : 0;
    default: return 0;
  }
}

BOOL IsChild(HWND parent, HWND window) {
  const Window* w = Lookup(window);
  for (const Window* p = w != nullptr ? w->parent : nullptr; p != nullptr; p = p->parent) {
    if (p->handle == parent) return TRUE;
  }
  return FALSE;
}

namespace {

bool Usable(const Window* w) { return (w->style & WS_VISIBLE) != 0 && (w->style & WS_DISABLED) == 0; }

}  // namespace

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  Window* d = Lookup(dialog);
  Window* c = Lookup(control);
  if (d == nullptr || c == nullptr || c->parent != d) return 0;
  const std::vector<Window*>& kids = d->children;
  const std::size_t at = static_cast<std::size_t>(std::find(kids.begin(), kids.end(), c) - kids.begin());
  std::size_t first = at;
  while (first > 0 && (kids[first]->style & WS_GROUP) == 0) --first;
  std::size_t end = at + 1;
  while (end < kids.size() && (kids[end]->style & WS_GROUP) == 0) ++end;
  const std::size_t size = end - first;
  for (std::size_t step = 1; step < size; ++step) {
    const std::size_t offset = previous ? (at - first + size - step) % size : (at - first + step) % size;
    if (Usable(kids[first + offset])) return kids[first + offset]->handle;
  }
  return control;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  Window* d = Lookup(dialog);
  if (d == nullptr || d->children.empty()) return 0;
  const std::vector<Window*>& kids = d->children;
  const std::size_t n = kids.size();
  Window* c = Lookup(control);
  const auto found = std::find(kids.begin(), kids.end(), c);
  const bool from_edge = found == kids.end();
  const std::size_t at = from_edge ? (previous ? 0 : n - 1) : static_cast<std::size_t>(found - kids.begin());
  for (std::size_t step = 1; step <= n; ++step) {
    const std::size_t i = previous ? (at + 2 * n - step) % n : (at + step) % n;
    if (Usable(kids[i]) && (kids[i]->style & WS_TABSTOP) != 0) return kids[i]->handle;
  }
  return 0;
}

int GetClassName(HWND window, LPSTR buffer, int size) {
  const std::string name(velko::platform::WindowClassName(window));
  return static_cast<int>(velko::platform::wm::CopyText(name, buffer, size));
}

namespace velko::platform {

std::string WindowText(HWND window) {
  const LRESULT length = SendMessage(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT got = SendMessage(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
  return text;
}

std::string_view WindowClassName(HWND window) {
  const wm::Window* w = wm::Lookup(window);
  return w != nullptr ? w->window_class->name : std::string_view();
}

std::size_t WindowCount() { return wm::TheTree().count; }

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> out;
  for (const wm::Window* w : wm::TheTree().top_levels) out.push_back(w->handle);
  return out;
}

}  // namespace velko::platform
