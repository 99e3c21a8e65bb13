// The generic header of the consumer-credit reports.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::credit {

// Cabecalho's work: opens a management report and prints the header lines;
// `opened` gets the verdict of the open. Returns the verdict of the last
// line.
bool OpenWithHeader(const AnsiString& scheme, const AnsiString& title, const AnsiString& till,
                    bool& opened);

}  // namespace Mdx00200::credit
