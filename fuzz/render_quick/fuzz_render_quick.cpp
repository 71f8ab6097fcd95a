// Fuzzes xbicolquick: any band geometry, row index, pad count, conversion mode and
// pixels within the caller contract.
#include "fuzz/render_common/color_band_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return velko::fuzz::RunColorCoderFuzz(data, size, &xbicolquick, velko::sb::kQuickShape);
}
