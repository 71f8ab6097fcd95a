// File helpers of the command line: whole-file reads with clear errors, and
// writes that never leave a half-written file behind (a temporary file beside
// the target, renamed over it only when complete).
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "ui/core/settings_record.h"

namespace velko::cli {

// The whole file; WorkError naming the file when it cannot be read.
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Replaces PATH with BYTES atomically; WorkError when it cannot.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);
void WriteFileAtomically(const std::filesystem::path& path, const std::string& text);

// A raw 3,376-byte settings record; UsageError when the file has another size.
SettingsRecord ReadSettingsFile(const std::filesystem::path& path);

}  // namespace velko::cli
