// The surface of a window, only when it exists.
#include "platform/user/painted_surface.h"

#include "platform/user/window_object.h"

namespace velko::platform {

std::shared_ptr<const Surface> PaintedSurface(HWND window) {
  const wm::Window* w = wm::Lookup(window);
  return w != nullptr ? w->surface : nullptr;
}

}  // namespace velko::platform
