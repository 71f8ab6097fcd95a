// The default test page of `velko print`: an A4 page drawn by the program
// itself with what the coders have to cope with - text, thin lines,
// gradients, photo-like areas and patches of the pure inks.
#pragma once

#include <cstdint>

#include "tools/print/image.h"

namespace velko::print {

// The page at DPI dots per inch (600: 4960 x 7016 pixels).
RgbImage MakeTestPage(uint32_t dpi = 600);

}  // namespace velko::print
