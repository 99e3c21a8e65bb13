// The parameters of the closing's amount commands: subtotal discount ("03")
// and surcharge ("11", sent as "1151"), payments ("10") and the change
// voucher's totalizer amount ("07"). Payment amounts are rounded to cents by
// the format, never truncated.
#pragma once

#include <vector>

#include "mdx00200/ansi_string.h"
#include "mdx00200/export.h"

namespace Mdx00200::coupon {

// Each builder fills `params` and returns "" when the values fit, otherwise
// what did not fit (then `params` is left as it was).

// "03": 10 blanks, the discount in 12 digits, "N". An amount that is zero
// once rounded to cents leaves `params` empty: nothing is to be sent.
MDX_API mdx::AnsiString SubtotalDiscountParams(double discount, std::vector<mdx::AnsiString>& params);
// "11": "0000", the surcharge in 11 digits, "N"; empty `params` as for "03".
MDX_API mdx::AnsiString SubtotalSurchargeParams(double surcharge,
                                                std::vector<mdx::AnsiString>& params);
// "10": the printer's two-digit payment-method code immediately followed by
// the amount in 12 digits, as one parameter. `method` names the host's
// method in the message.
MDX_API mdx::AnsiString PaymentParams(const mdx::AnsiString& method, const mdx::AnsiString& code,
                                      double amount, std::vector<mdx::AnsiString>& params);
// "07": the two-digit totalizer position, the amount in 12 digits, 40 blanks.
MDX_API mdx::AnsiString VoucherAmountParams(const mdx::AnsiString& totalizer, double amount,
                                            std::vector<mdx::AnsiString>& params);

// True when text is exactly two decimal digits (a printer table position).
MDX_API bool IsTwoDigitPosition(const mdx::AnsiString& text);

}  // namespace Mdx00200::coupon
