// CFileDialog over GetOpenFileName.
#include "platform/afx/file_dialog.h"

#include <algorithm>
#include <cstring>

namespace {

// "A|*.a|B|*.b||" as the platform takes it: texts ended by NULs, the list
// by an empty text.
CString FilterList(LPCSTR filter) {
  CString list(filter);
  list.Replace('|', '\0');
  return list;
}

}  // namespace

CFileDialog::CFileDialog(BOOL open, LPCSTR default_extension, LPCSTR file_name, DWORD flags, LPCSTR filter,
                         CWnd* parent)
    : open_(open), filter_(FilterList(filter)), default_extension_(default_extension), parent_(parent) {
  if (file_name != nullptr) {
    const std::size_t n = std::min(std::strlen(file_name), file_.size() - 1);
    std::memcpy(file_.data(), file_name, n);
  }
  m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal() {
  if (!open_) return IDCANCEL;
  m_ofn.lStructSize = sizeof m_ofn;
  m_ofn.hwndOwner = parent_ != nullptr ? parent_->m_hWnd : 0;
  m_ofn.lpstrFilter = filter_.IsEmpty() ? nullptr : filter_.GetString();
  m_ofn.lpstrFile = file_.data();
  m_ofn.nMaxFile = static_cast<DWORD>(file_.size());
  m_ofn.lpstrFileTitle = title_.data();
  m_ofn.nMaxFileTitle = static_cast<DWORD>(title_.size());
  m_ofn.lpstrDefExt = default_extension_.IsEmpty() ? nullptr : default_extension_.GetString();
  // A path that did not fit leaves the size it needs in the buffer: keep
  // the name the dialog started with instead.
  const std::array<char, MAX_PATH> before = file_;
  if (::GetOpenFileName(&m_ofn)) return IDOK;
  file_ = before;
  return IDCANCEL;
}

// The name is what follows the last separator (or a drive's colon); a name
// without a point has no extension.
CString CFileDialog::GetFileName() const {
  const CString path = GetPathName();
  const int separator = std::max({path.ReverseFind('\\'), path.ReverseFind('/'), path.ReverseFind(':')});
  return path.Mid(separator + 1);
}

CString CFileDialog::GetFileExt() const {
  const CString name = GetFileName();
  const int point = name.ReverseFind('.');
  return point < 0 ? CString() : name.Mid(point + 1);
}

CString CFileDialog::GetFileTitle() const {
  const CString name = GetFileName();
  const int point = name.ReverseFind('.');
  return point < 0 ? name : name.Left(point);
}
