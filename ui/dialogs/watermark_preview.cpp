// The watermark preview's tables and drawing; see watermark_preview.h.
#include "ui/dialogs/watermark_preview.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ui/core/ui_app.h"

namespace velko::ui {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kFrameInset = 2;     // the sunken black edge of the frame stays
constexpr int kDensityStep = 24;   // density 0 gives 192, 8 gives 0
constexpr double kUserPictureScale = 0.5;

enum : int32_t { kBlack, kRed, kGreen, kBlue, kCyan, kMagenta, kYellow };

// Which components a color holds at full strength (the others take v).
struct Saturation {
  bool red, green, blue;
};
constexpr std::array<Saturation, kWatermarkColors> kSaturation{{
    {false, false, false},  // black
    {true, false, false},   // red
    {false, true, false},   // green
    {false, false, true},   // blue
    {false, true, true},    // cyan
    {true, false, true},    // magenta
    {true, true, false},    // yellow
}};

BYTE Component(bool saturated, int v) { return static_cast<BYTE>(saturated ? 255 : v); }

// A picture and the memory DC it is selected into, released in reverse.
class SelectedPicture {
 public:
  SelectedPicture(HDC compatible, HBITMAP picture) : picture_(picture) {
    if (picture_ == 0) return;
    dc_ = CreateCompatibleDC(compatible);
    if (dc_ != 0) previous_ = SelectObject(dc_, picture_);
  }
  SelectedPicture(const SelectedPicture&) = delete;
  SelectedPicture& operator=(const SelectedPicture&) = delete;
  ~SelectedPicture() {
    if (dc_ != 0) {
      SelectObject(dc_, previous_);
      DeleteDC(dc_);
    }
    if (picture_ != 0) DeleteObject(picture_);
  }
  bool ok() const { return dc_ != 0 && previous_ != 0; }
  HDC dc() const { return dc_; }
  HBITMAP picture() const { return picture_; }

