// The color adjustment page's preview: the halftone palette, the layout of
// the frames, and the painting of the sample, the swatch and the strips.
// Each paint opens and releases its own DCs and deletes the bitmaps it
// loaded.
#include "color/preview.h"

#include "color/preview_layout.h"
#include "ui/core/ui_app.h"

namespace velko::color {
namespace {

// The halftone stretch mixes neighbouring pixels; on a palette display the
// dither pattern must line up with the screen, hence the brush origin.
constexpr int kHalftoneStretch = HALFTONE;
static_assert(kHalftoneStretch == 4);

RECT RectInParent(HWND parent, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(0, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

POINT ScreenTopLeft(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return POINT{r.left, r.top};
}

void Place(HWND page, int id, const RECT& r) {
  if (const HWND control = GetDlgItem(page, id)) {
    MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
}

HBITMAP LoadResourceDib(UINT id) {
  return static_cast<HBITMAP>(LoadImage(ui::ModuleInstance, MAKEINTRESOURCE(static_cast<WORD>(id)), IMAGE_BITMAP,
                                        0, 0, LR_CREATEDIBSECTION));
}

// The palette selected into a control's DC for one paint, and put back.
class ScopedPalette {
 public:
  ScopedPalette(HDC dc, HPALETTE palette) : dc_(dc) {
    if (palette == 0) return;
    previous_ = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
  }
  ~ScopedPalette() {
    if (previous_ != 0) SelectPalette(dc_, previous_, FALSE);
  }
  ScopedPalette(const ScopedPalette&) = delete;
  ScopedPalette& operator=(const ScopedPalette&) = delete;

 private:
  HDC dc_;
  HPALETTE previous_ = 0;
};

// Stretches all of `bitmap`, selected into `memory`, to (0, 0) of
// `target`, `width` x `height`, in halftone mode.
void StretchHalftone(HDC target, HWND control, HDC memory, const BITMAP& bitmap, int width, int height) {
  SetStretchBltMode(target, kHalftoneStretch);
  const POINT origin = ScreenTopLeft(control);
  SetBrushOrgEx(target, origin.x, origin.y, nullptr);
  StretchBlt(target, 0, 0, width, height, memory, 0, 0, bitmap.bmWidth, bitmap.bmHeight, SRCCOPY);
}

}  // namespace

HBITMAP LoadSampleBitmap(int sample) {
  if (sample < 0 || sample >= static_cast<int>(kSampleFiles.size())) return 0;
  // Bare names: the current directory decides where they are found.
  char name[MAX_PATH] = {};
  kSampleFiles[static_cast<std::size_t>(sample)].copy(name, MAX_PATH - 1);
  return static_cast<HBITMAP>(LoadImage(0, name, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

void ColorPreview::CreateHalftonePalette() {
  CClientDC dc(&page_);
  hasPalette_ = (dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
  if (hasPalette_ && palette_.GetSafeHandle() == 0) hasPalette_ = palette_.CreateHalftonePalette(&dc) != FALSE;
}

void ColorPreview::ComputeLayout() {
  const HWND page = page_.GetSafeHwnd();
  const auto rectOf = [page](int id) { return RectInParent(page, GetDlgItem(page, id)); };
  const PreviewLayoutInputs in{
      .brightScrollBar = rectOf(kBrightScrollBar),
      .yellowBlueStrip = rectOf(kGradientStrips.back().control),
      .colorBalanceGroup = rectOf(kColorBalanceGroup),
      .sampleLabel = rectOf(kSampleLabel),
      .baseColorLabel = rectOf(kBaseColorLabel),
  };
  CurrentPreviewLayout = ComputePreviewLayout(in);
  const PreviewLayout& layout = CurrentPreviewLayout;
  for (const GradientStrip& strip : kGradientStrips) {
    if (const HWND control = GetDlgItem(page, strip.control)) {
      SetWindowPos(control, 0, 0, 0, layout.strip.cx, layout.strip.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
  }
  Place(page, kSwatchBorder, layout.swatchBorder);
  Place(page, kSwatchFrame, layout.swatchFrame);
  Place(page, kSampleBorder, layout.sampleBorder);
  Place(page, kSampleFrame, layout.sampleFrame);
}

void ColorPreview::PaintTransformedBitmap(int id, HBITMAP bitmap, int width, int height) {
  const HWND control = GetDlgItem(page_.GetSafeHwnd(), id);
  // Without its control there is nowhere to paint (a DC of no window would
  // be the screen's); the bitmap is still ours to delete.
  if (control == 0 || bitmap == 0) {
    if (bitmap != 0) DeleteObject(bitmap);
    return;
  }
  BITMAP description{};
  const HDC dc = GetDC(control);
  const HDC memory = dc != 0 ? CreateCompatibleDC(dc) : 0;
  if (memory != 0 && GetObject(bitmap, sizeof description, &description) != 0) {
    ScopedPalette palette(dc, hasPalette_ ? static_cast<HPALETTE>(palette_.GetSafeHandle()) : 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    TransformBitmap(description, memory);
    StretchHalftone(dc, control, memory, description, width != 0 ? width : description.bmWidth,
                    height != 0 ? height : description.bmHeight);
    SelectObject(memory, previous);
  }
  if (memory != 0) DeleteDC(memory);
  if (dc != 0) ReleaseDC(control, dc);
  DeleteObject(bitmap);
}

void ColorPreview::PaintSample() {
  const auto selected = static_cast<int>(page_.SendDlgItemMessage(kSampleCombo, CB_GETCURSEL, 0, 0));
  PaintTransformedBitmap(kSampleFrame, LoadSampleBitmap(selected), CurrentPreviewLayout.samplePaint.cx,
                         CurrentPreviewLayout.samplePaint.cy);
}

void ColorPreview::PaintSwatch() {
  PaintTransformedBitmap(kSwatchFrame, LoadResourceDib(kSwatchBitmap), CurrentPreviewLayout.swatchPaint.cx,
                         CurrentPreviewLayout.swatchPaint.cy);
}

void ColorPreview::PaintGradientStrips() {
  const HPALETTE palette = hasPalette_ ? static_cast<HPALETTE>(palette_.GetSafeHandle()) : 0;
  for (const GradientStrip& strip : kGradientStrips) {
    const HWND control = GetDlgItem(page_.GetSafeHwnd(), strip.control);
    const HBITMAP bitmap = control != 0 ? LoadResourceDib(strip.bitmap) : 0;
    if (bitmap == 0) continue;
    RECT window{};
    GetWindowRect(control, &window);
    BITMAP description{};
    const HDC dc = GetDC(control);
    const HDC memory = dc != 0 ? CreateCompatibleDC(dc) : 0;
    if (memory != 0 && GetObject(bitmap, sizeof description, &description) != 0) {
      ScopedPalette selected(dc, palette);
      const HGDIOBJ previous = SelectObject(memory, bitmap);
      StretchHalftone(dc, control, memory, description, window.right - window.left, window.bottom - window.top);
      SelectObject(memory, previous);
    }
    if (memory != 0) DeleteDC(memory);
    if (dc != 0) ReleaseDC(control, dc);
    DeleteObject(bitmap);
  }
}

}  // namespace velko::color
