// Shared pieces of the print pipeline tests: color tables, temporary files
// and the small test page.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>
#include <vector>

#include "tools/print/page_printer.h"
#include "tools/print/test_page.h"

namespace velko::print::test {

using Table = std::array<uint8_t, kColorTableBytes>;

// Device color = input color: grid point (i, j, k) holds 16 i, 16 j, 16 k
// (255 for the last point), so conversion changes colors only in the top
// cell of each axis.
inline Table IdentityTable() {
  Table table{};
  for (int i = 0; i < 17; ++i) {
    for (int j = 0; j < 17; ++j) {
      for (int k = 0; k < 17; ++k) {
        const std::size_t at = 3 * std::size_t(289 * i + 17 * j + k);
        table[at] = uint8_t(std::min(16 * i, 255));
        table[at + 1] = uint8_t(std::min(16 * j, 255));
        table[at + 2] = uint8_t(std::min(16 * k, 255));
      }
    }
  }
  return table;
}

// A scratch file of this test alone: CTest runs the cases of one program as
// parallel processes, so a shared name would let them overwrite each other.
inline std::filesystem::path TempPath(const std::string& name) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string unique = "velko_print_" + std::to_string(::getpid()) + "_";
  if (test) unique += std::string(test->test_suite_name()) + "_" + test->name() + "_";
  for (char& c : unique) {
    if (c == '/') c = '_';
  }
  return std::filesystem::path(::testing::TempDir()) / (unique + name);
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The default page at a resolution small enough for quick tests.
inline const RgbImage& SmallTestPage() {
  static const RgbImage page = MakeTestPage(100);
  return page;
}

}  // namespace velko::print::test
