// Color table engine against its peer, Little CMS 2, in one run:
//  - building: BuildColorTable from an adjustment block against creating an
//    optimised 8-bit RGB-to-RGB transform sRGB -> brightness/contrast/
//    saturation abstract profile in L*a*b* -> sRGB on a 17-point grid;
//  - applying: the integer table lookup over a 10-megapixel RGB image
//    (TableLookup, and the per-pixel LookupColorTable) against
//    cmsDoTransform with that transform. Items per second are pixels.
#include <benchmark/benchmark.h>
#include <lcms2.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "bench/common/lcms_peer.h"
#include "color/color_table.h"

namespace {

using namespace velko;

constexpr std::size_t kImagePixels = 10'000'000;

// A photo-like picture: smooth gradients in all three channels with a
// little grain, so neighbouring pixels differ as they do in scans.
const std::vector<uint8_t>& TestImage() {
  static const std::vector<uint8_t> image = [] {
    std::vector<uint8_t> px(3 * kImagePixels);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grain(-6, 6);
    constexpr std::size_t kWidth = 4000;
    for (std::size_t p = 0; p < kImagePixels; ++p) {
      const std::size_t x = p % kWidth, y = p / kWidth;
      const int base[3] = {static_cast<int>(x * 255 / kWidth), static_cast<int>(y * 255 / 2500),
                           static_cast<int>((x + y) * 255 / (kWidth + 2500))};
      for (int c = 0; c < 3; ++c) px[3 * p + c] = static_cast<uint8_t>(std::clamp(base[c] + grain(random), 0, 255));
    }
    return px;
  }();
  return image;
}

const ColorAdjustBlock kBlock{0, 1, 2, 3, 1, 0, 0, 0};  // normal table, some adjustment

void BM_VelkoBuildColorTable(benchmark::State& state) {
  for (auto _ : state) {
    color::BuildColorTable(&kBlock);
    benchmark::DoNotOptimize(color::CurrentColorTable().data());
  }
}
BENCHMARK(BM_VelkoBuildColorTable)->Unit(benchmark::kMillisecond);

using velko::bench::LcmsProfiles;

void BM_LcmsCreateTransform(benchmark::State& state) {
  const LcmsProfiles profiles;
  for (auto _ : state) {
    cmsHTRANSFORM transform = profiles.CreateTransform(TYPE_RGB_8);
    benchmark::DoNotOptimize(transform);
    cmsDeleteTransform(transform);
  }
}
BENCHMARK(BM_LcmsCreateTransform)->Unit(benchmark::kMillisecond);

void BM_VelkoApplyTableLookup(benchmark::State& state) {
  color::BuildColorTable(&kBlock);
  const color::TableLookup lookup(color::CurrentColorTable());
  const std::vector<uint8_t>& in = TestImage();
  std::vector<uint8_t> out(in.size());
  for (auto _ : state) {
    lookup.MapRgb(in.data(), out.data(), kImagePixels);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kImagePixels));
}
BENCHMARK(BM_VelkoApplyTableLookup)->Unit(benchmark::kMillisecond);

void BM_VelkoApplyLookupColorTable(benchmark::State& state) {
  color::BuildColorTable(&kBlock);
  const std::vector<uint8_t>& in = TestImage();
  std::vector<uint8_t> out(in.size());
  for (auto _ : state) {
    for (std::size_t p = 0; p < kImagePixels; ++p) {
      color::LookupColorTable(in[3 * p], in[3 * p + 1], in[3 * p + 2], &out[3 * p], &out[3 * p + 1],
                              &out[3 * p + 2]);
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kImagePixels));
}
BENCHMARK(BM_VelkoApplyLookupColorTable)->Unit(benchmark::kMillisecond);

void BM_LcmsDoTransform(benchmark::State& state) {
  const LcmsProfiles profiles;
  cmsHTRANSFORM transform = profiles.CreateTransform(TYPE_RGB_8);
  const std::vector<uint8_t>& in = TestImage();
  std::vector<uint8_t> out(in.size());
  for (auto _ : state) {
    cmsDoTransform(transform, in.data(), out.data(), static_cast<cmsUInt32Number>(kImagePixels));
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kImagePixels));
  cmsDeleteTransform(transform);
}
BENCHMARK(BM_LcmsDoTransform)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
