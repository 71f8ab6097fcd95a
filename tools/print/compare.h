// How close a decoded page is to the page that was printed.
#pragma once

#include "tools/print/image.h"

namespace velko::print {

// Peak signal-to-noise ratio in dB over all three channels of two pages of
// the same size; infinity when they are identical.
double Psnr(const RgbImage& a, const RgbImage& b);

}  // namespace velko::print
