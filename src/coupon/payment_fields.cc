#include "coupon/payment_fields.h"

#include <cmath>

#include "coupon/amount_field.h"
#include "mdx00200/number_format.h"

namespace Mdx00200::coupon {

using mdx::AnsiString;

namespace {

AnsiString Shown(double value) { return std::isfinite(value) ? mdx::FloatToStr(value) : "?"; }

AnsiString Range(int integerDigits) { return "(0 a " + LargestAmountText(integerDigits, 2) + ")"; }

}  // namespace

bool IsTwoDigitPosition(const AnsiString& text) {
  return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9';
}

AnsiString SubtotalDiscountParams(double discount, std::vector<AnsiString>& params) {
  AnsiString amount;
  if (!AmountField(discount, 10, 2, amount))
    return "Desconto no subtotal " + Shown(discount) + " fora do campo " + Range(10) + ".";
  params.clear();
  if (!IsZeroField(amount)) params = {AnsiString(10, ' '), amount, "N"};
  return "";
}

AnsiString SubtotalSurchargeParams(double surcharge, std::vector<AnsiString>& params) {
  AnsiString amount;
  if (!AmountField(surcharge, 9, 2, amount))
    return "Acr\xE9scimo no subtotal " + Shown(surcharge) + " fora do campo " + Range(9) + ".";
  params.clear();
  if (!IsZeroField(amount)) params = {"0000", amount, "N"};
  return "";
}

AnsiString PaymentParams(const AnsiString& method, const AnsiString& code, double amount,
                         std::vector<AnsiString>& params) {
  if (!IsTwoDigitPosition(code))
    return "Forma de pagamento '" + method + "': c\xF3" "digo na impressora '" + code +
           "' n\xE3o tem 2 d\xEDgitos.";
  AnsiString digits;
  if (!AmountField(amount, 10, 2, digits))
    return "Pagamento '" + method + "' de " + Shown(amount) + " fora do campo " + Range(10) + ".";
  params = {code + digits};
  return "";
}

AnsiString VoucherAmountParams(const AnsiString& totalizer, double amount,
                               std::vector<AnsiString>& params) {
  if (!IsTwoDigitPosition(totalizer))
    return "Totalizador do contra-vale '" + totalizer + "' n\xE3o tem 2 d\xEDgitos.";
  AnsiString digits;
  if (!AmountField(amount, 10, 2, digits))
    return "Contra-vale de " + Shown(amount) + " fora do campo " + Range(10) + ".";
  params = {totalizer, digits, AnsiString(40, ' ')};
  return "";
}

}  // namespace Mdx00200::coupon
