// Whether anything has drawn on a window: its surface exists only once
// something painted it (GetDC, BeginPaint, a dialog's erase). Front ends
// that picture the screen use it to tell painted areas from controls that
// draw nothing of their own.
#pragma once

#include <memory>

#include "platform/gdi/surface.h"
#include "platform/win32_types.h"

namespace velko::platform {

// The window's surface when something has drawn on it, else nullptr; unlike
// WindowSurface it never makes one.
std::shared_ptr<const Surface> PaintedSurface(HWND window);

}  // namespace velko::platform
