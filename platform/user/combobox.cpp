// Combo boxes, drop-down lists above all: the item list, the selection, the
// searches, and what a pick by the user sends.
#include "platform/user/list_model.h"
#include "platform/user/text.h"
#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

bool IsDropDownList(DWORD style) { return (style & 0x3) == CBS_DROPDOWNLIST; }

LPCSTR TextParam(LPARAM lParam) { return lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : ""; }

// A combo box with an edit field shows the selected item's text in it.
void ShowSelection(Window& w, const ListState& list) {
  if (IsDropDownList(w.style) || list.selection < 0) return;
  w.text = list.items[static_cast<std::size_t>(list.selection)].text;
}

LRESULT Select(Window& w, ListState& list, int index) {
  const bool selected = ListSelect(list, index);
  ShowSelection(w, list);
  Invalidate(w, nullptr, true);
  return selected ? index : CB_ERR;
}

}  // namespace

void PickComboItem(HWND combo, int index) {
  FocusOnClick(combo);
  Window* w = Lookup(combo);
  ListState* list = w != nullptr ? w->As<ListState>() : nullptr;
  if (list == nullptr) return;
  list->dropped = true;
  NotifyParent(combo, CBN_DROPDOWN);
  if ((w = Lookup(combo)) == nullptr || (list = w->As<ListState>()) == nullptr) return;
  Select(*w, *list, index);
  NotifyParent(combo, CBN_SELCHANGE);
  if ((w = Lookup(combo)) == nullptr || (list = w->As<ListState>()) == nullptr) return;
  list->dropped = false;
  NotifyParent(combo, CBN_CLOSEUP);
  NotifyParent(combo, CBN_SELENDOK);
}

LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Lookup(window);
  ListState* list = w != nullptr ? w->As<ListState>() : nullptr;
  if (list == nullptr) return DefWindowProc(window, message, wParam, lParam);
  const int index = static_cast<int>(wParam);
  switch (message) {
    case CB_ADDSTRING:
      Invalidate(*w, nullptr, true);
      return ListAdd(*list, TextParam(lParam), (w->style & CBS_SORT) != 0);
    case CB_INSERTSTRING: {
      const int at = ListInsert(*list, index, TextParam(lParam));
      return at >= 0 ? at : CB_ERR;
    }
    case CB_DELETESTRING: {
      const int left = ListDelete(*list, index);
      Invalidate(*w, nullptr, true);
      return left >= 0 ? left : CB_ERR;
    }
    case CB_RESETCONTENT:
      list->items.clear();
      list->selection = -1;
      Invalidate(*w, nullptr, true);
      return CB_OKAY;
    case CB_GETCOUNT:
      return static_cast<LRESULT>(list->items.size());
    case CB_SETCURSEL:
      return Select(*w, *list, index);
    case CB_GETCURSEL:
      return list->selection >= 0 ? list->selection : CB_ERR;
    case CB_GETLBTEXT:
      return ListCopyText(*list, index, reinterpret_cast<LPSTR>(lParam));
    case CB_GETLBTEXTLEN:
      return ListTextLength(*list, index);
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT: {
      const int found = ListFind(*list, index, TextParam(lParam), message == CB_FINDSTRINGEXACT);
      return found >= 0 ? found : CB_ERR;
    }
    case CB_SELECTSTRING: {
      const int found = ListFind(*list, index, TextParam(lParam), false);
      return found >= 0 ? Select(*w, *list, found) : CB_ERR;
    }
    case CB_GETITEMDATA:
      return index >= 0 && static_cast<std::size_t>(index) < list->items.size()
                 ? list->items[static_cast<std::size_t>(index)].data
                 : CB_ERR;
    case CB_SETITEMDATA:
      if (index < 0 || static_cast<std::size_t>(index) >= list->items.size()) return CB_ERR;
      list->items[static_cast<std::size_t>(index)].data = lParam;
      return TRUE;
    case CB_SHOWDROPDOWN:
      if ((wParam != 0) != list->dropped) {
        list->dropped = wParam != 0;
        NotifyParent(window, list->dropped ? CBN_DROPDOWN : CBN_CLOSEUP);
      }
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return list->dropped ? TRUE : FALSE;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      if (IsDropDownList(w->style)) {
        // The selection field shows the selected item.
        const std::string shown = list->selection >= 0 ? list->items[static_cast<std::size_t>(list->selection)].text : "";
        if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(shown.size());
        auto* buffer = reinterpret_cast<LPSTR>(lParam);
        if (buffer == nullptr || wParam == 0) return 0;
        const std::size_t n = FitLength(shown, wParam - 1);
        shown.copy(buffer, n);
        buffer[n] = '\0';
        return static_cast<LRESULT>(n);
      }
      return DefWindowProc(window, message, wParam, lParam);
    case WM_SETTEXT:
      if (IsDropDownList(w->style)) {
        const int found = ListFind(*list, -1, TextParam(lParam), true);
        return found >= 0 ? (Select(*w, *list, found), TRUE) : CB_ERR;
      }
      return DefWindowProc(window, message, wParam, lParam);
    case WM_SETFOCUS:
      NotifyParent(window, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      NotifyParent(window, CBN_KILLFOCUS);
      return 0;
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velko::platform::wm
