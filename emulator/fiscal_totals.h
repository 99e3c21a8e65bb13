// The fiscal day's accumulators, which the information registers ("27")
// report and a Z reduction closes. Amounts are in cents.
#pragma once

#include <array>
#include <cstdint>

#include "printer_tables.h"

namespace mdx::emulator {

// Largest amount of a 12-digit field (9,999,999,999.99) and of the 17-digit
// grand total; largest 4-digit counter.
inline constexpr int64_t kLargestAmount = 999999999999;
inline constexpr int64_t kLargestGrandTotal = 99999999999999999;
inline constexpr int kLargestSlotCount = 9999;

// How many times something was registered in the day, and the sum.
struct Accumulator {
  int count = 0;       // 0 to 9999
  int64_t amount = 0;  // cents, 0 to kLargestAmount

  bool operator==(const Accumulator&) const = default;
};

struct DayTotals {
  int64_t grossSales = 0;         // everything sold in the day, before cancellations and discounts
  int64_t cancelledIcms = 0;      // cancelled sales under ICMS rates
  int64_t cancelledIss = 0;       // cancelled sales under ISS rates
  int64_t discounts = 0;
  int64_t surcharges = 0;
  int64_t exemptSales = 0;        // tax situation "I"
  int64_t nonIncidenceSales = 0;  // tax situation "N"
  int64_t substitutionSales = 0;  // tax situation "F" (tax paid earlier in the chain)
  // Taxable base of each tax rate, by its position in the rate table.
  std::array<int64_t, kTaxRateCount> taxableBases{};
  // Payments by the payment method's position.
  std::array<Accumulator, kPaymentMethodCount> payments{};
  // Non-fiscal totalizers by their position.
  std::array<Accumulator, kTotalizerCount> totalizers{};

  bool operator==(const DayTotals&) const = default;
};

}  // namespace mdx::emulator
