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
// A table has no room for the entries the command adds.
inline constexpr char kStatusTableFull[] = "E005";
// A document is still open; the reply carries kOperationOpenText from position 7.
inline constexpr char kStatusDocumentOpen[] = "E010";
// The default status of a refusal injected by a fault rule.
inline constexpr char kStatusInjected[] = "E090";

// The text that follows kStatusDocumentOpen, from position 7 to the end.
inline constexpr char kOperationOpenText[] = "ERRO-OPERACAO NAO ENCERRADA}";

}  // namespace mdx::emulator
