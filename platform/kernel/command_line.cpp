// The Windows command line of the process, built once from /proc/self/cmdline.
#include "platform/kernel/command_line.h"

#include <fstream>
#include <iterator>

namespace velko::platform {
namespace {

bool NeedsQuotes(std::string_view argument) {
  return argument.empty() || argument.find_first_of(" \t\"") != std::string_view::npos;
}

void AppendQuoted(std::string& line, std::string_view argument) {
  line += '"';
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled and the quote escaped; elsewhere
    // backslashes stand for themselves.
    line.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    line += c;
  }
  line.append(2 * backslashes, '\\');  // before the closing quote
  line += '"';
}

std::vector<std::string> ProcessArguments() {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<std::string> arguments;
  std::size_t start = 0;
  while (start < all.size()) {
    const std::size_t end = all.find('\0', start);
    arguments.push_back(all.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return arguments;
}

}  // namespace

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    if (NeedsQuotes(argument)) {
      AppendQuoted(line, argument);
    } else {
      line += argument;
    }
  }
  return line;
}

}  // namespace velko::platform

LPSTR GetCommandLineA() {
  static std::string& line = *new std::string(velko::platform::JoinCommandLine(
      velko::platform::ProcessArguments()));
  return line.data();
}
