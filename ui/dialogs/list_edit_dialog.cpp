// CListEditDlg: the list of user color entries or user watermarks with add,
// delete, modify and the bitmap file choice. Changes go straight into the
// entry table and "Velko.ini", or into the record's WatermarkList.
#include "ui/dialogs/list_edit_dialog.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "color/user_entries.h"
#include "ui/core/page_variables.h"

namespace velko::ui {
namespace {

enum : int {
  kListLabel = 2204,
  kNameLabel = 2206,
  kLimitLabel = 2211,
  kList = 2414,
  kNameEdit = 2413,
  kFileLabel = 2415,
  kFileEdit = 2416,
  kBrowse = 2417,
  kAdd = 2129,
  kDelete = 2412,
  kModify = 2132,
  kClose = 2130,
};

enum : UINT {
  kColorCaption = 5002,
  kWatermarkCaption = 5003,
  kPathTooLong = 5207,
  kNameExists = 5208,
  kFileTooShort = 5209,
  kWrongExtension = 5210,
};

constexpr int kNameLimit = 10;
constexpr int kFileLimit = 64;
constexpr int kListCapacity = 10;
constexpr UINT kWarning = MB_OK | MB_ICONWARNING;

constexpr const char* kBitmapFilter = "Bitmap files (*.bmp)|*.bmp|Run-length encode files (*.rle)|*.rle||";
constexpr DWORD kBrowseFlags = OFN_READONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS;

// (control id, help context id) pairs per mode, ended by 0, 0.
constexpr DWORD kColorEntryHelp[] = {
    kListLabel, 0x80162, kList,     0x80162, kNameLabel, 0x80163, kNameEdit, 0x80163,
    kLimitLabel, 0x80163, kAdd,     0x80164, kModify,    0x80165, kDelete,   0x80166,
    kClose,     0x80167, 0,         0,
};
constexpr DWORD kWatermarkHelp[] = {
    kListLabel, 0x80193, kList,      0x80193, kNameLabel, 0x80194, kNameEdit, 0x80194, kLimitLabel, 0x80194,
    kFileLabel, 0x80195, kFileEdit,  0x80195, kBrowse,    0x80195, kAdd,      0x80196, kDelete,     0x80197,
    kClose,     0x80167, 0,          0,
};
static_assert(platform::HelpTableEndsWithZeros(kColorEntryHelp) && std::size(kColorEntryHelp) == 2 * 10);
static_assert(platform::HelpTableEndsWithZeros(kWatermarkHelp) && std::size(kWatermarkHelp) == 2 * 12);

// Copies `text` into a fixed field with its NUL, cut to fit at a character
// boundary (a GB2312 lead byte is never left without its trail byte), the
// rest of the field zero.
void CopyText(std::span<char> field, const CString& text) {
  std::fill(field.begin(), field.end(), '\0');
  const int room = static_cast<int>(field.size()) - 1;
  int length = 0;
  while (length < text.GetLength()) {
    const int step = static_cast<unsigned char>(text[length]) >= 0x81 && length + 1 < text.GetLength() ? 2 : 1;
    if (length + step > room) break;
    length += step;
  }
  std::memcpy(field.data(), text.GetString(), static_cast<std::size_t>(length));
}

// A fixed field's text: up to its NUL, or the whole field without one.
CString FieldText(std::span<const char> field) {
  const auto end = std::find(field.begin(), field.end(), '\0');
  return CString(field.data(), static_cast<int>(end - field.begin()));
}

// The path's length without its trailing blanks and control characters.
int LengthWithoutTrailingBlanks(const CString& path) {
  int length = path.GetLength();
  while (length > 0 && static_cast<unsigned char>(path[length - 1]) <= 0x20) --length;
  return length;
}

// The last four bytes as entered, trailing blanks included.
bool HasBitmapExtension(const CString& path) {
  const CString ending = path.Right(4);
  return ending.CompareNoCase(".bmp") == 0 || ending.CompareNoCase(".rle") == 0;
}

void Warn(UINT string_id) { AfxMessageBox(string_id, kWarning); }

}  // namespace

CListEditDlg::CListEditDlg(CWnd* parent) : CDialog(IDD, parent) {
  MapCommand(kAdd, &CListEditDlg::OnAdd);
  MapCommand(kDelete, &CListEditDlg::OnDelete);
  MapCommand(kModify, &CListEditDlg::OnModify);
  MapCommand(kClose, &CListEditDlg::OnCloseClicked);
  MapCommand(kBrowse, &CListEditDlg::OnBrowse);
  MapControl(EN_CHANGE, kNameEdit, &CListEditDlg::OnFieldChanged);
  MapControl(EN_CHANGE, kFileEdit, &CListEditDlg::OnFieldChanged);
  MapControl(LBN_SELCHANGE, kList, &CListEditDlg::OnFieldChanged);
}

void CListEditDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, kList, m_list);
  DDX_Text(dx, kNameEdit, m_strName);
  DDX_LBString(dx, kList, m_strSelected);
  DDX_Text(dx, kFileEdit, m_strFile);
}

