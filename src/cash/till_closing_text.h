// The till-closing reports' width and the lines they hand to the text-block
// buffer.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::cash {

// The receipt line of these reports.
inline constexpr int kClosingWidth = 40;

// Hands a line to the text-block buffer (imprimeBlocoSweda, send false).
void BufferLine(const AnsiString& scheme, const AnsiString& text);
// Hands the last line and sends the whole buffer (send true).
void FlushLine(const AnsiString& scheme, const AnsiString& text);

}  // namespace Mdx00200::cash
