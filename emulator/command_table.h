// The commands the printer knows, by their 2-character code.
#pragma once

#include <string_view>

#include "emulator/command_context.h"

namespace mdx::emulator {

struct CommandSpec {
  const char* code;
  // True for commands that print on the tape; they are refused while the
  // paper is out.
  bool prints;
  CommandHandler handler;
};

// The command of that code, or nullptr for an unknown one.
const CommandSpec* FindCommand(std::string_view code);

}  // namespace mdx::emulator
