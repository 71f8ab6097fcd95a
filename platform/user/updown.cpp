// Up-down controls: a range (by default from 100 down to 0), a position, a
// buddy window placed beside it and, with UDS_SETBUDDYINT, the position
// shown in and read back from the buddy's text. The up arrow moves toward
// the range's maximum.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

int Low(const UpDownState& s) { return std::min(s.min, s.max); }
int High(const UpDownState& s) { return std::max(s.min, s.max); }

std::string FormatPosition(int pos, bool thousands) {
  char digits[24];
  const int n = std::snprintf(digits, sizeof digits, "%lld", std::llabs(static_cast<long long>(pos)));
  std::string out;
  if (pos < 0) out.push_back('-');
  for (int i = 0; i < n; ++i) {
    if (thousands && i > 0 && (n - i) % 3 == 0) out.push_back(',');
    out.push_back(digits[i]);
  }
  return out;
}

void ShowInBuddy(const Window& w, const UpDownState& s) {
  if ((w.style & UDS_SETBUDDYINT) == 0 || s.buddy == 0) return;
  const std::string text = FormatPosition(s.pos, (w.style & UDS_NOTHOUSANDS) == 0);
  SetWindowText(s.buddy, text.c_str());
}

// Takes the position from the buddy's text; false when the text is not a
// number (the position then stays).
bool ReadBuddy(HWND updown) {
  Window* w = Lookup(updown);
  UpDownState* s = w != nullptr ? w->As<UpDownState>() : nullptr;
  if (s == nullptr || (w->style & UDS_SETBUDDYINT) == 0 || !IsWindow(s->buddy)) return true;
  std::string text = WindowText(s->buddy);
  text.erase(std::remove(text.begin(), text.end(), ','), text.end());
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return false;
  char* end = nullptr;
  const long value = std::strtol(text.c_str() + start, &end, 10);
  if (end == text.c_str() + start || *end != '\0') return false;
  if ((w = Lookup(updown)) == nullptr || (s = w->As<UpDownState>()) == nullptr) return false;
  s->pos = static_cast<int>(std::clamp<long>(value, Low(*s), High(*s)));
  return true;
}

// Puts the up-down beside its buddy, which gives up the room.
void AlignWithBuddy(Window& w, HWND buddy) {
  const Window* b = Lookup(buddy);
  if (b == nullptr || b->parent != w.parent || (w.style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) == 0) return;
  const RECT r = b->rect;
  const int width = w.rect.right - w.rect.left;
  const int buddy_width = std::max(0, static_cast<int>(r.right - r.left) - width);
  const int height = r.bottom - r.top;
  const HWND self = w.handle;
  if ((w.style & UDS_ALIGNRIGHT) != 0) {
    SetWindowPos(buddy, 0, 0, 0, buddy_width, height, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(self, 0, r.left + buddy_width, r.top, width, height, SWP_NOZORDER);
  } else {
    SetWindowPos(buddy, 0, r.left + width, r.top, buddy_width, height, SWP_NOZORDER);
    SetWindowPos(self, 0, r.left, r.top, width, height, SWP_NOZORDER);
  }
}

HWND AttachBuddy(HWND updown, HWND buddy) {
  Window* w = Lookup(updown);
  UpDownState* s = w != nullptr ? w->As<UpDownState>() : nullptr;
  if (s == nullptr) return 0;
  const HWND previous = s->buddy;
  if (buddy == previous) return previous;  // already beside it
  s->buddy = IsWindow(buddy) ? buddy : 0;
  if (s->buddy != 0) AlignWithBuddy(*w, s->buddy);
  return previous;
}

LRESULT SetPosition(HWND updown, int pos) {
  Window* w = Lookup(updown);
  UpDownState* s = w->As<UpDownState>();
  const int previous = s->pos;
  s->pos = std::clamp(pos, Low(*s), High(*s));
  ShowInBuddy(*w, *s);
  return previous;
}

}  // namespace

