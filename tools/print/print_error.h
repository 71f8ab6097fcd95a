// How the print pipeline reports a failure: a message that names the file
// and what was wrong with it. The command line maps these to its exit codes.
#pragma once

#include <stdexcept>

namespace velko::print {

// Bad outside data or a failed write (exit status 1 on the command line).
struct PrintError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A file that is not of the expected kind at all (exit status 2).
struct WrongKindError : PrintError {
  using PrintError::PrintError;
};

}  // namespace velko::print
