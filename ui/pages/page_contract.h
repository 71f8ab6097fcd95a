// What the four page procedures share: storing the call's module variables
// before anything else, and the dispatch of a message to the page's
// handlers. Every message gives 1, except WM_INITDIALOG, which gives the
// page initialisation's result (1 as well).
//
// A page describes itself with a PageHandlers table:
//   initialise   WM_INITDIALOG: fill the controls from CurrentSettings
//   paintBanner  WM_PAINT, WM_DRAWITEM: the banner bitmap into control 1024
//   setActive    WM_NOTIFY PSN_SETACTIVE (nullptr: not handled)
//   killActive   WM_NOTIFY PSN_KILLACTIVE (nullptr: not handled)
//   commands     WM_COMMAND: (control id, notification code) -> handler;
//                pairs not in the table are ignored
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/user/messages.h"
#include "platform/win32_types.h"
#include "ui/core/page_message.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

using PageAction = void (*)(const FlatPageMessage& message);

struct CommandHandler {
  UINT controlId;
  WORD notifyCode;
  PageAction handle;
};

struct PageHandlers {
  int32_t (*initialise)();
  void (*paintBanner)();
  PageAction setActive;
  PageAction killActive;
  std::span<const CommandHandler> commands;
};

// Stores the module variables from one call: the reserved value, the page's
// own window variable, CurrentSettings and DefaultSettings.
void StorePageCall(const FlatPageMessage& message, SettingsRecord* current,
                   SettingsRecord* defaults, HWND& pageWindow);

// Runs the handler `page` has for the message and gives the call's result.
int32_t DispatchPageMessage(const FlatPageMessage& message, const PageHandlers& page);

// A WM_NOTIFY's code: the low 16 bits at byte 8 of the header LParam points
// to. Nothing when the call carries no header (LParamFar 0).
std::optional<WORD> NotifyCode(const FlatPageMessage& message);

// A WM_COMMAND's control id (WParam) and notification code (high 16 bits
// of LParam).
UINT CommandControlId(const FlatPageMessage& message);
WORD CommandNotifyCode(const FlatPageMessage& message);

// The module variables and the message of the last page call, for
// inspection from outside the module (tests of the thunk road). The flat
// pointers in it were valid during that call only.
struct PageCallState {
  SettingsRecord* currentSettings;
  SettingsRecord* defaultSettings;
  HWND mainPageWindow;
  HWND colorPageWindow;
  HWND optionsPageWindow;
  HWND versionPageWindow;
  uint32_t reserved;
  FlatPageMessage lastMessage;
};

PageCallState CurrentPageCallState();

}  // namespace velko::ui
