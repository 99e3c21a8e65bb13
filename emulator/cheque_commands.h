// Cheque printing: the host chooses the cheque's format, may alter it, sends
// its data, and ends the cheque. The texts come in the printer's notation as
// the host composed them; the printer takes them as one text per command (the
// frame has no separators) of printable characters.
//
// A cheque is printed outside documents: every command here but "25" is
// refused with E004 while a coupon, receipt or report is open. The refusal
// is not the "operation left open" reply, which would make the till cancel
// its open coupon.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "46" + "S" + format (1-40 characters): a cheque is put in the slot with
// that format. E003 for another shape, E004 while a document is open or a
// cheque is in progress already (end it with "25" first).
AnsiString ChequeFormat(CommandContext& context, const AnsiString& params);

// "45" + text (1-120 characters): an alteration of the cheque's format, kept
// in order. E003 for another shape, E004 with no cheque in progress, once it
// is printed or while a document is open, E005 past 9 alterations.
AnsiString ChequeChange(CommandContext& context, const AnsiString& params);

// "44" + data (1-240 characters): prints the cheque on its own section of the
// tape:
//   a rule of "="
//   "CHEQUE", centred
//   "dd/mm/yyyy hh:nn:ss"
//   a rule of "-"
//   "FORMATO: " + the format
//   "ALTERACAO: " + each alteration
//   the data, as text
//   a rule of "="
// E003 for another shape (no data included), E004 with no cheque in
// progress, once it is printed or while a document is open.
AnsiString ChequeData(CommandContext& context, const AnsiString& params);

// "25", no parameters: ends the cheque in progress, if any (printed or not).
// Accepted either way, since the same frame is also the package's probe.
AnsiString EndCheque(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
