// CFileDialog: the open-file dialog with the class library's filter
// spelling ("Bitmap files (*.bmp)|*.bmp|...||"), answered by the current
// input source (`browse PATH` or `cancel`).
//
//   CFileDialog dialog(TRUE, "bmp", nullptr, OFN_READONLY | OFN_FILEMUSTEXIST, filter);
//   if (dialog.DoModal() == IDOK) path = dialog.GetPathName();
#pragma once

#include <array>

#include "platform/afx/byte_string.h"
#include "platform/afx/window.h"
#include "platform/user/common_dialogs.h"

class CFileDialog {
 public:
  // Only the open-file dialog is offered: for a save dialog (`open` FALSE)
  // DoModal answers IDCANCEL without asking.
  explicit CFileDialog(BOOL open, LPCSTR default_extension = nullptr, LPCSTR file_name = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
                       CWnd* parent = nullptr);
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;
  virtual ~CFileDialog() = default;

  // IDOK with the chosen path, else IDCANCEL (also for a path longer than
  // MAX_PATH - 1 bytes).
  virtual INT_PTR DoModal();

  // The chosen path, its last part, that part's extension (without the
  // point) and that part without its extension.
  CString GetPathName() const { return CString(file_.data()); }
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0 ? TRUE : FALSE; }

  // The request as the platform takes it; its texts point into this object.
  OPENFILENAME m_ofn;

 private:
  BOOL open_;
  CString filter_;  // '|' turned into NULs
  CString default_extension_;
  CWnd* parent_;
  std::array<char, MAX_PATH> file_{};
  std::array<char, MAX_PATH> title_{};
};
