// The control wrappers' members that take more than one message.
#include "platform/afx/controls.h"

#include <string>

namespace {

// An item's text through its length and text messages; `error` when there
// is no such item.
int ItemText(const CWnd& control, UINT length_message, UINT text_message, int index, CString& text) {
  const LRESULT length = control.SendMessage(length_message, static_cast<WPARAM>(index));
  if (length < 0) {
    text.Empty();
    return static_cast<int>(length);
  }
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT got = control.SendMessage(text_message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  if (got < 0) {
    text.Empty();
    return static_cast<int>(got);
  }
  buffer.resize(std::min(static_cast<std::size_t>(got), buffer.size() - 1));
  text = std::move(buffer);
  return text.GetLength();
}

}  // namespace

HICON CButton::SetIcon(HICON icon) {
  return static_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, static_cast<LPARAM>(icon)));
}

HICON CButton::GetIcon() const { return static_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON)); }

void CEdit::SetSel(int start, int end, BOOL no_scroll) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
  if (!no_scroll) SendMessage(EM_SCROLLCARET);
}

void CEdit::GetSel(int& start, int& end) const {
  DWORD first = 0;
  DWORD last = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  start = static_cast<int>(first);
  end = static_cast<int>(last);
}

int CComboBox::GetLBText(int index, CString& text) const {
  return ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, text);
}

int CListBox::GetText(int index, CString& text) const { return ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index, text); }

BOOL CScrollBar::GetScrollInfo(SCROLLINFO* info, UINT mask) const {
  info->cbSize = sizeof(SCROLLINFO);
  info->fMask = mask;
  return ::GetScrollInfo(m_hWnd, SB_CTL, info);
}
