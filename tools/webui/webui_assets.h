// The browser page of `velko ui` (HTML, CSS, JavaScript), compiled into the
// program at build time by embed.cmake.
#pragma once

#include <span>
#include <string_view>

namespace velko::webui {

struct WebAsset {
  std::string_view path;          // "/index.html"
  std::string_view content_type;  // with its charset
  std::span<const unsigned char> bytes;
};

std::span<const WebAsset> WebAssets();

}  // namespace velko::webui
