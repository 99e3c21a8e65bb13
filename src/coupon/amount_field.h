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
// negative (even one that would round to zero), not a number, or needs more
// integer digits.
//
// Negative means below zero by more than the dust of floating-point
// arithmetic (1e-9): a host's 0.3 - 0.1 - 0.2 is zero, -0,004 is negative.
MDX_API bool IsNegativeAmount(double value);
MDX_API bool AmountField(double value, int integerDigits, int decimals, mdx::AnsiString& field);

// True when a field holds only zeros: the value, as it will be sent, is
// zero, whatever it was before rounding. The printer refuses such amounts
// where it expects one.
MDX_API bool IsZeroField(const mdx::AnsiString& field);

// The largest value of such a field as text ("9999999999,99"), for messages.
MDX_API mdx::AnsiString LargestAmountText(int integerDigits, int decimals);

}  // namespace Mdx00200::coupon
