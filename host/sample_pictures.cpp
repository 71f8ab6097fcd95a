// Putting the sample pictures where the system looks for them.
#include "host/sample_pictures.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/kernel/kernel.h"

namespace velko::host {

int PrepareSamplePictures() {
  namespace fs = std::filesystem;
  const std::string systemDirectory(platform::kSystemDirectory);
  const auto hostDirectory = platform::MapWindowsPath(systemDirectory);
  if (!hostDirectory) return 0;
  std::error_code error;
  fs::create_directories(*hostDirectory, error);
  if (!SetCurrentDirectoryA(systemDirectory.c_str())) return 0;
  int written = 0;
  for (const SamplePictureFile& file : SamplePictureFiles()) {
    // Through the drive mapping, so that a picture already there under
    // another case counts as there.
    const auto path = platform::MapWindowsPath(std::string(file.name));
    if (!path || fs::exists(*path, error)) continue;
    std::ofstream out(*path, std::ios::binary | std::ios::trunc);
    if (out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()))) {
      ++written;
    }
  }
  return written;
}

}  // namespace velko::host
