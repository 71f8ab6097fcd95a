// CPropertySheet and CPropertyPage: a modal property sheet over the
// platform's, with one object per page. Each page is a dialog from its own
// template, created (WM_CREATE, then OnInitDialog) the first time it is
// shown; the sheet's notifications reach its virtual handlers:
//   PSN_SETACTIVE   OnSetActive   (FALSE refuses the page)
//   PSN_KILLACTIVE  OnKillActive  (UpdateData(TRUE); FALSE keeps the page)
//   PSN_APPLY       OnApply       (OnOK) - on OK, for every page shown
//   PSN_RESET       OnReset       (OnCancel) - on Cancel, likewise
//   PSN_QUERYCANCEL OnQueryCancel (FALSE keeps the sheet open)
// The sheet object takes the sheet's own messages (its buttons' commands,
// its start as OnInitDialog) before the platform's sheet does.
//
//   CColPS sheet(5004, &start, nullptr, page);   // derived from CPropertySheet
//   sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
//   if (sheet.DoModal() == IDOK) ...
#pragma once

#include <vector>

#include "platform/afx/dialog.h"
#include "platform/user/propsheet.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
 public:
  // `caption_id` names the tab's text in the string table (0: the
  // template's caption).
  explicit CPropertyPage(UINT template_id, UINT caption_id = 0);

  // A page runs inside its sheet only.
  INT_PTR DoModal() override { return -1; }

  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  virtual BOOL OnApply();
  virtual void OnReset();
  virtual BOOL OnQueryCancel();
  // Tells the sheet that the page has changes to apply.
  void SetModified(BOOL changed = TRUE);

  PROPSHEETPAGE m_psp;

 protected:
  // The page's share of the sheet's OK and Cancel: nothing by default (the
  // page's data were saved when it was left).
  void OnOK() override {}
  void OnCancel() override {}
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  friend class CPropertySheet;
  static INT_PTR PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  CString caption_;
  bool first_set_active_ = true;
};

class CPropertySheet : public CWnd {
 public:
  // The caption from the string table, or as a text; `select_page` is the
  // page shown first.
  explicit CPropertySheet(UINT caption_id, CWnd* parent = nullptr, UINT select_page = 0);
  explicit CPropertySheet(LPCSTR caption, CWnd* parent = nullptr, UINT select_page = 0);
  ~CPropertySheet() override;

  // Pages are shown in the order they were added; the sheet does not own them.
  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* GetPage(int index) const;
  int GetPageIndex(const CPropertyPage* page) const;
  // While the sheet runs: the page shown; before: the page it will start with.
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
  // Shows the page (the current one gets PSN_KILLACTIVE first); before the
  // sheet runs, chooses the start page.
  BOOL SetActivePage(int index);
  BOOL SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }
  void SetTitle(LPCSTR caption) { caption_ = caption; }

  // IDOK or IDCANCEL (or what EndDialog was given); -1 when the sheet could
  // not be made.
  virtual INT_PTR DoModal();
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }
  // Presses PSBTN_OK, PSBTN_CANCEL, ...
  BOOL PressButton(int button);

  // The sheet's start, after the platform set it up and before it is shown.
  virtual BOOL OnInitDialog();

  // Flags (PSH_NOAPPLYNOW ...) the caller adds; DoModal fills in the rest.
  PROPSHEETHEADER m_psh;
  CWnd* m_pParentWnd = nullptr;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  static int SheetCallback(HWND window, UINT message, LPARAM lParam);

  CString caption_;
  std::vector<CPropertyPage*> pages_;
};
