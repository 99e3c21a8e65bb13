// Variants of every shape from fuzzer input: empty, null, booleans, numbers,
// texts, dates, byte arrays (data packets), arrays of any length and nesting,
// and (name, value) pairs with the names the operations read. Also mutations
// of a valid record or list, so most inputs stay close to what a till sends.
#pragma once

#include <vector>

#include "fuzz_input.h"
#include "mdx00200/variant.h"

namespace mdx::fuzz {

// One variant, nested at most `depth` levels.
Variant BuildVariant(FuzzInput& in, int depth = 3);

// Applies a few changes drawn from the input to `value` (an element
// replaced, nulled or emptied, an array cut short or lengthened, ...).
void Mutate(FuzzInput& in, Variant& value);
void Mutate(FuzzInput& in, std::vector<Variant>& list);

}  // namespace mdx::fuzz
