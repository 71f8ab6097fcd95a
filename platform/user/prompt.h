// What a windowless modal prompt (a message box, the open-file dialog) shows
// while it waits for the input source's answer. Those prompts are no windows
// of the tree, so a front end that draws the screen (the browser) reads the
// waiting one here to show it.
#pragma once

#include <string>

#include "platform/user/user_types.h"

namespace velko::platform {

struct WaitingPrompt {
  enum class Kind : uint8_t { MessageBox, OpenFile };
  Kind kind = Kind::MessageBox;
  HWND owner = 0;
  std::string caption;  // GB2312; the open-file dialog's title
  std::string text;     // the message box's text; the open-file dialog's initial name
  UINT type = 0;        // MB_ buttons and icon bits; OFN_ flags
  std::string filter;   // "Bitmaps|*.bmp|All|*.*"
  std::string initial_dir;
  std::string default_extension;
};

// The innermost prompt that waits now, or nullptr.
const WaitingPrompt* CurrentPrompt();

// Marks `prompt` as waiting for as long as it lives (prompts nest when a
// page opens one from a dialog's handler).
class ScopedPrompt {
 public:
  explicit ScopedPrompt(WaitingPrompt prompt);
  ~ScopedPrompt();
  ScopedPrompt(const ScopedPrompt&) = delete;
  ScopedPrompt& operator=(const ScopedPrompt&) = delete;
};

}  // namespace velko::platform
