// User actions on a dialog shaped like the main page (four drop-down lists,
// an edit with its up-down, a radio pair, check boxes and 24 summary
// statics): each action against its peer, the bare WM_COMMAND that runs the
// same handler and repaint; and a modal dialog opened and closed with OK.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/user/user.h"

namespace {

using namespace velko::platform;

// Whether the handler repaints: off, the runs show the window manager's own
// cost; on, the whole page's erase dominates.
bool g_repaint = true;

// The handler every notification runs: a summary text and a repaint of the
// whole page, which the erase fills.
INT_PTR PageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND) {
    const WORD code = HIWORD(wParam);
    if (code == BN_CLICKED || code == CBN_SELENDOK || code == EN_CHANGE) {
      SetDlgItemText(dialog, 1203, "\xD5\xD5\xC6\xAC");  // 照片
      if (g_repaint) InvalidateRect(dialog, nullptr, TRUE);
    }
    if (code == BN_CLICKED && LOWORD(wParam) == IDOK) EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (message == WM_HSCROLL) {
    if (g_repaint) InvalidateRect(dialog, nullptr, TRUE);
    return TRUE;
  }
  return FALSE;
}

struct Page {
  Page() {
    controls.push_back({1010, "COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 10, 10, 120, 100});
    for (int id : {1011, 1012, 1013, 1019}) {
      controls.push_back({id, "COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 10,
                          static_cast<short>(10 + (id - 1010) * 16), 120, 100});
    }
    controls.push_back({1014, "EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 150, 10, 40, 12});
    controls.push_back({1016, "BUTTON", "", WS_VISIBLE | BS_AUTOCHECKBOX, 150, 30, 60, 10});
    controls.push_back({1017, "BUTTON", "", WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP, 150, 50, 60, 10});
    controls.push_back({1018, "BUTTON", "", WS_VISIBLE | BS_AUTORADIOBUTTON, 150, 62, 60, 10});
    controls.push_back({1020, "BUTTON", "", WS_VISIBLE | BS_AUTOCHECKBOX | WS_GROUP, 150, 74, 60, 10});
    controls.push_back({1044, "msctls_trackbar32", "", WS_VISIBLE | WS_TABSTOP, 150, 90, 60, 14});
    controls.push_back({1064, "EDIT", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 150, 110, 40, 12});
    for (int id = 1201; id <= 1224; ++id) {
      controls.push_back({id, "STATIC", "", WS_VISIBLE, static_cast<short>(10 + (id - 1201) % 3 * 60),
                          static_cast<short>(100 + (id - 1201) / 3 * 10), 55, 8});
    }
    controls.push_back({IDOK, "BUTTON", "OK", WS_VISIBLE | BS_DEFPUSHBUTTON, 150, 200, 50, 14});
    dialog_template = DialogTemplate{.caption = "bench",
                                     .font_name = "\xCB\xCE\xCC\xE5",
                                     .font_size = 8,
                                     .cx = 250,
                                     .cy = 230,
                                     .controls = controls};
  }

  HWND Open() {
    DialogTemplate t = dialog_template;
    t.style |= WS_VISIBLE;
    const HWND dialog = CreateDialogIndirectParam(0, &t, 0, PageProc, 0);
    for (int i = 0; i < 13; ++i) {
      const std::string item = "Paper " + std::to_string(i);
      SendDlgItemMessage(dialog, 1010, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendDlgItemMessage(dialog, 1014, EM_LIMITTEXT, 3, 0);
    CreateUpDownControl(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS, 0, 0, 28, 14,
                        dialog, 1015, 0, GetDlgItem(dialog, 1014), 999, 1, 1);
    SendDlgItemMessage(dialog, 1044, TBM_SETRANGE, TRUE, MAKELPARAM(0, 8));
    DispatchPendingPaints();
    return dialog;
  }

  std::vector<ControlTemplate> controls;
  DialogTemplate dialog_template;
};

template <class MakeAction>
void RunActions(benchmark::State& state, MakeAction make) {
  g_repaint = state.range(0) != 0;
  Page page;
  const HWND dialog = page.Open();
  long n = 0;
  for (auto _ : state) {
    const ActionResult result = ApplyAction(dialog, make(n++));
    if (!result) state.SkipWithError(result.error.c_str());
  }
  DestroyWindow(dialog);
  state.SetItemsProcessed(state.iterations());
}

void BM_ClickRadio(benchmark::State& state) {
  RunActions(state, [](long n) { return UserAction::Click(n % 2 == 0 ? 1017 : 1018); });
}
BENCHMARK(BM_ClickRadio)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PickCombo(benchmark::State& state) {
  RunActions(state, [](long n) { return UserAction::SelectIndex(1010, static_cast<int>(n % 13)); });
}
BENCHMARK(BM_PickCombo)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_TypeText(benchmark::State& state) {
  g_repaint = state.range(0) != 0;
  Page page;
  const HWND dialog = page.Open();
  for (auto _ : state) {
    SendDlgItemMessage(dialog, 1014, EM_SETSEL, 0, -1);
    ApplyAction(dialog, UserAction::Type(1014, "12"));
  }
  DestroyWindow(dialog);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TypeText)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_UpDownArrow(benchmark::State& state) {
  RunActions(state, [](long n) {
    return UserAction::Scroll(1015, n % 2 == 0 ? ScrollGesture::LineUp : ScrollGesture::LineDown);
  });
}
BENCHMARK(BM_UpDownArrow)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_MoveTrackbar(benchmark::State& state) {
  RunActions(state, [](long n) { return UserAction::MoveTrackbar(1044, static_cast<int>(n % 9)); });
}
BENCHMARK(BM_MoveTrackbar)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The peer: the notification the click ends in, sent straight to the
// dialog, with the same handler and repaint.
void BM_PeerBareCommand(benchmark::State& state) {
  g_repaint = state.range(0) != 0;
  Page page;
  const HWND dialog = page.Open();
  const HWND radio = GetDlgItem(dialog, 1017);
  for (auto _ : state) {
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(1017, BN_CLICKED), static_cast<LPARAM>(radio));
    DispatchPendingPaints();
  }
  DestroyWindow(dialog);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PeerBareCommand)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A modal dialog of 40 controls created, run through one OK and destroyed.
void BM_OpenModalDialog(benchmark::State& state) {
  g_repaint = true;
  Page page;
  for (auto _ : state) {
    QueuedInput input({UserAction::Ok()});
    ScopedInputSource use(input);
    if (DialogBoxIndirectParam(0, &page.dialog_template, 0, PageProc, 0) != IDOK) state.SkipWithError("not OK");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OpenModalDialog)->Unit(benchmark::kMicrosecond);

}  // namespace
