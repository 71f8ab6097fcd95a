// The color preview's sample pictures on the host's drive C:. The system
// opens "Velko01.BMP" to "Velko04.BMP" by bare name, so the host makes the
// system directory the current directory and puts the pictures there when
// they are missing, as the driver's installation would have.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velko::host {

struct SamplePictureFile {
  std::string_view name;
  std::span<const uint8_t> bytes;
};

// The four pictures, drawn by tools/gen/samples at build time.
std::span<const SamplePictureFile> SamplePictureFiles();

// Makes the system directory the current one (creating it when needed) and
// writes each sample picture that is not there yet; a picture already there,
// whatever it holds, is left alone. Returns how many were written. A
// picture that cannot be written is skipped: its preview frame stays empty.
int PrepareSamplePictures();

}  // namespace velko::host
