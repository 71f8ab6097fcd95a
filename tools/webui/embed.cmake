# Turns the page's files into one C++ source of byte arrays, so `velko ui`
# serves them from memory: no file of the page is read at run time.
# cmake -DOUT=FILE -DNAMES="a.html;b.js" -DDIR=FOLDER -P embed.cmake
set(body "")
set(table "")
set(index 0)
foreach(name IN LISTS NAMES)
  file(READ ${DIR}/${name} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
         bytes "${bytes}")
  string(APPEND body "constexpr unsigned char kFile${index}[${size} + 1] = {\n${bytes}0};\n")
  if(name MATCHES "\\.html$")
    set(type "text/html; charset=utf-8")
  elseif(name MATCHES "\\.js$")
    set(type "text/javascript; charset=utf-8")
  elseif(name MATCHES "\\.css$")
    set(type "text/css; charset=utf-8")
  else()
    set(type "application/octet-stream")
  endif()
  string(APPEND table "    {\"/${name}\", \"${type}\", {kFile${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUT}.tmp "// Generated from tools/webui by embed.cmake; do not edit.
#include \"tools/webui/webui_assets.h\"

namespace velko::webui {
namespace {
${body}
constexpr WebAsset kAssets[] = {
${table}};
}  // namespace

std::span<const WebAsset> WebAssets() { return kAssets; }

}  // namespace velko::webui
")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
