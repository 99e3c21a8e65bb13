// The frame of every document on the paper tape: a header that counts the
// document (COO) and an end rule, and the document's record in the
// detail-tape memory.
#pragma once

#include <string_view>
#include <vector>

#include "emulator/printer_state.h"
#include "mdx00200/datetime.h"

namespace mdx::emulator {

// Largest value of the 6-digit document counters (COO, CCF, GNF, GRG, CFC).
inline constexpr int kLargestDocumentCount = 999999;

// The counter's next value: + 1, and 1 again after 999999.
int NextCount(int counter);

// Starts a document of `kind`: counts it (COO, and CCF for a fiscal coupon,
// GNF for a receipt, linked receipt or reversal, GNF and GRG for a
// management report, CRZ for a Z reduction), forgets the cancellable coupon
// and the reversible receipt, opens the fiscal day when it is not open (the
// movement date becomes today when it is not set), opens the document's
// detail record (OpenDetailRecord, with the counter it advanced) and prints:
//   a rule of "="
//   `headLines`, as given
//   "dd/mm/yyyy hh:nn:ss" ... "COO:nnnnnn"
//   the title, centred
//   a rule of "-"
// Returns the detail record, valid until the detail memory changes.
DetailDocument& StartDocument(PrinterState& state, TDateTime now, DetailKind kind,
                              std::string_view title,
                              const std::vector<AnsiString>& headLines = {});

// Prints text inside the open document (see PrintText).
void PrintInDocument(PrinterState& state, std::string_view text);

// Prints the end rule of "=" and ends the document's detail record
// (CloseDetailRecord); returns the record, or nullptr when it has none.
DetailDocument* EndDocument(PrinterState& state);

}  // namespace mdx::emulator
