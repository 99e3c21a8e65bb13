#include "credit/registration.h"

#include <cmath>

#include "coupon/amount_field.h"
#include "coupon/payment_fields.h"
#include "coupon/sale_dialogs.h"
#include "mdx00200/number_format.h"
#include "mdx00200/reports.h"
#include "mdx00200/tables.h"

namespace Mdx00200::credit {

namespace {

constexpr int kAmountDigits = 10;
constexpr int kAmountDecimals = 2;

bool Refuse(const AnsiString& scheme, const AnsiString& detail) {
  const AnsiString text = coupon::MisfitText(detail);
  ImpFisDebug("ERRO!!! " + text);
  coupon::Notify(scheme, text);
  return false;
}

}  // namespace

bool BuildRegistration(const AnsiString& scheme, const AnsiString& totalizer,
                       const AnsiString& payment, double amount, Registration& registration) {
  if (!coupon::IsTwoDigitPosition(totalizer))
    return Refuse(scheme, "Totalizador n\xE3o fiscal '" + totalizer + "' n\xE3o tem 2 d\xEDgitos.");
  if (!coupon::IsTwoDigitPosition(payment))
    return Refuse(scheme, "Forma de pagamento '" + payment + "' n\xE3o tem 2 d\xEDgitos.");
  AnsiString field;
  const AnsiString shown = std::isfinite(amount) ? mdx::FloatToStr(amount) : AnsiString("?");
  if (!coupon::AmountField(amount, kAmountDigits, kAmountDecimals, field)) {
    return Refuse(scheme, "Valor " + shown + " fora do campo de 12 d\xEDgitos (0 a " +
                              coupon::LargestAmountText(kAmountDigits, kAmountDecimals) + ").");
  }
  // The printer refuses a registration of zero, after the receipt is open.
  if (coupon::IsZeroField(field)) return Refuse(scheme, "Valor " + shown + " \xE9 zero em centavos.");
  registration = {totalizer, payment, field};
  return true;
}

bool Register(const AnsiString& scheme, const Registration& registration, bool ownErrorHandling) {
  if (!Cupom_NFiscNVinc(scheme, AnsiString(6, ' '), "", "", "")) return false;
  const AnsiString entry[] = {registration.totalizer, registration.amount, AnsiString(40, ' ')};
  bool accepted = EnviaComando_Sweda(scheme, "07", entry, 2, ownErrorHandling, false);
  accepted = Totaliza_NFiscal_Imp(scheme, registration.payment, registration.amount) && accepted;
  accepted = EnviaComando_Sweda(scheme, "12SN", nullptr, -1, ownErrorHandling, false) && accepted;
  return accepted;
}

}  // namespace Mdx00200::credit
