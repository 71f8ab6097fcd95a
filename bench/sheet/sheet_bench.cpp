// The sheet's costs: opening it and filling all four pages, and user
// actions (each with the repaint it causes), through the host's pages that
// forward every message through thunk entry 1 to VelkoUI; each against its
// peer, the same sheet from the same templates whose pages forward nothing,
// so the difference is the forwarding road. The script run adds parsing,
// opening and closing to 1,000 actions; `per_action` is the time of one
// action, in seconds (u: microseconds).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/driver.h"
#include "host/script/parser.h"
#include "host/sheet/host_module.h"
#include "host/sheet/sheet_host.h"
#include "host/sheet/sheet_pages.h"
#include "host/sheet/sheet_run.h"
#include "platform/user/user.h"

namespace {

using namespace velko;
using platform::UserAction;

constexpr int kActions = 1000;

// One round of the user's work on every page, with controls every page has
// now: tab changes, check boxes, radio buttons, the copies edit, the slider.
const char* const kRound[] = {
    // main page
    "page main", "click 1016", "click 1018", "click 1017", "click 1020", "type 1014 \"2\"", "leave 1014",
    "clear 1014", "click 1016",
    // color page
    "page color", "click 1050", "click 1053", "click 1049", "trackbar 1044 1", "click 1052", "click 1049",
    "trackbar 1044 0",
    // options and version pages
    "page options", "click 1069", "click 1079", "click 1102", "click 1069", "click 1079", "click 1102",
    "page version",
};

std::string ThousandActions() {
  std::string text;
  for (int i = 0; i < kActions; ++i) text += std::string(kRound[i % std::size(kRound)]) + "\n";
  return text;
}

const script::Script& TheScript() {
  static const script::Script script = [] {
    script::ParseResult parsed = script::ParseScript(ThousandActions(), "bench.vsh");
    if (!parsed.errors.empty()) std::abort();
    return std::move(parsed.script);
  }();
  return script;
}

std::vector<UserAction> TheActions() {
  std::vector<UserAction> actions;
  for (const script::Statement& s : TheScript().statements) actions.push_back(std::get<UserAction>(s.what));
  return actions;
}

host::Driver& TheDriver() {
  static const std::unique_ptr<host::Driver> driver = host::Driver::Load();
  return *driver;
}

// The peer's pages: created from the same templates, forwarding nothing.
INT_PTR SilentPage(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

HWND OpenSilentSheet() {
  PROPSHEETPAGE pages[host::kSheetPages.size()];
  for (std::size_t i = 0; i < host::kSheetPages.size(); ++i) {
    pages[i].hInstance = host::HostModule();
    pages[i].pszTemplate = MAKEINTRESOURCE(static_cast<WORD>(host::kSheetPages[i].page_id));
    pages[i].pfnDlgProc = SilentPage;
  }
  PROPSHEETHEADER header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
  header.hInstance = host::HostModule();
  header.nPages = static_cast<UINT>(host::kSheetPages.size());
  header.ppsp = pages;
  const HWND sheet = static_cast<HWND>(PropertySheet(&header));
  platform::DispatchPendingPaints();
  return sheet;
}

void FillOtherPages(auto&& apply) {
  for (int page = 1; page < static_cast<int>(host::kSheetPages.size()); ++page) apply(UserAction::Page(page));
}

void BM_OpenSheetFillAllPages(benchmark::State& state) {
  host::DriverPageCalls calls(TheDriver());
  for (auto _ : state) {
    host::SheetHost sheet(calls, TheDriver().Current());
    sheet.Open();
    FillOtherPages([&](const UserAction& a) { sheet.Apply(a); });
    sheet.Close();
  }
}
BENCHMARK(BM_OpenSheetFillAllPages)->Unit(benchmark::kMicrosecond);

void BM_OpenSheetFillAllPages_SilentPeer(benchmark::State& state) {
  for (auto _ : state) {
    const HWND sheet = OpenSilentSheet();
    FillOtherPages([&](const UserAction& a) { platform::ApplyAction(sheet, a); });
    DestroyWindow(sheet);
  }
}
BENCHMARK(BM_OpenSheetFillAllPages_SilentPeer)->Unit(benchmark::kMicrosecond);

bool ApplyAll(const std::vector<UserAction>& actions, auto&& apply) {
  bool all = true;
  for (const UserAction& a : actions) all = apply(a) && all;
  return all;
}

void SetPerAction(benchmark::State& state) {
  state.counters["per_action"] =
      benchmark::Counter(kActions, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ThousandActions(benchmark::State& state) {
  const std::vector<UserAction> actions = TheActions();
  host::DriverPageCalls calls(TheDriver());
  host::SheetHost sheet(calls, TheDriver().Current());
  sheet.Open();
  for (auto _ : state) {
    if (!ApplyAll(actions, [&](const UserAction& a) { return sheet.Apply(a).ok(); })) {
      state.SkipWithError("an action could not be done");
      break;
    }
  }
  SetPerAction(state);
}
BENCHMARK(BM_ThousandActions)->Unit(benchmark::kMillisecond);

void BM_ThousandActions_SilentPeer(benchmark::State& state) {
  const std::vector<UserAction> actions = TheActions();
  const HWND sheet = OpenSilentSheet();
  for (auto _ : state) {
    if (!ApplyAll(actions, [&](const UserAction& a) { return platform::ApplyAction(sheet, a).ok(); })) {
      state.SkipWithError("an action could not be done");
      break;
    }
  }
  DestroyWindow(sheet);
  SetPerAction(state);
}
BENCHMARK(BM_ThousandActions_SilentPeer)->Unit(benchmark::kMillisecond);

// The whole `velko sheet` run of a 1,000-action script: open, actions,
// close (parsing apart, below).
void BM_ThousandActionScript(benchmark::State& state) {
  std::ostringstream out, err;
  for (auto _ : state) {
    const host::SheetRunReport report = host::RunSheetScript(TheDriver(), TheScript(), out, err);
    if (!report.ok()) {
      state.SkipWithError("the script failed");
      break;
    }
  }
  SetPerAction(state);
}
BENCHMARK(BM_ThousandActionScript)->Unit(benchmark::kMillisecond);

void BM_ParseThousandLines(benchmark::State& state) {
  const std::string text = ThousandActions();
  for (auto _ : state) benchmark::DoNotOptimize(script::ParseScript(text, "bench.vsh"));
  SetPerAction(state);
}
BENCHMARK(BM_ParseThousandLines)->Unit(benchmark::kMicrosecond);

}  // namespace

// Drive C: of the benchmark is a folder of its own, so the pages never
// touch the user's files.
int main(int argc, char** argv) {
  if (std::getenv("VELKO_DRIVE_C") == nullptr) {
    const auto drive = std::filesystem::temp_directory_path() / "velko_bench_sheet_drive_c";
    std::filesystem::create_directories(drive);
    setenv("VELKO_DRIVE_C", drive.c_str(), 1);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
