// Commands on the documents the printer holds: the management report, the
// text of a report or non-fiscal receipt, and the two commands shared by
// the documents: payment ("10") and closing ("12").
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "13" + "S": opens a management report (counts COO, GNF and GRG, prints its
// header). Refused with E010 and the "operation left open" text while another
// document is open; "13" + "N" is the X reading (XReading); any other
// parameter is E003.
AnsiString OpenReport(CommandContext& context, const AnsiString& params);

// "08": text inside an open management report or non-fiscal receipt (E004
// otherwise). "0" + text prints the text (LF ends a line, CR is ignored);
// "9" + a digit 1-9 prints that many empty lines; a parameter that starts with
// neither prints whole, as text. An empty parameter is E003.
AnsiString PrintDocumentText(CommandContext& context, const AnsiString& params);

// "12": closes the open document.
//   "12" (no parameters) closes a management report or non-fiscal receipt;
//   a fiscal coupon is not closed this way (E004).
//   "12" + "N" + footer pairs closes whatever is open, printing each pair's
//   line. A pair is "0" + a line of 40 characters; bare "0"s may trail.
//   Anything else is E003.
// A coupon closes as CloseCoupon says, a receipt as CloseReceipt says. With
// nothing open both forms are accepted and print nothing.
AnsiString CloseDocument(CommandContext& context, const AnsiString& params);

// "10" + payment position (2) + amount (12): a payment of the open coupon
// (CouponPayment) or non-fiscal receipt (ReceiptPayment). E003 for another
// shape, E004 with neither open.
AnsiString RegisterPayment(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
