// Inside the window manager: the window object behind a handle, the state
// each control class keeps, and the helpers the class procedures share.
// Not part of the platform's interface.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/gdi/surface.h"
#include "platform/kernel/handles.h"
#include "platform/user/messages.h"
#include "platform/user/user_types.h"

namespace velko::platform {
struct DialogTemplate;
}

namespace velko::platform::wm {

enum class ControlKind : uint8_t { Dialog, Button, Edit, ComboBox, ListBox, ScrollBar, Static, Trackbar, UpDown };

// Image kinds of BM_SETIMAGE and STM_SETIMAGE (IMAGE_BITMAP, IMAGE_ICON).
inline constexpr WPARAM kImageBitmap = 0;
inline constexpr WPARAM kImageIcon = 1;

struct ButtonState {
  UINT check = 0;  // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
  bool pushed = false;
  HANDLE icon = 0;
  HANDLE bitmap = 0;
};

// The default limit before EM_LIMITTEXT, and the limit EM_LIMITTEXT 0 sets.
inline constexpr std::size_t kDefaultEditLimit = 32767;
inline constexpr std::size_t kMaxEditLimit = 0x7FFFFFFE;

struct EditState {
  std::size_t limit = kDefaultEditLimit;  // bytes
  std::size_t sel_start = 0;              // byte offsets, sel_start <= sel_end
  std::size_t sel_end = 0;
  bool modified = false;
};

struct ListItem {
  std::string text;
  LPARAM data = 0;
};

struct ListState {
  std::vector<ListItem> items;
  int selection = -1;
  bool dropped = false;  // combo box list shown
};

struct ScrollState {
  int min = 0;  // a scroll bar control starts with an empty range
  int max = 0;
  int pos = 0;
  UINT page = 0;
};

struct TrackbarState {
  int min = 0;
  int max = 100;
  int pos = 0;
  int line = 1;
  int page = -1;  // -1: a fifth of the range
};

struct UpDownState {
  int min = 100;  // the control's default range runs from 100 down to 0
  int max = 0;
  int pos = 0;
  HWND buddy = 0;
};

struct StaticState {
  HANDLE icon = 0;
  HANDLE bitmap = 0;
};

struct SheetState;

struct DialogState {
  DLGPROC proc = nullptr;
  LONG_PTR msg_result = 0;
  LONG_PTR user = 0;
  int base_x = 8;  // dialog base units of the template font, pixels
  int base_y = 16;
  int template_id = 0;
  int default_id = 0;  // the default push button, 0 for none
  bool ended = false;
  INT_PTR result = 0;
  INT_PTR cancel_result = IDCANCEL;  // what ends it when input runs dry
  std::shared_ptr<SheetState> sheet;
};

using ControlState = std::variant<std::monostate, ButtonState, EditState, ListState, ScrollState, TrackbarState,
                                  UpDownState, StaticState, DialogState>;

struct WindowClass {
  std::string_view name;
  WNDPROC proc;
  ControlKind kind;
};

struct Window {
  static constexpr HandleKind kHandleKind = HandleKind::Window;

  HWND handle = 0;
  const WindowClass* window_class = nullptr;
  WNDPROC proc = nullptr;
  Window* parent = nullptr;  // child windows
  HWND owner = 0;            // top-level windows
  std::vector<Window*> children;
  int id = 0;
  std::string text;
  DWORD style = 0;
  DWORD ex_style = 0;
  RECT rect{};  // a child's in its parent's client area, a top-level window's on the screen
  HINSTANCE instance = 0;
  LONG_PTR user_data = 0;
  ControlState state;
  std::shared_ptr<Surface> surface;  // made on first use
  RECT update{};                     // client coordinates
  RECT painting{};                   // what BeginPaint validated, for the erase
  bool invalid = false;
  bool erase = false;
  bool destroyed = false;

