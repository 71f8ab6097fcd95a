// Texts at the edge of the system: scripts and JSON are UTF-8, windows and
// the settings record hold GB2312 bytes. Conversion goes through iconv; the
// descriptors are opened once per thread, so a conversion costs no set-up.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velko::script {

// The GB2312 bytes of `utf8`, or nothing when it is not UTF-8 or holds a
// character GB2312 has no code for.
std::optional<std::string> Utf8ToGb2312(std::string_view utf8);

// The UTF-8 form of GB2312 bytes for people and JSON; a byte that does not
// start a GB2312 character is shown as \xNN, so the result is always UTF-8.
std::string Gb2312ToUtf8(std::string_view gb2312);

// `utf8` in double quotes, with " and \ escaped as the script writes them.
std::string Quoted(std::string_view utf8);

}  // namespace velko::script
