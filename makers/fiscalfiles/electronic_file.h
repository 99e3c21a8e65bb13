// The electronic file of the detail-tape memory: fixed-width records, one a
// line, each line ending CR LF. Numbers are zero-filled on the left, texts
// blank-filled on the right, amounts in cents, dates yyyymmdd, times hhmmss.
// Every record starts with its type (columns 1-3) and the fabrication number
// (4-23). In order:
//
//   E01  the header, once
//   per document of the range, in COO order:
//     E14  a fiscal coupon, then
//       E15  each of its items, in order, cancelled ones included
//       E21  each of its payments, in order
//     E16  any other document, then
//       E21  each payment of a non-fiscal receipt
//   E99  the trailer with the counts
//
// The column layout of every record is in docs/fiscal-files.md.
#pragma once

#include "fiscalfiles/range.h"
#include "fiscalfiles/snapshot.h"

namespace mdx::fiscalfiles {

// `memory` (a fiscal-memory capture) gives the header's CRO, CRZ and grand
// total; `detail` (a detail-tape capture) gives the documents, the payment
// method names and the moment of the capture.
AnsiString ElectronicFileText(const Snapshot& memory, const Snapshot& detail, const Range& range);

}  // namespace mdx::fiscalfiles
