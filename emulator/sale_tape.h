// How a fiscal coupon and a non-fiscal receipt look on the paper tape.
// Each function prints its lines at the end of the tape, in the state's
// width; amounts print as AmountText. A coupon (48 columns):
//
//   ================================================
//                MDX LOJA VIRTUAL LTDA
//   CNPJ:11.222.333/0001-81                IE:ISENTO
//   06/12/2026 14:05:30                   COO:000001
//                     CUPOM FISCAL
//   ------------------------------------------------
//   CCF:000001
//   CPF/CNPJ CONSUMIDOR: 12345678909
//   001 0000000000789 CAFE
//       2,000 KG x 3,50 T01                     7,00
//   DESCONTO ITEM 001                          -0,50
//   SUBTOTAL R$                                 6,50
//   DESCONTO R$                                -1,00
//   TOTAL R$                                    5,50
//   Dinheiro                                   10,00
//   TROCO R$                                    4,50
//   ------------------------------------------------
//   <footer lines>
//   ECF:001                            FAB:SW0000001
//   ================================================
#pragma once

#include <string_view>
#include <vector>

#include "emulator/printer_state.h"

namespace mdx::emulator {

// The store's lines that head a coupon, below the top rule: its name,
// centred, and its CNPJ and IE.
std::vector<AnsiString> StoreLines(int width);

// "CCF:nnnnnn" and, when the coupon has one, "CPF/CNPJ CONSUMIDOR: " + id.
void PrintCouponOpening(PrinterState& state, const Coupon& coupon);

// An item, numbered: number (3 digits), code and name on the first line
// (continued when longer than the tape); quantity, unit, unit price and tax
// code on the second, with the line total at its end. A description
// "?" + unit (2 characters) + name prints its unit after the quantity.
void PrintItem(PrinterState& state, const CouponItem& item, int number);

// "DESCONTO ITEM nnn" with "-" + amount, or "ACRESCIMO ITEM nnn" with "+" + amount.
void PrintItemAdjustment(PrinterState& state, int number, bool discount, int64_t amount);

// "CANCELAMENTO ITEM nnn" with "-" + the item's value.
void PrintItemCancellation(PrinterState& state, int number, int64_t value);

// "SUBTOTAL R$" with the subtotal, then "DESCONTO R$" with "-" + amount or
// "ACRESCIMO R$" with "+" + amount.
void PrintSubtotalAdjustment(PrinterState& state, int64_t subtotal, bool discount,
                             int64_t amount);

// "TOTAL R$" with the total.
void PrintTotal(PrinterState& state, int64_t total);

// The payment method's name (its position when the entry is free) with the amount.
void PrintPayment(PrinterState& state, const Payment& payment);

// "TROCO R$" with the change, when there is change.
void PrintChange(PrinterState& state, int64_t change);

// A rule of "-", between a coupon's payments and its footer.
void PrintFooterRule(PrinterState& state);

// "ECF:nnn" and "FAB:" + the serial number, the coupon's last line before
// its end rule.
void PrintPrinterIdentity(PrinterState& state);

// "GNF:nnnnnn", below the header of a non-fiscal receipt.
void PrintReceiptOpening(PrinterState& state);

// A receipt linked to the last coupon: "GNF:nnnnnn", "COO DO CUPOM:nnnnnn"
// and the payment method's name with what the coupon paid with it.
void PrintLinkedOpening(PrinterState& state, int couponCoo, const Payment& payment);

// The body of a receipt reversal: "GNF:nnnnnn", "COO DO COMPROVANTE:nnnnnn"
// (the reversed receipt) and "TOTAL ESTORNADO R$" with its total.
void PrintReversal(PrinterState& state, int receiptCoo, int64_t total);

// An amount on a totalizer: its position (2 digits) and name with the
// amount, then `text` when it is not blank.
void PrintReceiptEntry(PrinterState& state, const ReceiptEntry& entry, std::string_view text);

}  // namespace mdx::emulator
