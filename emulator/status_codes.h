// The virtual printer's status codes: positions 3-6 of every reply. A reply
// is "." + "+" (accepted) or "-" (refused) + one of these + the command's
// fields. "P" at position 3 with "5" at position 6 means paper and nothing
// else; "P006" means busy and nothing else.
#pragma once

namespace mdx::emulator {

// Accepted, nothing to report.
inline constexpr char kStatusOk[] = "0000";
// Paper: low on an accepted reply, out on a refused one.
inline constexpr char kStatusPaper[] = "P005";
// Busy: the command was not taken; send the same frame again.
inline constexpr char kStatusBusy[] = "P006";

// Refusals. The command changed nothing.
// Not a frame: it must be ESC "." + a 2-character code + parameters + "}".
inline constexpr char kStatusMalformed[] = "E001";
// A code this printer does not know, or an option of a known code it does not offer.
inline constexpr char kStatusUnknownCommand[] = "E002";
// Parameters of the wrong length or content for the command.
inline constexpr char kStatusBadParameters[] = "E003";
// The command does not fit the printer's state (text with no report open,
// cancelling when there is no coupon to cancel, ...).
inline constexpr char kStatusWrongState[] = "E004";
// No room: a table has no room for the entries the command adds, or a
// document holds as many items, payments or entries as it can.
inline constexpr char kStatusTableFull[] = "E005";
// An amount that does not fit: a line total that is not Trunc2(quantity x
// price), a quantity, price or amount of 0, a discount larger than what it
// discounts, or a sum that would pass its digits.
inline constexpr char kStatusBadAmount[] = "E006";
// The command names a table entry that cannot be used: an unknown tax-rate
// code, a free payment-method position, a free or header totalizer.
inline constexpr char kStatusUnknownEntry[] = "E007";
// The document cannot close yet: its payments do not cover its total.
inline constexpr char kStatusNotPaid[] = "E008";
// The day of an earlier date needs its Z reduction before any sale.
inline constexpr char kStatusZPending[] = "E009";
// A document is still open; the reply carries kOperationOpenText from position 7.
inline constexpr char kStatusDocumentOpen[] = "E010";
// The day is closed by its Z reduction: no coupon, receipt or report until
// the printer's date passes the day the Z closed.
inline constexpr char kStatusDayClosed[] = "E011";
// The fiscal memory and the clock only move forward: a Z dated before the
// last reduction's date, or a clock set back before the last document.
inline constexpr char kStatusGoesBack[] = "E012";
// The default status of a refusal injected by a fault rule.
inline constexpr char kStatusInjected[] = "E090";

// The text that follows kStatusDocumentOpen, from position 7 to the end.
inline constexpr char kOperationOpenText[] = "ERRO-OPERACAO NAO ENCERRADA}";

}  // namespace mdx::emulator
