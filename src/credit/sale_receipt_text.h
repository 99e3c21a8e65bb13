// The texts of the consumer sale receipts: product lines, the order
// password and the family balance lines.
#pragma once

#include <vector>

#include "mdx00200/mdx00200.h"

namespace Mdx00200::credit {

// One 48-character line per record of `products`, from its first record:
// code (CDPRODIMPFIS, or CDARVPROD when that is blank, cut to 20) + " " +
// the first 12 characters of NMPRODUTO + two blanks + QTPRODCOMVEN as
// "0.00#", cut or filled to 30; two blanks; VRPRECCOMVEN as "0.00" and the
// line total (truncated to 2 decimals) as "0.00", each right-aligned in 8.
// Raises mdx::EDatabaseError when the dataset is closed or lacks a field.
std::vector<AnsiString> ProductLines(TClientDataSet& products);

// "SENHA PEDIDO:  " + password + CR LF, or "" for no password.
AnsiString PasswordText(const AnsiString& password);

// One line per record of cdsSaldCred whose VRSALDCONFAM is not 0: the
// family's NMFAMILISALD filled or cut to 25 and its balance (adjusted by its
// spending and loan) in fixed notation right-aligned in 22, + LF. No line
// when cdsSaldCred holds no data.
AnsiString FamilyBalanceLines();

}  // namespace Mdx00200::credit
