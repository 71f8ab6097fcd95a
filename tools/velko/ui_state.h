// `velko ui`: the screen as the browser draws it. The platform's window
// tree becomes JSON (texts in UTF-8, rectangles in pixels relative to the
// parent's client area, each control's state as the platform holds it), and
// the pixels of owner-drawn controls, icons and dialog backgrounds become
// PNG images, encoded only when their pixels change. Runs on the sheet's
// thread only: the platform is not shared between threads.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/win32_types.h"

namespace velko::cli::ui {

// The PNG of each pictured window, keyed by window handle, with the hash
// of the pixels it was made from.
class ImageCache {
 public:
  // Captures the window's pixels and returns their version (a hash), making
  // the PNG anew only when they differ from the last capture.
  std::string Refresh(HWND window, bool with_children);
  // The PNG last made for `window`, when its version is `version` (any
  // version for an empty one).
  std::optional<std::vector<uint8_t>> Png(HWND window, const std::string& version) const;
  // Forgets windows that are gone.
  void Prune();

 private:
  struct Entry {
    uint64_t hash = 0;
    std::vector<uint8_t> png;
  };
  std::map<HWND, Entry> entries_;
};

// The whole screen: every visible top-level window (the sheet, modal
// dialogs and sheets over it) with its controls, which window takes the
// actions, and the message box or open-file dialog that waits, if any.
nlohmann::json ScreenJson(HWND sheet, ImageCache& images);

// Which window actions go to now, given the sheet (0 when it is gone).
HWND ActionWindow(HWND sheet);

}  // namespace velko::cli::ui
