// The detail-tape mirror: the text reproduction of the detail-tape memory
// over a range of COOs or days.
#pragma once

#include "fiscalfiles/range.h"
#include "fiscalfiles/snapshot.h"

namespace mdx::fiscalfiles {

// The header (HeaderLines with the title "ESPELHO DA MEMORIA DE
// FITA-DETALHE", then "DOCUMENTOS: n" and an empty line), then the printed
// lines of every document of the range in COO order; CR LF after each line.
AnsiString MirrorText(const Snapshot& snapshot, const Range& range);

}  // namespace mdx::fiscalfiles