void PressUpDownArrow(HWND updown, bool up) {
  ReadBuddy(updown);
  Window* w = Lookup(updown);
  UpDownState* s = w != nullptr ? w->As<UpDownState>() : nullptr;
  if (s == nullptr) return;
  const int toward_max = s->max >= s->min ? 1 : -1;
  NMUPDOWN change{{updown, static_cast<UINT>(w->id), UDN_DELTAPOS}, s->pos, up ? toward_max : -toward_max};
  const HWND parent = GetParent(updown);
  if (parent != 0 && SendMessage(parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&change)) != 0) {
    return;  // the parent refused the change
  }
  if ((w = Lookup(updown)) == nullptr || (s = w->As<UpDownState>()) == nullptr) return;
  long target = static_cast<long>(change.iPos) + change.iDelta;
  if (target < Low(*s) || target > High(*s)) {
    if ((w->style & UDS_WRAP) != 0) {
      target = target < Low(*s) ? High(*s) : Low(*s);
    } else {
      target = std::clamp<long>(target, Low(*s), High(*s));
    }
  }
  SetPosition(updown, static_cast<int>(target));
  if ((w = Lookup(updown)) == nullptr || parent == 0) return;
  const UINT message = (w->style & UDS_HORZ) != 0 ? WM_HSCROLL : WM_VSCROLL;
  const int pos = w->As<UpDownState>()->pos;
  SendMessage(parent, message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(pos)), static_cast<LPARAM>(updown));
}

LRESULT UpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Lookup(window);
  UpDownState* s = w != nullptr ? w->As<UpDownState>() : nullptr;
  if (s == nullptr) return DefWindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      if ((w->style & UDS_AUTOBUDDY) != 0) AttachBuddy(window, GetWindow(window, GW_HWNDPREV));
      return 0;
    case UDM_SETRANGE:
      s->max = static_cast<SHORT>(LOWORD(static_cast<uintptr_t>(lParam)));
      s->min = static_cast<SHORT>(HIWORD(static_cast<uintptr_t>(lParam)));
      return 0;
    case UDM_GETRANGE:
      return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(s->max), static_cast<WORD>(s->min)));
    case UDM_SETRANGE32:
      s->min = static_cast<int>(wParam);
      s->max = static_cast<int>(lParam);
      return 0;
    case UDM_GETRANGE32:
      if (auto* min = reinterpret_cast<int*>(wParam)) *min = s->min;
      if (auto* max = reinterpret_cast<int*>(lParam)) *max = s->max;
      return 0;
    case UDM_SETPOS:
      return static_cast<SHORT>(SetPosition(window, static_cast<SHORT>(LOWORD(static_cast<uintptr_t>(lParam)))));
    case UDM_SETPOS32:
      return SetPosition(window, static_cast<int>(lParam));
    case UDM_GETPOS: {
      const bool ok = ReadBuddy(window);
      s = StateOf<UpDownState>(window);
      const int pos = s != nullptr ? s->pos : 0;
      return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(pos), ok ? 0 : 1));
    }
    case UDM_GETPOS32: {
      const bool ok = ReadBuddy(window);
      if (auto* error = reinterpret_cast<BOOL*>(lParam)) *error = ok ? FALSE : TRUE;
      s = StateOf<UpDownState>(window);
      return s != nullptr ? s->pos : 0;
    }
    case UDM_SETBUDDY:
      return static_cast<LRESULT>(AttachBuddy(window, static_cast<HWND>(wParam)));
    case UDM_GETBUDDY:
      return static_cast<LRESULT>(s->buddy);
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velko::platform::wm

HWND CreateUpDownControl(DWORD style, int x, int y, int cx, int cy, HWND parent, int id, HINSTANCE instance,
                         HWND buddy, int upper, int lower, int pos) {
  const HWND updown = CreateWindowEx(0, UPDOWN_CLASS, "", style, x, y, cx, cy, parent, static_cast<HMENU>(id),
                                     instance, nullptr);
  if (updown == 0) return 0;
  if (buddy != 0) SendMessage(updown, UDM_SETBUDDY, buddy, 0);
  SendMessage(updown, UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(upper), static_cast<WORD>(lower)));
  SendMessage(updown, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(pos), 0));
  return updown;
}
