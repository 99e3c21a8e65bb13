// The fiscal-memory reading as text: the Z reductions of a range of CRZ
// numbers or days, from a fiscal-memory capture. Lines of at most 48
// characters, amounts as the printer prints them ("1234,56"), CR LF after
// each line.
#pragma once

#include "fiscalfiles/range.h"
#include "fiscalfiles/snapshot.h"

namespace mdx::fiscalfiles {

enum class ReadingMode {
  kSimplified = 0,  // one line a reduction (CRZ, date, COO, gross sales), then the totals
  kComplete = 1,    // every amount of each reduction, then the totals
};

// HeaderLines ("LEITURA DA MEMORIA FISCAL SIMPLIFICADA" or "... COMPLETA"),
// an empty line, the reductions, an empty line and the period's totals
// (reductions, gross sales, cancellations, discounts, surcharges, net sales,
// the last reduction's grand total). With no reduction in the range the
// header is followed by an empty line and "SEM REDUCOES NO PERIODO".
AnsiString MemoryReadingText(const Snapshot& snapshot, const Range& range, ReadingMode mode);

}  // namespace mdx::fiscalfiles
