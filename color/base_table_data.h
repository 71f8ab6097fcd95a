// The printer's three base tables (L*a*b* to device RGB), embedded at build
// time from color/data/*.bin, which tools/gen/base_tables produces.
#pragma once

#include <cstdint>

#include "color/color_table.h"

namespace velko::color {

extern const uint8_t kBaseTableNormal[kColorTableBytes];    // id 1 and unknown ids
extern const uint8_t kBaseTableDocument[kColorTableBytes];  // ids 2 and 4
extern const uint8_t kBaseTablePhoto[kColorTableBytes];     // id 3

}  // namespace velko::color
