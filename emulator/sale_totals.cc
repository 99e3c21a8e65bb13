#include "emulator/sale_totals.h"

#include "emulator/item_arithmetic.h"

namespace mdx::emulator {

namespace {

// A working copy of the totals; Commit writes it back only when nothing
// overflowed.
class Ledger {
 public:
  explicit Ledger(const PrinterState& state) : day_(state.day), grandTotal_(state.grandTotal) {}

  DayTotals& Day() { return day_; }

  void Add(int64_t& total, int64_t amount, int64_t largest = kLargestAmount) {
    if (amount < 0 || total > largest - amount) {
      fits_ = false;
      return;
    }
    total += amount;
  }
  static void Take(int64_t& total, int64_t amount) { total = total > amount ? total - amount : 0; }

  void AddGrandTotal(int64_t amount) { Add(grandTotal_, amount, kLargestGrandTotal); }

  void AddToMethod(const Payment& payment, int sign) {
    if (payment.method < 1 || payment.method > kPaymentMethodCount) return;
    Accumulator& slot = day_.payments[static_cast<size_t>(payment.method - 1)];
    if (sign > 0) {
      Add(slot.amount, payment.amount);
      if (slot.count < kLargestSlotCount) ++slot.count;
    } else {
      Take(slot.amount, payment.amount);
      if (slot.count > 0) --slot.count;
    }
  }

  // The sales of one bucket: a rate's base or an untaxed situation.
  int64_t& BucketTotal(int bucket) {
    if (bucket == kExemptBucket) return day_.exemptSales;
    if (bucket == kNonIncidenceBucket) return day_.nonIncidenceSales;
    if (bucket == kSubstitutionBucket) return day_.substitutionSales;
    return day_.taxableBases[static_cast<size_t>(bucket)];
  }

  bool Commit(PrinterState& state) {
    if (!fits_) return false;
    state.day = day_;
    state.grandTotal = grandTotal_;
    return true;
  }

 private:
  DayTotals day_;
  int64_t grandTotal_;
  bool fits_ = true;
};

int64_t LineTotals(const Coupon& coupon) {
  int64_t sum = 0;
  for (const CouponItem& item : coupon.items) sum += item.amount;
  return sum;
}

int64_t Surcharges(const Coupon& coupon) {
  int64_t sum = coupon.subtotalSurcharge;
  for (const CouponItem& item : coupon.items) sum += item.surcharge;
  return sum;
}

int64_t Discounts(const Coupon& coupon) {
  int64_t sum = coupon.subtotalDiscount;
  for (const CouponItem& item : coupon.items) sum += item.discount;
  return sum;
}

// Gross sales, grand total, discounts and surcharges of the coupon.
void AddSales(Ledger& ledger, const Coupon& coupon) {
  const int64_t gross = LineTotals(coupon) + Surcharges(coupon);
  ledger.Add(ledger.Day().grossSales, gross);
  ledger.AddGrandTotal(gross);
  ledger.Add(ledger.Day().discounts, Discounts(coupon));
  ledger.Add(ledger.Day().surcharges, Surcharges(coupon));
}

// Cancelled sales of a bucket: ISS for the "S" rates' buckets, ICMS for the
// rest.
void AddCancelled(Ledger& ledger, const TaxRateTable& rates, int bucket, int64_t amount) {
  DayTotals& day = ledger.Day();
  ledger.Add(IsServiceBucket(rates, bucket) ? day.cancelledIss : day.cancelledIcms, amount);
}

// The items cancelled by "04": their values go to the cancelled sales.
void AddCancelledItems(Ledger& ledger, const TaxRateTable& rates, const Coupon& coupon) {
  for (const CouponItem& item : coupon.items) {
    if (item.cancelled) AddCancelled(ledger, rates, item.bucket, ItemValue(item));
  }
}

std::vector<Payment> CouponPayments(const Coupon& coupon) {
  const int64_t change = Change(CouponTotal(coupon), Paid(coupon.payments));
  return NetPayments(coupon.payments, change);
}

}  // namespace

bool AddClosedCoupon(PrinterState& state, const Coupon& coupon) {
  Ledger ledger(state);
  AddSales(ledger, coupon);
  const std::array<int64_t, kBucketCount> sales = BucketSales(coupon);
  for (int b = 0; b < kBucketCount; ++b) {
    ledger.Add(ledger.BucketTotal(b), sales[static_cast<size_t>(b)]);
  }
  AddCancelledItems(ledger, state.taxRates, coupon);
  for (const Payment& payment : CouponPayments(coupon)) ledger.AddToMethod(payment, +1);
  return ledger.Commit(state);
}

bool CancelClosedCoupon(PrinterState& state, const Coupon& coupon) {
  Ledger ledger(state);
  const std::array<int64_t, kBucketCount> sales = BucketSales(coupon);
  for (int b = 0; b < kBucketCount; ++b) {
    const int64_t amount = sales[static_cast<size_t>(b)];
    AddCancelled(ledger, state.taxRates, b, amount);
    Ledger::Take(ledger.BucketTotal(b), amount);
  }
  for (const Payment& payment : CouponPayments(coupon)) ledger.AddToMethod(payment, -1);
  return ledger.Commit(state);
}

bool CancelOpenCoupon(PrinterState& state, const Coupon& coupon) {
  Ledger ledger(state);
  AddSales(ledger, coupon);
  const std::array<int64_t, kBucketCount> sales = BucketSales(coupon);
  for (int b = 0; b < kBucketCount; ++b) {
    AddCancelled(ledger, state.taxRates, b, sales[static_cast<size_t>(b)]);
  }
  AddCancelledItems(ledger, state.taxRates, coupon);
  return ledger.Commit(state);
}

bool AddClosedReceipt(PrinterState& state, const Receipt& receipt, int64_t change) {
  Ledger ledger(state);
  for (const ReceiptEntry& entry : receipt.entries) {
    if (entry.totalizer < 1 || entry.totalizer > kTotalizerCount) continue;
    Accumulator& slot = ledger.Day().totalizers[static_cast<size_t>(entry.totalizer - 1)];
    ledger.Add(slot.amount, entry.amount);
    if (slot.count < kLargestSlotCount) ++slot.count;
  }
  for (const Payment& payment : NetPayments(receipt.payments, change)) {
    ledger.AddToMethod(payment, +1);
  }
  return ledger.Commit(state);
}

bool ReverseClosedReceipt(PrinterState& state, const Receipt& receipt) {
  Ledger ledger(state);
  for (const ReceiptEntry& entry : receipt.entries) {
    if (entry.totalizer < 1 || entry.totalizer > kTotalizerCount) continue;
    Accumulator& slot = ledger.Day().totalizers[static_cast<size_t>(entry.totalizer - 1)];
    Ledger::Take(slot.amount, entry.amount);
    if (slot.count > 0) --slot.count;
  }
  for (const Payment& payment : receipt.payments) ledger.AddToMethod(payment, -1);
  return ledger.Commit(state);
}

}  // namespace mdx::emulator
