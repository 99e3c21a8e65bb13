// Sorting records by a key without comparing cells on every step: each
// record's key fields are written once into bytes whose plain byte order
// (memcmp, then the shorter first) is the order CompareRows gives, and the
// sort compares those. Ties keep their first order, as a stable sort would.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/dataset/value_compare.h"

namespace mdx::dataset {

// Appends the sort bytes of row's key fields to out. Two rows' bytes compare
// (memcmp over the shorter, then the shorter first) as CompareRows compares
// the rows: < 0, 0 or > 0 alike.
void AppendSortKey(std::string& out, const Row& row, const OrderKey& key);

// Reorders items (record ids, view positions, ...) by the key of the row
// each one names, ties in their present order.
void SortByKey(std::vector<uint32_t>& items, const std::function<const Row&(uint32_t)>& rowOf,
               const OrderKey& key);

}  // namespace mdx::dataset
