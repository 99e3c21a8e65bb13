// Whether a state is one the printer can hold: checked when a test or the
// console replaces the state, and when a state file is loaded.
#pragma once

#include "emulator/printer_state.h"

namespace mdx::emulator {

// "" when the state is valid; otherwise what is wrong, naming the field:
// a tape width other than 40 or 48, a serial number that is not 1 to 9
// characters without blanks, an ECF number outside 1-999, a movement date
// that is not a whole day, an amount below 0 or past its digits (12, or 17
// for the grand total), a slot count outside 0-9999, or a table entry that
// TaxRateProblem, PaymentMethodProblem or TotalizerProblem rejects, a
// coupon or receipt that SaleProblem rejects, or a cheque with a format,
// alterations or a print while no cheque is in progress, a format of more
// than 40 characters, more than 9 alterations, an alteration that is empty
// or longer than 120, or a control character in any of them, or a detail
// memory that DetailProblem rejects.
AnsiString StateProblem(const PrinterState& state);

}  // namespace mdx::emulator
