// `velko ui`: the sheet's side. It opens the host's property sheet over the
// driver's records, plays the browser's actions into it through the
// platform's input source until the sheet ends, and answers the server's
// reading jobs (the screen, pictures, the drive's folders) in between, all
// on the one thread that owns the platform.
#pragma once

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "host/driver.h"
#include "host/sheet/sheet_host.h"
#include "tools/velko/ui_bridge.h"
#include "tools/velko/ui_state.h"

namespace velko::cli::ui {

class UiSession {
 public:
  // `save`: where OK writes the record (empty: nowhere).
  UiSession(host::Driver& driver, JobQueue& queue, std::filesystem::path save);

  // Runs the sheet until OK or Cancel ends it or the queue closes, then
  // answers every job still waiting. OK writes the record to `save` before
  // the last action's reply goes out.
  host::SheetOutcome Run();

  // Reading jobs, for the server to queue.
  Reply State();
  Reply Image(HWND window, const std::string& version);
  Reply Files(const std::string& folder_utf8);

  const std::vector<Clock::duration>& round_trips() const { return input_.round_trips(); }
  bool saved() const { return saved_; }

 private:
  std::string Refuse(const platform::UserAction& action);
  Reply Answer(const std::string& error);
  nlohmann::json Screen();

  host::Driver& driver_;
  JobQueue& queue_;
  std::filesystem::path save_;
  host::DriverPageCalls calls_;
  host::SheetHost sheet_;
  BrowserInput input_;
  ImageCache images_;
  host::SheetOutcome outcome_ = host::SheetOutcome::NotOpened;
  bool saved_ = false;
  std::string save_error_;
};

}  // namespace velko::cli::ui
