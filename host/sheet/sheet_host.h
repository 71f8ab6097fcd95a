// The driver's printer-properties sheet: the four pages created from the
// driver's templates, each page's dialog procedure forwarding its messages
// through thunk entry 1 in their 16-bit form (page_forwarding.h), with the
// current and default records that the pages edit in place.
//
// The sheet is modeless, so whoever drives it (a script, a benchmark) hands
// it one top-level action at a time; modal dialogs that a page opens run
// inside the page call and pull their actions from the current input
// source. OK keeps the pages' edits; Cancel puts the record back as it was
// when the sheet opened, since the driver owns the record and a cancelled
// sheet must leave its settings as they were.
//
// Use:
//   DriverPageCalls calls(*driver);
//   SheetHost sheet(calls, driver->Current());
//   sheet.Open();
//   sheet.Apply(UserAction::Page(1));
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/driver.h"
#include "host/far_memory.h"
#include "platform/user/input.h"
#include "platform/user/user_types.h"
#include "ui/core/page_message.h"
#include "ui/core/settings_record.h"

namespace velko::host {

// The sheet could not be built (its page templates are missing).
class SheetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the pages' messages go: thunk entry 1 of a loaded driver, or a
// test's recorder in front of it.
class PageCalls {
 public:
  virtual ~PageCalls() = default;
  // The 16-bit BOOL of the call; throws DriverError when it cannot be made.
  virtual int16_t PageCall(const PageMessage& message) = 0;
};

class DriverPageCalls final : public PageCalls {
 public:
  explicit DriverPageCalls(Driver& driver) : driver_(driver) {}
  int16_t PageCall(const PageMessage& message) override { return driver_.PageCall(message); }

 private:
  Driver& driver_;
};

enum class SheetOutcome : uint8_t { NotOpened, Open, Ok, Cancelled };

class SheetHost {
 public:
  // `current` is the record the pages edit (for Cancel to restore).
  SheetHost(PageCalls& calls, SettingsRecord& current);
  ~SheetHost();
  SheetHost(const SheetHost&) = delete;
  SheetHost& operator=(const SheetHost&) = delete;

  // Builds the sheet with page `start_page` active (created with
  // WM_INITDIALOG, then PSN_SETACTIVE) and delivers its first paint.
  // Throws SheetError.
  void Open(int start_page = 0);

  // The sheet's window, 0 before Open and once it has ended.
  HWND sheet() const { return sheet_; }
  SheetOutcome outcome() const { return outcome_; }

  // One top-level user action on the sheet (or on the modal dialog that is
  // open over it). When it ends the sheet (OK, Cancel) the sheet goes.
  platform::ActionResult Apply(const platform::UserAction& action);

  // Destroys the sheet as it is, keeping the record as the pages left it.
  void Close();

  // Page calls that failed or did not reach a page, as reported.
  const std::vector<std::string>& call_failures() const { return call_failures_; }

 private:
  struct Binding {
    SheetHost* host;
    int32_t page_id;
  };

  static INT_PTR PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnPageMessage(int32_t page_id, HWND page, UINT message, WPARAM wParam, LPARAM lParam);
  int16_t Forward(int32_t page_id, HWND page, UINT message, WPARAM wParam, LPARAM lParam);
  DWORD CopyToFar(std::span<const uint8_t> bytes);
  void NoteSheetEnd(LPARAM notify);
  void FinishIfEnded();

  PageCalls& calls_;
  SettingsRecord& current_;
  SettingsRecord opened_{};  // the record when the sheet opened
  std::array<Binding, 4> bindings_;
  HWND sheet_ = 0;
  SheetOutcome outcome_ = SheetOutcome::NotOpened;
  bool reset_seen_ = false;
  // 16:16 copies of the structures lParam points to, one per depth of
  // nested page calls, so an inner call never overwrites an outer one's;
  // they go with the sheet.
  std::vector<std::unique_ptr<FarBuffer>> far_blocks_;
  std::size_t depth_ = 0;
  std::vector<std::string> call_failures_;
};

}  // namespace velko::host
