// The tax-rate table as the "29" replies carry it. The till never programs
// it; a fresh printer comes with FreshTaxRates.
#pragma once

#include "emulator/printer_tables.h"

namespace mdx::emulator {

// The 7-character entry: code (3), whole percent (2), hundredths (2), e.g.
// "T011800" for T01 at 18.00; 7 blanks for a free entry.
AnsiString TaxRateEntry(const TaxRate& rate);

// Why the entry is invalid, or "" when it is valid: a free entry is
// TaxRate{}; a used one has a code of 3 capital letters or digits and a rate
// of 0 to 9999 hundredths.
AnsiString TaxRateProblem(const TaxRate& rate);

// True when the rate is an ISS (services) rate: its code starts with "S".
bool IsServiceRate(const TaxRate& rate);

}  // namespace mdx::emulator
