#include "emulator/sale_check.h"

#include "emulator/documents.h"
#include "emulator/table_entries.h"
#include "emulator/tax_buckets.h"

namespace mdx::emulator {

namespace {

constexpr int kLargestQuantity = 9999999;
constexpr int64_t kLargestUnitPrice = 999999999;

bool InRange(int64_t value, int64_t low, int64_t high) { return value >= low && value <= high; }

AnsiString TextProblem(const AnsiString& what, const AnsiString& text, size_t longest) {
  if (text.size() > longest) return what + " is longer than " + std::to_string(longest);
  for (char c : text) {
    if (!IsPrintable(c)) return what + " holds a control character";
  }
  return "";
}

// Adds amounts while they stay within 12 digits; false once one does not.
class Sum {
 public:
  bool Add(int64_t amount) {
    if (!InRange(amount, 0, kLargestAmount) || total_ > kLargestAmount - amount) return false;
    total_ += amount;
    return true;
  }
  int64_t Total() const { return total_; }

 private:
  int64_t total_ = 0;
};

AnsiString PaymentsProblem(const AnsiString& what, const std::vector<Payment>& payments) {
  if (payments.size() > static_cast<size_t>(kLargestPaymentCount)) {
    return what + ": more than 99 payments";
  }
  Sum paid;
  for (const Payment& payment : payments) {
    if (!InRange(payment.method, 1, kPaymentMethodCount)) {
      return what + ": a payment method must be 1 to 20";
    }
    if (payment.amount == 0 || !paid.Add(payment.amount)) {
      return what + ": payments must be above 0 and sum within 12 digits";
    }
  }
  return "";
}

AnsiString ItemProblem(const AnsiString& what, const CouponItem& item) {
  AnsiString problem = TextProblem(what + ": code", item.code, kItemCodeWidth);
  if (problem.empty()) {
    problem = TextProblem(what + ": description", item.description, kItemDescriptionWidth);
  }
  if (problem.empty()) problem = TextProblem(what + ": tax code", item.taxCode, kTaxCodeWidth);
  if (!problem.empty()) return problem;
  if (!InRange(item.bucket, 0, kBucketCount - 1)) return what + ": bucket must be 0 to 17";
  if (!InRange(item.quantity, 1, kLargestQuantity)) return what + ": quantity must be 1 to 9999999";
  if (!InRange(item.unitPrice, 1, kLargestUnitPrice)) {
    return what + ": unit price must be 1 to 999999999";
  }
  if (!InRange(item.amount, 0, kLargestAmount) || !InRange(item.discount, 0, kLargestAmount) ||
      !InRange(item.surcharge, 0, kLargestAmount)) {
    return what + ": amounts must be 0 to 12 digits";
  }
  if (item.discount > item.amount + item.surcharge) {
    return what + ": the discount is larger than the item";
  }
  return "";
}

}  // namespace

AnsiString CouponProblem(const AnsiString& what, const Coupon& coupon) {
  if (!InRange(coupon.coo, 0, kLargestDocumentCount)) return what + ": COO must be 0 to 999999";
  AnsiString problem = TextProblem(what + ": consumer", coupon.consumer, kLongestConsumerId);
  if (!problem.empty()) return problem;
  if (coupon.items.size() > static_cast<size_t>(kLargestItemCount)) {
    return what + ": more than 999 items";
  }
  Sum subtotal;
  for (size_t i = 0; i < coupon.items.size(); ++i) {
    const CouponItem& item = coupon.items[i];
    problem = ItemProblem(what + ": item " + std::to_string(i + 1), item);
    if (!problem.empty()) return problem;
    if (!item.cancelled && !subtotal.Add(item.amount - item.discount + item.surcharge)) {
      return what + ": the subtotal passes 12 digits";
    }
  }
  if (!InRange(coupon.subtotalDiscount, 0, kLargestAmount) ||
      !InRange(coupon.subtotalSurcharge, 0, kLargestAmount)) {
    return what + ": subtotal adjustments must be 0 to 12 digits";
  }
  Sum total = subtotal;
  if (!total.Add(coupon.subtotalSurcharge) || coupon.subtotalDiscount > total.Total()) {
    return what + ": the total must be 0 to 12 digits";
  }
  return PaymentsProblem(what, coupon.payments);
}

AnsiString ReceiptProblem(const AnsiString& what, const Receipt& receipt) {
  if (!InRange(receipt.group, 0, kTotalizerCount)) return what + ": group must be 0 to 50";
  if (!InRange(receipt.linkedMethod, 0, kPaymentMethodCount)) {
    return what + ": linked method must be 0 to 20";
  }
  if (receipt.entries.size() > static_cast<size_t>(kLargestEntryCount)) {
    return what + ": more than 99 entries";
  }
  Sum total;
  for (const ReceiptEntry& entry : receipt.entries) {
    if (!InRange(entry.totalizer, 1, kTotalizerCount)) return what + ": totalizer must be 1 to 50";
    if (entry.amount == 0 || !total.Add(entry.amount)) {
      return what + ": amounts must be above 0 and sum within 12 digits";
    }
  }
  return PaymentsProblem(what, receipt.payments);
}

AnsiString SaleProblem(const PrinterState& state) {
  AnsiString problem = CouponProblem("coupon", state.coupon);
  if (problem.empty()) problem = CouponProblem("last coupon", state.lastCoupon);
  if (problem.empty()) problem = ReceiptProblem("receipt", state.receipt);
  if (problem.empty()) problem = ReceiptProblem("last receipt", state.lastReceipt);
  return problem;
}

}  // namespace mdx::emulator
