// List boxes with one selection: sorted or plain items, the searches, and
// LBN_SELCHANGE for the user's picks when the box notifies (LBS_NOTIFY).
#include "platform/user/list_model.h"
#include "platform/user/paint.h"
#include "platform/user/window.h"
#include "platform/user/window_object.h"

namespace velko::platform::wm {
namespace {

LPCSTR TextParam(LPARAM lParam) { return lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : ""; }

}  // namespace

void PickListItem(HWND list_box, int index) {
  FocusOnClick(list_box);
  Window* w = Lookup(list_box);
  ListState* list = w != nullptr ? w->As<ListState>() : nullptr;
  if (list == nullptr) return;
  ListSelect(*list, index);
  Invalidate(*w, nullptr, true);
  if ((w->style & LBS_NOTIFY) != 0) NotifyParent(list_box, LBN_SELCHANGE);
}

LRESULT ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Lookup(window);
  ListState* list = w != nullptr ? w->As<ListState>() : nullptr;
  if (list == nullptr) return DefWindowProc(window, message, wParam, lParam);
  const int index = static_cast<int>(wParam);
  switch (message) {
    case LB_ADDSTRING:
      Invalidate(*w, nullptr, true);
      return ListAdd(*list, TextParam(lParam), (w->style & LBS_SORT) != 0);
    case LB_INSERTSTRING: {
      const int at = ListInsert(*list, index, TextParam(lParam));
      Invalidate(*w, nullptr, true);
      return at >= 0 ? at : LB_ERR;
    }
    case LB_DELETESTRING: {
      const int left = ListDelete(*list, index);
      Invalidate(*w, nullptr, true);
      return left >= 0 ? left : LB_ERR;
    }
    case LB_RESETCONTENT:
      list->items.clear();
      list->selection = -1;
      Invalidate(*w, nullptr, true);
      return LB_OKAY;
    case LB_GETCOUNT:
      return static_cast<LRESULT>(list->items.size());
    case LB_SETCURSEL: {
      const bool selected = ListSelect(*list, index);
      Invalidate(*w, nullptr, true);
      return selected ? index : LB_ERR;
    }
    case LB_GETCURSEL:
      return list->selection >= 0 ? list->selection : LB_ERR;
    case LB_GETSEL:
      if (index < 0 || static_cast<std::size_t>(index) >= list->items.size()) return LB_ERR;
      return index == list->selection ? 1 : 0;
    case LB_GETTEXT:
      return ListCopyText(*list, index, reinterpret_cast<LPSTR>(lParam));
    case LB_GETTEXTLEN:
      return ListTextLength(*list, index);
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
      const int found = ListFind(*list, index, TextParam(lParam), message == LB_FINDSTRINGEXACT);
      return found >= 0 ? found : LB_ERR;
    }
    case LB_SELECTSTRING: {
      const int found = ListFind(*list, index, TextParam(lParam), false);
      if (found < 0) return LB_ERR;
      ListSelect(*list, found);
      Invalidate(*w, nullptr, true);
      return found;
    }
    case LB_GETITEMDATA:
      return index >= 0 && static_cast<std::size_t>(index) < list->items.size()
                 ? list->items[static_cast<std::size_t>(index)].data
                 : LB_ERR;
    case LB_SETITEMDATA:
      if (index < 0 || static_cast<std::size_t>(index) >= list->items.size()) return LB_ERR;
      list->items[static_cast<std::size_t>(index)].data = lParam;
      return TRUE;
    case WM_SETFOCUS:
      NotifyParent(window, LBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      NotifyParent(window, LBN_KILLFOCUS);
      return 0;
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velko::platform::wm
