// UTF-8 to GB2312 conversion of the description's texts, through iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velko::resgen {

// The GB2312 bytes of `utf8`, or nothing when a character has no GB2312
// form (or the input is not UTF-8).
std::optional<std::string> Utf8ToGb2312(std::string_view utf8);

}  // namespace velko::resgen
