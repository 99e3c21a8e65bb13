// The lines that open the text files (the mirror and the readings): title,
// the printer's identity, the range and the moment of the capture.
#pragma once

#include <vector>

#include "fiscalfiles/snapshot.h"
#include "mdx00200/ansi_string.h"

namespace mdx::fiscalfiles {

//   <title>
//   FAB: SW000000000000000001
//   SERIE: SW0000001  ECF: 001
//   PERIODO: <rangeText>
//   CAPTURA: 06/12/2026 14:05:30
std::vector<AnsiString> HeaderLines(const AnsiString& title, const Snapshot& snapshot,
                                    const AnsiString& rangeText);

}  // namespace mdx::fiscalfiles
