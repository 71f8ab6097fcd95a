// The watermark dialog's preview redraw for one trackbar move, against a
// plain memcpy of the same preview area's pixels in the same run.
//
// Cases (each inside a running dialog from template 2403, on the platform's
// true-color display unless named otherwise):
//  - DensityMove: WM_HSCROLL from the density trackbar to a new position:
//    the handler reloads the built-in picture, recolors it and stretches it
//    into the frame; small picture at size 4;
//  - SizeMove: the size trackbar between 7 and 8: the large picture scaled
//    by 2.0 and 1.22474;
//  - DensityMovePalette: DensityMove on a palette display (colors mapped
//    through the realized ramp);
//  - UserPictureSizeMove: a 24-bit 256 x 256 user picture read from its file
//    at every move, as the dialog does;
//  - MemcpyPreviewArea: the frame's pixels (its width x height 32-bit
//    pixels) copied once: the floor any redraw of that area pays.
// The goal is under 2 ms per move.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/page_variables.h"
#include "ui/dialogs/watermark_dialog.h"

namespace {

using namespace velko;
using Action = platform::UserAction;

enum : int { kFrame = 2029, kDensityBar = 2026, kSizeBar = 2027 };

// Runs `body` once inside a modal watermark dialog over `block`, then ends
// the dialog with Cancel.
class RunInside : public platform::InputSource {
 public:
  RunInside(ui::CWatermarkDlg& dialog, std::function<void(ui::CWatermarkDlg&)> body)
      : dialog_(dialog), body_(std::move(body)) {}
  std::optional<Action> Next() override {
    if (!done_) {
      done_ = true;
      body_(dialog_);
    }
    return Action::Cancel();
  }
  void Fault(const Action*, std::string_view) override {}

 private:
  ui::CWatermarkDlg& dialog_;
  std::function<void(ui::CWatermarkDlg&)> body_;
  bool done_ = false;
};

void InDialog(const WatermarkBlock& block, const WatermarkEntry* user, std::function<void(ui::CWatermarkDlg&)> body) {
  SettingsRecord current{}, defaults{};
  current.Watermark = block;
  if (user != nullptr) current.WatermarkList[0] = *user;
  ui::CurrentSettings = &current;
  ui::DefaultSettings = &defaults;
  ui::CWatermarkDlg dialog;
  RunInside input(dialog, std::move(body));
  platform::ScopedInputSource use(input);
  dialog.DoModal();
  ui::CurrentSettings = nullptr;
  ui::DefaultSettings = nullptr;
}

WatermarkBlock Block(int32_t index, int32_t size) {
  WatermarkBlock b{};
  b.WatermarkOn = 1;
  b.WatermarkIndex = index;
  std::strcpy(b.WatermarkName, index == 0 ? "CONFIDENTIAL" : "Mark");
  b.WatermarkColor = 1;
  b.WatermarkDensity = 8;
  b.WatermarkSize = size;
  return b;
}

// A trackbar move as the control reports it: its new position, then the
// notification to the dialog.
void Move(HWND dialog, int bar, int position) {
  const HWND control = GetDlgItem(dialog, bar);
  SendMessage(control, TBM_SETPOS, TRUE, position);
  SendMessage(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), static_cast<LPARAM>(control));
}

void MoveBack(benchmark::State& state, int bar, int a, int b, const WatermarkBlock& block,
              const WatermarkEntry* user = nullptr) {
  InDialog(block, user, [&](ui::CWatermarkDlg& dialog) {
    int i = 0;
    for (auto _ : state) Move(dialog.m_hWnd, bar, (i++ & 1) ? a : b);
  });
}

void DensityMove(benchmark::State& state) { MoveBack(state, kDensityBar, 8, 3, Block(0, 4)); }

void SizeMove(benchmark::State& state) { MoveBack(state, kSizeBar, 8, 7, Block(0, 8)); }

void DensityMovePalette(benchmark::State& state) {
  platform::SetDisplayPaletteMode(true);
  MoveBack(state, kDensityBar, 8, 3, Block(0, 4));
  platform::SetDisplayPaletteMode(false);
}

// A 256 x 256 24-bit picture on a drive C: of the benchmark's own.
std::string WriteUserPicture() {
  const std::filesystem::path drive =
      std::filesystem::temp_directory_path() / ("velko_bench_watermark_" + std::to_string(getpid()));
  std::filesystem::create_directories(drive);
  setenv("VELKO_DRIVE_C", drive.c_str(), 1);
  constexpr int kSide = 256;
  std::vector<uint8_t> file(54 + kSide * kSide * 3);
  auto put32 = [&](std::size_t at, uint32_t v) { std::memcpy(file.data() + at, &v, 4); };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, kSide);
  put32(22, kSide);
  file[26] = 1;
  file[28] = 24;
  for (std::size_t i = 54; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 7);
  std::ofstream(drive / "mark.bmp", std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                             static_cast<std::streamsize>(file.size()));
  return "C:\\mark.bmp";
}

void UserPictureSizeMove(benchmark::State& state) {
  WatermarkEntry user{};
  std::strcpy(user.Name, "Mark");
  const std::string path = WriteUserPicture();
  std::strcpy(user.File, path.c_str());
  MoveBack(state, kSizeBar, 4, 5, Block(8, 4), &user);
}

void MemcpyPreviewArea(benchmark::State& state) {
  InDialog(Block(0, 4), nullptr, [&](ui::CWatermarkDlg& dialog) {
    RECT frame{};
    GetWindowRect(GetDlgItem(dialog.m_hWnd, kFrame), &frame);
    const std::size_t pixels = static_cast<std::size_t>(frame.right - frame.left) * (frame.bottom - frame.top);
    std::vector<COLORREF> from(pixels, 0xFFFFFF), to(pixels);
    for (auto _ : state) {
      std::memcpy(to.data(), from.data(), pixels * sizeof(COLORREF));
      benchmark::DoNotOptimize(to.data());
      benchmark::ClobberMemory();
    }
    state.counters["pixels"] = static_cast<double>(pixels);
  });
}

BENCHMARK(DensityMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(SizeMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(DensityMovePalette)->Unit(benchmark::kMicrosecond);
BENCHMARK(UserPictureSizeMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemcpyPreviewArea)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
