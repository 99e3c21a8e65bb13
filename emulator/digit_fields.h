// Reading the fixed-width digit fields of the sale commands: quantities,
// prices and amounts with implied decimals, table positions.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace mdx::emulator {

// The value of a field of 1 to 18 digits ("000000001250" is 1250); nullopt
// when it is empty, longer, or holds anything but digits.
std::optional<int64_t> ReadDigits(std::string_view field);

// A table position (2 digits) followed by an amount (12 digits, cents), the
// parameters of "10" (payment).
struct PositionAndAmount {
  int position = 0;
  int64_t amount = 0;
};
// nullopt unless `params` is exactly 14 digits.
std::optional<PositionAndAmount> ReadPositionAndAmount(std::string_view params);

// True when every character is a blank (also for an empty text).
bool AllBlanks(std::string_view text);

}  // namespace mdx::emulator