BOOL CListEditDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  std::memset(ChosenName, 0, sizeof ChosenName);
  FillList();
  UpdateListEditButtons();

  const bool watermarks = m_nMode == kUserWatermarks;
  CString caption;
  caption.LoadString(watermarks ? kWatermarkCaption : kColorCaption);
  SetWindowText(caption);
  for (const int id : {kFileLabel, kFileEdit, kBrowse}) GetDlgItem(id)->ShowWindow(watermarks ? SW_SHOW : SW_HIDE);
  if (watermarks) {
    GetDlgItem(kModify)->ShowWindow(SW_HIDE);
    GetDlgItem<CEdit>(kFileEdit)->LimitText(kFileLimit);
  }
  GetDlgItem<CEdit>(kNameEdit)->LimitText(kNameLimit);

  if (m_list.GetCount() >= kListCapacity) {
    EnableEditFields(FALSE);
    // Delete has nothing selected yet and so is disabled: the list takes
    // the focus instead, where choosing a name enables delete.
    CWnd* target = GetDlgItem(kDelete);
    if (!target->IsWindowEnabled()) target = &m_list;
    target->SetFocus();
  } else {
    GetDlgItem(kNameEdit)->SetFocus();
  }
  // The focus is set: TRUE would let the dialog manager move it to the
  // first control.
  return FALSE;
}

void CListEditDlg::FillList() {
  m_list.ResetContent();
  if (m_nMode == kUserWatermarks) {
    if (CurrentSettings == nullptr) return;
    for (const WatermarkEntry& slot : CurrentSettings->WatermarkList) {
      if (slot.Name[0] != '\0') m_list.AddString(FieldText(slot.Name));
    }
    return;
  }
  for (const color::UserColorEntry& entry : color::UserEntryTable) {
    if (entry.Name[0] != '\0') m_list.AddString(FieldText(entry.Name));
  }
}

void CListEditDlg::UpdateListEditButtons() {
  UpdateData(TRUE);
  const BOOL selected = m_list.GetCurSel() >= 0 ? TRUE : FALSE;
  GetDlgItem(kDelete)->EnableWindow(selected);
  if (GetDlgItem(kNameEdit)->IsWindowEnabled()) {
    const bool complete = !m_strName.IsEmpty() && (m_nMode != kUserWatermarks || !m_strFile.IsEmpty());
    GetDlgItem(kAdd)->EnableWindow(complete ? TRUE : FALSE);
  }
  if (m_nMode == kUserColorEntries) GetDlgItem(kModify)->EnableWindow(selected);
}

void CListEditDlg::EnableEditFields(BOOL on) {
  GetDlgItem(kNameEdit)->EnableWindow(on);
  if (m_nMode == kUserWatermarks) {
    GetDlgItem(kFileEdit)->EnableWindow(on);
    GetDlgItem(kBrowse)->EnableWindow(on);
  }
}

void CListEditDlg::OnFieldChanged() { UpdateListEditButtons(); }

