// UTF-8 <-> GB2312 through iconv, with descriptors kept per thread.
#include "host/script/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

namespace velko::script {
namespace {

// One iconv descriptor, opened on first use and reset before each text.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to + " on this machine");
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much of [*in, *in + *in_left) as it can into `out`; false
  // when it stopped at a sequence it cannot convert (left at *in).
  bool Run(const char** in, std::size_t* in_left, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[256];
    while (*in_left > 0) {
      char* out_ptr = buffer;
      std::size_t out_left = sizeof buffer;
      const std::size_t r = iconv(cd_, const_cast<char**>(in), in_left, &out_ptr, &out_left);
      out.append(buffer, sizeof buffer - out_left);
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    char* out_ptr = buffer;
    std::size_t out_left = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &out_ptr, &out_left);
    out.append(buffer, sizeof buffer - out_left);
    return true;
  }

 private:
  iconv_t cd_;
};

Converter& ToGb2312() {
  thread_local Converter converter("GB2312", "UTF-8");
  return converter;
}

Converter& FromGb2312() {
  thread_local Converter converter("UTF-8", "GB2312");
  return converter;
}

}  // namespace

std::optional<std::string> Utf8ToGb2312(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const char* in = utf8.data();
  std::size_t left = utf8.size();
  if (!ToGb2312().Run(&in, &left, out)) return std::nullopt;
  return out;
}

std::string Gb2312ToUtf8(std::string_view gb2312) {
  std::string out;
  out.reserve(gb2312.size() * 3 / 2);
  const char* in = gb2312.data();
  std::size_t left = gb2312.size();
  while (!FromGb2312().Run(&in, &left, out)) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(*in));
    out += escaped;
    ++in;
    --left;
  }
  return out;
}

std::string Quoted(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

}  // namespace velko::script
