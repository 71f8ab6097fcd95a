// Where the color adjustment page's preview goes: the size of the gradient
// strips, the swatch frame beside the color-balance group and the sample
// frame above the base color list, all derived from the template's controls
// on the page's first paint, and the sizes the later paints draw at.
#pragma once

#include "platform/win32.h"

namespace velko::color {

// The controls' rectangles the layout is derived from, in the page's client
// coordinates.
struct PreviewLayoutInputs {
  RECT brightScrollBar;     // 2039
  RECT yellowBlueStrip;     // 2093, as the template placed it
  RECT colorBalanceGroup;   // 2159
  RECT sampleLabel;         // 2151
  RECT baseColorLabel;      // 2418
};

struct PreviewLayout {
  SIZE strip;           // every gradient strip, each kept at its place
  RECT swatchBorder;    // 2421
  RECT swatchFrame;     // 2118, 2 pixels inside the border
  SIZE swatchPaint;     // the painted swatch
  RECT sampleBorder;    // 2420
  RECT sampleFrame;     // 2071, 2 pixels inside the border
  SIZE samplePaint;     // the painted sample
};

inline constexpr int kSwatchBorderHeight = 66;
inline constexpr int kFrameInset = 2;
inline constexpr int kSampleMargin = 15;

PreviewLayout ComputePreviewLayout(const PreviewLayoutInputs& in);

// The layout of the last first paint; zero sizes before any (a zero paint
// size then paints at the bitmap's own size).
extern PreviewLayout CurrentPreviewLayout;

}  // namespace velko::color
