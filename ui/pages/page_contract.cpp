// The common part of every page call: module variables, then dispatch.
#include "ui/pages/page_contract.h"

#include <cstring>

#include "ui/core/page_variables.h"
#include "ui/pages/page_procedures.h"

namespace velko::ui {
namespace {

FlatPageMessage lastMessage{};

void Notify(const FlatPageMessage& message, const PageHandlers& page) {
  const auto code = NotifyCode(message);
  if (!code) return;
  if (*code == kNotifySetActive && page.setActive) page.setActive(message);
  if (*code == kNotifyKillActive && page.killActive) page.killActive(message);
}

void Command(const FlatPageMessage& message, const PageHandlers& page) {
  const UINT id = CommandControlId(message);
  const WORD code = CommandNotifyCode(message);
  for (const CommandHandler& handler : page.commands) {
    if (handler.controlId == id && handler.notifyCode == code) {
      handler.handle(message);
      return;
    }
  }
}

}  // namespace

void StorePageCall(const FlatPageMessage& message, SettingsRecord* current,
                   SettingsRecord* defaults, HWND& pageWindow) {
  PageReserved = message.Reserved;
  pageWindow = message.Window;
  CurrentSettings = current;
  DefaultSettings = defaults;
  lastMessage = message;
}

int32_t DispatchPageMessage(const FlatPageMessage& message, const PageHandlers& page) {
  switch (message.Message) {
    case WM_INITDIALOG:
      return page.initialise();
    case WM_PAINT:
    case WM_DRAWITEM:
      page.paintBanner();
      break;
    case WM_NOTIFY:
      Notify(message, page);
      break;
    case WM_COMMAND:
      Command(message, page);
      break;
    default:
      break;
  }
  return 1;
}

// The header is read through LParam, which the bridge has set to the flat
// header address; without a mapped header LParam still holds the 16-bit
// value, which is no address, so nothing is read.
std::optional<WORD> NotifyCode(const FlatPageMessage& message) {
  if (message.LParamFar == nullptr || message.LParam == 0) return std::nullopt;
  WORD code;
  std::memcpy(&code, reinterpret_cast<const std::byte*>(message.LParam) + kNotifyCodeOffset,
              sizeof code);
  return code;
}

UINT CommandControlId(const FlatPageMessage& message) { return static_cast<UINT>(message.WParam); }

WORD CommandNotifyCode(const FlatPageMessage& message) {
  return HIWORD(static_cast<uintptr_t>(message.LParam));
}

PageCallState CurrentPageCallState() {
  return PageCallState{CurrentSettings,   DefaultSettings,   MainPageWindow, ColorPageWindow,
                       OptionsPageWindow, VersionPageWindow, PageReserved,   lastMessage};
}

}  // namespace velko::ui

void VelkoUIInspectPageCall(velko::ui::PageCallState* state) {
  if (state) *state = velko::ui::CurrentPageCallState();
}
