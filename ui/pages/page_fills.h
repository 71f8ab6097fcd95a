// The fills of the pages that restore-all refills: each sets its page's
// controls from CurrentSettings through the window the page stored at its
// last call. A page not shown in the current sheet is skipped (its window
// is 0 or no longer a window).
#pragma once

namespace velko::ui {

void FillMainPage();
void FillOptionsPage();
void FillColorPage();

}  // namespace velko::ui
