// The fiscal day's reports: the X reading ("13" + "N") and the Z reduction
// ("14" + "N" + ddmmyy).
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "13" + "N": prints the day's totals, counts COO and the X readings. E010
// while a document is open.
AnsiString XReading(CommandContext& context);

// "14" + "N" + the computer's date "ddmmyy": prints the Z report, writes a
// record to the fiscal memory, counts CRZ and COO, clears the day's totals
// and the movement date, closes the day and clears the pending Z.
// E003 for another shape or a date that does not exist, E010 while a
// document is open, E004 when the last reduction has the same date.
AnsiString ZReduction(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
