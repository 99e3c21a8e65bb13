// The day's totals as the X reading and the Z reduction print them: the
// grand total, the day's sales, cancellations, discounts, surcharges and
// untaxed sales, then the rates, payment methods and totalizers that moved.
#pragma once

#include "emulator/paper_tape.h"
#include "emulator/printer_state.h"

namespace mdx::emulator {

// The lines, at the state's tape width. Prints nothing on the state's tape.
Tape DayTotalsLines(const PrinterState& s);

}  // namespace mdx::emulator
