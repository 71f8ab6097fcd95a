// The live preview of the color adjustment page: bitmaps pushed pixel by
// pixel through the current ColorTable and stretched into their frames (the
// sample picture and the color-balance swatch), and the plain gradient strips
// under the sliders.
//
// The page owns one ColorPreview (as a member or a base) bound to its own
// window, and calls it as the driver's page calls its members:
//   OnCreate      after the default processing: CreateHalftonePalette()
//   first paint   ComputeLayout()
//   every paint   BuildColorTable(&block); PaintSample(); PaintSwatch(); PaintGradientStrips();
//   a change      BuildColorTable(&block); PaintSample(); PaintSwatch();
// Every paint loads fresh bitmaps and releases every DC and GDI object it
// made; a picture that cannot be loaded leaves its frame as it was.
#pragma once

#include <array>
#include <string_view>

#include "platform/afx.h"
#include "platform/win32.h"

namespace velko::color {

// Control ids of the color adjustment page that the preview paints into or
// measures.
enum : int {
  kSampleCombo = 2004,
  kSampleFrame = 2071,      // the sample picture
  kSampleBorder = 2420,
  kSampleLabel = 2151,
  kBaseColorLabel = 2418,
  kSwatchFrame = 2118,      // the color-balance swatch
  kSwatchBorder = 2421,
  kColorBalanceGroup = 2159,
  kBrightScrollBar = 2039,
};

// Bitmap resource of the swatch: 73 x 4, 24 bits per pixel.
inline constexpr UINT kSwatchBitmap = 2094;

// The sample pictures by `Sample` index, in the order of the sample combo
// box; bare names, opened relative to the current directory.
inline constexpr std::array<std::string_view, 4> kSampleFiles = {
    "Velko01.BMP",  // children
    "Velko02.BMP",  // landscape
    "Velko03.BMP",  // yacht
    "Velko04.BMP",  // fruit
};

// One gradient strip: the bitmap resource and the frame it fills.
struct GradientStrip {
  UINT bitmap;
  int control;
};
inline constexpr std::array<GradientStrip, 6> kGradientStrips = {{
    {2178, 2095},  // brightness: black to white
    {2180, 2096},  // saturation: pale to vivid
    {2067, 2098},  // contrast: gray pairs of growing contrast
    {2182, 2090},  // cyan to red
    {2184, 2091},  // magenta to green
    {2186, 2093},  // yellow to blue
}};

// Rewrites every pixel of `bitmap` (in: its description as GetObject gives
// it) through LookupColorTable. `memoryDc` (in) holds the bitmap selected.
// 24-bit bitmaps with bits in memory are rewritten row by row in place;
// every other depth goes pixel by pixel through GetPixel / SetPixel on the
// DC. A 24-bit bitmap without bits is left alone.
void TransformBitmap(const BITMAP& bitmap, HDC memoryDc);

// Loads a sample picture file as a DIB section; 0 when it is missing or not
// a readable bitmap file.
HBITMAP LoadSampleBitmap(int sample);

class ColorPreview {
 public:
  // `page` is the color adjustment page; only its window is read, at the
  // time of each call, so the object may be made before the window exists.
  explicit ColorPreview(CWnd& page) : page_(page) {}
  ColorPreview(const ColorPreview&) = delete;
  ColorPreview& operator=(const ColorPreview&) = delete;

  // On a palette display, makes the halftone palette that every preview
  // paint selects and realizes; elsewhere clears its flag.
  void CreateHalftonePalette();
  bool HasHalftonePalette() const { return hasPalette_; }

  // Places and sizes the strips, the swatch frame and the sample frame from
  // the controls' current rectangles, and keeps the sizes the paints use
  // (module-wide, see preview_layout.h). Call on the page's first paint.
  void ComputeLayout();

  // Transforms `bitmap` (owned: deleted here, 0 paints nothing) through the
  // current ColorTable and stretches it in halftone mode into control `id`
  // at (0, 0), `width` x `height` (0: the bitmap's own width / height).
  void PaintTransformedBitmap(int id, HBITMAP bitmap, int width, int height);

  // The sample selected in combo 2004 (not the stored `Sample`) into 2071.
  void PaintSample();
  // Bitmap 2094 into 2118.
  void PaintSwatch();
  // The six strips, untransformed, each over its control's whole window.
  void PaintGradientStrips();

 private:
  CWnd& page_;
  CPalette palette_;
  bool hasPalette_ = false;
};

}  // namespace velko::color
