// Benchmarks of VelkoSB against its peers, in one run:
//   MH/<page>/ours|libtiff    xMHConvert line by line vs libtiff's CCITT RLE
//                             encoder over the same A4 600 dpi page
//   Color/<coder>/<page>      a color coder over the three planes of an A4
//                             page, called band-wise as the driver does
//   Color/memcpy              memcpy of the same planes
//   Mono/xmonoblk, Mono/memcpy  the mono tile coder vs memcpy of its band
// After the runs the program prints the ratios: ours against libtiff
// (speed-up), and each band coder as a fraction of memcpy's throughput,
// each from the best of the repetitions (--benchmark_repetitions=N).
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "bench/render/libtiff_mh.h"
#include "bench/render/pages.h"
#include "render/band_geometry.h"
#include "render/velko_sb.h"

namespace velko::bench {
namespace {

using ColorCoderFn = decltype(&xbicolquick);

// A smooth table that changes every color a little, as a real one does.
std::vector<uint8_t> MakeTable() {
  std::vector<uint8_t> table(17 * 17 * 17 * 3);
  for (int i = 0; i < 17; ++i) {
    for (int j = 0; j < 17; ++j) {
      for (int k = 0; k < 17; ++k) {
        const int at = 3 * (289 * i + 17 * j + k);
        table[at] = uint8_t(std::min(255, i * 15 + j));
        table[at + 1] = uint8_t(std::min(255, j * 15 + k));
        table[at + 2] = uint8_t(std::min(255, k * 15 + i));
      }
    }
  }
  return table;
}

void RunMhOurs(benchmark::State& state, const BilevelPage& page) {
  std::vector<uint8_t> dst(2 * page.rowBytes + 8);
  uint64_t coded = 0;
  for (auto _ : state) {
    coded = 0;
    for (uint32_t y = 0; y < page.height; ++y) {
      const uint32_t n = xMHConvert(page.Row(y), dst.data(), int32_t(page.width));
      coded += n ? n : page.rowBytes;  // lines that do not compress are sent raw
      benchmark::DoNotOptimize(dst.data());
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(page.bits.size()));
  state.counters["lines/s"] = benchmark::Counter(double(page.height), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["coded%"] = 100.0 * double(coded) / double(page.bits.size());
}

void RunMhLibtiff(benchmark::State& state, const BilevelPage& page) {
  std::vector<uint8_t> file;
  file.reserve(page.bits.size() * 2);
  for (auto _ : state) {
    benchmark::DoNotOptimize(EncodeWithLibtiff(page, file));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(page.bits.size()));
  state.counters["lines/s"] = benchmark::Counter(double(page.height), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["coded%"] = 100.0 * double(file.size()) / double(page.bits.size());
}

// The page's planes are copied back before each pass (untimed): the coder
// whitens what it reads.
void RunColorCoder(benchmark::State& state, const ColorPage& page, ColorCoderFn coder, int32_t convert) {
  static const std::vector<uint8_t> table = MakeTable();
  std::vector<uint8_t> work[3];
  for (int c = 0; c < 3; ++c) work[c].resize(page.PlaneBytes());
  std::vector<uint8_t> out(65536 * 2), flags(65536);
  const uint32_t bandBytes = page.stride * page.height;
  for (auto _ : state) {
    state.PauseTiming();
    for (int c = 0; c < 3; ++c) std::memcpy(work[c].data(), page.planes[c].data(), page.PlaneBytes());
    state.ResumeTiming();
    int32_t nextRow = 0;
    uint8_t ink = 0x0F;
    while (uint32_t(nextRow) < page.height) {
      coder(0, flags.data(), &ink, work[0].data(), work[1].data(), work[2].data(), convert, out.data(), bandBytes,
            page.stride, int32_t(page.width), &nextRow, table.data());
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(3 * page.PlaneBytes()));
}

void RunColorMemcpy(benchmark::State& state, const ColorPage& page) {
  std::vector<uint8_t> work[3];
  for (int c = 0; c < 3; ++c) work[c].resize(page.PlaneBytes());
  for (auto _ : state) {
    for (int c = 0; c < 3; ++c) std::memcpy(work[c].data(), page.planes[c].data(), page.PlaneBytes());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(3 * page.PlaneBytes()));
}

void RunMono(benchmark::State& state, const MonoPage& page) {
  std::vector<uint8_t> work(page.bits.size());
  std::vector<uint8_t> out(65536), flags(8192);
  const uint32_t bandBytes = page.stride * page.height;
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(work.data(), page.bits.data(), work.size());
    state.ResumeTiming();
    int32_t nextRow = 0;
    while (xmonoblk(0, flags.data(), work.data(), out.data(), bandBytes, page.stride, int32_t(page.width), &nextRow) >
           0) {
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(page.bits.size()));
}

void RunMonoMemcpy(benchmark::State& state, const MonoPage& page) {
  std::vector<uint8_t> work(page.bits.size());
  for (auto _ : state) {
    std::memcpy(work.data(), page.bits.data(), work.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(page.bits.size()));
}

// Keeps the best time per iteration of every benchmark (over repetitions,
// when --benchmark_repetitions asks for them: the machine may be shared) so
// that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.run_name.str();
      const double seconds = run.GetAdjustedRealTime() / 1e9;
      const auto known = seconds_.find(name);
      if (known == seconds_.end() || seconds < known->second) seconds_[name] = seconds;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // PEER's time over SUBJECT's time: above 1 the subject is faster.
  void PrintRatio(const std::string& subject, const std::string& peer, const char* what, double goal) const {
    const auto s = seconds_.find(subject), p = seconds_.find(peer);
    if (s == seconds_.end() || p == seconds_.end()) return;
    const double ratio = p->second / s->second;
    std::printf("%-28s %-22s %6.2fx  (goal %.1fx%s)\n", subject.c_str(), what, ratio, goal,
                ratio >= goal ? "" : ", MISSED");
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace
}  // namespace velko::bench

int main(int argc, char** argv) {
  using namespace velko::bench;
  benchmark::Initialize(&argc, argv);

  std::vector<std::unique_ptr<BilevelPage>> bilevel;
  for (auto kind : {BilevelKind::kWhite, BilevelKind::kText, BilevelKind::kHalftone, BilevelKind::kNoise}) {
    bilevel.push_back(std::make_unique<BilevelPage>(MakeBilevelPage(kind)));
    const BilevelPage& page = *bilevel.back();
    std::printf("bi-level page %-9s %5.1f %% black\n", page.name.c_str(), 100 * page.BlackFraction());
    benchmark::RegisterBenchmark(("MH/" + page.name + "/ours").c_str(), RunMhOurs, std::cref(page))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("MH/" + page.name + "/libtiff").c_str(), RunMhLibtiff, std::cref(page))
        ->Unit(benchmark::kMillisecond);
  }

  std::vector<std::unique_ptr<ColorPage>> color;
  for (auto kind : {ColorKind::kWhite, ColorKind::kText, ColorKind::kPhoto}) {
    color.push_back(std::make_unique<ColorPage>(MakeColorPage(kind)));
  }
  benchmark::RegisterBenchmark("Color/memcpy", RunColorMemcpy, std::cref(*color[0]))->Unit(benchmark::kMillisecond);
  const struct {
    const char* name;
    ColorCoderFn fn;
  } coders[] = {{"quick", &xbicolquick}, {"fine", &xbicolfine}, {"fine2", &xbicolfine2}};
  for (const auto& coder : coders) {
    for (const auto& page : color) {
      benchmark::RegisterBenchmark(("Color/" + std::string(coder.name) + "/" + page->name).c_str(), RunColorCoder,
                                   std::cref(*page), coder.fn, 1)
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark(("Color/" + std::string(coder.name) + "/photo-noconvert").c_str(), RunColorCoder,
                                 std::cref(*color[2]), coder.fn, 0)
        ->Unit(benchmark::kMillisecond);
  }

  const MonoPage mono = MakeMonoTextPage();
  benchmark::RegisterBenchmark("Mono/memcpy", RunMonoMemcpy, std::cref(mono))->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("Mono/xmonoblk", RunMono, std::cref(mono))->Unit(benchmark::kMicrosecond);

  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\nRatios (same run):\n");
  for (const auto& page : bilevel) {
    reporter.PrintRatio("MH/" + page->name + "/ours", "MH/" + page->name + "/libtiff", "vs libtiff", 2.0);
  }
  for (const auto& coder : coders) {
    for (const auto& page : color) {
      const double goal = page->name == "white" ? 0.5 : page->name == "photo" ? 0.1 : 0.0;
      reporter.PrintRatio("Color/" + std::string(coder.name) + "/" + page->name, "Color/memcpy", "of memcpy", goal);
    }
    reporter.PrintRatio("Color/" + std::string(coder.name) + "/photo-noconvert", "Color/memcpy", "of memcpy", 0.1);
  }
  reporter.PrintRatio("Mono/xmonoblk", "Mono/memcpy", "of memcpy", 0.5);
  benchmark::Shutdown();
  return 0;
}
