// Data exchange between a dialog's controls and its members. A dialog's
// DoDataExchange lists one DDX_ call per bound control; UpdateData runs it
// in one direction: saving (controls to members) or loading (members to
// controls).
//
//   void CListEditDlg::DoDataExchange(CDataExchange* dx) {
//     DDX_Control(dx, 2414, m_list);
//     DDX_Text(dx, 2413, m_name);
//     DDX_LBString(dx, 2414, m_selected);
//   }
//
// The first exchange that fails (a missing control, a text that is not a
// number) puts the focus on its control and ends the run: UpdateData then
// answers FALSE and the members after it are left as they were.
#pragma once

#include "platform/afx/byte_string.h"
#include "platform/win32_types.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL save_and_validate) : m_bSaveAndValidate(save_and_validate), m_pDlgWnd(dialog) {}

  const BOOL m_bSaveAndValidate;  // TRUE: controls to members
  CWnd* const m_pDlgWnd;

  // The control an exchange works on; 0 (and the run failed) when the dialog
  // has no such control.
  HWND PrepareCtrl(int id);
  // Ends the run: the focus goes to the control prepared last.
  void Fail();
  bool Failed() const { return failed_; }

 private:
  HWND last_control_ = 0;
  bool failed_ = false;
};

// Binds a wrapper member to the control (its handle only; see CWnd).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

// An edit's (or any window's) text. Loading writes the text only when it
// differs, so an unchanged edit sends no change notifications.
void DDX_Text(CDataExchange* dx, int id, CString& value);
// A decimal number: blanks around an optional sign and digits; anything
// else, or a value outside int, fails the exchange.
void DDX_Text(CDataExchange* dx, int id, int& value);

// A list box's selected item: saving gives its text (empty without a
// selection); loading selects the first item that begins with the value,
// without regard to case (LB_SELECTSTRING), and leaves the selection alone
// when none does or the value is empty.
void DDX_LBString(CDataExchange* dx, int id, CString& value);
// The same by index (-1: no selection).
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
