// The Little CMS side of the color benchmarks: sRGB through a brightness,
// contrast and saturation abstract profile back to sRGB on a 17-point grid,
// the nearest thing the peer has to one of our color tables. Include it after
// the platform's headers: lcms2.h defines TRUE and FALSE as macros.
#pragma once

#include <lcms2.h>

namespace velko::bench {

struct LcmsProfiles {
  cmsHPROFILE srgb = cmsCreate_sRGBProfile();
  // Brightness +5 L*, contrast 1.1, hue 0, saturation +10, no white change:
  // a slider move's worth.
  cmsHPROFILE adjust = cmsCreateBCHSWabstractProfile(17, 5, 1.1, 0, 10, 0, 0);
  LcmsProfiles() = default;
  LcmsProfiles(const LcmsProfiles&) = delete;
  LcmsProfiles& operator=(const LcmsProfiles&) = delete;
  ~LcmsProfiles() {
    cmsCloseProfile(adjust);
    cmsCloseProfile(srgb);
  }
  // `format`: TYPE_RGB_8 or TYPE_BGR_8, as the pixels lie in memory.
  cmsHTRANSFORM CreateTransform(cmsUInt32Number format) const {
    cmsHPROFILE chain[3] = {srgb, adjust, srgb};
    return cmsCreateMultiprofileTransform(chain, 3, format, format, INTENT_PERCEPTUAL, cmsFLAGS_GRIDPOINTS(17));
  }
};

}  // namespace velko::bench
