// The velko command line's shared pieces: how a subcommand registers itself
// and how it reports failure. Each subcommand lives in its own cmd_*.cpp and
// registers with VELKO_COMMAND; main.cpp knows none of them by name.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velko::cli {

// Bad usage: a wrong option, a file of the wrong kind or size. Exit status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The work itself failed: unreadable input, unwritable output. Exit status 1.
struct WorkError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Adds one subcommand to the application; its callback does the work and
// throws UsageError or WorkError on failure.
using CommandAdder = std::function<void(CLI::App& app)>;

struct CommandEntry {
  int order;  // position in --help
  CommandAdder add;
};

std::vector<CommandEntry>& CommandRegistry();

inline bool RegisterCommand(int order, CommandAdder add) {
  CommandRegistry().push_back({order, std::move(add)});
  return true;
}

}  // namespace velko::cli

#define VELKO_COMMAND_CAT2(a, b) a##b
#define VELKO_COMMAND_CAT(a, b) VELKO_COMMAND_CAT2(a, b)
// VELKO_COMMAND(order, adder): registers a subcommand at program start.
#define VELKO_COMMAND(order, adder) \
  static const bool VELKO_COMMAND_CAT(velko_command_, __LINE__) = ::velko::cli::RegisterCommand(order, adder)
