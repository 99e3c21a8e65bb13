// The pending fault rules and which one applies to a frame.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "emulator/fault_rule.h"

namespace mdx::emulator {

class FaultTable {
 public:
  // Appends a rule after the others. Raises mdx::Exception naming the field
  // when the rule is invalid (see VirtualPrinter::AddFault).
  void Add(const FaultRule& rule);
  void Clear() { rules_.clear(); }
  // The first rule whose command is a prefix of `body` (the frame after
  // ESC "."). Using it spends one of its count; a spent rule is removed.
  // nullopt when no rule applies.
  std::optional<FaultRule> Take(std::string_view body);
  const std::vector<FaultRule>& Rules() const { return rules_; }

 private:
  std::vector<FaultRule> rules_;
};

}  // namespace mdx::emulator
