// The process command line in its Windows form: one string, arguments
// separated by spaces, quoted where they hold spaces, tabs or quotes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32_types.h"

namespace velko::platform {

// Joins arguments the way the C runtime of Windows splits them again:
// an argument with a space, tab or quote (or an empty one) is put in quotes,
// its quotes escaped with a backslash and the backslashes before them doubled.
std::string JoinCommandLine(const std::vector<std::string>& arguments);

}  // namespace velko::platform

// The command line of this process, program name first. The text lives as
// long as the process.
LPSTR GetCommandLineA();
