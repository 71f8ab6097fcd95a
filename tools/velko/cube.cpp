#include "tools/velko/cube.h"

#include <fmt/format.h>

#include <iterator>

namespace velko::cli {

std::string ColorTableToCube(std::span<const uint8_t, 14739> table, const std::string& title) {
  constexpr int kGrid = 17;
  constexpr double kDomainMax = 256.0 / 255.0;
  std::string text;
  auto out = std::back_inserter(text);
  fmt::format_to(out, "TITLE \"{}\"\nLUT_3D_SIZE {}\n", title, kGrid);
  fmt::format_to(out, "DOMAIN_MIN 0.0 0.0 0.0\nDOMAIN_MAX {0:.9f} {0:.9f} {0:.9f}\n", kDomainMax);
  // Our table keeps red slowest; the file wants red fastest.
  for (int b = 0; b < kGrid; ++b) {
    for (int g = 0; g < kGrid; ++g) {
      for (int r = 0; r < kGrid; ++r) {
        const uint8_t* p = &table[3 * (289 * r + 17 * g + b)];
        fmt::format_to(out, "{:.6f} {:.6f} {:.6f}\n", p[0] / 255.0, p[1] / 255.0, p[2] / 255.0);
      }
    }
  }
  return text;
}

}  // namespace velko::cli
