// The property sheet host: page records, the pages' dialog procedure and
// the end of the sheet.
#include "host/sheet/sheet_host.h"

#include <algorithm>

#include "host/sample_pictures.h"
#include "host/sheet/host_module.h"
#include "host/sheet/page_forwarding.h"
#include "host/sheet/sheet_pages.h"
#include "platform/user/user.h"

namespace velko::host {
namespace {

// "Velko 属性" (Velko properties).
constexpr const char* kSheetCaption = "Velko \xCA\xF4\xD0\xD4";

// Large enough for every structure PointedStructure copies.
constexpr std::size_t kFarBlockBytes = 64;
static_assert(sizeof(NMHDR) <= kFarBlockBytes && sizeof(DRAWITEMSTRUCT) <= kFarBlockBytes);

std::string Hex(UINT value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 15];
  return text;
}

// Counts a page call as running for as long as it lives.
class Nested {
 public:
  explicit Nested(std::size_t& depth) : depth_(depth) { ++depth_; }
  ~Nested() { --depth_; }
  Nested(const Nested&) = delete;
  Nested& operator=(const Nested&) = delete;

 private:
  std::size_t& depth_;
};

}  // namespace

SheetHost::SheetHost(PageCalls& calls, SettingsRecord& current) : calls_(calls), current_(current) {
  for (std::size_t i = 0; i < bindings_.size(); ++i) bindings_[i] = Binding{this, kSheetPages[i].page_id};
}

SheetHost::~SheetHost() { Close(); }

void SheetHost::Open(int start_page) {
  if (sheet_ != 0) throw SheetError("the property sheet is already open");
  std::array<PROPSHEETPAGE, kSheetPages.size()> pages{};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    pages[i].hInstance = HostModule();
    pages[i].pszTemplate = MAKEINTRESOURCE(static_cast<WORD>(kSheetPages[i].page_id));
    pages[i].pfnDlgProc = &SheetHost::PageProcedure;
    pages[i].lParam = reinterpret_cast<LPARAM>(&bindings_[i]);
  }
  PROPSHEETHEADER header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
  header.hInstance = HostModule();
  header.pszCaption = kSheetCaption;
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = static_cast<UINT>(std::clamp(start_page, 0, static_cast<int>(pages.size()) - 1));
  header.ppsp = pages.data();

  PrepareSamplePictures();  // the color adjustment page's preview opens them by bare name
  opened_ = current_;
  reset_seen_ = false;
  outcome_ = SheetOutcome::Open;
  const INT_PTR sheet = PropertySheet(&header);
  if (sheet <= 0) {
    outcome_ = SheetOutcome::NotOpened;
    throw SheetError("the property sheet could not be built from the driver's page templates");
  }
  sheet_ = static_cast<HWND>(sheet);
  platform::DispatchPendingPaints();
}

platform::ActionResult SheetHost::Apply(const platform::UserAction& action) {
  if (sheet_ == 0) return platform::ActionResult{"the property sheet is closed"};
  platform::ActionResult result = platform::ApplyAction(sheet_, action);
  FinishIfEnded();
  return result;
}

void SheetHost::Close() {
  if (sheet_ == 0) return;
  const HWND sheet = sheet_;
  sheet_ = 0;
  DestroyWindow(sheet);
}

INT_PTR SheetHost::PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* record = reinterpret_cast<const PROPSHEETPAGE*>(lParam);
    SetWindowLongPtr(page, DWLP_USER, record != nullptr ? record->lParam : 0);
  }
  const auto* binding = reinterpret_cast<const Binding*>(GetWindowLongPtr(page, DWLP_USER));
  if (binding == nullptr) return FALSE;
  return binding->host->OnPageMessage(binding->page_id, page, message, wParam, lParam);
}

INT_PTR SheetHost::OnPageMessage(int32_t page_id, HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsForwarded(page_id, message)) return FALSE;
  if (message == WM_PAINT) {
    // The page's own paint (background, validation) first; the page
    // procedure then draws its banner into control 1024.
    PAINTSTRUCT paint{};
    BeginPaint(page, &paint);
    EndPaint(page, &paint);
  }
  if (message == WM_NOTIFY) NoteSheetEnd(lParam);
  const int16_t result = Forward(page_id, page, message, wParam, lParam);
  return message == WM_INITDIALOG ? (result != 0 ? TRUE : FALSE) : TRUE;
}

int16_t SheetHost::Forward(int32_t page_id, HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  const Nested nested(depth_);
  std::string failure;
  try {
    const std::span<const uint8_t> pointed = PointedStructure(message, lParam);
    const DWORD far = pointed.empty() ? 0 : CopyToFar(pointed);
    const int16_t result = calls_.PageCall(SixteenBitMessage(page_id, page, message, wParam, lParam, far));
    if (result != 0) return result;
    failure = "did not reach the page";
  } catch (const std::exception& e) {
    failure = std::string("failed: ") + e.what();
  }
  std::string text = "the page call of message " + Hex(message) + " to page " + std::to_string(page_id) + " " +
                     failure;
  platform::ReportInputFault(nullptr, text);
  call_failures_.push_back(std::move(text));
  return 0;
}

DWORD SheetHost::CopyToFar(std::span<const uint8_t> bytes) {
  // depth_ counts the call being prepared, so block depth_ - 1 is its own.
  while (far_blocks_.size() < depth_) far_blocks_.push_back(std::make_unique<FarBuffer>(kFarBlockBytes));
  FarBuffer& block = *far_blocks_[depth_ - 1];
  const std::span<uint8_t> target = block.bytes();
  std::fill(target.begin(), target.end(), 0);
  std::copy_n(bytes.begin(), std::min(bytes.size(), target.size()), target.begin());
  return block.far();
}

void SheetHost::NoteSheetEnd(LPARAM notify) {
  const auto* header = reinterpret_cast<const NMHDR*>(notify);
  if (header != nullptr && header->code == PSN_RESET) reset_seen_ = true;
}

void SheetHost::FinishIfEnded() {
  if (sheet_ == 0 || !IsWindow(sheet_)) {
    sheet_ = 0;
    return;
  }
  if (SendMessage(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0) != 0) return;
  outcome_ = reset_seen_ ? SheetOutcome::Cancelled : SheetOutcome::Ok;
  if (outcome_ == SheetOutcome::Cancelled) current_ = opened_;
  Close();
}

}  // namespace velko::host
