// Dialogs from templates: base units of the template font, the controls in
// pixels, WM_INITDIALOG and the first focus, and the dialog manager's
// default handling of what the dialog procedure leaves alone.
#include "platform/user/dialog.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/user/propsheet.h"
#include "platform/user/text.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform {
namespace {

// The platform's MulDiv: a * b / c rounded half away from zero.
int ScaleRounded(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  return static_cast<int>((p >= 0 ? p + c / 2 : p - c / 2) / c);
}

// Line height per em of the faces the templates use. The song faces fill
// their em exactly; the others (MS Shell Dlg, MS Sans Serif, and any face
// not listed) add a fifth for the ascent, which gives the familiar 6 x 13
// base units at 8 points.
struct FaceMetrics {
  std::string_view face;
  int line_num;
  int line_den;
};
constexpr std::array<FaceMetrics, 4> kFaces{{
    {"\xCB\xCE\xCC\xE5", 1, 1},          // 宋体
    {"SimSun", 1, 1},
    {"\xD0\xC2\xCB\xCE\xCC\xE5", 1, 1},  // 新宋体
    {"NSimSun", 1, 1},
}};
constexpr FaceMetrics kOtherFaces{"", 6, 5};
constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

const FaceMetrics& MetricsOf(std::string_view face) {
  for (const FaceMetrics& m : kFaces) {
    if (EqualNoCase(m.face, face)) return m;
  }
  return kOtherFaces;
}

bool ReturnsOwnValue(UINT message) {
  constexpr UINT kCompareItem = 0x0039, kVKeyToItem = 0x002E, kCharToItem = 0x002F, kQueryDragIcon = 0x0037;
  constexpr UINT kCtlColorFirst = 0x0132, kCtlColorLast = 0x0138;
  return message == WM_INITDIALOG || message == kCompareItem || message == kVKeyToItem || message == kCharToItem ||
         message == kQueryDragIcon || (message >= kCtlColorFirst && message <= kCtlColorLast);
}

// A drop-down combo box's window is its closed selection field: the item
// height of the font and its frame.
constexpr int kComboFieldFrame = 8;

bool IsDropDownCombo(const wm::WindowClass& c, DWORD style) {
  return c.kind == wm::ControlKind::ComboBox && (style & 0x3) != CBS_SIMPLE;
}

RECT ControlRect(const ControlTemplate& c, DialogBaseUnits base) {
  const int x = ScaleRounded(c.x, base.cx, 4);
  const int y = ScaleRounded(c.y, base.cy, 8);
  return RECT{x, y, x + ScaleRounded(c.cx, base.cx, 4), y + ScaleRounded(c.cy, base.cy, 8)};
}

RECT TopLevelRect(const DialogTemplate& t, DWORD style, DWORD ex_style, HWND owner, DialogBaseUnits base) {
  const wm::Insets in = wm::FrameInsets(style, ex_style);
  const int width = ScaleRounded(t.cx, base.cx, 4) + in.left + in.right;
  const int height = ScaleRounded(t.cy, base.cy, 8) + in.top + in.bottom;
  POINT origin{ScaleRounded(t.x, base.cx, 4), ScaleRounded(t.y, base.cy, 8)};
  if ((style & DS_CENTER) != 0) {
    origin = POINT{(kScreenWidth - width) / 2, (kScreenHeight - height) / 2};
  } else if ((style & WS_CHILD) == 0 && owner != 0) {
    ClientToScreen(owner, &origin);
  }
  return RECT{origin.x, origin.y, origin.x + width, origin.y + height};
}

// Creates the template's controls; false when one cannot be made.
bool CreateControls(HWND dialog, HINSTANCE module, const DialogTemplate& t, DialogBaseUnits base) {
  for (const ControlTemplate& c : t.controls) {
    const wm::WindowClass* window_class = wm::FindClass(c.class_name);
    if (window_class == nullptr) return false;
    RECT rect = ControlRect(c, base);
    if (IsDropDownCombo(*window_class, c.style)) rect.bottom = rect.top + base.cy + kComboFieldFrame;
    wm::CreateParams p;
    p.ex_style = c.ex_style;
    p.window_class = window_class;
    p.text = c.text;
    p.style = c.style | WS_CHILD;
    p.rect = rect;
    p.parent = dialog;
    p.id = c.id;
    p.instance = module;
    const HWND control = wm::CreateWindowFrom(std::move(p));
    if (control == 0) return false;
    if (c.icon != 0) {
      const HANDLE icon = wm::LoadTemplateIcon(module, c.icon);
      if (window_class->kind == wm::ControlKind::Static) SendMessage(control, STM_SETICON, icon, 0);
      if (window_class->kind == wm::ControlKind::Button) SendMessage(control, BM_SETIMAGE, wm::kImageIcon, icon);
    }
    wm::DialogState* d = wm::StateOf<wm::DialogState>(dialog);
    if (d != nullptr && d->default_id == 0 && window_class->kind == wm::ControlKind::Button &&
        wm::ButtonKind(c.style) == BS_DEFPUSHBUTTON) {
      d->default_id = c.id;
    }
  }
  return true;
}

}  // namespace

