#include "emulator/item_arithmetic.h"

namespace mdx::emulator {

int64_t LineTotal(int quantity, int64_t unitPrice) {
  // At most 9999999 x 999999999, well inside 64 bits.
  return int64_t{quantity} * unitPrice / 1000;
}

int64_t ItemValue(const CouponItem& item) { return item.amount - item.discount + item.surcharge; }

int64_t Subtotal(const Coupon& coupon) {
  int64_t sum = 0;
  for (const CouponItem& item : coupon.items) {
    if (!item.cancelled) sum += ItemValue(item);
  }
  return sum;
}

int64_t CouponTotal(const Coupon& coupon) {
  return Subtotal(coupon) - coupon.subtotalDiscount + coupon.subtotalSurcharge;
}

int64_t Paid(const std::vector<Payment>& payments) {
  int64_t sum = 0;
  for (const Payment& payment : payments) sum += payment.amount;
  return sum;
}

int64_t Change(int64_t due, int64_t paid) { return paid > due ? paid - due : 0; }

int64_t CashPaid(const std::vector<Payment>& payments) {
  int64_t sum = 0;
  for (const Payment& payment : payments) {
    if (payment.method == kCashMethod) sum += payment.amount;
  }
  return sum;
}

bool ChangeFromCash(const std::vector<Payment>& payments, int64_t due, int method,
                    int64_t amount) {
  const int64_t change = Change(due, Paid(payments) + amount);
  const int64_t cash = CashPaid(payments) + (method == kCashMethod ? amount : 0);
  return change <= cash;
}

std::vector<Payment> NetPayments(const std::vector<Payment>& payments, int64_t change) {
  std::vector<Payment> net = payments;
  for (bool cashOnly : {true, false}) {
    for (size_t i = net.size(); i > 0 && change > 0; --i) {
      Payment& payment = net[i - 1];
      if (cashOnly && payment.method != kCashMethod) continue;
      const int64_t taken = payment.amount < change ? payment.amount : change;
      payment.amount -= taken;
      change -= taken;
    }
  }
  return net;
}

Division MultiplyDivide(int64_t x, int64_t y, int64_t d) {
  // x = wholes * d + x, so that x < d below.
  const int64_t wholes = x / d;
  x %= d;
  // Long multiplication, one bit of y at a time from the top, keeping the
  // running product as quotient * d + remainder with remainder < d. Nothing
  // exceeds 2 * d, so 64 bits suffice.
  Division result;
  for (int bit = 62; bit >= 0; --bit) {
    result.quotient *= 2;
    result.remainder *= 2;
    if (result.remainder >= d) {
      result.remainder -= d;
      ++result.quotient;
    }
    if ((y >> bit) & 1) {
      result.remainder += x;
      if (result.remainder >= d) {
        result.remainder -= d;
        ++result.quotient;
      }
    }
  }
  result.quotient += wholes * y;
  return result;
}

std::array<int64_t, kBucketCount> BucketSales(const Coupon& coupon) {
  std::array<int64_t, kBucketCount> sales{};
  for (const CouponItem& item : coupon.items) {
    if (!item.cancelled && item.bucket >= 0 && item.bucket < kBucketCount) {
      sales[static_cast<size_t>(item.bucket)] += ItemValue(item);
    }
  }
  const int64_t subtotal = Subtotal(coupon);
  const int64_t discount = coupon.subtotalDiscount;
  const int64_t surcharge = coupon.subtotalSurcharge;
  const int64_t adjustment = surcharge > discount ? surcharge - discount : discount - surcharge;
  if (adjustment == 0 || subtotal <= 0) return sales;

  std::array<bool, kBucketCount> lostFraction{};
  int64_t shared = 0;
  std::array<int64_t, kBucketCount> shares{};
  for (size_t b = 0; b < sales.size(); ++b) {
    const Division share = MultiplyDivide(adjustment, sales[b], subtotal);
    shares[b] = share.quotient;
    lostFraction[b] = share.remainder != 0;
    shared += share.quotient;
  }
  int64_t left = adjustment - shared;
  for (size_t b = 0; b < sales.size() && left > 0; ++b) {
    if (!lostFraction[b]) continue;
    ++shares[b];
    --left;
  }
  for (size_t b = 0; b < sales.size(); ++b) {
    sales[b] += surcharge > discount ? shares[b] : -shares[b];
  }
  return sales;
}

}  // namespace mdx::emulator
