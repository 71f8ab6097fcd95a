// Test helper: the GB2312 bytes of a UTF-8 text, through iconv, so that the
// tests can state the system's texts as they are written.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>

namespace velko::res::testing {

inline std::string Gb(const std::string& utf8) {
  iconv_t cd = iconv_open("GB2312", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GB2312 in iconv");
  std::string in = utf8, out(utf8.size() * 2 + 4, '\0');
  char* ip = in.data();
  char* op = out.data();
  std::size_t il = in.size(), ol = out.size();
  const std::size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (r == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible: " + utf8);
  out.resize(out.size() - ol);
  return out;
}

}  // namespace velko::res::testing