 private:
  HBITMAP picture_ = 0;
  HDC dc_ = 0;
  HGDIOBJ previous_ = 0;
};

// The record's file path as a C string even when it fills all 260 bytes.
std::string FileOf(const WatermarkBlock& block) {
  return std::string(block.WatermarkFile, strnlen(block.WatermarkFile, kPathBytes));
}

HBITMAP LoadPicture(const WatermarkBlock& block) {
  if (const UINT id = PreviewPictureId(block); id != 0) {
    return static_cast<HBITMAP>(LoadImage(ModuleInstance, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  const std::string path = FileOf(block);
  if (path.empty()) return 0;
  return static_cast<HBITMAP>(LoadImage(0, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

// Every pixel that is not pure white takes `color`. The generated pictures
// are 24-bit sections, recolored in their bits; any other format goes pixel
// by pixel through the DC.
void Recolor(const SelectedPicture& picture, COLORREF color) {
  DIBSECTION section{};
  const bool dib = GetObject(picture.picture(), sizeof section, &section) == static_cast<int>(sizeof section);
  const BITMAP& bm = section.dsBm;
  const int bytes = bm.bmBitsPixel / 8;
  if (dib && bm.bmBits != nullptr && (bm.bmBitsPixel == 24 || bm.bmBitsPixel == 32)) {
    const BYTE b = GetBValue(color), g = GetGValue(color), r = GetRValue(color);
    for (LONG y = 0; y < bm.bmHeight; ++y) {
      BYTE* p = static_cast<BYTE*>(bm.bmBits) + static_cast<std::size_t>(y) * bm.bmWidthBytes;
      for (LONG x = 0; x < bm.bmWidth; ++x, p += bytes) {
        if (p[0] == 255 && p[1] == 255 && p[2] == 255) continue;
        p[0] = b;
        p[1] = g;
        p[2] = r;
      }
    }
    return;
  }
  BITMAP plain{};
  if (GetObject(picture.picture(), sizeof plain, &plain) == 0) return;
  for (LONG y = 0; y < plain.bmHeight; ++y) {
    for (LONG x = 0; x < plain.bmWidth; ++x) {
      if ((GetPixel(picture.dc(), x, y) & 0xFFFFFF) != kWhite) SetPixelV(picture.dc(), x, y, color);
    }
  }
}

}  // namespace

int32_t ShownPosition(int32_t position) { return position >= 0 && position < kWatermarkPositions ? position : 0; }
int32_t ShownColor(int32_t color) { return color >= 0 && color < kWatermarkColors ? color : kBlack; }
int32_t ShownStep(int32_t value) { return std::clamp<int32_t>(value, 0, kWatermarkSteps - 1); }

COLORREF PreviewColor(int32_t color, int32_t density, bool palette) {
  const int v = (kWatermarkSteps - 1 - ShownStep(density)) * kDensityStep;
  const Saturation s = kSaturation[ShownColor(color)];
  const BYTE r = Component(s.red, v), g = Component(s.green, v), b = Component(s.blue, v);
  return palette ? PALETTERGB(r, g, b) : RGB(r, g, b);
}

UINT PreviewPictureId(const WatermarkBlock& block) {
  if (!IsBuiltInWatermark(block.WatermarkIndex)) return 0;
  const PreviewPictures& p = kPreviewPictures[block.WatermarkIndex];
  const bool large = ShownStep(block.WatermarkSize) >= kFirstLargeSize;
  const bool outline = block.WatermarkOutline != 0;
  if (large) return outline ? p.largeOutline : p.large;
  return outline ? p.smallOutline : p.small;
}

double PreviewScale(int32_t index, int32_t size) {
  const int32_t step = ShownStep(size);
  if (!IsBuiltInWatermark(index)) return kScaleS[step];
  return step >= kFirstLargeSize ? kScaleL[step - kFirstLargeSize] : kScaleS[step];
}

SIZE PreviewExtent(int32_t index, int32_t size, int width, int height) {
  const double f = PreviewScale(index, size);
  SIZE extent{static_cast<LONG>(width * f), static_cast<LONG>(height * f)};
  if (!IsBuiltInWatermark(index)) {
    extent.cx = static_cast<LONG>(extent.cx * kUserPictureScale);
    extent.cy = static_cast<LONG>(extent.cy * kUserPictureScale);
  }
  return extent;
}

POINT PreviewPlace(int32_t position, const RECT& frame, int width, int height) {
  const int centerX = (frame.left + frame.right) / 2 - width / 2;
  const int centerY = (frame.top + frame.bottom) / 2 - height / 2;
  const int right = frame.right - width;
  const int bottom = frame.bottom - height;
  switch (ShownPosition(position)) {
    case 1: return {frame.left, frame.top};
    case 2: return {centerX, frame.top};
    case 3: return {right, frame.top};
    case 4: return {frame.left, bottom};
    case 5: return {centerX, bottom};
    case 6: return {right, bottom};
    default: return {centerX, centerY};
  }
}

std::array<PALETTEENTRY, 256> PreviewPaletteEntries(const WatermarkBlock& block, HDC dc) {
  std::array<PALETTEENTRY, 256> entries{};
  if (IsBuiltInWatermark(block.WatermarkIndex)) {
    const Saturation s = kSaturation[ShownColor(block.WatermarkColor)];
    for (int i = 0; i < 256; ++i) {
      entries[i] = {Component(s.red, i), Component(s.green, i), Component(s.blue, i), PC_RESERVED};
    }
    return entries;
  }
  if (const HPALETTE halftone = CreateHalftonePalette(dc); halftone != 0) {
    GetPaletteEntries(halftone, 0, static_cast<UINT>(entries.size()), entries.data());
    DeleteObject(halftone);
  }
  for (PALETTEENTRY& e : entries) e.peFlags = PC_RESERVED;
  return entries;
}

void DrawPreview(HDC dc, const RECT& frame, const WatermarkBlock& block, HPALETTE palette) {
  const int savedMode = SetStretchBltMode(dc, HALFTONE);
  POINT savedOrigin{};
  SetBrushOrgEx(dc, frame.left, frame.top, &savedOrigin);
  IntersectClipRect(dc, frame.left + kFrameInset, frame.top + kFrameInset, frame.right - kFrameInset,
                    frame.bottom - kFrameInset);

  const SelectedPicture picture(dc, LoadPicture(block));
  SIZE extent{};
  POINT place{};
  if (picture.ok()) {
    if (IsBuiltInWatermark(block.WatermarkIndex)) {
      Recolor(picture, PreviewColor(block.WatermarkColor, block.WatermarkDensity, palette != 0));
    }
    BITMAP bm{};
    GetObject(picture.picture(), sizeof bm, &bm);
    extent = PreviewExtent(block.WatermarkIndex, block.WatermarkSize, bm.bmWidth, bm.bmHeight);
    place = PreviewPlace(block.WatermarkPosition, frame, extent.cx, extent.cy);
  }

  const HPALETTE savedPalette = palette != 0 ? SelectPalette(dc, palette, FALSE) : 0;
  if (palette != 0) RealizePalette(dc);

  if (const HBRUSH white = CreateSolidBrush(kWhite); white != 0) {
    FillRect(dc, &frame, white);
    DeleteObject(white);
  }
  if (picture.ok()) {
    BITMAP bm{};
    GetObject(picture.picture(), sizeof bm, &bm);
    StretchBlt(dc, place.x, place.y, extent.cx, extent.cy, picture.dc(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  }

  if (palette != 0) SelectPalette(dc, savedPalette, FALSE);
  SetBrushOrgEx(dc, savedOrigin.x, savedOrigin.y, nullptr);
  SetStretchBltMode(dc, savedMode);
}

}  // namespace velko::ui
