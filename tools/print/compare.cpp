// PSNR = 10 log10(255^2 / mean squared error).
#include "tools/print/compare.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace velko::print {

double Psnr(const RgbImage& a, const RgbImage& b) {
  if (a.width() != b.width() || a.height() != b.height()) throw std::invalid_argument("pages of different sizes");
  uint64_t squares = 0;
  const auto& x = a.bytes();
  const auto& y = b.bytes();
  for (std::size_t i = 0; i < x.size(); ++i) {
    const int d = int(x[i]) - int(y[i]);
    squares += uint64_t(d * d);
  }
  if (squares == 0) return std::numeric_limits<double>::infinity();
  const double mse = double(squares) / double(x.size());
  return 10.0 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace velko::print
