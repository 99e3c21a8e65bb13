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

  // An amount taken off a method's total, its count unchanged.
  void TakeFromMethod(int method, int64_t amount) {
    if (method < 1 || method > kPaymentMethodCount) return;
    Take(day_.payments[static_cast<size_t>(method - 1)].amount, amount);
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

bool AddRegisteredItem(PrinterState& state, int64_t lineTotal) {
  Ledger ledger(state);
  ledger.Add(ledger.Day().grossSales, lineTotal);
  ledger.AddGrandTotal(lineTotal);
  return ledger.Commit(state);
}

bool AddRegisteredSurcharge(PrinterState& state, int64_t amount) {
  Ledger ledger(state);
  ledger.Add(ledger.Day().surcharges, amount);
  ledger.Add(ledger.Day().grossSales, amount);
  ledger.AddGrandTotal(amount);
  return ledger.Commit(state);
}

bool AddRegisteredDiscount(PrinterState& state, int64_t amount) {
  Ledger ledger(state);
  ledger.Add(ledger.Day().discounts, amount);
  return ledger.Commit(state);
}

bool AddCouponPayment(PrinterState& state, const Payment& payment) {
  Ledger ledger(state);
  ledger.AddToMethod(payment, +1);
  return ledger.Commit(state);
}

bool AddClosedCoupon(PrinterState& state, const Coupon& coupon) {
  Ledger ledger(state);
  const std::array<int64_t, kBucketCount> sales = BucketSales(coupon);
  for (int b = 0; b < kBucketCount; ++b) {
    ledger.Add(ledger.BucketTotal(b), sales[static_cast<size_t>(b)]);
  }
  AddCancelledItems(ledger, state.taxRates, coupon);
  // The payments went to their methods whole; the change comes off them.
  const std::vector<Payment> net = CouponPayments(coupon);
  for (size_t i = 0; i < net.size(); ++i) {
    ledger.TakeFromMethod(net[i].method, coupon.payments[i].amount - net[i].amount);
  }
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
  const std::array<int64_t, kBucketCount> sales = BucketSales(coupon);
  for (int b = 0; b < kBucketCount; ++b) {
    AddCancelled(ledger, state.taxRates, b, sales[static_cast<size_t>(b)]);
  }
  AddCancelledItems(ledger, state.taxRates, coupon);
  for (const Payment& payment : coupon.payments) ledger.AddToMethod(payment, -1);
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
