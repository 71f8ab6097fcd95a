// Wrappers of the standard controls: each member is one control message,
// with the class library's names and results (CB_ERR / LB_ERR = -1 where
// the message answers it). They keep no state besides the handle, so a
// wrapper from GetDlgItem<CComboBox>(id) and a bound member act alike.
#pragma once

#include "platform/afx/byte_string.h"
#include "platform/afx/window.h"
#include "platform/gdi/gdi_types.h"

class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
  // The icon a BS_ICON button shows; returns the previous one.
  HICON SetIcon(HICON icon);
  HICON GetIcon() const;
};

class CEdit : public CWnd {
 public:
  // The most bytes the user may type (0: the largest limit).
  void LimitText(int bytes = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(bytes)); }
  void SetLimitText(UINT bytes) { SendMessage(EM_LIMITTEXT, bytes); }
  UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
  void SetSel(int start, int end, BOOL no_scroll = FALSE);
  void GetSel(int& start, int& end) const;
  void ReplaceSel(LPCSTR text, BOOL can_undo = FALSE) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(can_undo), reinterpret_cast<LPARAM>(text));
  }
};

class CComboBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  // An index outside the list clears the selection (and answers CB_ERR).
  int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  int AddString(LPCSTR text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  int InsertString(int index, LPCSTR text) {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
  }
  int DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  // The item's text; CB_ERR (and an empty text) for no such item.
  int GetLBText(int index, CString& text) const;
  int GetLBTextLen(int index) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
  }
  // Searches start after `start` (-1: from the top) and wrap around.
  int FindString(int start, LPCSTR prefix) const {
    return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(prefix)));
  }
  int FindStringExact(int start, LPCSTR text) const {
    return static_cast<int>(
        SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
  }
  int SelectString(int start, LPCSTR prefix) {
    return static_cast<int>(
        SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(prefix)));
  }
  DWORD_PTR GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
  }
  int SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
  }
};

class CListBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
  int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
  // With LBS_SORT the item goes to its sorted place; the result is its index.
  int AddString(LPCSTR text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  int InsertString(int index, LPCSTR text) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
  }
  // The number of items left, or LB_ERR.
  int DeleteString(UINT index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
  void ResetContent() { SendMessage(LB_RESETCONTENT); }
  // The item's text; LB_ERR (and an empty text) for no such item.
  int GetText(int index, CString& text) const;
  int GetTextLen(int index) const { return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index))); }
  int FindString(int start, LPCSTR prefix) const {
    return static_cast<int>(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(prefix)));
  }
  // The whole text, without regard to case.
  int FindStringExact(int start, LPCSTR text) const {
    return static_cast<int>(
        SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
  }
  int SelectString(int start, LPCSTR prefix) {
    return static_cast<int>(
        SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(prefix)));
  }
  DWORD_PTR GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
  }
  int SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
  }
};

// A scroll bar control (SB_CTL). Changing it sends nothing: the position is
// its parent's to keep.
class CScrollBar : public CWnd {
 public:
  int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
  int SetScrollPos(int pos, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, pos, redraw); }
  void GetScrollRange(int* min, int* max) const { ::GetScrollRange(m_hWnd, SB_CTL, min, max); }
  void SetScrollRange(int min, int max, BOOL redraw = TRUE) { ::SetScrollRange(m_hWnd, SB_CTL, min, max, redraw); }
  BOOL GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const;
  BOOL SetScrollInfo(SCROLLINFO* info, BOOL redraw = TRUE) {
    ::SetScrollInfo(m_hWnd, SB_CTL, info, redraw);
    return ::IsWindow(m_hWnd);
  }
};
