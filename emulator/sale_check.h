// Whether the open coupon, the last closed coupon and the open receipt of a
// state are ones the printer can hold (part of StateProblem).
#pragma once

#include "emulator/printer_state.h"

namespace mdx::emulator {

// "" when they are valid; otherwise what is wrong, naming the field:
//   a coupon: COO 0-999999, a consumer id of at most 30 printable
//   characters, at most 999 items and 99 payments; an item's code of at most
//   13 and description of at most 24 printable characters, a tax code of at
//   most 3, a bucket 0-17, a quantity 1-9999999, a unit price 1-999999999,
//   amounts 0 to 12 digits, a discount not above the item's line total plus
//   surcharge; a subtotal discount not above the subtotal plus the subtotal
//   surcharge; subtotal, total and payments within 12 digits; payment
//   methods 1-20 and amounts above 0;
//   a receipt: a group 0-50, a linked method 0-20, at most 99 entries and 99
//   payments, totalizers 1-50, amounts above 0, sums within 12 digits.
AnsiString SaleProblem(const PrinterState& state);

// The same checks on one coupon or receipt; `what` names it in the message.
AnsiString CouponProblem(const AnsiString& what, const Coupon& coupon);
AnsiString ReceiptProblem(const AnsiString& what, const Receipt& receipt);

}  // namespace mdx::emulator
