#include "emulator/item_description.h"

namespace mdx::emulator {

namespace {

constexpr char kUnitMark = '?';
constexpr size_t kUnitWidth = 2;

}  // namespace

ItemDescription SplitDescription(std::string_view description) {
  ItemDescription parts{description, {}};
  if (description.empty() || description[0] != kUnitMark) return parts;
  parts.unit = description.substr(1, kUnitWidth);
  parts.name = description.substr(description.size() < 1 + kUnitWidth ? description.size()
                                                                       : 1 + kUnitWidth);
  return parts;
}

}  // namespace mdx::emulator
