// Paying, closing and cancelling the fiscal coupon. Each refusal leaves the
// state as it was.
#pragma once

#include <vector>

#include "emulator/command_context.h"
#include "emulator/digit_fields.h"

namespace mdx::emulator {

// "10" on the open coupon: a payment with the method at table position
// `payment.position`. The first payment prints the total and moves the
// coupon to its payment phase; each prints the method and amount. Payments
// may exceed the total (the change is given at closing), but none is taken
// once the total is covered.
//   E004: no item, or the total is covered already;
//   E007: a position outside 1-20 or a free method;
//   E006: an amount of 0, or payments past 12 digits;
//   E005: the coupon holds 99 payments.
AnsiString CouponPayment(CommandContext& context, const PositionAndAmount& payment);

// Closes the open coupon ("12" + "N" + footer pairs) once its payments cover
// its total: prints the total (when no payment printed it), the change, a
// rule, the footer lines, the printer's ECF and serial numbers and the end
// rule; adds the coupon to the day's totals (AddClosedCoupon) and keeps it as
// the last coupon, which "05" may cancel. E004 with no item, E008 while the
// payments fall short, E006 when a day's total would pass its digits.
AnsiString CloseCoupon(CommandContext& context, const std::vector<AnsiString>& footer);

// "05", no parameters (else E003): cancels the open coupon (its sales go to
// the cancelled totals: CancelOpenCoupon), or else the last document when it
// is a closed fiscal coupon (a cancellation document with its own COO;
// CancelClosedCoupon). CFC + 1. E010 while a report or receipt is open; E004
// when there is no coupon to cancel; E006 when a cancelled total would pass
// its digits.
AnsiString CancelCoupon(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
