// The version page's test of which pages restore-all may refill.
#pragma once

#include "platform/win32_types.h"

namespace velko::ui {

// Whether `page` is a live page window of the sheet the version page
// (VersionPageWindow) is on, other than the version page, holding its own
// control `ownControl`. A page not shown in this sheet keeps 0 or the
// handle of an earlier sheet, which may be gone or reused for another
// window, even another page of this sheet.
bool IsPageOfThisSheet(HWND page, int ownControl);

}  // namespace velko::ui
