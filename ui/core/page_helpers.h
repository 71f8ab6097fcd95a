// Helpers the pages and dialogs share: lookups of the paper, output size,
// tray and media codes, filling a combo box from a name table, the scroll
// bar stepping rule, texts from the string table, and the banner of a page.
#pragma once

#include <cstdint>

#include "platform/afx.h"
#include "platform/win32.h"
#include "ui/core/name_table.h"
#include "ui/core/page_tables.h"

namespace velko::ui {

// Controls and bitmaps of the page banners.
enum : UINT {
  kBannerControl = 1024,       // the picture area every page draws its banner into
  kBannerBitmap = 2163,        // the word mark in color: main, options and color page
  kVersionBannerBitmap = 2164, // the large word mark of the version page
  kGrayBannerBitmap = 2198,    // the word mark in gray: color page in monochrome mode
};

// Index of a code in its table (paper, tray, media); 0, the first item, for
// a code not in the table.
int PaperIndex(int32_t paperCode);
int TrayIndex(int32_t trayCode);
int MediaIndex(int32_t mediaCode);

// Index of an output size code within the row of paper `paperIndex`; 0 when
// the code is not in that row, or when no paper has that index.
int OutputIndex(int32_t outputCode, int paperIndex);

// Empties combo box `id` of `dialog`, adds the table's names in order and
// selects the table's default item.
void FillComboById(HWND dialog, int id, NameTable names);
// The same through the class library's combo box.
void FillCombo(CComboBox* combo, NameTable names);

// The position scroll code `code` moves `scrollBar` to: line steps of 1,
// page steps of 5, the thumb position for SB_THUMBPOSITION, unchanged for
// any other code; clamped to the bar's range. The bar is not changed.
int StepScrollPos(UINT code, int thumbPosition, CScrollBar* scrollBar);

// Makes string `stringId` of VelkoUI the window's text (an empty text when
// the module has no such string).
void SetTextFromResource(CWnd* window, UINT stringId);

// Draws banner `bitmapId` into control 1024 of `page` through a device
// context of that control; nothing when the page has no such control.
void PaintPageBanner(HWND page, UINT bitmapId);

}  // namespace velko::ui
