// Where the sale of an item is accounted, from its tax code: the taxable
// base of a tax rate, or one of the untaxed situations (exempt, outside the
// tax, tax substitution).
#pragma once

#include <optional>
#include <string_view>

#include "emulator/printer_tables.h"

namespace mdx::emulator {

// Buckets 0-14 are the tax rates by table position; then the untaxed ones.
inline constexpr int kExemptBucket = kTaxRateCount;             // "I"
inline constexpr int kNonIncidenceBucket = kTaxRateCount + 1;   // "N"
inline constexpr int kSubstitutionBucket = kTaxRateCount + 2;   // "F"
inline constexpr int kBucketCount = kTaxRateCount + 3;

// The bucket of an item's tax code (3 characters as sent; trailing blanks do
// not count): the position of the used rate with that code; otherwise, for a
// code made of "I", "N" or "F" followed only by digits, blanks or the same
// letter ("I", "I1", "FF", "N  "), that situation. nullopt for any other code.
std::optional<int> TaxBucket(const TaxRateTable& rates, std::string_view code);

// True when the bucket holds service sales (ISS): a rate whose code starts
// with "S". The untaxed situations count as goods (ICMS).
bool IsServiceBucket(const TaxRateTable& rates, int bucket);

}  // namespace mdx::emulator