  template <class T>
  T* As() {
    return std::get_if<T>(&state);
  }
  ControlKind kind() const { return window_class->kind; }
  bool IsChild() const { return parent != nullptr; }
};

// The windows a window is stacked with: its parent's children, or the
// top-level windows.
std::vector<Window*>& SiblingsOf(Window& w);

// The top-level windows in creation order.
const std::vector<Window*>& TopLevels();

// The live window behind a handle, or nullptr.
Window* Lookup(HWND window);
template <class T>
T* StateOf(HWND window) {
  Window* w = Lookup(window);
  return w ? w->As<T>() : nullptr;
}

const WindowClass* FindClass(std::string_view name);
// The class procedures of the built-in classes.
LRESULT ButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT EditProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ComboBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ListBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ScrollBarProc(HWND, UINT, WPARAM, LPARAM);
LRESULT StaticProc(HWND, UINT, WPARAM, LPARAM);
LRESULT TrackbarProc(HWND, UINT, WPARAM, LPARAM);
LRESULT UpDownProc(HWND, UINT, WPARAM, LPARAM);

// A window with its state set before WM_NCCREATE, so that a dialog
// procedure sees WM_CREATE.
struct CreateParams {
  DWORD ex_style = 0;
  const WindowClass* window_class = nullptr;
  std::string_view text;
  DWORD style = 0;
  RECT rect{};
  HWND parent = 0;  // parent (WS_CHILD) or owner
  int id = 0;
  HINSTANCE instance = 0;
  LPVOID param = nullptr;
  ControlState state;
  WNDPROC proc = nullptr;  // instead of the class's procedure
};
HWND CreateWindowFrom(CreateParams params);

// WM_COMMAND to the control's parent: MAKEWPARAM(id, code), the control's
// handle in lParam. Nothing for a control without a parent.
void NotifyParent(HWND control, WORD code);
// WM_COMMAND to a dialog as a click on its control `id` would send it.
LRESULT SendCommand(HWND dialog, int id, WORD code, HWND control);

// Clears the focus without messages (its window is going away).
void ForgetFocus();

// The control's class-independent behaviour on a click: the focus for
// controls that take it.
void FocusOnClick(HWND control);

// What a click, a pick or typing does, as each control does it.
void ClickButton(HWND button);
void PickComboItem(HWND combo, int index);
void PickListItem(HWND list, int index);
void ReplaceEditSelection(HWND edit, std::string_view text);

// A press of an up-down arrow: UDN_DELTAPOS, the new position, the buddy's
// text, WM_VSCROLL (WM_HSCROLL) with SB_THUMBPOSITION.
void PressUpDownArrow(HWND updown, bool up);
// Where a scroll bar's thumb can go, and a trackbar's page step.
int ClampScrollPos(const ScrollState& s, int pos);
int TrackbarPageSize(const TrackbarState& s);

// The button kind (BS_TYPEMASK bits) and what follows from it.
inline DWORD ButtonKind(DWORD style) { return style & 0x000F; }
bool IsRadioButton(DWORD style);
bool TakesFocusOnClick(const Window& w);

// Non-client frame widths of a window of these styles.
struct Insets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
Insets FrameInsets(DWORD style, DWORD ex_style);
int ClientWidth(const Window& w);
int ClientHeight(const Window& w);
// The client area's top-left corner on the screen.
POINT ClientOriginOnScreen(const Window& w);

// Moves and sizes a window without the notifications' ceremony; the surface
// follows the client size.
void PlaceWindow(Window& w, const RECT& rect);

// Marks the window invalid (and its children unless WS_CLIPCHILDREN).
void Invalidate(Window& w, const RECT* rect, bool erase);
// Forgets a window's pending paint.
void ForgetPaint(Window& w);
// Validates the window for BeginPaint: returns what was invalid and whether
// it asked for an erase.
RECT TakeUpdate(Window& w, bool* erase);

// Creates a dialog from a template: hidden, its controls, WM_INITDIALOG.
// With `page_rect` it becomes a property page: a child of `parent` at that
// rectangle, whatever the template's frame styles say.
HWND CreateDialogFrom(HINSTANCE module, const DialogTemplate& dialog_template, HWND parent, DLGPROC procedure,
                      LPARAM param, int template_id, const RECT* page_rect);
const DialogTemplate* TemplateByName(HINSTANCE module, LPCSTR name, int* template_id);

// Sends WM_DRAWITEM for an owner-drawn control (GDI provides the context).
void DrawOwnerDrawnControl(HWND control, UINT control_type);
// An icon of the module's resources, through GDI (0 when there is none).
HANDLE LoadTemplateIcon(HINSTANCE module, WORD id);
// Fills the update area of a dialog's surface with the dialog face.
void EraseDialogBackground(Window& w);

// Property sheets.
LRESULT SheetWndProc(HWND, UINT, WPARAM, LPARAM);
void ForgetSheetPage(HWND sheet, HWND page);

}  // namespace velko::platform::wm
