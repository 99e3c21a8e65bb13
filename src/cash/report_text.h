// Report text inside the package: the block cutting of the free-text reports
// and the report sequence they share.
#pragma once

#include <vector>

#include "mdx00200/mdx00200.h"

namespace Mdx00200::cash {

// The minimum block length of the free-text reports.
inline constexpr size_t kMinimumBlock = 500;

// Cuts a report text into the blocks sent one "08" each. Pieces are taken
// from the front: while the rest still holds LF CR, a piece runs up to and
// including the next LF; otherwise it is the whole rest. Pieces join a
// block until it holds kMinimumBlock characters or more. Linear in the text
// length. An empty text gives no block.
MDX_API std::vector<AnsiString> CutReportBlocks(const AnsiString& text);

// "08" + "0" + text, neither own error handling nor busy repeat.
bool SendReportText(const AnsiString& scheme, const AnsiString& text);

// Opens a management report ("13" + "S", own error handling, outcome not
// examined).
void OpenManagementReport(const AnsiString& scheme);

// The text in blocks (refusals not examined), then FechRelatGerenc(scheme,
// true, false), whose verdict is the result.
bool PrintBlocksAndClose(const AnsiString& scheme, const AnsiString& text);

}  // namespace Mdx00200::cash
