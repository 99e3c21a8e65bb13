// What a command handler works on: the printer's state and the time of the
// command. Handlers change the state only through Change(), so the printer
// knows when to save it.
#pragma once

#include "emulator/printer_state.h"
#include "mdx00200/datetime.h"

namespace mdx::emulator {

class CommandContext {
 public:
  CommandContext(PrinterState& state, TDateTime now) : state_(state), now_(now) {}

  const PrinterState& State() const { return state_; }
  // The state for writing; marks it changed.
  PrinterState& Change() {
    changed_ = true;
    return state_;
  }
  bool Changed() const { return changed_; }
  // The printer's clock when the command arrived.
  TDateTime Now() const { return now_; }

 private:
  PrinterState& state_;
  TDateTime now_;
  bool changed_ = false;
};

// A command: takes the parameters (the frame between the code and "}") and
// returns the complete reply.
using CommandHandler = AnsiString (*)(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
