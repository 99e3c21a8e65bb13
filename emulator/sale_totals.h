// Moving a closed or cancelled document's amounts into the day's totals
// (fiscal_totals.h) and the grand total. Each function works on the totals
// as a whole: when an accumulator would pass its digits it returns false and
// changes nothing. Amounts taken out never go below 0; counts stay within
// 0-9999.
#pragma once

#include "emulator/printer_state.h"

namespace mdx::emulator {

// As a fiscal printer does, the grand total and the day's registers move
// as a coupon's commands are registered, not at its closing: an item's line
// total goes to gross sales and the grand total; a surcharge (of an item or
// of the subtotal) to the surcharges, gross sales and the grand total; a
// discount to the discounts; a payment to its method (count + 1). A till
// whose reply was lost learns from them whether the command ran. Items
// cancelled by "04" stay in what they moved.
bool AddRegisteredItem(PrinterState& state, int64_t lineTotal);
bool AddRegisteredSurcharge(PrinterState& state, int64_t amount);
bool AddRegisteredDiscount(PrinterState& state, int64_t amount);
bool AddCouponPayment(PrinterState& state, const Payment& payment);

// A closed coupon. Each tax bucket's sales (BucketSales) go to that rate's
// taxable base or to the exempt, non-incidence or substitution sales; the
// change comes off the methods its payments went to (NetPayments); the
// values of its items cancelled by "04" go to the cancelled sales (ISS for
// an "S" rate, ICMS for the rest), so net sales do not hold them.
bool AddClosedCoupon(PrinterState& state, const Coupon& coupon);

// Cancelling the last closed coupon (added by AddClosedCoupon): its total
// goes to the cancelled sales (ISS for the "S" rates' buckets, ICMS for the
// rest), its bucket sales leave the bases and situations, and its payments
// leave their methods (count - 1). Gross sales, the grand total, discounts
// and surcharges keep what the coupon brought, so net sales lose it.
bool CancelClosedCoupon(PrinterState& state, const Coupon& coupon);

// Cancelling the open coupon: what it registered stays in gross sales, the
// grand total, discounts and surcharges, and its whole total counts as
// cancelled sales (with the values of its items cancelled by "04"); its
// payments leave their methods (count - 1); taxable bases do not change.
bool CancelOpenCoupon(PrinterState& state, const Coupon& coupon);

// A closed non-fiscal receipt: each entry goes to its totalizer (count + 1),
// each payment, net of `change`, to its method (count + 1).
bool AddClosedReceipt(PrinterState& state, const Receipt& receipt, int64_t change);

// Reversing the last closed receipt ("53"), as kept in lastReceipt (payments
// already net of change): each entry leaves its totalizer and each payment
// its method (count - 1).
bool ReverseClosedReceipt(PrinterState& state, const Receipt& receipt);

}  // namespace mdx::emulator
