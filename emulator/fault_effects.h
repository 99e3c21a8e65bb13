// What each kind of fault does to an exchange: some answer in place of the
// command, the others let it run and then change or drop its reply.
#pragma once

#include <optional>

#include "emulator/fault_rule.h"

namespace mdx::emulator {

// True when the command still runs under this fault.
bool CommandRunsUnder(FaultKind kind);

// For a fault under which the command does not run: the reply given in its
// place (nullopt = no answer).
std::optional<AnsiString> ReplyInsteadOf(const FaultRule& rule);

// For a fault under which the command runs: its reply as changed by the
// fault (nullopt = the reply is lost).
std::optional<AnsiString> ReplyChangedBy(const FaultRule& rule, AnsiString reply);

}  // namespace mdx::emulator
