// Logical palettes and the display's palette mode. The display is true color
// unless a test switches it to a palette display (RC_PALETTE set): then the
// colors that reach a window or a display-format bitmap are mapped to the
// nearest entry of the DC's realized palette (the default palette when none
// is realized), as an 8-bit display would show them.
#pragma once

#include <vector>

#include "platform/gdi/bitmap.h"

namespace velko::platform {

class Palette : public GdiObject {
 public:
  static constexpr HandleKind kHandleKind = HandleKind::Palette;

  explicit Palette(std::vector<PALETTEENTRY> entries) : entries(std::move(entries)) {}

  // Index of the nearest entry (first of equals), 0 for an empty palette.
  UINT NearestIndex(COLORREF color) const;
  COLORREF NearestColor(COLORREF color) const;
  COLORREF ColorAt(UINT index) const;

  std::vector<PALETTEENTRY> entries;
};

// The 20 static colors of a palette display, the default palette of every DC.
const std::vector<PALETTEENTRY>& DefaultPaletteEntries();

// 256 entries: the 20 static colors, a 6 x 6 x 6 color cube (levels 0, 51,
// ... 255) and 20 further grays.
std::vector<PALETTEENTRY> HalftonePaletteEntries();

// Whether the display is palette based (RASTERCAPS has RC_PALETTE). Off by
// default; tests switch it on to run the palette paths.
void SetDisplayPaletteMode(bool on);
bool DisplayPaletteMode();

}  // namespace velko::platform
