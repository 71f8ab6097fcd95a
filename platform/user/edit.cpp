// Single-line edit controls: the text, the selection (which is the caret
// when empty), the limit in bytes, and the notifications of every change:
// EN_UPDATE before and EN_CHANGE after, for typing, EM_REPLACESEL and
// WM_SETTEXT alike.
#include <algorithm>
#include <string>

#include "platform/user/text.h"
#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

void NotifyChange(HWND edit) {
  NotifyParent(edit, EN_UPDATE);
  NotifyParent(edit, EN_CHANGE);
}

// EM_SETSEL: a start of -1 drops the selection (keeping the caret), an end
// of -1 means the end of the text; the ends may come in either order and are
// moved to character boundaries.
void SetSelection(const Window& w, EditState& s, long start, long end) {
  if (start == -1) {
    s.sel_start = s.sel_end;
    return;
  }
  const std::size_t length = w.text.size();
  auto place = [&](long v) {
    const std::size_t pos = v < 0 ? length : std::min(static_cast<std::size_t>(v), length);
    return CharBoundary(w.text, pos);
  };
  const std::size_t a = place(start);
  const std::size_t b = place(end);
  s.sel_start = std::min(a, b);
  s.sel_end = std::max(a, b);
}

LRESULT GetSelection(const EditState& s, WPARAM start_out, LPARAM end_out) {
  if (auto* p = reinterpret_cast<DWORD*>(start_out)) *p = static_cast<DWORD>(s.sel_start);
  if (auto* p = reinterpret_cast<DWORD*>(end_out)) *p = static_cast<DWORD>(s.sel_end);
  const auto word = [](std::size_t v) { return static_cast<WORD>(v > 0xFFFF ? 0xFFFF : v); };
  return MAKELRESULT(word(s.sel_start), word(s.sel_end));
}

// How much of `inserted` fits in place of the selection.
std::size_t Room(const Window& w, const EditState& s, std::string_view inserted) {
  const std::size_t kept = w.text.size() - (s.sel_end - s.sel_start);
  return FitLength(inserted, s.limit > kept ? s.limit - kept : 0);
}

}  // namespace

void ReplaceEditSelection(HWND edit, std::string_view inserted) {
  Window* w = Lookup(edit);
  EditState* s = w != nullptr ? w->As<EditState>() : nullptr;
  if (s == nullptr) return;
  if (Room(*w, *s, inserted) < inserted.size()) {
    NotifyParent(edit, EN_MAXTEXT);
    if ((w = Lookup(edit)) == nullptr || (s = w->As<EditState>()) == nullptr) return;
  }
  const std::size_t take = Room(*w, *s, inserted);
  if (take == 0 && s->sel_end == s->sel_start) return;
  w->text.replace(s->sel_start, s->sel_end - s->sel_start, inserted.substr(0, take));
  s->sel_start += take;
  s->sel_end = s->sel_start;
  s->modified = true;
  Invalidate(*w, nullptr, true);
  NotifyChange(edit);
}

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Lookup(window);
  EditState* s = w != nullptr ? w->As<EditState>() : nullptr;
  if (s == nullptr) return DefWindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_SETTEXT:
      // The limit governs what the user enters, not what the program sets.
      w->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
      s->sel_start = s->sel_end = 0;
      s->modified = false;
      Invalidate(*w, nullptr, true);
      NotifyChange(window);
      return TRUE;
    case EM_LIMITTEXT:
      s->limit = wParam != 0 ? static_cast<std::size_t>(wParam) : kMaxEditLimit;
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(s->limit);
    case EM_SETSEL:
      SetSelection(*w, *s, static_cast<long>(static_cast<int>(wParam)), static_cast<long>(static_cast<int>(lParam)));
      return 0;
    case EM_GETSEL:
      return GetSelection(*s, wParam, lParam);
    case EM_REPLACESEL:
      ReplaceEditSelection(window, lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
      return 0;
    case EM_SCROLLCARET:
      return TRUE;
    case EM_GETMODIFY:
      return s->modified ? TRUE : FALSE;
    case EM_SETMODIFY:
      s->modified = wParam != 0;
      return 0;
    case EM_SETREADONLY:
      w->style = wParam != 0 ? (w->style | ES_READONLY) : (w->style & ~ES_READONLY);
      return TRUE;
    case WM_CLEAR:
      if ((w->style & ES_READONLY) == 0 && s->sel_end > s->sel_start) ReplaceEditSelection(window, "");
      return 0;
    case WM_SETFOCUS:
      NotifyParent(window, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      NotifyParent(window, EN_KILLFOCUS);
      return 0;
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velko::platform::wm
