#include "emulator/fault_table.h"

#include "mdx00200/exceptions.h"

namespace mdx::emulator {

namespace {
constexpr int kLongestReply = 65536;
}

void FaultTable::Add(const FaultRule& rule) {
  if (rule.count == 0 || rule.count < kEveryTime) {
    throw Exception("fault rule: count must be at least 1 or kEveryTime, not " +
                    std::to_string(rule.count));
  }
  if (rule.kind == FaultKind::kRefuse && rule.status.size() != 4) {
    throw Exception("fault rule: a refusal status must be 4 characters, not '" + rule.status + "'");
  }
  if (rule.kind == FaultKind::kLongReply && (rule.length < 1 || rule.length > kLongestReply)) {
    throw Exception("fault rule: reply length must be 1 to 65536, not " +
                    std::to_string(rule.length));
  }
  rules_.push_back(rule);
}

std::optional<FaultRule> FaultTable::Take(std::string_view body) {
  for (size_t i = 0; i < rules_.size(); ++i) {
    FaultRule& rule = rules_[i];
    if (body.substr(0, rule.command.size()) != rule.command) continue;
    FaultRule taken = rule;
    if (rule.count != kEveryTime && --rule.count == 0) {
      rules_.erase(rules_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return taken;
  }
  return std::nullopt;
}

}  // namespace mdx::emulator
