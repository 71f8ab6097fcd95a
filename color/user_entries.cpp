// The user color entries over the platform's profile functions: the table,
// the four profile helpers, and loading, creating, saving and deleting the
// sections of "Velko.ini".
#include "color/user_entries.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/kernel/drive.h"
#include "platform/kernel/profile.h"
#include "ui/core/ui_app.h"

namespace velko::color {

UserColorEntry UserEntryTable[kUserEntryCount] = {};

namespace {

// The default that marks a missing key.
constexpr const char* kSentinel = "DummyDef";
constexpr const char* kSectionPrefix = "UserEnt";
constexpr const char* kNameKey = "UserEntName";

// The twelve stored values in file order, with where each lives in a slot.
enum class Block { Colors, Density };
struct StoredValue {
  const char* key;
  Block block;
  std::size_t offset;  // byte offset in its block
};

constexpr std::array<StoredValue, 12> kStoredValues{{
    {"BaseColor", Block::Colors, offsetof(ColorAdjustBlock, BaseColor)},
    {"Bright", Block::Colors, offsetof(ColorAdjustBlock, Bright)},
    {"Fullness", Block::Colors, offsetof(ColorAdjustBlock, Fullness)},
    {"Contrast", Block::Colors, offsetof(ColorAdjustBlock, Contrast)},
    {"CyanRed", Block::Colors, offsetof(ColorAdjustBlock, CyanRed)},
    {"MagentaGreen", Block::Colors, offsetof(ColorAdjustBlock, MagentaGreen)},
    {"YellowBlue", Block::Colors, offsetof(ColorAdjustBlock, YellowBlue)},
    {"Gannma", Block::Density, offsetof(DensityBlock, Gannma)},
    {"Black", Block::Density, offsetof(DensityBlock, Black)},
    {"Cyan", Block::Density, offsetof(DensityBlock, Cyan)},
    {"Magenta", Block::Density, offsetof(DensityBlock, Magenta)},
    {"Yellow", Block::Density, offsetof(DensityBlock, Yellow)},
}};
static_assert(kStoredValues.front().offset == 4, "Sample is not stored");
static_assert(kStoredValues[6].offset + 4 == sizeof(ColorAdjustBlock));
static_assert(kStoredValues.back().offset + 4 == sizeof(DensityBlock));

int32_t& ValueOf(UserColorEntry& entry, const StoredValue& value) {
  char* base = value.block == Block::Colors ? reinterpret_cast<char*>(&entry.Colors)
                                            : reinterpret_cast<char*>(&entry.Density);
  return *reinterpret_cast<int32_t*>(base + value.offset);
}

// The text of one new section after its header line.
constexpr std::string_view kEmptySectionBody =
    "UserEntName=\n\nBaseColor=0\nBright=0\nFullness=0\nContrast=0\nCyanRed=0\nMagentaGreen=0\nYellowBlue=0\n\n"
    "Gannma=0\nBlack=0\nCyan=0\nMagenta=0\nYellow=0\n\n";

using SectionName = std::array<char, 16>;

SectionName SectionOf(int n) {
  SectionName name{};
  std::snprintf(name.data(), name.size(), "%s%d", kSectionPrefix, n);
  return name;
}

// The section whose "UserEntName" equals `name`; with `or_free`, else the
// first with an empty one. A section without the key counts as neither.
std::optional<int> FindSection(LPCSTR name, bool or_free) {
  std::optional<int> free;
  for (int n = 0; n < kUserEntryCount; ++n) {
    char stored[kUserEntryFileNameBytes];
    if (ReadProfileText(SectionOf(n).data(), kNameKey, stored, sizeof stored) == 0) continue;
    if (std::strcmp(stored, name) == 0) return n;
    if (or_free && !free && stored[0] == '\0') free = n;
  }
  return free;
}

// Text mode of the platform's C library: every "\n" becomes CR LF.
std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

}  // namespace

int ReadProfileText(LPCSTR section, LPCSTR key, LPSTR buffer, DWORD size) {
  if (buffer == nullptr || size == 0) return 0;
  GetPrivateProfileStringA(section, key, kSentinel, buffer, size, ui::IniPath);
  const std::string_view sentinel_as_read = std::string_view(kSentinel).substr(0, size - 1);
  if (std::string_view(buffer) != sentinel_as_read) return 1;
  // The sentinel came back: a missing key gives a different default the
  // second time, while a key that holds the sentinel reads the same again.
  char again[2];
  GetPrivateProfileStringA(section, key, "", again, sizeof again, ui::IniPath);
  return again[0] != '\0' ? 1 : 0;
}

int ReadProfileNumber(LPCSTR section, LPCSTR key, int32_t* value) {
  *value = static_cast<int32_t>(GetPrivateProfileIntA(section, key, 0, ui::IniPath));
  return *value != 0 ? 1 : 0;
}

BOOL WriteProfileText(LPCSTR section, LPCSTR key, LPCSTR text) {
  return WritePrivateProfileStringA(section, key, text, ui::IniPath);
}

BOOL WriteProfileNumber(LPCSTR section, LPCSTR key, int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return WriteProfileText(section, key, text);
}

int LoadUserEntries() {
  for (int n = 0; n < kUserEntryCount; ++n) {
    const SectionName section = SectionOf(n);
    char name[kUserEntryFileNameBytes];
    if (ReadProfileText(section.data(), kNameKey, name, sizeof name) == 0) return 0;
    if (name[0] == '\0') continue;
    UserColorEntry& entry = UserEntryTable[n];
    std::memset(entry.Name, 0, sizeof entry.Name);
    std::memcpy(entry.Name, name, std::strlen(name));
    for (const StoredValue& value : kStoredValues) {
      ReadProfileNumber(section.data(), value.key, &ValueOf(entry, value));
    }
  }
  return 1;
}

int CreateUserEntryFile() {
  const std::optional<std::filesystem::path> path = platform::MapWindowsPath(ui::IniPath);
  if (!path) return 0;
  std::string text;
  for (int n = 0; n < kUserEntryCount; ++n) {
    text.append("[").append(SectionOf(n).data()).append("]\n").append(kEmptySectionBody);
  }
  // Written beside the old file and renamed over it, so a failed write
  // leaves the old file rather than half a new one.
  std::filesystem::path temporary = *path;
  temporary += ".new";
  const std::string bytes = WithCrLf(text);
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return 0;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return 0;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, *path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return 0;
  }
  return 1;
}

UserColorEntry* FindUserEntry(LPCSTR name) {
  for (UserColorEntry& entry : UserEntryTable) {
    if (std::strncmp(entry.Name, name, sizeof entry.Name) == 0 && entry.Name[0] != '\0') return &entry;
  }
  return nullptr;
}

int SaveUserEntry(LPCSTR name) {
  const std::optional<int> section_number = FindSection(name, true);
  if (!section_number) return 0;
  UserColorEntry* entry = FindUserEntry(name);
  if (entry == nullptr) return 0;
  const SectionName section = SectionOf(*section_number);
  char stored_name[kUserEntryNameBytes + 1] = {};
  std::memcpy(stored_name, entry->Name, sizeof entry->Name);
  WriteProfileText(section.data(), kNameKey, stored_name);
  for (const StoredValue& value : kStoredValues) {
    WriteProfileNumber(section.data(), value.key, ValueOf(*entry, value));
  }
  return 1;
}

int DeleteUserEntry(LPCSTR name) {
  const std::optional<int> section_number = FindSection(name, false);
  if (!section_number) return 0;
  WriteProfileText(SectionOf(*section_number).data(), kNameKey, "");
  return 1;
}

}  // namespace velko::color