DialogBaseUnits BaseUnitsForFont(std::string_view face, int points) {
  if (points <= 0) points = 8;
  const int em = ScaleRounded(points, kScreenDpi, kPointsPerInch);
  const FaceMetrics& m = MetricsOf(face);
  return DialogBaseUnits{(em + 1) / 2, ScaleRounded(em, m.line_num, m.line_den)};
}

RECT DialogUnitsToPixels(const RECT& r, DialogBaseUnits base) {
  return RECT{ScaleRounded(r.left, base.cx, 4), ScaleRounded(r.top, base.cy, 8), ScaleRounded(r.right, base.cx, 4),
              ScaleRounded(r.bottom, base.cy, 8)};
}

ResourceEntry DialogResource(WORD id, const DialogTemplate& dialog_template) {
  return ResourceEntry{kResourceDialog, id, reinterpret_cast<const uint8_t*>(&dialog_template), sizeof(DialogTemplate)};
}

const DialogTemplate* FindDialogTemplate(HINSTANCE module, WORD id) {
  const std::span<const uint8_t> bytes = FindResourceBytes(module, kResourceDialog, id);
  if (bytes.size() != sizeof(DialogTemplate)) return nullptr;
  return reinterpret_cast<const DialogTemplate*>(bytes.data());
}

int DialogTemplateId(HWND dialog) {
  if (IsPropertySheet(dialog)) dialog = PropertySheetPage(dialog, PropertySheetActivePage(dialog));
  const wm::DialogState* d = wm::StateOf<wm::DialogState>(dialog);
  return d != nullptr ? d->template_id : 0;
}

std::optional<std::string> LoadStringText(HINSTANCE module, UINT id) {
  if (id > 0xFFFF) return std::nullopt;
  const std::span<const uint8_t> bytes = FindResourceBytes(module, kResourceString, static_cast<WORD>(id));
  if (bytes.empty()) return std::nullopt;
  std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  text.resize(std::min(text.size(), text.find('\0')));
  return text;
}

namespace wm {

const DialogTemplate* TemplateByName(HINSTANCE module, LPCSTR name, int* template_id) {
  if (name == nullptr || !IS_INTRESOURCE(name)) return nullptr;
  const WORD id = static_cast<WORD>(reinterpret_cast<uintptr_t>(name));
  *template_id = id;
  return FindDialogTemplate(module, id);
}

HWND CreateDialogFrom(HINSTANCE module, const DialogTemplate& t, HWND parent, DLGPROC procedure, LPARAM param,
                      int template_id, const RECT* page_rect) {
  const DialogBaseUnits base = BaseUnitsForFont(t.font_name, t.font_size);
  DWORD style = t.style & ~WS_VISIBLE;
  if (page_rect != nullptr) {
    style = (style & ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | DS_MODALFRAME)) | WS_CHILD | DS_CONTROL;
  }
  DWORD ex_style = t.ex_style;
  if ((style & DS_MODALFRAME) != 0) ex_style |= WS_EX_DLGMODALFRAME;

