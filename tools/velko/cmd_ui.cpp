// velko ui: the driver's property sheet in a browser on this machine. The
// sheet runs on this thread exactly as under `velko sheet`; the browser is
// its input source, served from 127.0.0.1 with a token per run.
#include <fmt/core.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <pthread.h>
#include <string>
#include <thread>

#include "tools/velko/commands.h"
#include "tools/velko/files.h"
#include "tools/velko/ui_server.h"
#include "tools/velko/ui_session.h"

namespace velko::cli {
namespace {

struct UiOptions {
  std::string settings;
  std::string defaults;
  std::string save;
  int port = 0;
};

// Ctrl-C and SIGTERM end the run as if the sheet were abandoned: the queue
// closes, open dialogs are cancelled, and nothing is written. The signals
// are taken by one thread with sigwait, so no handler runs inside the
// platform's code.
class SignalWatch {
 public:
  explicit SignalWatch(ui::JobQueue& queue) {
    sigemptyset(&set_);
    sigaddset(&set_, SIGINT);
    sigaddset(&set_, SIGTERM);
    sigaddset(&set_, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &set_, nullptr);
    thread_ = std::thread([this, &queue] {
      int signal = 0;
      sigwait(&set_, &signal);
      if (signal != SIGUSR1) {
        fmt::print(stderr, "ui: interrupted; nothing written\n");
        queue.Close();
      }
    });
  }
  ~SignalWatch() {
    pthread_kill(thread_.native_handle(), SIGUSR1);
    thread_.join();
    pthread_sigmask(SIG_UNBLOCK, &set_, nullptr);
  }
  SignalWatch(const SignalWatch&) = delete;
  SignalWatch& operator=(const SignalWatch&) = delete;

 private:
  sigset_t set_{};
  std::thread thread_;
};

double Milliseconds(ui::Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void PrintRoundTrips(std::vector<ui::Clock::duration> times) {
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  const auto at = [&](double q) { return Milliseconds(times[static_cast<std::size_t>(q * (times.size() - 1))]); };
  fmt::print(stderr, "ui: {} action requests; round trip at the server: median {:.2f} ms, 90% {:.2f} ms, max {:.2f} ms\n",
             times.size(), at(0.5), at(0.9), Milliseconds(times.back()));
}

void RunUi(const UiOptions& options) {
  std::optional<SettingsRecord> current, defaults;
  if (!options.settings.empty()) current = ReadSettingsFile(options.settings);
  if (!options.defaults.empty()) defaults = ReadSettingsFile(options.defaults);
  std::unique_ptr<host::Driver> driver;
  try {
    driver = host::Driver::Load();
  } catch (const host::DriverError& e) {
    throw WorkError(fmt::format("ui: {}", e.what()));
  }
  if (current) driver->Current() = *current;
  if (defaults) driver->Defaults() = *defaults;

  ui::JobQueue queue;
  const SignalWatch signals(queue);
  ui::UiSession session(*driver, queue, options.save);
  const std::string token = ui::NewToken();
  ui::UiServer server(queue, session, token);
  const int port = server.Start(options.port);
  fmt::print("ui: open http://127.0.0.1:{}/?token={}\n", port, token);
  std::fflush(stdout);

  host::SheetOutcome outcome = host::SheetOutcome::NotOpened;
  try {
    outcome = session.Run();
  } catch (const host::SheetError& e) {
    queue.Close();
    throw WorkError(fmt::format("ui: {}", e.what()));
  }
  server.Stop();
  PrintRoundTrips(session.round_trips());
  if (outcome == host::SheetOutcome::Ok) {
    if (session.saved()) {
      fmt::print("ui: OK; the record was written to {}\n", options.save);
    } else if (options.save.empty()) {
      fmt::print("ui: OK; no --save file, nothing written\n");
    } else {
      throw WorkError(fmt::format("ui: OK, but the record could not be written to {}", options.save));
    }
  } else if (outcome == host::SheetOutcome::Cancelled) {
    fmt::print("ui: cancelled; nothing written\n");
  }
}

void AddUiCommand(CLI::App& app) {
  auto options = std::make_shared<UiOptions>();
  CLI::App* cmd = app.add_subcommand(
      "ui", "Run the printer-properties sheet in a browser on this machine (127.0.0.1 only, a token per run)");
  cmd->add_option("--settings", options->settings, "current record: a raw 3,376-byte file (default: the driver's defaults)")
      ->check(CLI::ExistingFile);
  cmd->add_option("--defaults", options->defaults, "default record: a raw 3,376-byte file (default: the driver's defaults)")
      ->check(CLI::ExistingFile);
  cmd->add_option("--save", options->save, "OK writes the current record here; Cancel writes nothing");
  cmd->add_option("--port", options->port, "port on 127.0.0.1 (default 0: a free one)")->check(CLI::Range(0, 65535));
  cmd->footer(
      "Prints the address to open, with the run's token. The run ends when the sheet's OK or Cancel is pressed "
      "in the browser, or on Ctrl-C (nothing written).");
  cmd->callback([options] { RunUi(*options); });
}

}  // namespace

VELKO_COMMAND(45, AddUiCommand);

}  // namespace velko::cli
