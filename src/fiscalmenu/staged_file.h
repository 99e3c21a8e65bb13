// A fiscal-menu file is written and signed under a staging name beside its
// final one, and only then takes its final name: a file under a final name is
// always whole and signed, also when the process dies between the maker's
// library and the signature.
#pragma once

#include <vector>

#include "mdx00200/ansi_string.h"

namespace Mdx00200::fiscalfiles {

// "<final>.tmp": the name the maker's library writes and the signature
// library signs.
mdx::AnsiString StagingName(const mdx::AnsiString& finalPath);

// True when the final file name leaves room, within the 255 characters of a
// file name, for the staging name and the signature library's temporary
// name beside it; a longer one could be written but never signed.
bool StagingNameFits(const mdx::AnsiString& finalPath);

// Removes what a crash left under the staging name of `finalPath`, before
// the library writes it again.
void ClearStaging(const mdx::AnsiString& finalPath);

// Gives the staging file of `names[0]` the first of `names` that no file
// has, never replacing a file; when all are taken, the first free of
// names[0] + "_2", "_3", ... before its extension. Returns the name given,
// or "" when there is no staging file. Raises EInOutError when the move
// fails for another reason.
mdx::AnsiString PublishAsNew(const mdx::AnsiString& staging,
                             const std::vector<mdx::AnsiString>& names);

// Gives the staging file `finalPath`, replacing a file of that name: for the
// names that are fixed, where the newest file is the one a host reads.
// Returns `finalPath`, or "" when there is no staging file.
mdx::AnsiString PublishReplacing(const mdx::AnsiString& staging, const mdx::AnsiString& finalPath);

}  // namespace Mdx00200::fiscalfiles
