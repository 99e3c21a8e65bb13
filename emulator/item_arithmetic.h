// The arithmetic of a sale, in integer cents: line totals, item values,
// subtotal and total, change, and how a subtotal discount or surcharge is
// shared among the tax buckets. Every function expects a coupon that
// StateProblem accepts (amounts within 12 digits), so no sum can overflow.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "emulator/sale_documents.h"
#include "emulator/tax_buckets.h"

namespace mdx::emulator {

// Trunc2(quantity x unit price): thousandths x cents / 1000, truncated.
// REQUIRES 0 <= quantity <= 9999999 and 0 <= unitPrice <= 999999999.
int64_t LineTotal(int quantity, int64_t unitPrice);

// The item's value: its line total less its discount plus its surcharge
// (also for a cancelled item: what its cancellation takes off).
int64_t ItemValue(const CouponItem& item);
// The sum of the values of the items that are not cancelled.
int64_t Subtotal(const Coupon& coupon);
// The subtotal less the subtotal discount plus the subtotal surcharge.
int64_t CouponTotal(const Coupon& coupon);
// The sum of the payments' amounts.
int64_t Paid(const std::vector<Payment>& payments);
// What is given back: paid - due when the payments exceed what is due, else 0.
int64_t Change(int64_t due, int64_t paid);

// The cash method's position in the payment table: a fiscal printer keeps
// "Dinheiro" at 01, and change is cash handed back.
inline constexpr int kCashMethod = 1;

// The sum of the cash payments.
int64_t CashPaid(const std::vector<Payment>& payments);

// Whether a payment of `amount` by `method`, added to `payments`, leaves
// change that the cash paid covers (a printer gives no change from a card).
bool ChangeFromCash(const std::vector<Payment>& payments, int64_t due, int method,
                    int64_t amount);

// The payments with the change taken off the cash payments, the last first:
// what each method really took in. Change the cash cannot cover (only in a
// state set by hand) comes off the other payments, the last first; no
// amount goes below 0.
std::vector<Payment> NetPayments(const std::vector<Payment>& payments, int64_t change);

// The coupon's sales per tax bucket: the values of each bucket's items that
// are not cancelled, with
// the subtotal discount or surcharge shared in proportion to them. Shares are
// truncated; the cents left go one each to the buckets whose share lost a
// fraction, in bucket order. The buckets sum to CouponTotal.
std::array<int64_t, kBucketCount> BucketSales(const Coupon& coupon);

// floor(x * y / d) and the remainder, without overflow.
// REQUIRES 0 <= x, 0 <= y <= d, 0 < d <= kLargestAmount, x * y / d <= kLargestAmount.
struct Division {
  int64_t quotient = 0;
  int64_t remainder = 0;
};
Division MultiplyDivide(int64_t x, int64_t y, int64_t d);

}  // namespace mdx::emulator
