// Printing on the paper tape: text becomes lines of at most the tape's width.
#pragma once

#include <string_view>
#include <vector>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {

using Tape = std::vector<AnsiString>;

// Prints text as the printer does: LF ends a line, CR is ignored, a line
// longer than `width` continues on the next one, trailing blanks are not kept.
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

}  // namespace mdx::emulator
