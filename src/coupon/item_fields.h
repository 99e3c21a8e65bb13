// The fields of an item ("01") and of its discount ("02") and surcharge
// ("60"), built from the host's values without a printer.
#pragma once

#include "mdx00200/ansi_string.h"
#include "mdx00200/export.h"

namespace Mdx00200::coupon {

struct ItemInput {
  mdx::AnsiString code;  // CDARVPROD
  mdx::AnsiString name;  // NMPROD
  mdx::AnsiString unit;  // UNIDADE, may be empty
  mdx::AnsiString rate;  // CDALIQ, the printer's tax-rate code
  double quantity = 0;   // QTDE
  double price = 0;      // VALOR, the unit price
  double discount = 0;   // DESCONT, 0 = none
  double surcharge = 0;  // ACRESCIMO, 0 = none
};

struct ItemFields {
  // "01": code (13), quantity (7), unit price (9), line total (12),
  // description (24), tax-rate code (3).
  mdx::AnsiString code, quantity, unitPrice, lineTotal, description, rate;
  // The 12 digits of "02" and "60"; empty when the amount is not above 0.
  mdx::AnsiString discount, surcharge;
};

// Builds the fields. Quantity, prices and amounts are truncated (not
// rounded): quantity to 3 decimals, the others to 2. Returns "" when every
// value fits, otherwise what did not fit (then `fields` is incomplete):
// a code longer than 13, a quantity outside 0..9999.999, a unit price
// outside 0..999999.99, a discount or surcharge below 0 or past 12 digits.
MDX_API mdx::AnsiString BuildItemFields(const ItemInput& item, ItemFields& fields);

}  // namespace Mdx00200::coupon
