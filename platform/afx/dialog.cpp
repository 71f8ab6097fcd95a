// CDialog: the modal run and the dialog procedure that hands the dialog's
// messages to its object.
#include "platform/afx/dialog.h"

#include "platform/afx/app.h"

CDialog::~CDialog() = default;

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE dialog_template, CWnd* parent) {
  if (dialog_template == nullptr) return FALSE;
  m_lpDialogTemplate = dialog_template;
  m_pParentWnd = parent;
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  if (m_hWnd != 0 || IsAwaitingWindow(this)) return -1;
  const HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : 0;
  const LPARAM self = reinterpret_cast<LPARAM>(static_cast<CWnd*>(this));
  AwaitWindow(this);
  const INT_PTR result =
      m_lpDialogTemplate != nullptr
          ? ::DialogBoxIndirectParam(AfxGetResourceHandle(), m_lpDialogTemplate, parent, &DialogProcedure, self)
          : ::DialogBoxParam(AfxGetResourceHandle(), MAKEINTRESOURCE(static_cast<WORD>(m_nIDTemplate)), parent,
                             &DialogProcedure, self);
  StopAwaiting(this);
  DeleteTempMap();
  return result;
}

// The dialog's first message names its object: WM_NCCREATE and WM_CREATE
// carry DoModal's value in lpCreateParams, WM_INITDIALOG in lParam.
INT_PTR CDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* dialog = dynamic_cast<CDialog*>(FromHandlePermanent(window));
  if (dialog == nullptr) {
    void* named = nullptr;
    if (message == WM_NCCREATE || message == WM_CREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
      named = create != nullptr ? create->lpCreateParams : nullptr;
    } else if (message == WM_INITDIALOG) {
      named = reinterpret_cast<void*>(lParam);
    }
    auto* candidate = static_cast<CWnd*>(named);
    if (candidate == nullptr || !IsAwaitingWindow(candidate)) return FALSE;
    dialog = dynamic_cast<CDialog*>(candidate);
    if (dialog == nullptr || !dialog->HookDialog(window)) return FALSE;
  }
  return dialog->HandleDialogMessage(window, message, wParam, lParam);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_INITDIALOG) {
    *result = OnInitDialog();
    return TRUE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOK();
      return TRUE;
    case IDCANCEL:
      OnCancel();
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
