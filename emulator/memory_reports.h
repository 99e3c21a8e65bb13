// Reports of the fiscal memory: "15" by reduction number, "16" by date.
#pragma once

#include <string_view>

#include "emulator/command_context.h"

namespace mdx::emulator {

// A date "ddmmyy" (years 2000-2099); false when it is not 6 digits or not a day.
bool ReadShortDate(std::string_view text, TDateTime& date);
// "dd/mm/yyyy".
AnsiString DayMonthYearText(TDateTime date);

// "15" + first + last reduction number (4 digits each), or nothing for the
// whole memory. Text after the bounds (an option and a range kind) is
// accepted and ignored. Prints the records in the range; counts COO.
// E003 for bounds that are not digits, cut short, or first above last;
// E010 while a document is open.
AnsiString MemoryByNumber(CommandContext& context, const AnsiString& params);

// "16" + first + last date "ddmmyy", as "15" otherwise.
AnsiString MemoryByDate(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
