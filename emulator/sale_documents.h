// What the printer keeps of a fiscal coupon and of a non-fiscal receipt
// while they are open (and of the last closed coupon, which "05" may still
// cancel and a linked receipt refers to, and of the last closed receipt,
// which "53" may still reverse). Amounts are in cents.
#pragma once

#include <cstdint>
#include <vector>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

// Limits of one document, so that its sums stay within 12 digits and its
// record stays small.
inline constexpr int kLargestItemCount = 999;
inline constexpr int kLargestPaymentCount = 99;
inline constexpr int kLargestEntryCount = 99;
// Widths of the texts of an item and of the consumer's id.
inline constexpr size_t kItemCodeWidth = 13;
inline constexpr size_t kItemDescriptionWidth = 24;
inline constexpr size_t kLongestConsumerId = 30;

struct CouponItem {
  AnsiString code;         // as sent (13 characters)
  AnsiString description;  // as sent, trailing blanks removed
  AnsiString taxCode;      // as sent, trailing blanks removed
  int bucket = 0;          // where the sale is accounted (see tax_buckets.h)
  int quantity = 0;        // thousandths, 1 to 9999999
  int64_t unitPrice = 0;   // 1 to 999999999
  int64_t amount = 0;      // the line total: Trunc2(quantity x unit price)
  int64_t discount = 0;    // item discount ("02"), 0 = none
  int64_t surcharge = 0;   // item surcharge ("60"), 0 = none
  // Cancelled by "04": it stays on the coupon (and keeps its number) but no
  // longer counts in the subtotal.
  bool cancelled = false;

  bool operator==(const CouponItem&) const = default;
};

// A payment of a document ("10"): the payment method's table position
// (1-20) and the amount tendered.
struct Payment {
  int method = 0;
  int64_t amount = 0;

  bool operator==(const Payment&) const = default;
};

struct Coupon {
  int coo = 0;          // the coupon's COO; 0 for no coupon
  AnsiString consumer;  // the consumer's CPF/CNPJ as sent; "" = none
  std::vector<CouponItem> items;
  int64_t subtotalDiscount = 0;   // "03"
  int64_t subtotalSurcharge = 0;  // "1151"
  std::vector<Payment> payments;

  bool operator==(const Coupon&) const = default;
};

// An amount registered on a non-fiscal totalizer ("07").
struct ReceiptEntry {
  int totalizer = 0;  // table position, 1-50
  int64_t amount = 0;

  bool operator==(const ReceiptEntry&) const = default;
};

struct Receipt {
  // The "&" group header named at opening (table position), 0 = none.
  int group = 0;
  // For a receipt linked to the last coupon: the payment method it belongs
  // to (1-20); 0 for an ordinary receipt.
  int linkedMethod = 0;
  std::vector<ReceiptEntry> entries;
  std::vector<Payment> payments;

  bool operator==(const Receipt&) const = default;
};

}  // namespace mdx::emulator
