#include "emulator/digit_fields.h"

namespace mdx::emulator {

namespace {
constexpr size_t kLongestField = 18;
constexpr size_t kPositionWidth = 2;
constexpr size_t kAmountWidth = 12;
}  // namespace

std::optional<int64_t> ReadDigits(std::string_view field) {
  if (field.empty() || field.size() > kLongestField) return std::nullopt;
  int64_t value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<PositionAndAmount> ReadPositionAndAmount(std::string_view params) {
  if (params.size() != kPositionWidth + kAmountWidth) return std::nullopt;
  const std::optional<int64_t> position = ReadDigits(params.substr(0, kPositionWidth));
  const std::optional<int64_t> amount = ReadDigits(params.substr(kPositionWidth));
  if (!position || !amount) return std::nullopt;
  return PositionAndAmount{static_cast<int>(*position), *amount};
}

bool AllBlanks(std::string_view text) {
  for (char c : text) {
    if (c != ' ') return false;
  }
  return true;
}

}  // namespace mdx::emulator
