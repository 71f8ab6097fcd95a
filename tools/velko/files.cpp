#include "tools/velko/files.h"

#include <fmt/core.h>
#include <fmt/std.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

#include "tools/velko/commands.h"

namespace velko::cli {
namespace {

std::string ErrnoText() { return std::strerror(errno); }

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw WorkError(fmt::format("{}: cannot open: {}", path.string(), ErrnoText()));
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw WorkError(fmt::format("{}: read failed", path.string()));
  return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::filesystem::path temp = path;
  temp += fmt::format(".tmp{}", ::getpid());
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw WorkError(fmt::format("{}: cannot write: {}", path.string(), ErrnoText()));
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool closed = std::fclose(f) == 0;
  std::error_code ec;
  if (!written || !closed) {
    std::filesystem::remove(temp, ec);
    throw WorkError(fmt::format("{}: write failed", path.string()));
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    throw WorkError(fmt::format("{}: cannot replace: {}", path.string(), ec.message()));
  }
}

void WriteFileAtomically(const std::filesystem::path& path, const std::string& text) {
  WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

SettingsRecord ReadSettingsFile(const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  if (bytes.size() != sizeof(SettingsRecord)) {
    throw UsageError(fmt::format("{}: a settings record is {} bytes, this file has {}", path.string(),
                                 sizeof(SettingsRecord), bytes.size()));
  }
  SettingsRecord record;
  std::memcpy(&record, bytes.data(), sizeof record);
  return record;
}

}  // namespace velko::cli
