// The frame of the consumer sale receipts: a credit or debit receipt linked
// to the coupon just closed, on one payment method.
#pragma once

#include <vector>

#include "mdx00200/mdx00200.h"

namespace Mdx00200::credit {

// True when the sale amount rounded to 2 decimals is not above 0: such a
// sale prints no receipt.
bool NoReceiptFor(double saleAmount);

// "27" + "1" (busy repeat) and the last reply read, then "19" + "00" +
// "0000" + position; false when either is refused, with nothing more sent.
// Then one "08" per entry of `texts` (each entry the command's parameters),
// and "12" with own error handling, whose verdict is the result.
bool PrintLinkedReceipt(const AnsiString& scheme, const AnsiString& position,
                        const std::vector<std::vector<AnsiString>>& texts);

}  // namespace Mdx00200::credit
