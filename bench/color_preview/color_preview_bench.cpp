// The color adjustment page's live preview, against Little CMS 2 in one run.
//
// A slider move on the page rebuilds the ColorTable and repaints the sample
// and the swatch through it. Cases:
//  - SliderMove: the whole of it, on the page's own template, at the sizes
//    its layout gives; the goal is under 5 ms;
//  - BuildColorTable, PaintSample, PaintSwatch: its parts (PaintSample is
//    the file load, the transform and the halftone stretch);
//  - LoadSample, TransformSample: the parts of PaintSample that are not the
//    stretch;
//  - Lcms*: the equivalent work with Little CMS: an 8-bit sRGB -> abstract
//    L*a*b* adjustment (brightness, contrast, saturation) -> sRGB transform
//    on a 17-point grid, created per move and applied to the same sample
//    picture and swatch. Items per second are pixels where a case maps
//    pixels.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "color/color_table.h"
#include "color/preview.h"
#include "color/preview_layout.h"
#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/ui_app.h"

// Last: it defines TRUE and FALSE as macros, which the platform's headers
// declare as constants.
#include "bench/common/lcms_peer.h"

namespace {

using namespace velko;
using namespace velko::color;

constexpr int kSample = 0;  // the children: skin tones and bright clothes

INT_PTR QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

constexpr platform::DialogTemplate kSheetFrame{.caption = "Sheet",
                                               .font_name = "MS Shell Dlg",
                                               .font_size = 8,
                                               .cx = 360,
                                               .cy = 280,
                                               .controls = {},
                                               .style = WS_POPUP | WS_VISIBLE};

// The page from its template inside a frame, the sample list filled and on
// kSample, the layout done as on the first paint; the sample picture in
// the current directory of a drive C: of its own.
struct Page {
  HWND frame = 0;
  HWND window = 0;
  CWnd object;
  ColorPreview preview{object};

