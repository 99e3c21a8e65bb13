// How the C++ parameters of an operation line up with the JSON arguments of a
// call: a positional list (const Variant* or const AnsiString*) followed by
// an int takes one JSON array, and that int, the list's highest index, is
// made from the list rather than given. Shared by the console and the C
// interface, which call the operations with the same arguments.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

#include "mdx00200/ansi_string.h"
#include "mdx00200/variant.h"

namespace mdxops {

template <typename... A>
struct ArgumentLayout {
  static constexpr size_t kCount = sizeof...(A);

 private:
  static constexpr std::array<bool, kCount + 1> IndexSlots() {
    std::array<bool, kCount + 1> slots{};
    constexpr bool lists[] = {std::is_same_v<A, const mdx::Variant*> ||
                              std::is_same_v<A, const mdx::AnsiString*>..., false};
    constexpr bool ints[] = {std::is_same_v<A, int>..., false};
    for (size_t i = 1; i < kCount; ++i) slots[i] = lists[i - 1] && ints[i];
    return slots;
  }
  static constexpr std::array<size_t, kCount + 1> JsonPositions(const std::array<bool, kCount + 1>& indexSlot) {
    std::array<size_t, kCount + 1> positions{};
    size_t next = 0;
    for (size_t i = 0; i < kCount; ++i) positions[i] = indexSlot[i] ? 0 : next++;
    positions[kCount] = next;
    return positions;
  }

 public:
  // Whether parameter i is the highest index of the list before it.
  static constexpr std::array<bool, kCount + 1> kIndexSlot = IndexSlots();
  // The JSON argument of parameter i (unused for an index slot); the last
  // element is the number of JSON arguments.
  static constexpr std::array<size_t, kCount + 1> kJsonPosition = JsonPositions(kIndexSlot);
  static constexpr size_t kArity = kJsonPosition[kCount];
};

}  // namespace mdxops
