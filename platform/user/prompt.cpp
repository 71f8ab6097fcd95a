// The stack of prompts waiting for their answer, innermost last.
#include "platform/user/prompt.h"

#include <vector>

namespace velko::platform {
namespace {

std::vector<WaitingPrompt>& Waiting() {
  static std::vector<WaitingPrompt>& prompts = *new std::vector<WaitingPrompt>;
  return prompts;
}

}  // namespace

const WaitingPrompt* CurrentPrompt() { return Waiting().empty() ? nullptr : &Waiting().back(); }

ScopedPrompt::ScopedPrompt(WaitingPrompt prompt) { Waiting().push_back(std::move(prompt)); }

ScopedPrompt::~ScopedPrompt() { Waiting().pop_back(); }

}  // namespace velko::platform
