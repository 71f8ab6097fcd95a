// Buttons: push and default push buttons, check boxes (plain, automatic and
// three-state), radio buttons with their group, group boxes, and the icon or
// bitmap a button shows.
#include <vector>

#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

bool IsCheckable(DWORD style) {
  switch (ButtonKind(style)) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON: return true;
    default: return false;
  }
}

bool IsThreeState(DWORD style) { return ButtonKind(style) == BS_3STATE || ButtonKind(style) == BS_AUTO3STATE; }

// The radio buttons of the button's group: the run of siblings from the
// nearest WS_GROUP control at or before it to the next WS_GROUP control.
std::vector<HWND> OtherRadiosOfGroup(const Window& button) {
  std::vector<HWND> out;
  if (button.parent == nullptr) return out;
  const std::vector<Window*>& kids = button.parent->children;
  std::size_t at = 0;
  while (at < kids.size() && kids[at] != &button) ++at;
  std::size_t first = at;
  while (first > 0 && (kids[first]->style & WS_GROUP) == 0) --first;
  for (std::size_t i = first; i < kids.size(); ++i) {
    if (i > first && (kids[i]->style & WS_GROUP) != 0) break;
    const Window* k = kids[i];
    if (k != &button && k->kind() == ControlKind::Button && IsRadioButton(k->style)) out.push_back(k->handle);
  }
  return out;
}

UINT NextAuto3State(UINT check) { return check == BST_UNCHECKED ? BST_CHECKED : check == BST_CHECKED ? BST_INDETERMINATE : BST_UNCHECKED; }

}  // namespace

bool IsRadioButton(DWORD style) {
  return ButtonKind(style) == BS_RADIOBUTTON || ButtonKind(style) == BS_AUTORADIOBUTTON;
}

void ClickButton(HWND button) {
  Window* w = Lookup(button);
  if (w == nullptr || w->As<ButtonState>() == nullptr) return;
  const DWORD kind = ButtonKind(w->style);
  if (kind == BS_GROUPBOX) return;
  FocusOnClick(button);
  w = Lookup(button);
  if (w == nullptr) return;
  switch (kind) {
    case BS_AUTOCHECKBOX: {
      const UINT check = w->As<ButtonState>()->check;
      SendMessage(button, BM_SETCHECK, check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
      break;
    }
    case BS_AUTO3STATE:
      SendMessage(button, BM_SETCHECK, NextAuto3State(w->As<ButtonState>()->check), 0);
      break;
    case BS_AUTORADIOBUTTON: {
      const std::vector<HWND> others = OtherRadiosOfGroup(*w);
      SendMessage(button, BM_SETCHECK, BST_CHECKED, 0);
      for (HWND other : others) SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
      break;
    }
    default: break;
  }
  NotifyParent(button, BN_CLICKED);
}

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Lookup(window);
  ButtonState* s = w != nullptr ? w->As<ButtonState>() : nullptr;
  if (s == nullptr) return DefWindowProc(window, message, wParam, lParam);
  switch (message) {
    case BM_GETCHECK:
      return IsCheckable(w->style) ? s->check : BST_UNCHECKED;
    case BM_SETCHECK:
      if (IsCheckable(w->style)) {
        const UINT wanted = static_cast<UINT>(wParam);
        s->check = wanted == BST_INDETERMINATE && IsThreeState(w->style) ? BST_INDETERMINATE
                   : wanted != BST_UNCHECKED                             ? BST_CHECKED
                                                                         : BST_UNCHECKED;
        Invalidate(*w, nullptr, false);
      }
      return 0;
    case BM_GETSTATE:
      return s->check | (s->pushed ? BST_PUSHED : 0) | (GetFocus() == window ? BST_FOCUS : 0);
    case BM_SETSTATE:
      s->pushed = wParam != 0;
      return 0;
    case BM_SETSTYLE:
      w->style = (w->style & 0xFFFF0000) | LOWORD(wParam);
      if (lParam != 0) Invalidate(*w, nullptr, true);
      return 0;
    case BM_CLICK:
      if (IsWindowEnabled(window)) ClickButton(window);
      return 0;
    case BM_GETIMAGE:
      return static_cast<LRESULT>(wParam == kImageIcon ? s->icon : s->bitmap);
    case BM_SETIMAGE: {
      HANDLE& slot = wParam == kImageIcon ? s->icon : s->bitmap;
      const HANDLE previous = slot;
      slot = static_cast<HANDLE>(lParam);
      Invalidate(*w, nullptr, true);
      return static_cast<LRESULT>(previous);
    }
    case WM_SETFOCUS:
      if ((w->style & BS_NOTIFY) != 0) NotifyParent(window, BN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if ((w->style & BS_NOTIFY) != 0) NotifyParent(window, BN_KILLFOCUS);
      return 0;
    case WM_PAINT:
      if (ButtonKind(w->style) == BS_OWNERDRAW) DrawOwnerDrawnControl(window, ODT_BUTTON);
      ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velko::platform::wm
