// What a repaint and a settings save cost: the halftone stretch of a preview
// sample against the nearest-pixel stretch and a plain copy of the same
// size; a profile write through a temporary file against a plain rewrite of
// the same bytes, and the 130 key reads of loading the user color entries.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/kernel/profile.h"

namespace {

// A 24-bit DIB section of a sample image's size, with a gradient in it.
struct Sample {
  Sample(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* raw = nullptr;
    bitmap = CreateDIBSection(0, &info, DIB_RGB_COLORS, &raw, 0, 0);
    auto* bits = static_cast<uint8_t*>(raw);
    const int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width * 3; ++x) bits[y * stride + x] = static_cast<uint8_t>(x * 7 + y * 3);
    }
    dc = CreateCompatibleDC(0);
    old = SelectObject(dc, bitmap);
  }
  ~Sample() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ old;
};

struct Frame {
  Frame(int width, int height) {
    HDC screen = GetDC(0);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(0, screen);
    dc = CreateCompatibleDC(0);
    old = SelectObject(dc, bitmap);
  }
  ~Frame() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ old;
};

constexpr int kSampleWidth = 256, kSampleHeight = 192;
constexpr int kFrameWidth = 180, kFrameHeight = 135;

void Stretch(benchmark::State& state, int mode) {
  Sample sample(kSampleWidth, kSampleHeight);
  Frame frame(kFrameWidth, kFrameHeight);
  SetStretchBltMode(frame.dc, mode);
  for (auto _ : state) {
    StretchBlt(frame.dc, 0, 0, kFrameWidth, kFrameHeight, sample.dc, 0, 0, kSampleWidth, kSampleHeight, SRCCOPY);
  }
}

void BM_StretchHalftone(benchmark::State& state) { Stretch(state, HALFTONE); }
void BM_StretchColorOnColor(benchmark::State& state) { Stretch(state, COLORONCOLOR); }
void BM_BitBltFrameSize(benchmark::State& state) {
  Sample sample(kSampleWidth, kSampleHeight);
  Frame frame(kFrameWidth, kFrameHeight);
  for (auto _ : state) BitBlt(frame.dc, 0, 0, kFrameWidth, kFrameHeight, sample.dc, 0, 0, SRCCOPY);
}
BENCHMARK(BM_StretchHalftone);
BENCHMARK(BM_StretchColorOnColor);
BENCHMARK(BM_BitBltFrameSize);

const char* const kKeys[] = {"UserEntName", "BaseColor", "Bright",  "Fullness", "Contrast", "CyanRed", "MagentaGreen",
                             "YellowBlue",  "Gannma",    "Black",   "Cyan",     "Magenta",  "Yellow"};

// The user color entry file as the color page first writes it.
std::filesystem::path UserEntryFile() {
  const auto path = std::filesystem::temp_directory_path() / ("velko_bench_" + std::to_string(::getpid()) + ".ini");
  std::ofstream out(path, std::ios::binary);
  for (int n = 0; n < 10; ++n) {
    out << "[UserEnt" << n << "]\r\nUserEntName=\r\n\r\nBaseColor=0\r\nBright=0\r\nFullness=0\r\nContrast=0\r\n"
        << "CyanRed=0\r\nMagentaGreen=0\r\nYellowBlue=0\r\n\r\nGannma=0\r\nBlack=0\r\nCyan=0\r\nMagenta=0\r\nYellow=0\r\n\r\n";
  }
  return path;
}

void BM_ProfileLoadUserEntries(benchmark::State& state) {
  const auto path = UserEntryFile();
  char buffer[18];
  for (auto _ : state) {
    for (int n = 0; n < 10; ++n) {
      const std::string section = "UserEnt" + std::to_string(n);
      for (const char* key : kKeys) {
        benchmark::DoNotOptimize(velko::platform::profile::GetString(path, section.c_str(), key, "DummyDef", buffer,
                                                                     sizeof buffer));
      }
    }
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ProfileLoadUserEntries);

void BM_ProfileWriteKey(benchmark::State& state) {
  const auto path = UserEntryFile();
  int i = 0;
  for (auto _ : state) {
    velko::platform::profile::WriteString(path, "UserEnt5", "Bright", (i++ & 1) ? "-3" : "4");
  }
  std::filesystem::remove(path);
}
void BM_PlainRewriteOfTheFile(benchmark::State& state) {
  const auto path = UserEntryFile();
  std::ifstream in(path, std::ios::binary);
  const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  for (auto _ : state) std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  std::filesystem::remove(path);
}
BENCHMARK(BM_ProfileWriteKey);
BENCHMARK(BM_PlainRewriteOfTheFile);

}  // namespace
