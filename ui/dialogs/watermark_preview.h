// The watermark preview: which picture a watermark block shows, in which
// color, at what size and where in the frame, and the drawing of it. The
// dialog draws through a client DC of its own; tests and the benchmark call
// DrawPreview on any DC.
//
// Stored codes outside their ranges never index outside a table: a position
// or color that is not one of the table's shows as the first item (center,
// black), density and size are clamped to 0..8.
#pragma once

#include <array>
#include <cstdint>

#include "platform/win32.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

inline constexpr int kWatermarkSteps = 9;          // density and size: 0..8
inline constexpr int kWatermarkPositions = 7;
inline constexpr int kWatermarkColors = 7;
inline constexpr int kBuiltInWatermarks = 8;       // the texts before the user's watermarks
inline constexpr int kFirstLargeSize = 5;          // sizes 5..8 use the large picture

// Texts 0..7 are built in: each has its own preview pictures and takes the
// chosen color, density and outline. Every rule that tells a built-in text
// from a user watermark asks this.
constexpr bool IsBuiltInWatermark(int32_t index) { return index >= 0 && index < kBuiltInWatermarks; }

// Bitmap resources of one built-in text.
struct PreviewPictures {
  UINT small;
  UINT smallOutline;
  UINT large;
  UINT largeOutline;
};

inline constexpr std::array<PreviewPictures, kBuiltInWatermarks> kPreviewPictures{{
    {2146, 2148, 2142, 2144},  // CONFIDENTIAL
    {2152, 2154, 2149, 2150},  // DO NOT COPY
    {2138, 2140, 2205, 2136},  // TOP SECRET
    {2203, 2134, 2177, 2201},  // DRAFT
    {2160, 2161, 2156, 2158},  // PROOF
    {2171, 2174, 2162, 2168},  // FINAL
    {2601, 2602, 2603, 2604},  // COPY
    {2605, 2606, 2607, 2608},  // FILE COPY
}};

// Scale factors by size: the square roots of 1/8, 1/4, 1/2, 3/4, 1, 2, 3, 4
// and 6, so each step changes the area rather than the width.
inline constexpr std::array<double, kWatermarkSteps> kScaleS{0.35355, 0.5,     0.70711, 0.86603, 1.0,
                                                             1.41421, 1.73205, 2.0,     2.44949};
// For the large pictures (about twice the small), sizes 5..8; 0.8866 as the
// driver stores it.
inline constexpr std::array<double, kWatermarkSteps - kFirstLargeSize> kScaleL{0.70711, 0.8866, 1.0, 1.22474};

static_assert(kScaleS[4] == 1.0 && kScaleL[2] == 1.0);

// Codes as the preview shows them.
int32_t ShownPosition(int32_t position);
int32_t ShownColor(int32_t color);
int32_t ShownStep(int32_t densityOrSize);

// The watermark color: v = (8 - density) * 24 in the components the color
// does not saturate; palette-relative when `palette` is set.
COLORREF PreviewColor(int32_t color, int32_t density, bool palette);

// The bitmap resource of a built-in text; 0 for a user watermark.
UINT PreviewPictureId(const WatermarkBlock& block);

// The scale applied to both sides of the picture (user pictures: halved
// once more).
double PreviewScale(int32_t index, int32_t size);

// Size of a `width` x `height` picture in the preview.
SIZE PreviewExtent(int32_t index, int32_t size, int width, int height);

// Top-left corner of a `width` x `height` picture in `frame`.
POINT PreviewPlace(int32_t position, const RECT& frame, int width, int height);

// The 256 palette entries a palette display uses for the block: the ramp of
// the chosen color for a built-in text, the halftone palette for a picture.
std::array<PALETTEENTRY, 256> PreviewPaletteEntries(const WatermarkBlock& block, HDC dc);

// Draws the block's preview into `frame` of `dc`: the frame's inside (2
// pixels in from its edge) turns white, then the picture is stretched into
// its place, clipped to that inside. `palette` (0: none) is selected and
// realized for the drawing. A picture that cannot be loaded leaves the frame
// white.
void DrawPreview(HDC dc, const RECT& frame, const WatermarkBlock& block, HPALETTE palette);

}  // namespace velko::ui
