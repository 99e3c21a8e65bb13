// Commands on the documents the printer holds: the management report, the
// text of a report or non-fiscal receipt, closing, and cancelling a coupon.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "13" + "S": opens a management report (counts COO, GNF and GRG, prints its
// header). Refused with E010 and the "operation left open" text while another
// document is open; "13" + "N" (the X reading) is not offered (E002); any
// other parameter is E003.
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
//   line first. A pair is "0" + a line of 40 characters; bare "0"s may trail.
//   Anything else is E003.
// With nothing open both forms are accepted and print nothing.
AnsiString CloseDocument(CommandContext& context, const AnsiString& params);

// "05", no parameters: cancels the open fiscal coupon, or else the last
// document when it is a closed fiscal coupon (a cancellation document is
// printed). E010 while a report or receipt is open; E004 when there is no
// coupon to cancel.
AnsiString CancelCoupon(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
