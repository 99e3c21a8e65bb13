// The non-fiscal totalizer table: its "29" entries and its programming with
// "38".
#pragma once

#include <string_view>

#include "emulator/printer_tables.h"

namespace mdx::emulator {

// The 15-character entry: marker + name blank-filled to 14; 15 blanks for a
// free entry.
AnsiString TotalizerEntry(const Totalizer& totalizer);

bool IsFree(const Totalizer& totalizer);

// "38" after its "N": `entries` is entries of 15 characters, marker ("&",
// "+" or "-") + name (see SplitEntries for a short last entry). Each entry
// whose marker and name (SameName) the table does not hold yet goes to the
// first free position, in order; one that is there already is taken and
// changes nothing. No entries at all is accepted.
// Returns kStatusOk with the table changed, or the refusal with the table
// unchanged: kStatusBadParameters for an entry that cannot be read or has
// another marker, kStatusTableFull when the new entries do not all fit.
std::string_view AddTotalizers(TotalizerTable& table, std::string_view entries);

// Why the entry is invalid, or "" when it is valid: a free entry is
// Totalizer{}; a used one has the marker "&", "+" or "-" and a name of 1 to
// 14 characters (see NameProblem).
AnsiString TotalizerProblem(const Totalizer& totalizer);

}  // namespace mdx::emulator
