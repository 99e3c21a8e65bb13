// The closing report's lines (closing reports A and B of the till closing):
// sales, credit purchases, the withdrawals and the other cash movements, the
// total withdrawn and the surplus or shortage.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::cash {

// Hands the lines to the text-block buffer; the last one (SOBRA or FALTA)
// sends the buffer. `movements` rows (IDTIPOREG, NMTIPORECE, VRSAIDA), in
// dataset order: "1" and "5" are withdrawals, listed and summed (W); "4" the
// contra-vale received (R), "2" the contra-vale emitted (E), "3" the supply
// (S), the last row of each kind counting; other kinds are left out.
// TOTAL SANGRIAS is W + R - S - E; the difference W + R - S - E - sales -
// credit, in cents, is a shortage (FALTA) below zero, else a surplus (SOBRA).
void PrintClosingLines(const AnsiString& scheme, double sales, double creditPurchases,
                       TClientDataSet& movements);

}  // namespace Mdx00200::cash
