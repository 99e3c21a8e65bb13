// Amount fields: a number with a fixed count of digits and implied decimals,
// as the printer reads them ("0000000000.00" with its separator deleted:
// 12.50 in 10 + 2 digits is "000000001250").
#pragma once

#include "mdx00200/ansi_string.h"
#include "mdx00200/export.h"

namespace Mdx00200::coupon {

// The value formatted with `integerDigits` integer and `decimals` decimal
// digits (rounded to the decimals, as the format does), the decimal
// separator removed. False, leaving `field` as it was, when the value is
// negative, not a number, or needs more integer digits.
MDX_API bool AmountField(double value, int integerDigits, int decimals, mdx::AnsiString& field);

// The largest value of such a field as text ("9999999999,99"), for messages.
MDX_API mdx::AnsiString LargestAmountText(int integerDigits, int decimals);

}  // namespace Mdx00200::coupon
