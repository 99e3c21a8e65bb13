// An item's description as the till sends it: it may start with the item's
// unit, "?" and two characters ("?KGCAFE" is CAFE sold by the KG).
#pragma once

#include <string_view>

namespace mdx::emulator {

struct ItemDescription {
  std::string_view name;  // the description without the unit mark
  std::string_view unit;  // the two characters after "?", "" without a mark
};

// The parts of `description`; they point into it.
ItemDescription SplitDescription(std::string_view description);

}  // namespace mdx::emulator
