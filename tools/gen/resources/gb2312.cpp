// iconv-based conversion of resource texts to the system's code page.
#include "tools/gen/resources/gb2312.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>

namespace velko::resgen {
namespace {

struct IconvCloser {
  void operator()(iconv_t cd) const { iconv_close(cd); }
};

}  // namespace

std::optional<std::string> Utf8ToGb2312(std::string_view utf8) {
  iconv_t cd = iconv_open("GB2312", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error("iconv has no UTF-8 to GB2312 conversion on this machine");
  std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser> guard(cd);

  std::string in(utf8);
  std::string out(in.size() * 2 + 8, '\0');  // GB2312 never needs more bytes than UTF-8
  char* in_ptr = in.data();
  std::size_t in_left = in.size();
  char* out_ptr = out.data();
  std::size_t out_left = out.size();
  if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) return std::nullopt;
  if (iconv(cd, nullptr, nullptr, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace velko::resgen
