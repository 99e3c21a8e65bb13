#include "emulator/sale_tape.h"

#include "emulator/digit_fields.h"
#include "emulator/item_description.h"
#include "emulator/paper_tape.h"
#include "emulator/reply_builder.h"

namespace mdx::emulator {

namespace {

constexpr char kStoreName[] = "MDX LOJA VIRTUAL LTDA";
constexpr char kStoreCnpj[] = "CNPJ:11.222.333/0001-81";
constexpr char kStoreIe[] = "IE:ISENTO";
constexpr char kItemIndent[] = "    ";

AnsiString Trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return AnsiString(text);
}

AnsiString QuantityText(int thousandths) {
  const AnsiString decimals = ZeroFilled(thousandths % 1000, 3);
  return std::to_string(thousandths / 1000) + "," + decimals;
}

void AmountLine(PrinterState& state, std::string_view label, const AnsiString& amount) {
  PrintLeftAndRight(state.tape, state.tapeWidth, label, amount);
}

AnsiString MethodName(const PrinterState& state, int method) {
  if (method >= 1 && method <= kPaymentMethodCount) {
    const AnsiString name = Trimmed(state.paymentMethods[static_cast<size_t>(method - 1)].name);
    if (!name.empty()) return name;
  }
  return "FORMA " + ZeroFilled(method, 2);
}

}  // namespace

std::vector<AnsiString> StoreLines(int width) {
  return {Centred(kStoreName, width), LeftAndRight(kStoreCnpj, kStoreIe, width)};
}

void PrintCouponOpening(PrinterState& state, const Coupon& coupon) {
  state.tape.push_back("CCF:" + ZeroFilled(state.counters.ccf, 6));
  if (!coupon.consumer.empty()) {
    PrintText(state.tape, state.tapeWidth, "CPF/CNPJ CONSUMIDOR: " + coupon.consumer);
  }
}

void PrintItem(PrinterState& state, const CouponItem& item, int number) {
  const ItemDescription description = SplitDescription(item.description);
  const AnsiString unit = Trimmed(description.unit);
  PrintText(state.tape, state.tapeWidth,
            ZeroFilled(number, 3) + " " + item.code + " " + Trimmed(description.name));
  AnsiString detail = kItemIndent + QuantityText(item.quantity);
  if (!unit.empty()) detail += " " + unit;
  detail += " x " + AmountText(item.unitPrice) + " " + item.taxCode;
  AmountLine(state, detail, AmountText(item.amount));
}

void PrintItemAdjustment(PrinterState& state, int number, bool discount, int64_t amount) {
  AmountLine(state, (discount ? "DESCONTO ITEM " : "ACRESCIMO ITEM ") + ZeroFilled(number, 3),
             (discount ? "-" : "+") + AmountText(amount));
}

void PrintItemCancellation(PrinterState& state, int number, int64_t value) {
  AmountLine(state, "CANCELAMENTO ITEM " + ZeroFilled(number, 3), "-" + AmountText(value));
}

void PrintSubtotalAdjustment(PrinterState& state, int64_t subtotal, bool discount,
                             int64_t amount) {
  AmountLine(state, "SUBTOTAL R$", AmountText(subtotal));
  AmountLine(state, discount ? "DESCONTO R$" : "ACRESCIMO R$",
             (discount ? "-" : "+") + AmountText(amount));
}

void PrintTotal(PrinterState& state, int64_t total) {
  AmountLine(state, "TOTAL R$", AmountText(total));
}

void PrintPayment(PrinterState& state, const Payment& payment) {
  AmountLine(state, MethodName(state, payment.method), AmountText(payment.amount));
}

void PrintChange(PrinterState& state, int64_t change) {
  if (change > 0) AmountLine(state, "TROCO R$", AmountText(change));
}

void PrintFooterRule(PrinterState& state) { state.tape.push_back(RuleLine(state.tapeWidth, '-')); }

void PrintPrinterIdentity(PrinterState& state) {
  state.tape.push_back(LeftAndRight("ECF:" + ZeroFilled(state.ecfNumber, 3),
                                    "FAB:" + state.serialNumber, state.tapeWidth));
}

void PrintReceiptOpening(PrinterState& state) {
  state.tape.push_back("GNF:" + ZeroFilled(state.counters.gnf, 6));
}

void PrintLinkedOpening(PrinterState& state, int couponCoo, const Payment& payment) {
  PrintReceiptOpening(state);
  state.tape.push_back("COO DO CUPOM:" + ZeroFilled(couponCoo, 6));
  PrintPayment(state, payment);
}

void PrintReversal(PrinterState& state, int receiptCoo, int64_t total) {
  PrintReceiptOpening(state);
  state.tape.push_back("COO DO COMPROVANTE:" + ZeroFilled(receiptCoo, 6));
  AmountLine(state, "TOTAL ESTORNADO R$", AmountText(total));
}

void PrintReceiptEntry(PrinterState& state, const ReceiptEntry& entry, std::string_view text) {
  AnsiString name;
  if (entry.totalizer >= 1 && entry.totalizer <= kTotalizerCount) {
    name = Trimmed(state.totalizers[static_cast<size_t>(entry.totalizer - 1)].name);
  }
  AmountLine(state, ZeroFilled(entry.totalizer, 2) + " " + name, AmountText(entry.amount));
  if (!AllBlanks(text)) PrintText(state.tape, state.tapeWidth, text);
}

}  // namespace mdx::emulator
