// Supply and withdrawal: a non-fiscal receipt opened on the entry/exit
// totalizer that registers the amount on the supply or withdrawal totalizer.
#include <cmath>
#include <vector>

#include "coupon/amount_field.h"
#include "frame/data_module.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/number_format.h"

namespace Mdx00200 {

namespace {

constexpr int kAmountDigits = 10;
constexpr int kAmountDecimals = 2;

bool Send(const AnsiString& scheme, const AnsiString& code, const std::vector<AnsiString>& params,
          bool repeatWhileBusy) {
  return EnviaComando_Sweda(scheme, code, params.data(), static_cast<int>(params.size()) - 1, true,
                            repeatWhileBusy);
}

void ShowCommandError(const AnsiString& scheme, mdx::TTipoMsg kind) {
  Mensagemxop::Mensagem(DataModule().msgPadrao.Msg("ErroComando"), "", "N", "N", kind, "", scheme,
                        0, nullptr);
}

// The amount as the printer's 12-digit field; an amount that is zero as
// sent (0 up to 0,004) goes as the smallest amount the printer takes. False,
// with the refusal logged and reported, when it does not fit or is negative:
// checked before the receipt opens, so nothing is left open.
bool MovementAmount(const AnsiString& scheme, double amount, AnsiString& field) {
  bool fits = coupon::AmountField(amount, kAmountDigits, kAmountDecimals, field);
  if (fits && coupon::IsZeroField(field))
    fits = coupon::AmountField(0.01, kAmountDigits, kAmountDecimals, field);
  if (fits) return true;
  const AnsiString shown = std::isfinite(amount) ? mdx::FloatToStr(amount) : AnsiString("?");
  const AnsiString text = DataModule().msgPadrao.Msg("ParamInvalido") + " Valor " + shown +
                          " fora do campo de 12 d\xEDgitos (0 a " +
                          coupon::LargestAmountText(kAmountDigits, kAmountDecimals) + ").";
  ImpFisDebug("ERRO!!! " + text);
  if (boNUtilTaa) {
    Mensagemxop::Mensagem(text, "", "N", "N", mdx::tmErro, "", scheme, 0, nullptr);
  } else {
    stMensagemTaa += " " + text;
  }
  return false;
}

bool CashMovement(const AnsiString& scheme, double amount, bool supply) {
  AnsiString field;
  if (!MovementAmount(scheme, amount, field)) return false;

  if (!Send(scheme, "19", {IdTotParcES, AnsiString(6, ' ')}, true)) {
    ShowCommandError(scheme, supply ? mdx::tmInformacao : mdx::tmErro);
    return false;
  }
  if (supply) Consiste::Delay(1);
  const AnsiString& totalizer = supply ? IdTotParcSup : IdTotParcSang;
  bool ok = Send(scheme, "07", {totalizer, field, AnsiString(40, ' ')}, false);
  if (ok && supply) ok = Send(scheme, "10", {"01", field}, false);
  if (ok) ok = Send(scheme, "12", {""}, false);
  if (!ok) ShowCommandError(scheme, mdx::tmErro);
  return ok;
}

}  // namespace

bool Suprimento(const AnsiString& /*unused1*/, const AnsiString& scheme, double amount) {
  return CashMovement(scheme, amount, true);
}

bool Sangria(const AnsiString& /*unused1*/, const AnsiString& scheme, double amount) {
  return CashMovement(scheme, amount, false);
}

}  // namespace Mdx00200
