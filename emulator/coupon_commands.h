// Commands that open a fiscal coupon and fill it: opening, items, item and
// subtotal discounts and surcharges. Each refusal leaves the state as it was.
// Refusals common to the item phase: E004 with no coupon open or once the
// coupon is in its payment phase.
#pragma once

#include "emulator/command_context.h"

namespace mdx::emulator {

// "17" + the consumer's CPF/CNPJ (may be empty; at most 30 printable
// characters, else E003): opens a fiscal coupon. Counts COO and CCF, prints
// the store's lines, the header "CUPOM FISCAL", the CCF and the consumer
// when given. E010 (operation left open) while a document is open, E009
// when the day needs its Z reduction. The previous closed coupon can no
// longer be cancelled or named by a linked receipt.
AnsiString OpenCoupon(CommandContext& context, const AnsiString& params);

// "01" + 68 characters: code (13), quantity (7: thousandths), unit price
// (9: cents), line total (12: cents), description (24), tax-rate code (3).
// Registers and prints the item, numbered from 1.
//   E003: another length, a non-digit in the numeric fields, a control
//         character, a blank description or name;
//   E007: a tax-rate code that is neither a used rate nor I/N/F (TaxBucket);
//   E006: a quantity, price or line total of 0, a line total other than
//         LineTotal(quantity, price), a subtotal past 12 digits;
//   E005: the coupon holds 999 items.
AnsiString RegisterItem(CommandContext& context, const AnsiString& params);

// "02" / "60" + "0000" + amount (12): a discount / surcharge on the last
// item, at most one of each per item. E003 for another shape; E004 with no
// item, when the item is cancelled or has one already; E006 for 0, a discount larger than
// the item's value, or a subtotal past 12 digits.
AnsiString ItemDiscount(CommandContext& context, const AnsiString& params);
AnsiString ItemSurcharge(CommandContext& context, const AnsiString& params);

// "03" + 10 blanks + amount (12) + "N": a discount on the subtotal.
// "11" + "51" + "0000" + amount (11) + "N" (the wire's "1151"): a surcharge
// on the subtotal; "11" without "51" is E002. Either prints the subtotal,
// the adjustment and the total, and moves the coupon to its payment phase,
// so a coupon takes at most one of them. E003 for another shape; E004 with
// no item; E006 for 0, a subtotal of 0, a discount larger than the
// subtotal, or a total past 12 digits.
AnsiString SubtotalDiscount(CommandContext& context, const AnsiString& params);
AnsiString SubtotalSurcharge(CommandContext& context, const AnsiString& params);

}  // namespace mdx::emulator
