// Fuzzes the profile files: the input (after two selector bytes) is the
// file. Reads must not crash on any bytes; a write must then read back as
// written, and must leave the lines before the one it touched unchanged.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/kernel/profile.h"

namespace {

namespace profile = velko::platform::profile;

// Names the fuzzer can meet in its own inputs, in several spellings.
constexpr std::array<const char*, 6> kSections = {"S", "s", "UserEnt0", " userent0 ", "\xD6\xD0", "a b"};
constexpr std::array<const char*, 6> kKeys = {"K", "k", "Bright", "UserEntName", "\xB4\xF3", "x y"};
constexpr std::array<const char*, 4> kValues = {"V", "", "-10", "a=b"};

const std::filesystem::path& File() {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("velko_fuzz_profile_" + std::to_string(::getpid()) + ".ini");
  return file;
}

std::string Read() {
  std::ifstream in(File(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const char* section = kSections[data[0] % kSections.size()];
  const char* key = kKeys[(data[0] / kSections.size()) % kKeys.size()];
  const char* value = kValues[data[1] % kValues.size()];
  const std::string content(reinterpret_cast<const char*>(data + 2), size - 2);
  std::ofstream(File(), std::ios::binary | std::ios::trunc) << content;

  char buffer[64];
  profile::GetString(File(), section, key, "default", buffer, sizeof buffer);
  profile::GetString(File(), nullptr, nullptr, "", buffer, 1 + data[1] % sizeof buffer);
  profile::GetString(File(), section, nullptr, "", buffer, 1 + data[1] % sizeof buffer);
  profile::GetInt(File(), section, key, 7);

  if (!profile::WriteString(File(), section, key, value)) std::abort();
  const std::string after = Read();
  const DWORD n = profile::GetString(File(), section, key, "default", buffer, sizeof buffer);
  if (std::string(buffer, n) != value) std::abort();
  // Only part of one line may go: what the old file loses between the
  // common start and the common end holds no line break.
  std::size_t same = 0;
  while (same < content.size() && same < after.size() && content[same] == after[same]) ++same;
  const std::size_t tail = content.size() - same;
  const std::size_t room = after.size() - same;
  std::size_t kept_tail = 0;
  while (kept_tail < tail && kept_tail < room &&
         content[content.size() - 1 - kept_tail] == after[after.size() - 1 - kept_tail]) {
    ++kept_tail;
  }
  const std::string_view lost = std::string_view(content).substr(same, tail - kept_tail);
  if (lost.find_first_of("\r\n") != std::string_view::npos) std::abort();
  if (data[1] & 0x80) profile::WriteString(File(), section, (data[1] & 0x40) ? nullptr : key, nullptr);
  std::filesystem::remove(File());  // nothing is left behind in the temporary folder
  return 0;
}
