// Fields of the files the libraries write: zero-filled numbers, blank-filled
// texts, dates and times in fixed forms (never the regional settings), and
// lines joined with CR LF.
#pragma once

#include <cstdint>
#include <vector>

#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"

namespace mdx::fiscalfiles {

// `value` right-aligned in `width` digits, zero-filled. Raises
// std::length_error for a negative value or one with more digits than
// `width`: a field is never cut.
AnsiString Digits(int64_t value, int width);
// `text` left-aligned in `width` characters, blank-filled or cut; control
// characters become blanks, so a field never breaks its line.
AnsiString Text(const AnsiString& text, int width);

// The whole day of a date-time (days since 30 December 1899).
int DayNumber(TDateTime value);
AnsiString DateDigits(TDateTime value);    // "yyyymmdd"
AnsiString TimeDigits(TDateTime value);    // "hhnnss"
AnsiString DateText(TDateTime value);      // "dd/mm/yyyy"
AnsiString DateTimeText(TDateTime value);  // "dd/mm/yyyy hh:nn:ss"

// Every line followed by CR LF.
AnsiString JoinLines(const std::vector<AnsiString>& lines);

}  // namespace mdx::fiscalfiles