void CListEditDlg::OnAdd() {
  UpdateData(TRUE);
  if (m_list.FindStringExact(-1, m_strName) != LB_ERR) {
    Warn(kNameExists);
    return;
  }
  if (m_nMode == kUserWatermarks) {
    if (LengthWithoutTrailingBlanks(m_strFile) < 4) {
      Warn(kFileTooShort);
      return;
    }
    if (!HasBitmapExtension(m_strFile)) {
      Warn(kWrongExtension);
      return;
    }
    if (CurrentSettings != nullptr) {
      auto& list = CurrentSettings->WatermarkList;
      auto free = std::find_if(std::begin(list), std::end(list), [](const WatermarkEntry& s) { return s.Name[0] == '\0'; });
      if (free != std::end(list)) {
        CopyText(free->Name, m_strName);
        CopyText(free->File, m_strFile);
        m_list.AddString(m_strName);
      }
    }
  } else {
    auto& table = color::UserEntryTable;
    auto free = std::find_if(std::begin(table), std::end(table), [](const color::UserColorEntry& e) { return e.Name[0] == '\0'; });
    if (free != std::end(table)) {
      CopyText(free->Name, m_strName);
      if (CurrentSettings != nullptr) {
        free->Colors = CurrentSettings->ColorAdjust;
        free->Density = CurrentSettings->Density;
      }
      m_list.AddString(m_strName);
      color::SaveUserEntry(free->Name);
    }
  }
  CopyText(ChosenName, m_strName);
  OnOK();
}

void CListEditDlg::OnDelete() {
  const int index = m_list.GetCurSel();
  if (index < 0) return;
  CString name;
  m_list.GetText(index, name);
  if (m_nMode == kUserWatermarks) {
    if (CurrentSettings != nullptr) {
      for (WatermarkEntry& slot : CurrentSettings->WatermarkList) {
        if (std::strncmp(slot.Name, name, sizeof slot.Name) == 0) {
          slot = WatermarkEntry{};
          break;
        }
      }
    }
    m_list.DeleteString(static_cast<UINT>(index));
  } else {
    if (color::UserColorEntry* entry = color::FindUserEntry(name)) *entry = color::UserColorEntry{};
    m_list.DeleteString(static_cast<UINT>(index));
    color::DeleteUserEntry(name);
  }
  m_list.SetCurSel(index);
  EnableEditFields(TRUE);
  UpdateListEditButtons();
}

void CListEditDlg::OnModify() {
  if (m_nMode != kUserColorEntries) return;
  const int index = m_list.GetCurSel();
  if (index < 0) return;
  CString name;
  m_list.GetText(index, name);
  if (color::UserColorEntry* entry = color::FindUserEntry(name)) {
    if (CurrentSettings != nullptr) {
      entry->Colors = CurrentSettings->ColorAdjust;
      entry->Density = CurrentSettings->Density;
    }
    color::DeleteUserEntry(name);
    color::SaveUserEntry(name);
  }
  m_list.SetCurSel(index);
  CopyText(ChosenName, name);
  OnOK();
}

void CListEditDlg::OnCloseClicked() { OnOK(); }

void CListEditDlg::OnBrowse() {
  CFileDialog dialog(TRUE, "bmp", nullptr, kBrowseFlags, kBitmapFilter, this);
  if (dialog.DoModal() != IDOK) return;
  const CString path = dialog.GetPathName();
  if (path.GetLength() > kFileLimit) {
    Warn(kPathTooLong);
    return;
  }
  SetDlgItemText(kFileEdit, path);
}

void CListEditDlg::OnContextMenu(CWnd* window, CPoint /*pos*/) {
  const HWND target = window != nullptr ? window->m_hWnd : m_hWnd;
  if (m_nMode == kUserWatermarks) {
    ::WinHelp(target, "Velko.hlp", HELP_CONTEXTMENU, kWatermarkHelp);
  } else {
    ::WinHelp(target, "Velko.hlp", HELP_CONTEXTMENU, kColorEntryHelp);
  }
}

}  // namespace velko::ui
