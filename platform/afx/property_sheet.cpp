// CPropertySheet and CPropertyPage over the platform's property sheet: the
// sheet object subclasses the sheet window from the sheet's start callback,
// each page object takes its page's dialog procedure.
#include "platform/afx/property_sheet.h"

#include <algorithm>

#include "platform/afx/app.h"

namespace {

// The sheet whose window the platform is making: its start callback names
// no object, and sheets start one at a time.
CPropertySheet*& StartingSheet() {
  static CPropertySheet* sheet = nullptr;
  return sheet;
}

}  // namespace

CPropertyPage::CPropertyPage(UINT template_id, UINT caption_id) : CDialog(template_id) {
  if (caption_id != 0) caption_.LoadString(caption_id);
  m_psp.pszTemplate = MAKEINTRESOURCE(static_cast<WORD>(template_id));
}

// A page's first message names its object through the sheet's copy of its
// PROPSHEETPAGE: lpCreateParams of WM_NCCREATE and WM_CREATE, lParam of
// WM_INITDIALOG.
INT_PTR CPropertyPage::PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* page = dynamic_cast<CPropertyPage*>(FromHandlePermanent(window));
  if (page == nullptr) {
    const PROPSHEETPAGE* record = nullptr;
    if (message == WM_NCCREATE || message == WM_CREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
      record = create != nullptr ? static_cast<const PROPSHEETPAGE*>(create->lpCreateParams) : nullptr;
    } else if (message == WM_INITDIALOG) {
      record = reinterpret_cast<const PROPSHEETPAGE*>(lParam);
    }
    if (record == nullptr || record->pfnDlgProc != &PageProcedure) return FALSE;
    auto* candidate = reinterpret_cast<CWnd*>(record->lParam);
    if (candidate == nullptr || !IsAwaitingWindow(candidate)) return FALSE;
    page = dynamic_cast<CPropertyPage*>(candidate);
    if (page == nullptr || !page->HookDialog(window)) return FALSE;
    page->first_set_active_ = true;
  }
  return page->HandleDialogMessage(window, message, wParam, lParam);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (CWnd::OnNotify(wParam, lParam, result)) return TRUE;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->hwndFrom != ::GetParent(m_hWnd)) return FALSE;
  switch (header->code) {
    case PSN_SETACTIVE:
      *result = OnSetActive() ? 0 : -1;
      return TRUE;
    case PSN_KILLACTIVE:
      *result = OnKillActive() ? FALSE : TRUE;
      return TRUE;
    case PSN_APPLY:
      *result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      return TRUE;
    case PSN_RESET:
      OnReset();
      return TRUE;
    case PSN_QUERYCANCEL:
      *result = OnQueryCancel() ? FALSE : TRUE;
      return TRUE;
    default:
      return FALSE;
  }
}

// OnInitDialog loaded the controls for the first showing; later showings
// load them again, as another page may have changed what they show.
BOOL CPropertyPage::OnSetActive() {
  if (first_set_active_) {
    first_set_active_ = false;
  } else {
    UpdateData(FALSE);
  }
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::SetModified(BOOL changed) {
  ::SendMessage(::GetParent(m_hWnd), changed ? PSM_CHANGED : PSM_UNCHANGED, m_hWnd, 0);
}

CPropertySheet::CPropertySheet(UINT caption_id, CWnd* parent, UINT select_page) : m_pParentWnd(parent) {
  caption_.LoadString(caption_id);
  m_psh.nStartPage = select_page;
}

CPropertySheet::CPropertySheet(LPCSTR caption, CWnd* parent, UINT select_page)
    : m_pParentWnd(parent), caption_(caption) {
  m_psh.nStartPage = select_page;
}

CPropertySheet::~CPropertySheet() {
  if (StartingSheet() == this) StartingSheet() = nullptr;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (page != nullptr && GetPageIndex(page) < 0) pages_.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  return it != pages_.end() ? static_cast<int>(it - pages_.begin()) : -1;
}

int CPropertySheet::GetActiveIndex() const {
  if (m_hWnd != 0) return velko::platform::PropertySheetActivePage(m_hWnd);
  return static_cast<int>(m_psh.nStartPage);
}

BOOL CPropertySheet::SetActivePage(int index) {
  if (GetPage(index) == nullptr) return FALSE;
  if (m_hWnd != 0) return SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index)) != 0 ? TRUE : FALSE;
  m_psh.nStartPage = static_cast<UINT>(index);
  return TRUE;
}

BOOL CPropertySheet::PressButton(int button) {
  if (m_hWnd == 0) return FALSE;
  SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(button));
  return TRUE;
}

INT_PTR CPropertySheet::DoModal() {
  if (m_hWnd != 0 || StartingSheet() == this || pages_.empty()) return -1;
  std::vector<PROPSHEETPAGE> records;
  for (CPropertyPage* page : pages_) {
    PROPSHEETPAGE& record = page->m_psp;
    if (record.hInstance == 0) record.hInstance = AfxGetResourceHandle();
    record.pfnDlgProc = &CPropertyPage::PageProcedure;
    record.lParam = reinterpret_cast<LPARAM>(static_cast<CWnd*>(page));
    if (!page->caption_.IsEmpty()) {
      record.dwFlags |= PSP_USETITLE;
      record.pszTitle = page->caption_;
    }
    records.push_back(record);
    AwaitWindow(page);
  }
  PROPSHEETHEADER header = m_psh;
  header.dwSize = sizeof header;
  header.dwFlags = (m_psh.dwFlags | PSH_PROPSHEETPAGE | PSH_USECALLBACK) & ~PSH_MODELESS;
  header.hwndParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : 0;
  if (header.hInstance == 0) header.hInstance = AfxGetResourceHandle();
  header.pszCaption = caption_;
  header.nPages = static_cast<UINT>(records.size());
  header.nStartPage = std::min<UINT>(m_psh.nStartPage, header.nPages - 1);
  header.ppsp = records.data();
  header.pfnCallback = &SheetCallback;

  CPropertySheet* const outer = StartingSheet();
  StartingSheet() = this;
  INT_PTR result = ::PropertySheet(&header);
  StartingSheet() = outer;
  for (CPropertyPage* page : pages_) StopAwaiting(page);
  DeleteTempMap();
  // The platform's sheet answers 0 for Cancel; the library's, IDCANCEL.
  return result == 0 ? IDCANCEL : result;
}

int CPropertySheet::SheetCallback(HWND window, UINT message, LPARAM lParam) {
  CPropertySheet* sheet = StartingSheet();
  if (message != PSCB_INITIALIZED || sheet == nullptr) return 0;
  StartingSheet() = nullptr;
  sheet->HookBySubclassing(window);
  if (sheet->m_psh.pfnCallback != nullptr && (sheet->m_psh.dwFlags & PSH_USECALLBACK) != 0) {
    return sheet->m_psh.pfnCallback(window, message, lParam);
  }
  return 0;
}

BOOL CPropertySheet::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_INITDIALOG) {
    *result = OnInitDialog();
    return TRUE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

BOOL CPropertySheet::OnInitDialog() { return static_cast<BOOL>(Default()); }
