// Drawing of VelkoUI's bitmap resources: the page banners with white as
// transparent, and the pictures whose white surround takes a fill color.
// Every call creates and releases its own device contexts and GDI objects.
#pragma once

#include "platform/afx.h"
#include "platform/win32.h"

namespace velko::ui {

// The color DrawResourceBitmap floods the white surround with; the density
// page replaces it with its paint background. Module state: it keeps the last
// value set.
inline constexpr COLORREF kDefaultBitmapFillColor = 0xC0C0C0;
extern COLORREF BitmapFillColor;

// Draws bitmap resource `bitmapId` of VelkoUI at (0, 0) of `dc` (in), its
// white pixels transparent. A bitmap that is not a resource draws nothing.
void DrawBanner(HDC dc, UINT bitmapId);

// Copies `width` x `height` pixels from (sourceX, sourceY) of `source` to
// (x, y) of `dest`, leaving `dest` as it was where the source is white.
// Returns 1, or 0 when the mask could not be made (nothing drawn then).
int BlitTransparent(HDC dest, int x, int y, HDC source, int sourceX, int sourceY, int width, int height);

// Copies bitmap resource `bitmapId` of VelkoUI to (0, 0) of `dc`: with
// `fill`, the white area connected to its top-left pixel first takes
// BitmapFillColor; with `stretch`, stretched to `width` x `height` (in the
// DC's stretch mode), else at its own size.
void DrawResourceBitmap(CDC* dc, UINT bitmapId, BOOL fill, BOOL stretch, int width, int height);

}  // namespace velko::ui
