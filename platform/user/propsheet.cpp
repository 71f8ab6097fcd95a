// Property sheets: the page area and buttons, pages created on their first
// activation, the page-change notifications and the OK, Cancel and Apply
// sequences.
#include "platform/user/propsheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/user/input.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {

struct SheetState {
  std::vector<PROPSHEETPAGE> pages;  // the sheet's copies; WM_INITDIALOG points into them
  std::vector<const DialogTemplate*> templates;
  std::vector<int> template_ids;
  std::vector<HWND> windows;  // 0 until the page is first shown
  std::vector<std::string> titles;
  RECT page_rect{};
  int active = -1;
};

namespace {

// The sheet's layout in pixels: a margin, the tab strip, the page area,
// and a row of buttons under it, right-aligned.
constexpr int kMargin = 7;
constexpr int kTabHeight = 21;
constexpr int kPageInset = 4;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// GB2312 texts of the sheet's buttons.
constexpr const char* kOkText = "\xC8\xB7\xB6\xA8";      // 确定
constexpr const char* kCancelText = "\xC8\xA1\xCF\xFB";  // 取消
constexpr const char* kApplyText = "\xD3\xA6\xD3\xC3";   // 应用
constexpr const char* kHelpText = "\xB0\xEF\xD6\xFA";    // 帮助

std::shared_ptr<SheetState> SheetOf(HWND sheet) {
  const DialogState* d = StateOf<DialogState>(sheet);
  return d != nullptr ? d->sheet : nullptr;
}

bool Created(const SheetState& s, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < s.windows.size() && IsWindow(s.windows[index]);
}

LRESULT NotifyPage(HWND sheet, HWND page, UINT code, LPARAM lParam = 0) {
  SetWindowLongPtr(page, DWLP_MSGRESULT, 0);
  PSHNOTIFY notify{{sheet, 0, code}, lParam};
  return SendMessage(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

HWND EnsurePage(HWND sheet, SheetState& s, int index) {
  if (Created(s, index)) return s.windows[index];
  const PROPSHEETPAGE& page = s.pages[static_cast<std::size_t>(index)];
  const HWND window = CreateDialogFrom(page.hInstance, *s.templates[index], sheet, page.pfnDlgProc,
                                       reinterpret_cast<LPARAM>(&page), s.template_ids[index], &s.page_rect);
  s.windows[index] = window;
  return window;
}

bool SetCurrentPage(HWND sheet, int index) {
  const std::shared_ptr<SheetState> s = SheetOf(sheet);
  if (!s || index < 0 || static_cast<std::size_t>(index) >= s->pages.size()) return false;
  if (index == s->active && Created(*s, index)) return true;
  const HWND old_page = Created(*s, s->active) ? s->windows[s->active] : 0;
  if (old_page != 0 && NotifyPage(sheet, old_page, PSN_KILLACTIVE) != 0) return false;
  const HWND new_page = EnsurePage(sheet, *s, index);
  if (new_page == 0) return false;
  NotifyPage(sheet, new_page, PSN_SETACTIVE);
  s->active = index;
  ShowWindow(new_page, SW_SHOW);
  if (old_page != 0 && old_page != new_page) ShowWindow(old_page, SW_HIDE);
  return true;
}

// Every page created so far, in page order.
std::vector<HWND> CreatedPages(const SheetState& s) {
  std::vector<HWND> out;
  for (HWND page : s.windows) {
    if (IsWindow(page)) out.push_back(page);
  }
  return out;
}

// PSN_KILLACTIVE, then PSN_APPLY to every page; false when a page objects.
bool ApplyPages(HWND sheet, bool closing) {
  const std::shared_ptr<SheetState> s = SheetOf(sheet);
  if (!s) return false;
  if (Created(*s, s->active) && NotifyPage(sheet, s->windows[s->active], PSN_KILLACTIVE) != 0) return false;
  const std::vector<HWND> pages = CreatedPages(*s);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const LRESULT answer = NotifyPage(sheet, pages[i], PSN_APPLY, closing ? TRUE : FALSE);
    if (answer == PSNRET_INVALID) {
      const auto at = std::find(s->windows.begin(), s->windows.end(), pages[i]);
      SetCurrentPage(sheet, static_cast<int>(at - s->windows.begin()));
      return false;
    }
    if (answer == PSNRET_INVALID_NOCHANGEPAGE) return false;
  }
  EnableWindow(GetDlgItem(sheet, ID_APPLY_NOW), FALSE);
  return true;
}

void PressOk(HWND sheet) {
  if (ApplyPages(sheet, true)) EndDialog(sheet, 1);
}

void PressCancel(HWND sheet) {
  const std::shared_ptr<SheetState> s = SheetOf(sheet);
  if (!s) return;
  if (Created(*s, s->active) && NotifyPage(sheet, s->windows[s->active], PSN_QUERYCANCEL) != 0) return;
  for (HWND page : CreatedPages(*s)) NotifyPage(sheet, page, PSN_RESET);
  EndDialog(sheet, 0);
}

void PressButton(HWND sheet, int id) {
  const HWND button = GetDlgItem(sheet, id);
  if (button != 0 && IsWindowEnabled(button)) SendCommand(sheet, id, BN_CLICKED, button);
}

void AddButton(HWND sheet, int id, const char* text, DWORD style, int right, int top) {
  CreateWindowEx(0, WC_BUTTON, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, right - kButtonWidth, top,
                 kButtonWidth, kButtonHeight, sheet, static_cast<HMENU>(id), 0, nullptr);
}

// Lays out the buttons from the right: Help, Apply, Cancel, OK.
void AddButtons(HWND sheet, DWORD flags, int client_width, int top) {
  int right = client_width - kMargin;
  if ((flags & PSH_HASHELP) != 0) {
    AddButton(sheet, IDHELP, kHelpText, BS_PUSHBUTTON, right, top);
    right -= kButtonWidth + kButtonGap;
  }
  if ((flags & PSH_NOAPPLYNOW) == 0) {
    AddButton(sheet, ID_APPLY_NOW, kApplyText, BS_PUSHBUTTON | WS_DISABLED, right, top);
    right -= kButtonWidth + kButtonGap;
  }
  AddButton(sheet, IDCANCEL, kCancelText, BS_PUSHBUTTON, right, top);
  right -= kButtonWidth + kButtonGap;
  AddButton(sheet, IDOK, kOkText, BS_DEFPUSHBUTTON, right, top);
}

// The pages' templates and the largest page, in pixels; nullptr when a
// template is missing.
std::shared_ptr<SheetState> CollectPages(const PROPSHEETHEADER& h, SIZE* largest, DialogBaseUnits* base) {
  auto s = std::make_shared<SheetState>();
  *largest = SIZE{0, 0};
  for (UINT i = 0; i < h.nPages; ++i) {
    const PROPSHEETPAGE& page = h.ppsp[i];
    int id = 0;
    const DialogTemplate* t = (page.dwFlags & PSP_DLGINDIRECT) != 0 ? page.pResource
                                                                    : TemplateByName(page.hInstance, page.pszTemplate, &id);
    if (t == nullptr) return nullptr;
    const DialogBaseUnits units = BaseUnitsForFont(t->font_name, t->font_size);
    if (i == 0) *base = units;
    const RECT size = DialogUnitsToPixels(RECT{0, 0, t->cx, t->cy}, units);
    largest->cx = std::max(largest->cx, size.right);
    largest->cy = std::max(largest->cy, size.bottom);
    s->pages.push_back(page);
    s->templates.push_back(t);
    s->template_ids.push_back(id);
    s->windows.push_back(0);
    s->titles.emplace_back((page.dwFlags & PSP_USETITLE) != 0 && page.pszTitle != nullptr ? std::string_view(page.pszTitle)
                                                                                         : t->caption);
  }
  return s;
}

HWND BuildSheet(const PROPSHEETHEADER& h, HWND owner) {
  if ((h.dwFlags & PSH_PROPSHEETPAGE) == 0 || h.ppsp == nullptr || h.nPages == 0) return 0;
  SIZE page{};
  DialogBaseUnits base{};
  std::shared_ptr<SheetState> s = CollectPages(h, &page, &base);
  if (!s) return 0;
  s->page_rect = RECT{kMargin + kPageInset, kMargin + kTabHeight + kPageInset, kMargin + kPageInset + page.cx,
                      kMargin + kTabHeight + kPageInset + page.cy};
  const int client_width = s->page_rect.right + kPageInset + kMargin;
  const int buttons_top = s->page_rect.bottom + kPageInset + kMargin;
  const int client_height = buttons_top + kButtonHeight + kMargin;

  const DWORD style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const Insets in = FrameInsets(style, WS_EX_DLGMODALFRAME);
  const int width = client_width + in.left + in.right;
  const int height = client_height + in.top + in.bottom;
  const int left = (kScreenWidth - width) / 2;
  const int top = (kScreenHeight - height) / 2;

  CreateParams p;
  p.ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  p.window_class = FindClass(WC_DIALOG);
  p.text = h.pszCaption != nullptr ? std::string_view(h.pszCaption) : std::string_view();
  p.style = style;
  p.rect = RECT{left, top, left + width, top + height};
  p.parent = owner;
  p.instance = h.hInstance;
  p.param = const_cast<PROPSHEETHEADER*>(&h);
  p.proc = SheetWndProc;
  DialogState state;
  state.base_x = base.cx;
  state.base_y = base.cy;
  state.cancel_result = 0;
  state.default_id = IDOK;
  state.sheet = std::move(s);
  p.state = std::move(state);
  const HWND sheet = CreateWindowFrom(std::move(p));
  if (sheet == 0) return 0;
  AddButtons(sheet, h.dwFlags, client_width, buttons_top);
  if ((h.dwFlags & PSH_USECALLBACK) != 0 && h.pfnCallback != nullptr) h.pfnCallback(sheet, PSCB_INITIALIZED, 0);
  SendMessage(sheet, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&h));
  return IsWindow(sheet) ? sheet : 0;
}

HWND TopLevelOf(HWND window) {
  HWND top = window;
  while (IsWindow(top) && (GetWindowLong(top, GWL_STYLE) & WS_CHILD) != 0) top = GetParent(top);
  return IsWindow(top) ? top : 0;
}

}  // namespace

