// The paper tape cut into documents for the page: each document runs from
// its opening rule ("====") to its end rule; what prints between documents
// (a cut mark) stands alone. The document still open is marked.
#pragma once

#include <cstdint>
#include <vector>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator::view {

struct TapeDocument {
  std::vector<AnsiString> lines;
  bool open = false;
};

// `lines` are the tape's lines from line `firstLine` on, to the tape's end.
// `openFrom` is the tape line where the open document starts (-1: none is
// open). Documents are found from the tape's end backwards, where the printer
// is known to stand between documents (or at the open one's start), so a
// window that starts in the middle of a document only cuts that document.
std::vector<TapeDocument> SplitTape(const std::vector<AnsiString>& lines, int64_t firstLine,
                                    int64_t openFrom, int width);

}  // namespace mdx::emulator::view
