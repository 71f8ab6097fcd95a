// The dialogs the color page opens: the color adjustment sheet (1041), the
// color description dialog (1051) and the user entry editor (1045), and
// what the page does when they end with OK.
#include <cstring>

#include "ui/core/page_helpers.h"
#include "ui/core/page_variables.h"
#include "ui/dialogs/color_adjust_sheet.h"
#include "ui/dialogs/color_desc_dialog.h"
#include "ui/dialogs/list_edit_dialog.h"
#include "ui/pages/color_page.h"

namespace velko::ui {
namespace {

constexpr UINT kColorAdjustCaption = 5004;  // 色彩调节 (color adjustment)

HWND Page() { return ColorPageWindow; }

// Item 0 of the list stands for the values now in the record, and so does
// its text as the chosen name.
void ChooseCurrentSettings() {
  SendDlgItemMessage(Page(), kUserEntryList, CB_SETCURSEL, 0, 0);
  EnableWindow(GetDlgItem(Page(), kEditEntriesButton), TRUE);
  const NameSlot& itemZero = kCurrentSettingsNames[0];
  SetChosenEntryName(std::string_view(itemZero.data(), strnlen(itemZero.data(), itemZero.size())));
}

}  // namespace

// The adjusted values are the record's own now, so the page shows item 0
// and the chosen name follows it: keeping an entry's name would make the
// next page start copy that entry's stored values over the adjustment.
void RunColorAdjustSheet() {
  int startPage = 0;
  CColPS sheet(kColorAdjustCaption, &startPage, nullptr, Page());
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  if (sheet.DoModal() != IDOK) return;
  ChooseCurrentSettings();
}

// The dialog edits the record itself; its result does not concern the page.
void RunColorDescriptionDialog() {
  CColDescDlg dialog(nullptr);
  dialog.DoModal();
}

// After an addition or a change the list shows the entry the editor named,
// whose values (just taken from the record) come back into the record.
void RunUserEntryEditor() {
  CListEditDlg dialog;
  dialog.m_nMode = CListEditDlg::kUserColorEntries;
  if (dialog.DoModal() != IDOK) return;
  RefillUserEntryList();
  if (ChosenName[0] != '\0') {
    SelectListName(std::string_view(ChosenName, strnlen(ChosenName, sizeof ChosenName)));
    static_assert(sizeof ChosenName == sizeof(SettingsRecord::ChosenEntryName));
    std::memcpy(CurrentSettings->ChosenEntryName, ChosenName, sizeof ChosenName);
  }
  SelectColorMode(kCustomMode);
}

}  // namespace velko::ui
