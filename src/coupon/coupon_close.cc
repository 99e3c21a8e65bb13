// FechaCupom: subtotal adjustment, payments, footer and closing, change
// voucher, result.
#include "coupon/closing_state.h"
#include "coupon/footer_texts.h"
#include "coupon/payment_fields.h"
#include "coupon/sale_dialogs.h"
#include "coupon/sale_payments.h"
#include "coupon/sale_record.h"
#include "frame/data_module.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"

namespace Mdx00200 {

using namespace coupon;

namespace {

bool HasResultCells(const OleVariant& result) {
  return result.IsArray() && result.LowBound() <= 0 && result.HighBound() >= 3;
}

// The paid movements become payment lines. A failure while copying them is
// shown and the closing goes on with what was copied.
void CollectPayments(ClosingState& s) {
  try {
    CollectPaidMovements(s);
  } catch (const std::exception& e) {
    if (boNUtilTaa) {
      mdx::Host().ShowMessage(e.what());
    } else {
      stMensagemTaa += " " + AnsiString(e.what());
    }
  }
  PlanPayments(s);
}

// Every field of every command the closing may send; "" when all fit.
AnsiString CheckFields(ClosingState& s) {
  const ClosingParams& p = s.p;
  AnsiString misfit;
  // Only a discount or surcharge above zero is sent; a negative one sends
  // nothing and the closing goes on, as with none.
  if (p.discount > 0) {
    s.adjustmentCode = "03";
    misfit = SubtotalDiscountParams(p.discount, s.adjustmentParams);
  } else if (p.surcharge > 0) {
    s.adjustmentCode = "11";
    misfit = SubtotalSurchargeParams(p.surcharge, s.adjustmentParams);
  }
  for (PaymentLine& line : s.payments) {
    if (misfit.empty()) misfit = PaymentParams(line.method, line.code, line.amount, line.params);
  }
  if (misfit.empty() && p.printVoucher && !p.voucherTotalizer.empty()) {
    misfit = VoucherAmountParams(p.voucherTotalizer, p.voucher, s.voucherAmountParams);
    if (misfit.empty() && boTotalCV) {
      std::vector<AnsiString> payment;
      misfit = PaymentParams("contra-vale", s.voucherCode, p.voucher, payment);
      if (misfit.empty()) s.voucherPaymentParams = {s.voucherCode, s.voucherAmountParams[1]};
    }
  }
  return misfit;
}

// The status check of a till in TEF mode "T".
bool PrinterAnswers(const ClosingState& s) {
  if (!(s.p.tefMode == "T" && s.p.tefInUse)) return true;
  while (!Estado_Imp(s.p.scheme, boNUtilTaa, false)) {
    if (!boNUtilTaa) {
      boClieUtil = false;
      return false;
    }
    if (!AskPrintAgain(s.p.scheme)) return false;
  }
  return true;
}

}  // namespace

bool FechaCupom(const Variant* params, int highIndex, TStringList* tefLines, OleVariant& result) {
  stMensagemTaa.clear();
  const AnsiString listScheme =
      params && highIndex >= 2 && params[2].IsText() ? params[2].AsString() : AnsiString();
  if (!params || highIndex < kLastClosingElement) {
    return RefuseBeforeSending(
        listScheme, "FechaCupom: a lista de par\xE2metros tem " + mdx::IntToStr(params ? highIndex + 1 : 0) +
                        " elementos; s\xE3o necess\xE1rios " + mdx::IntToStr(kLastClosingElement + 1) + ".");
  }
  if (!HasResultCells(result))
    return RefuseBeforeSending(listScheme, "FechaCupom: o vetor de resultado n\xE3o tem as c\xE9lulas 0 a 3.");

  ClosingState s;
  try {
    s.p = ReadClosingParams(params);
  } catch (const std::exception& e) {
    return RefuseBeforeSending(listScheme, ParameterErrorText("FechaCupom", e));
  }
  s.tefInUse = IsTefMode(s.p.tefMode) && s.p.tefInUse;
  try {
    LoadClosingData(s.p);
    CollectPayments(s);
  } catch (const std::exception& e) {
    return RefuseBeforeSending(s.p.scheme, ParameterErrorText("FechaCupom", e));
  }
  const AnsiString misfit = CheckFields(s);
  if (!misfit.empty()) return RefuseBeforeSending(s.p.scheme, MisfitText(misfit));

  const AnsiString coupon = Nr_Cupom("", s.p.scheme);
  if (!PrinterAnswers(s)) return false;

  const Kor_msg::TMessages& messages = DataModule().msgPadrao;
  s.tableLine = TableLine(s.p.table, messages.Msg("Comanda"), messages.Msg("Mesa"));
  if (!s.p.freeText.empty()) s.freeLines = CutFreeText(s.p.freeText);

  bool ok = true;
  try {
    if (!s.adjustmentParams.empty() &&
        !SendWithPrintAgain(s, s.adjustmentCode, s.adjustmentParams))
      return false;
    for (const PaymentLine& line : s.payments) {
      if (!SendWithPrintAgain(s, "10", line.params)) return false;
    }
    if (!s.payments.empty() && !CloseWithFooter(s, tefLines)) return false;
    if (s.p.printVoucher && !PrintChangeVoucher(s)) return false;
  } catch (const std::exception&) {
    ok = false;
  }

  result[0] = 0;
  result[1] = coupon;
  result[2] = "";
  result[3] = stMensagemTaa;
  boClieUtil = stMensagemTaa.empty();
  return ok;
}

}  // namespace Mdx00200
