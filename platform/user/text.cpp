// Byte texts in the system code page: cutting on character boundaries and
// comparing without regard to ASCII case.
#include "platform/user/text.h"

#include <algorithm>

namespace velko::platform {
namespace {

constexpr unsigned char Fold(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }

}  // namespace

std::size_t FitLength(std::string_view text, std::size_t max_bytes) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t step = IsLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size() ? 2 : 1;
    if (end + step > max_bytes) break;
    end += step;
  }
  return end;
}

std::size_t CharBoundary(std::string_view text, std::size_t pos) {
  pos = std::min(pos, text.size());
  std::size_t at = 0;
  while (at < pos) {
    const std::size_t step = IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
    if (at + step > pos) break;
    at += step;
  }
  return at;
}

// Trail bytes of double-byte characters may be ASCII letters in code page
// 936, so they are compared as they are.
int CompareNoCase(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  bool trail = false;
  for (; i < a.size() && i < b.size(); ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    const unsigned char fa = trail ? ca : Fold(ca);
    const unsigned char fb = trail ? cb : Fold(cb);
    if (fa != fb) return fa < fb ? -1 : 1;
    trail = !trail && IsLeadByte(ca);
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareNoCase(a, b) == 0; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace velko::platform