  Page() {
    const std::filesystem::path drive = std::filesystem::temp_directory_path() / ("velko_bench_preview_" + std::to_string(getpid()));
    std::filesystem::create_directories(drive / "WINDOWS" / "SYSTEM");
    setenv("VELKO_DRIVE_C", drive.c_str(), 1);
    const std::string file(kSampleFiles[kSample]);
    std::filesystem::copy_file(std::filesystem::path(VELKO_SAMPLE_DIR) / file, drive / "WINDOWS" / "SYSTEM" / file,
                               std::filesystem::copy_options::overwrite_existing);
    if (!SetCurrentDirectoryA("C:\\WINDOWS\\SYSTEM")) throw std::runtime_error("no system directory");
    frame = CreateDialogIndirectParam(0, &kSheetFrame, 0, QuietProc, 0);
    window = CreateDialogParam(ui::ModuleInstance, MAKEINTRESOURCE(2405), frame, QuietProc, 0);
    if (window == 0) throw std::runtime_error("template 2405 missing");
    object.Attach(window);
    for (const char* name : {"0", "1", "2", "3"}) {
      SendDlgItemMessage(window, kSampleCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendDlgItemMessage(window, kSampleCombo, CB_SETCURSEL, kSample, 0);
    preview.CreateHalftonePalette();
    preview.ComputeLayout();
  }
};

Page& ThePage() {
  static Page page;
  return page;
}

// Every move changes a value, as the page rebuilds only then.
ColorAdjustBlock BlockForMove(int64_t move) {
  return ColorAdjustBlock{kSample, 3, static_cast<int32_t>(move % 2 ? 3 : 4), 2, 1, 0, 0, 0};
}

void SetPaintCounters(benchmark::State& state) {
  const PreviewLayout& l = CurrentPreviewLayout;
  state.counters["sample_w"] = static_cast<double>(l.samplePaint.cx);
  state.counters["sample_h"] = static_cast<double>(l.samplePaint.cy);
  state.counters["swatch_w"] = static_cast<double>(l.swatchPaint.cx);
  state.counters["swatch_h"] = static_cast<double>(l.swatchPaint.cy);
}

void BM_SliderMove(benchmark::State& state) {
  Page& page = ThePage();
  int64_t move = 0;
  for (auto _ : state) {
    const ColorAdjustBlock block = BlockForMove(move++);
    BuildColorTable(&block);
    page.preview.PaintSample();
    page.preview.PaintSwatch();
  }
  SetPaintCounters(state);
}
BENCHMARK(BM_SliderMove)->Unit(benchmark::kMillisecond);

void BM_BuildColorTable(benchmark::State& state) {
  int64_t move = 0;
  for (auto _ : state) {
    const ColorAdjustBlock block = BlockForMove(move++);
    BuildColorTable(&block);
    benchmark::DoNotOptimize(CurrentColorTable().data());
  }
}
BENCHMARK(BM_BuildColorTable)->Unit(benchmark::kMillisecond);

void BM_PaintSample(benchmark::State& state) {
  Page& page = ThePage();
  const ColorAdjustBlock block = BlockForMove(0);
  BuildColorTable(&block);
  for (auto _ : state) page.preview.PaintSample();
  SetPaintCounters(state);
}
BENCHMARK(BM_PaintSample)->Unit(benchmark::kMillisecond);

void BM_PaintSwatch(benchmark::State& state) {
  Page& page = ThePage();
  const ColorAdjustBlock block = BlockForMove(0);
  BuildColorTable(&block);
  for (auto _ : state) page.preview.PaintSwatch();
}
BENCHMARK(BM_PaintSwatch)->Unit(benchmark::kMillisecond);

void BM_LoadSample(benchmark::State& state) {
  ThePage();
  for (auto _ : state) {
    const HBITMAP bitmap = LoadSampleBitmap(kSample);
    if (bitmap == 0) state.SkipWithError("sample picture missing");
    DeleteObject(bitmap);
  }
}
BENCHMARK(BM_LoadSample)->Unit(benchmark::kMillisecond);

// The sample's pixels in memory order, as Little CMS gets them.
struct SamplePixels {
  HBITMAP bitmap = 0;
  BITMAP description{};
  std::vector<uint8_t> bgr;  // rows without padding

  SamplePixels() {
    ThePage();
    bitmap = LoadSampleBitmap(kSample);
    GetObject(bitmap, sizeof description, &description);
    if (description.bmBitsPixel != 24 || description.bmBits == nullptr) throw std::runtime_error("not 24-bit");
    const auto* bits = static_cast<const uint8_t*>(description.bmBits);
    for (LONG y = 0; y < description.bmHeight; ++y) {
      const uint8_t* row = bits + static_cast<std::size_t>(y) * description.bmWidthBytes;
      bgr.insert(bgr.end(), row, row + 3 * description.bmWidth);
    }
  }
  ~SamplePixels() { DeleteObject(bitmap); }
  std::size_t Pixels() const { return bgr.size() / 3; }
};

SamplePixels& TheSample() {
  static SamplePixels sample;
  return sample;
}

constexpr std::size_t kSwatchPixels = 73 * 4;

void BM_TransformSample(benchmark::State& state) {
  SamplePixels& sample = TheSample();
  const ColorAdjustBlock block = BlockForMove(0);
  BuildColorTable(&block);
  const HDC dc = CreateCompatibleDC(0);
  const HGDIOBJ previous = SelectObject(dc, sample.bitmap);
  // In place, again and again: the lookup's cost does not depend on the
  // colors it meets.
  for (auto _ : state) TransformBitmap(sample.description, dc);
  SelectObject(dc, previous);
  DeleteDC(dc);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * sample.Pixels()));
}
BENCHMARK(BM_TransformSample)->Unit(benchmark::kMicrosecond);

using velko::bench::LcmsProfiles;

// Creating the transform stands for the table build: the adjustment changes
// with every move, so does the transform.
void BM_LcmsSliderMove(benchmark::State& state) {
  SamplePixels& sample = TheSample();
  const LcmsProfiles profiles;
  std::vector<uint8_t> out(sample.bgr.size());
  std::vector<uint8_t> swatch(3 * kSwatchPixels, 128), swatchOut(swatch.size());
  for (auto _ : state) {
    cmsHTRANSFORM transform = profiles.CreateTransform(TYPE_BGR_8);
    cmsDoTransform(transform, sample.bgr.data(), out.data(), static_cast<cmsUInt32Number>(sample.Pixels()));
    cmsDoTransform(transform, swatch.data(), swatchOut.data(), static_cast<cmsUInt32Number>(kSwatchPixels));
    benchmark::DoNotOptimize(out.data());
    cmsDeleteTransform(transform);
  }
}
BENCHMARK(BM_LcmsSliderMove)->Unit(benchmark::kMillisecond);

void BM_LcmsCreateTransform(benchmark::State& state) {
  const LcmsProfiles profiles;
  for (auto _ : state) {
    cmsHTRANSFORM transform = profiles.CreateTransform(TYPE_BGR_8);
    benchmark::DoNotOptimize(transform);
    cmsDeleteTransform(transform);
  }
}
BENCHMARK(BM_LcmsCreateTransform)->Unit(benchmark::kMillisecond);

void BM_LcmsTransformSample(benchmark::State& state) {
  SamplePixels& sample = TheSample();
  const LcmsProfiles profiles;
  cmsHTRANSFORM transform = profiles.CreateTransform(TYPE_BGR_8);
  std::vector<uint8_t> out(sample.bgr.size());
  for (auto _ : state) {
    cmsDoTransform(transform, sample.bgr.data(), out.data(), static_cast<cmsUInt32Number>(sample.Pixels()));
    benchmark::DoNotOptimize(out.data());
  }
  cmsDeleteTransform(transform);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * sample.Pixels()));
}
BENCHMARK(BM_LcmsTransformSample)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
