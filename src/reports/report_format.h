// Texts shared by the report builders: number text, rules and the maker's
// contact line.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::reports {

// The value in fixed notation with `decimals` decimals and the decimal
// separator of the settings ("8,97").
AnsiString Fixed(double value, int decimals);

// The value with two decimals, right-aligned in `width`. A wider text is
// kept whole and widens the line: a figure on paper is never cut.
AnsiString AmountRight(double value, int width);

// `width` dashes.
AnsiString Rule(int width = 40);

// The maker's contact line printed at the foot of the documents.
AnsiString ContactLine();

}  // namespace Mdx00200::reports
