// The consumer-credit lines of the footer: the consumer's balance, the family
// balances of variants A and B and their total, from cdsSaldCred,
// cdsFamiliaSaldo and cdsEmprestimo.
#pragma once

#include <vector>

#include "coupon/closing_state.h"

namespace Mdx00200::coupon {

// The sum of VRSALDCONFAM over cdsSaldCred (0 when it holds no data).
double CreditBalanceSum();

// The balance of variants D to G, by the balance kind (element 27) and the
// credit kind (element 36); and whether its line shows.
double ConsumerBalance(const ClosingState& s);
bool ShowsConsumerBalance(const ClosingParams& p);

// A family's balance of cdsSaldCred (`balance`) less its spending in
// cdsFamiliaSaldo, then less its loan ("D" in cdsEmprestimo) or, only for a
// family with spending, plus its credit ("C"); without spending, less its
// loan. Missing spending or loan data means no adjustment.
double FamilyBalance(const Variant& family, double balance);

// One line per family of the first two rows of cdsSaldCred: the name in 20,
// the balance with 2 decimals right-aligned in 20. The balance is reduced by
// the family's spending of cdsFamiliaSaldo, and by its loan ("D" in
// cdsEmprestimo) or raised by its credit ("C", only for a family with
// spending). Missing spending or loan data means no adjustment.
std::vector<AnsiString> FamilyLines();

}  // namespace Mdx00200::coupon