LRESULT SheetWndProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::shared_ptr<SheetState> s = SheetOf(sheet);
  if (!s) return DefDlgProc(sheet, message, wParam, lParam);
  switch (message) {
    case WM_INITDIALOG: {
      const auto* header = reinterpret_cast<const PROPSHEETHEADER*>(lParam);
      const UINT start = header != nullptr ? header->nStartPage : 0;
      SetCurrentPage(sheet, start < s->pages.size() ? static_cast<int>(start) : 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return 0;
      switch (LOWORD(wParam)) {
        case IDOK: PressOk(sheet); break;
        case IDCANCEL: PressCancel(sheet); break;
        case ID_APPLY_NOW: ApplyPages(sheet, false); break;
        case IDHELP:
          if (Created(*s, s->active)) NotifyPage(sheet, s->windows[s->active], PSN_HELP);
          break;
        default: break;
      }
      return 0;
    case WM_CLOSE:
      PressCancel(sheet);
      return 0;
    case PSM_SETCURSEL:
      return SetCurrentPage(sheet, static_cast<int>(wParam)) ? TRUE : FALSE;
    case PSM_GETCURRENTPAGEHWND: {
      const DialogState* d = StateOf<DialogState>(sheet);
      return d->ended || !Created(*s, s->active) ? 0 : static_cast<LRESULT>(s->windows[s->active]);
    }
    case PSM_PRESSBUTTON:
      if (wParam == PSBTN_OK) PressButton(sheet, IDOK);
      if (wParam == PSBTN_CANCEL) PressButton(sheet, IDCANCEL);
      if (wParam == PSBTN_APPLYNOW) PressButton(sheet, ID_APPLY_NOW);
      if (wParam == PSBTN_HELP) PressButton(sheet, IDHELP);
      return TRUE;
    case PSM_CHANGED:
      EnableWindow(GetDlgItem(sheet, ID_APPLY_NOW), TRUE);
      return TRUE;
    case PSM_UNCHANGED:
      EnableWindow(GetDlgItem(sheet, ID_APPLY_NOW), FALSE);
      return TRUE;
    default:
      return DefDlgProc(sheet, message, wParam, lParam);
  }
}

void ForgetSheetPage(HWND sheet, HWND page) {
  const std::shared_ptr<SheetState> s = SheetOf(sheet);
  if (!s) return;
  std::replace(s->windows.begin(), s->windows.end(), page, HWND{0});
}

}  // namespace velko::platform::wm