  CreateParams p;
  p.ex_style = ex_style;
  p.window_class = FindClass(WC_DIALOG);
  p.text = t.caption;
  p.style = style;
  p.rect = page_rect != nullptr ? *page_rect : TopLevelRect(t, style, ex_style, parent, base);
  p.parent = parent;
  p.instance = module;
  p.param = reinterpret_cast<LPVOID>(param);
  DialogState state;
  state.proc = procedure;
  state.base_x = base.cx;
  state.base_y = base.cy;
  state.template_id = template_id;
  p.state = std::move(state);
  const HWND dialog = CreateWindowFrom(std::move(p));
  if (dialog == 0) return 0;
  if (!CreateControls(dialog, module, t, base)) {
    DestroyWindow(dialog);
    return 0;
  }
  const HWND first = GetNextDlgTabItem(dialog, 0, FALSE);
  const LRESULT focus_wanted = SendMessage(dialog, WM_INITDIALOG, first, param);
  if (!IsWindow(dialog)) return 0;
  if (focus_wanted != 0 && (style & WS_CHILD) == 0 && IsWindow(first)) SetFocus(first);
  if ((t.style & WS_VISIBLE) != 0 && page_rect == nullptr) ShowWindow(dialog, SW_SHOW);
  return dialog;
}

}  // namespace wm
}  // namespace velko::platform

using velko::platform::wm::Lookup;
using velko::platform::wm::Window;

HWND CreateDialogIndirectParam(HINSTANCE module, LPCDLGTEMPLATE dialog_template, HWND parent, DLGPROC procedure,
                               LPARAM param) {
  if (dialog_template == nullptr) return 0;
  return velko::platform::wm::CreateDialogFrom(module, *dialog_template, parent, procedure, param, 0, nullptr);
}

HWND CreateDialogParam(HINSTANCE module, LPCSTR name, HWND parent, DLGPROC procedure, LPARAM param) {
  int id = 0;
  const velko::platform::DialogTemplate* t = velko::platform::wm::TemplateByName(module, name, &id);
  if (t == nullptr) return 0;
  return velko::platform::wm::CreateDialogFrom(module, *t, parent, procedure, param, id, nullptr);
}

HWND CreateDialog(HINSTANCE module, LPCSTR name, HWND parent, DLGPROC procedure) {
  return CreateDialogParam(module, name, parent, procedure, 0);
}

LRESULT DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  namespace wm = velko::platform::wm;
  // Held for the call: the dialog procedure may destroy the dialog.
  const std::shared_ptr<Window> keep = velko::platform::Handles().Share<Window>(dialog);
  wm::DialogState* d = keep ? keep->As<wm::DialogState>() : nullptr;
  if (d == nullptr || keep->destroyed) return DefWindowProc(dialog, message, wParam, lParam);
  if (const DLGPROC procedure = d->proc) {
    const INT_PTR handled = procedure(dialog, message, wParam, lParam);
    if (handled != 0) return velko::platform::ReturnsOwnValue(message) ? handled : keep->As<wm::DialogState>()->msg_result;
  }
  if (keep->destroyed) return 0;
  switch (message) {
    case WM_CLOSE: {
      const HWND cancel = GetDlgItem(dialog, IDCANCEL);
      if (cancel != 0 && !IsWindowEnabled(cancel)) return 0;
      wm::SendCommand(dialog, IDCANCEL, BN_CLICKED, cancel);
      return 0;
    }
    case DM_GETDEFID:
      return d->default_id != 0 ? MAKELRESULT(static_cast<WORD>(d->default_id), DC_HASDEFID) : 0;
    case DM_SETDEFID: {
      const int previous = d->default_id;
      d->default_id = static_cast<int>(wParam);
      const HWND old_button = GetDlgItem(dialog, previous);
      const HWND new_button = GetDlgItem(dialog, d->default_id);
      if (old_button != 0 && old_button != new_button) SendMessage(old_button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
      if (new_button != 0) SendMessage(new_button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
      return TRUE;
    }
    default:
      return DefWindowProc(dialog, message, wParam, lParam);
  }
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
  const velko::platform::wm::DialogState* d = velko::platform::wm::StateOf<velko::platform::wm::DialogState>(dialog);
  if (d == nullptr || rect == nullptr) return FALSE;
  *rect = velko::platform::DialogUnitsToPixels(*rect, {d->base_x, d->base_y});
  return TRUE;
}

LONG GetDialogBaseUnits() { return static_cast<LONG>(MAKELONG(8, 16)); }

int LoadString(HINSTANCE module, UINT id, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const std::optional<std::string> text = velko::platform::LoadStringText(module, id);
  if (!text) {
    buffer[0] = '\0';
    return 0;
  }
  const std::size_t n = velko::platform::FitLength(*text, static_cast<std::size_t>(size) - 1);
  std::memcpy(buffer, text->data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}
