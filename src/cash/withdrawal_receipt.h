// The withdrawal receipt of the till closing: two copies, the supervisor's
// and the operator's, of the amounts handed over per receipt type.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::cash {

struct WithdrawalReceipt {
  bool envelopeColumn = false;  // the column header starts with "NR.ENV"
  bool typedAmounts = false;    // VRFECHADIG rather than VRFECHAINF
  AnsiString reason;            // printed when not empty
  AnsiString observation;       // printed when not empty
};

// Prints both copies into the open management report: the spacing command
// ("08" + "9" + "1"), then the lines through the text-block buffer, sent in
// one command after the second copy. `amounts` gives one line per row
// (NRENVELOPE, NMTIPORECE and the amount); the first row of `people` gives
// CDSUPERVISOR, NMSUPERVISOR and NMOPERADOR.
void PrintWithdrawalReceipt(const AnsiString& scheme, const WithdrawalReceipt& receipt,
                            TClientDataSet& amounts, TClientDataSet& people);

}  // namespace Mdx00200::cash