INT_PTR PropertySheet(const PROPSHEETHEADER* header) {
  namespace wm = velko::platform::wm;
  if (header == nullptr) return -1;
  const HWND owner = header->hwndParent != 0 ? wm::TopLevelOf(header->hwndParent) : 0;
  const HWND previous_focus = GetFocus();
  const HWND sheet = wm::BuildSheet(*header, owner);
  if (sheet == 0) return -1;
  if ((header->dwFlags & PSH_MODELESS) != 0) {
    ShowWindow(sheet, SW_SHOW);
    return static_cast<INT_PTR>(sheet);
  }
  return velko::platform::RunModalLoop(sheet, owner, previous_focus);
}

namespace velko::platform {

bool IsPropertySheet(HWND window) { return wm::SheetOf(window) != nullptr; }

int PropertySheetActivePage(HWND sheet) {
  const std::shared_ptr<wm::SheetState> s = wm::SheetOf(sheet);
  return s ? s->active : -1;
}

int PropertySheetPageCount(HWND sheet) {
  const std::shared_ptr<wm::SheetState> s = wm::SheetOf(sheet);
  return s ? static_cast<int>(s->pages.size()) : 0;
}

HWND PropertySheetPage(HWND sheet, int index) {
  const std::shared_ptr<wm::SheetState> s = wm::SheetOf(sheet);
  return s && wm::Created(*s, index) ? s->windows[static_cast<std::size_t>(index)] : 0;
}

std::string PropertySheetPageTitle(HWND sheet, int index) {
  const std::shared_ptr<wm::SheetState> s = wm::SheetOf(sheet);
  if (!s || index < 0 || static_cast<std::size_t>(index) >= s->titles.size()) return {};
  return s->titles[static_cast<std::size_t>(index)];
}

}  // namespace velko::platform
