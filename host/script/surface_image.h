// The pixels a window shows, as scripts (`shot`, `expect pixel`) and the
// browser read them: a copy of the window's surface, with the painted
// surfaces of its controls laid on it for a whole dialog or page, and PNG
// encoding of such a copy.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/surface.h"
#include "platform/win32_types.h"

namespace velko::script {

// True for the controls whose pixels their owner paints (BS_OWNERDRAW,
// SS_OWNERDRAW): the only controls with a picture of their own.
bool IsOwnerDrawn(HWND control);

// A copy of the window's surface (white where nothing has painted it);
// for `with_children`, the surfaces of its visible children that something
// painted are copied over it at their places. Nothing for a window that is
// gone.
std::optional<platform::Surface> CaptureWindow(HWND window, bool with_children);

// The surface as an 8-bit RGB PNG file in memory (empty for an empty
// surface, which PNG cannot hold).
std::vector<uint8_t> EncodePng(const platform::Surface& surface);

// Writes the PNG to `path`; the error for people, empty when written.
std::string WritePngFile(const platform::Surface& surface, const std::string& path);

}  // namespace velko::script
