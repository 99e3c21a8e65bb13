// Non-fiscal receipts: opening ("19"), amounts on totalizers ("07"),
// payments ("10") and closing. A receipt's entries all go one way: on "+"
// totalizers (money comes in; the receipt must be paid before it closes) or
// on "-" totalizers (money goes out; it takes no payment). A receipt linked
// to the last coupon holds text only. Each refusal leaves the state as it was.
#pragma once

#include <vector>

#include "emulator/command_context.h"
#include "emulator/digit_fields.h"

namespace mdx::emulator {

// "19" opens a non-fiscal receipt: counts COO and GNF and prints its header
// and GNF. Parameters:
//   6 blanks, or "00" + 6 blanks                  an ordinary receipt;
//   a totalizer position (2) + 6 blanks           one under that "&" group;
//   "00" + "0000" + a payment position (2)        a receipt linked to the
//       last closed coupon, for that method; it prints the coupon's COO and
//       what the coupon paid with the method.
// E003 for any other shape; E010 while a document is open; E009 when the day
// needs its Z reduction; E007 for a group that is not a used "&" header or a
// free method; E004 for a linked receipt with no last coupon or one that did
// not pay with that method.
AnsiString OpenReceipt(CommandContext& context, const AnsiString& params);

// "07" + totalizer position (2) + amount (12) + a text of 40 characters
// (printed below the entry unless blank): registers and prints an amount on
// a totalizer of the open receipt.
//   E003: another shape or a control character;
//   E004: no ordinary receipt open, a payment already made, or a totalizer
//         of the other way ("+" after "-" or the reverse);
//   E007: a position outside 1-50, a free entry or an "&" group header;
//   E006: an amount of 0 or a receipt total past 12 digits;
//   E005: the receipt holds 99 entries.
AnsiString RegisterReceiptAmount(CommandContext& context, const AnsiString& params);

// "10" on the open receipt: a payment, as on a coupon (CouponPayment). The
// first prints the receipt's total. E004 on a linked receipt, with no entry,
// on a "-" receipt or once the total is covered; E007 for a free or unknown
// method; E006 for 0 or payments past 12 digits; E005 after 99 payments.
AnsiString ReceiptPayment(CommandContext& context, const PositionAndAmount& payment);

// Closes the open receipt ("12", or "12" + "N" + footer pairs): prints the
// total (when no payment printed it), the change, the footer lines and the
// end rule, and adds the entries and payments to the day's totals
// (AddClosedReceipt). A receipt with entries becomes the reversible last
// receipt (PrinterState::lastReceipt). E008 while a "+" receipt's payments
// fall short of its total; E006 when a day's total would pass its digits.
AnsiString CloseReceipt(CommandContext& context, const std::vector<AnsiString>& footer);

}  // namespace mdx::emulator
