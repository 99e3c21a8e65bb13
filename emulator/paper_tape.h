// Printing on the paper tape: text becomes lines of at most the tape's width.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

using Tape = std::vector<AnsiString>;

// Prints text as the printer does: LF ends a line, CR and the other control
// characters (below 0x20, 0x7F) print nothing, a line longer than `width`
// continues on the next one, trailing blanks are not kept.
// A final LF ends the last line (no empty line after it); an empty text
// prints one empty line.
void PrintText(Tape& tape, int width, std::string_view text);

// `width` copies of `fill`.
AnsiString RuleLine(int width, char fill);
// `text` centred in `width` (cut when longer).
AnsiString Centred(std::string_view text, int width);
// `left` at the start and `right` at the end of one line of `width`;
// `right` wins where they meet.
AnsiString LeftAndRight(std::string_view left, std::string_view right, int width);
// Prints `left` and `right` as LeftAndRight does when they fit on one line
// with a blank between them; otherwise `left` as text (PrintText) and
// `right` at the end of the next line.
void PrintLeftAndRight(Tape& tape, int width, std::string_view left, std::string_view right);

// An amount in cents as printed: reais, a comma and two digits ("1234,56",
// "0,05"); no thousands separator. Amounts below 0 print as "0,00".
AnsiString AmountText(int64_t cents);

}  // namespace mdx::emulator
