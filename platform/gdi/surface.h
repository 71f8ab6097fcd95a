// A window's pixels. Every window of the platform owns one surface of its
// client size, so painting really changes pixels that tests and the browser
// can read back. GDI draws on it through the window's device context.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32_types.h"

namespace velko::platform {

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;  // row-major, top row first, 0x00BBGGRR

  void Resize(int w, int h, COLORREF fill = 0xFFFFFF) {
    width = w > 0 ? w : 0;
    height = h > 0 ? h : 0;
    pixels.assign(static_cast<std::size_t>(width) * height, fill);
  }
};

// The surface of a live window, or nullptr. Provided by the window manager
// (platform/user); GetDC and BeginPaint draw through it.
std::shared_ptr<Surface> WindowSurface(HWND window);

// The window's top-left corner in screen coordinates, for brush origins.
struct ScreenOrigin {
  int x = 0;
  int y = 0;
};
ScreenOrigin WindowScreenOrigin(HWND window);

}  // namespace velko::platform
