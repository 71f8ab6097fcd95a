// CDialog: a modal dialog from a template of the application's resource
// module (or a template in memory), run by DoModal through the platform's
// modal loop, which pulls the user's actions from the current input source
// and ends with IDCANCEL when the source runs dry.
//
//   class CPrintModeDlg : public CDialog {
//    public:
//     CPrintModeDlg() : CDialog(2409) { MapCommand(2005, &CPrintModeDlg::OnFast); }
//    protected:
//     BOOL OnInitDialog() override;  // fill the controls; TRUE
//     void OnOK() override;          // store, then CDialog::OnOK()
//   };
//   if (CPrintModeDlg().DoModal() == IDOK) ...
//
// OK (the button with id 1) runs OnOK: UpdateData(TRUE) and, when that
// succeeds, the end with IDOK. Cancel, Escape and the close box run
// OnCancel: the end with IDCANCEL, nothing exchanged.
#pragma once

#include "platform/afx/window.h"
#include "platform/user/dialog.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT template_id, CWnd* parent = nullptr) : m_nIDTemplate(template_id), m_pParentWnd(parent) {}
  CDialog() = default;
  ~CDialog() override;

  // A template in memory instead of a resource; it must outlive the run.
  BOOL InitModalIndirect(LPCDLGTEMPLATE dialog_template, CWnd* parent = nullptr);

  // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could not
  // be made (no such template) or is already running.
  virtual INT_PTR DoModal();
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  // Runs at WM_INITDIALOG: writes the members into the controls
  // (UpdateData(FALSE)). TRUE lets the dialog manager put the focus on the
  // first control.
  virtual BOOL OnInitDialog();

  UINT m_nIDTemplate = 0;
  LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
  CWnd* m_pParentWnd = nullptr;

 protected:
  virtual void OnOK();
  virtual void OnCancel();
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  static INT_PTR DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
