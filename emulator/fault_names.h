// Fault rules as text: the kinds' names and a rule written as the serial
// substitute's configuration file and ecf-emulator's --fault write it,
// "KIND COMMAND|* COUNT|always [STATUS|LENGTH]".
#pragma once

#include <string_view>

#include "fault_rule.h"

namespace mdx::emulator {

// "refuse", "busy", "paper-low", "paper-out", "operation-open",
// "no-answer", "reply-lost", "long-reply".
const char* FaultKindName(FaultKind kind);
// False when `name` names no kind.
bool FaultKindFromName(std::string_view name, FaultKind& kind);

// "busy 28 2", "refuse * always E009", "long-reply * 1 400".
AnsiString FaultRuleText(const FaultRule& rule);

}  // namespace mdx::emulator
