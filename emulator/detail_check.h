// Whether a state's detail-tape memory is one the printer can hold and
// write (part of StateProblem).
#pragma once

#include "emulator/printer_state.h"

namespace mdx::emulator {

// "" when it is valid; otherwise what is wrong, naming the record: a COO
// outside 1-999999, a kind that is not a DetailKind, a time that is not a
// whole millisecond from 30 December 1899 to 31 December 9999, a counter or
// a cancelled COO outside 0-999999, a coupon or receipt that CouponProblem or
// ReceiptProblem rejects, a line wider than the tape or holding a control
// character; or a detailTapeStart outside -1 to the tape's length, or not -1
// with no record.
AnsiString DetailProblem(const PrinterState& state);

}  // namespace mdx::emulator
