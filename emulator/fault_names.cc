#include "emulator/fault_names.h"

#include <string>
#include <utility>

namespace mdx::emulator {

namespace {

constexpr std::pair<const char*, FaultKind> kKinds[] = {
    {"refuse", FaultKind::kRefuse},
    {"busy", FaultKind::kBusy},
    {"paper-low", FaultKind::kPaperLow},
    {"paper-out", FaultKind::kPaperOut},
    {"operation-open", FaultKind::kOperationOpen},
    {"no-answer", FaultKind::kNoAnswer},
    {"reply-lost", FaultKind::kReplyLost},
    {"long-reply", FaultKind::kLongReply},
};

}  // namespace

const char* FaultKindName(FaultKind kind) {
  for (const auto& [name, value] : kKinds) {
    if (value == kind) return name;
  }
  return "?";
}

bool FaultKindFromName(std::string_view name, FaultKind& kind) {
  for (const auto& [text, value] : kKinds) {
    if (name == text) {
      kind = value;
      return true;
    }
  }
  return false;
}

AnsiString FaultRuleText(const FaultRule& rule) {
  AnsiString text = FaultKindName(rule.kind);
  text += " " + (rule.command.empty() ? AnsiString("*") : rule.command);
  text += " " + (rule.count == kEveryTime ? AnsiString("always") : std::to_string(rule.count));
  if (rule.kind == FaultKind::kRefuse) text += " " + rule.status;
  if (rule.kind == FaultKind::kLongReply) text += " " + std::to_string(rule.length);
  return text;
}

}  // namespace mdx::emulator
