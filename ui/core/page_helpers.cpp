// The shared page helpers: code lookups, combo filling, scroll stepping,
// resource texts and the page banner.
#include "ui/core/page_helpers.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ui/core/draw_bitmaps.h"
#include "ui/core/ui_app.h"

namespace velko::ui {
namespace {

inline constexpr int kScrollLine = 1;
inline constexpr int kScrollPage = 5;

// A slot's text; the NUL inside the slot ends it, as it ends every slot of
// the tables.
std::string SlotText(const NameSlot& slot) { return std::string(slot.data(), strnlen(slot.data(), slot.size())); }

// Runs the combo box messages of a fill through `send`.
template <class Send>
void FillFromNames(NameTable names, Send send) {
  send(CB_RESETCONTENT, 0, 0);
  for (const NameSlot& slot : names) {
    if (IsEndOfNames(slot)) {
      send(CB_SETCURSEL, static_cast<WPARAM>(DefaultItemOf(slot)), 0);
      return;
    }
    const std::string text = SlotText(slot);
    send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

}  // namespace

int PaperIndex(int32_t paperCode) { return CodeIndex(kPaperCodes, paperCode); }

int TrayIndex(int32_t trayCode) { return CodeIndex(kTrayCodes, trayCode); }

int MediaIndex(int32_t mediaCode) { return CodeIndex(kMediaCodes, mediaCode); }

int OutputIndex(int32_t outputCode, int paperIndex) {
  if (paperIndex < 0 || paperIndex >= kPaperCount) return 0;
  return CodeIndex(kOutputCodes[paperIndex], outputCode);
}

void FillComboById(HWND dialog, int id, NameTable names) {
  FillFromNames(names, [&](UINT message, WPARAM wParam, LPARAM lParam) {
    SendDlgItemMessage(dialog, id, message, wParam, lParam);
  });
}

void FillCombo(CComboBox* combo, NameTable names) {
  if (combo == nullptr) return;
  FillFromNames(names, [&](UINT message, WPARAM wParam, LPARAM lParam) { combo->SendMessage(message, wParam, lParam); });
}

int StepScrollPos(UINT code, int thumbPosition, CScrollBar* scrollBar) {
  if (scrollBar == nullptr) return 0;
  int position = scrollBar->GetScrollPos();
  int low = 0, high = 0;
  scrollBar->GetScrollRange(&low, &high);
  switch (code) {
    case SB_LINEUP:
      position -= kScrollLine;
      break;
    case SB_LINEDOWN:
      position += kScrollLine;
      break;
    case SB_PAGEUP:
      position -= kScrollPage;
      break;
    case SB_PAGEDOWN:
      position += kScrollPage;
      break;
    case SB_THUMBPOSITION:
      position = thumbPosition;
      break;
    default:
      break;
  }
  return std::clamp(position, std::min(low, high), std::max(low, high));
}

void SetTextFromResource(CWnd* window, UINT stringId) {
  if (window == nullptr) return;
  const std::string text = velko::platform::LoadStringText(ModuleInstance, stringId).value_or(std::string());
  window->SetWindowText(text.c_str());
}

void PaintPageBanner(HWND page, UINT bitmapId) {
  const HWND control = GetDlgItem(page, static_cast<int>(kBannerControl));
  if (control == 0) return;
  const HDC dc = GetDC(control);
  if (dc == 0) return;
  DrawBanner(dc, bitmapId);
  ReleaseDC(control, dc);
}

}  // namespace velko::ui
