// The preview layout of the color adjustment page, derived from the
// template's controls on the first paint.
#include "color/preview_layout.h"

namespace velko::color {

PreviewLayout CurrentPreviewLayout{};

namespace {

RECT Inset(const RECT& r, int by) { return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

PreviewLayout ComputePreviewLayout(const PreviewLayoutInputs& in) {
  PreviewLayout out{};
  // The strips are a little narrower than the brightness scroll bar, which
  // leaves room for its arrows, and two pixels taller.
  const LONG barWidth = in.brightScrollBar.right - in.brightScrollBar.left;
  const LONG barHeight = in.brightScrollBar.bottom - in.brightScrollBar.top;
  out.strip = SIZE{barWidth * 10 / 12 + 1, barHeight + 2};

  // The swatch sits under the yellow-blue strip, centred between the strip
  // (at its new size) and the bottom of the color balance group.
  const LONG stripBottom = in.yellowBlueStrip.top + out.strip.cy;
  const LONG swatchLeft = in.yellowBlueStrip.left - kFrameInset;
  const LONG swatchWidth = out.strip.cx + 2 * kFrameInset;
  const LONG swatchTop = (in.colorBalanceGroup.bottom + stripBottom - kSwatchBorderHeight) / 2;
  out.swatchBorder = RECT{swatchLeft, swatchTop, swatchLeft + swatchWidth, swatchTop + kSwatchBorderHeight};
  out.swatchFrame = Inset(out.swatchBorder, kFrameInset);
  out.swatchPaint = SIZE{swatchWidth - 10, 56};

  // The sample fills the space left of the color balance group, between the
  // sample label and the base color label.
  const LONG sampleWidth = in.colorBalanceGroup.left - 2 * kSampleMargin;
  const LONG sampleHeight = in.baseColorLabel.top - in.sampleLabel.bottom - 2 * kSampleMargin;
  const LONG sampleTop = in.sampleLabel.bottom + kSampleMargin;
  out.sampleBorder = RECT{kSampleMargin, sampleTop, kSampleMargin + sampleWidth, sampleTop + sampleHeight};
  out.sampleFrame = Inset(out.sampleBorder, kFrameInset);
  out.samplePaint = SIZE{sampleWidth - 10, sampleHeight - 10};
  return out;
}

}  // namespace velko::color
