// Drive C: on a host folder: where the folder is, and how a Windows path
// finds its file inside it.
#include "platform/kernel/drive.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace velko::platform {
namespace {

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

fs::path HomeDirectory() {
  if (const auto home = Environment("HOME"); !home.empty()) return fs::path(home);
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) {
    return fs::path(entry->pw_dir);
  }
  return fs::current_path();
}

// The XDG base directory rule: a relative $XDG_DATA_HOME is ignored.
fs::path UserDataDirectory() {
  const fs::path xdg(Environment("XDG_DATA_HOME"));
  if (xdg.is_absolute()) return xdg;
  return HomeDirectory() / ".local" / "share";
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Only ASCII letters fold: GB2312 bytes are all 0xA1 and above, so a double-
// byte character never meets a folded byte.
bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

// The current directory's components below the root of C:; empty is the
// root.
std::vector<std::string>& CurrentDirectoryParts() {
  static std::vector<std::string> parts;
  return parts;
}

// The components left after "." and ".." are applied, never climbing above
// the root. Nothing for a path off drive C:. A path that does not start at
// the root starts at the current directory.
std::optional<std::vector<std::string>> DriveComponents(std::string_view path) {
  if (path.empty()) return std::nullopt;
  if (path.size() >= 2 && path[1] == ':') {
    if (std::toupper(static_cast<unsigned char>(path[0])) != 'C') return std::nullopt;
    path.remove_prefix(2);
  } else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    return std::nullopt;  // \\server\share
  }
  std::vector<std::string> parts;
  if (path.empty() || !IsSeparator(path[0])) parts = CurrentDirectoryParts();
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.emplace_back(part);
    }
    start = end + 1;
  }
  return parts;
}

// The entry of `directory` that `name` names: the exact spelling when it
// exists, else the first spelling that differs only in case, in name order so
// that the choice does not depend on the order the host lists them.
std::optional<std::string> FindEntry(const fs::path& directory, const std::string& name) {
  std::error_code error;
  if (fs::exists(directory / name, error)) return name;
  std::optional<std::string> found;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    std::string candidate = it->path().filename().string();
    if (SameNameIgnoringCase(candidate, name) && (!found || candidate < *found)) {
      found = std::move(candidate);
    }
  }
  return found;
}

}  // namespace

fs::path DriveRoot() {
  if (const auto configured = Environment("VELKO_DRIVE_C"); !configured.empty()) {
    return fs::absolute(fs::path(configured));
  }
  return UserDataDirectory() / "velko" / "drive_c";
}

std::optional<fs::path> MapWindowsPath(std::string_view windowsPath) {
  const auto parts = DriveComponents(windowsPath);
  if (!parts) return std::nullopt;
  fs::path host = DriveRoot();
  bool onHost = true;  // every component so far exists on the host
  for (const std::string& part : *parts) {
    std::optional<std::string> entry;
    if (onHost) entry = FindEntry(host, part);
    onHost = entry.has_value();
    host /= entry ? *entry : part;
  }
  return host;
}

}  // namespace velko::platform

UINT GetSystemDirectoryA(LPSTR buffer, UINT size) {
  const auto& directory = velko::platform::kSystemDirectory;
  const auto length = static_cast<UINT>(directory.size());
  if (buffer == nullptr || size <= length) return length + 1;
  std::memcpy(buffer, directory.data(), length);
  buffer[length] = '\0';
  return length;
}

BOOL SetCurrentDirectoryA(LPCSTR path) {
  using namespace velko::platform;
  if (path == nullptr) return FALSE;
  const auto parts = DriveComponents(path);
  const auto host = parts ? MapWindowsPath(path) : std::nullopt;
  std::error_code error;
  if (!host || !std::filesystem::is_directory(*host, error)) return FALSE;
  CurrentDirectoryParts() = *parts;
  return TRUE;
}

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
  std::string directory = "C:";
  for (const std::string& part : velko::platform::CurrentDirectoryParts()) directory += "\\" + part;
  if (directory.size() == 2) directory += '\\';
  const auto length = static_cast<DWORD>(directory.size());
  if (buffer == nullptr || size <= length) return length + 1;
  std::memcpy(buffer, directory.data(), length);
  buffer[length] = '\0';
  return length;
}
