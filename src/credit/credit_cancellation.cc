// Cancela_Cred_Pessoal: the cancellation of a personal-credit purchase. Its
// receipt prints in a management report; the amount is registered on a
// non-fiscal receipt whether or not the report printed.
#include "credit/credit_lines.h"
#include "credit/registration.h"
#include "mdx00200/credit.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/status.h"
#include "reports/report_format.h"
#include "reports/document_commands.h"

namespace Mdx00200 {

namespace {

using credit::Cut;
using credit::Line;
using credit::Msg;

}  // namespace

bool Cancela_Cred_Pessoal(const AnsiString& totalizer, const AnsiString& /*unused2*/,
                          const AnsiString& /*unused3*/, const AnsiString& /*unused4*/,
                          const AnsiString& scheme, AnsiString& couponNumber,
                          const AnsiString& depositNumber, const AnsiString& clientCode,
                          const AnsiString& consumerName, const AnsiString& paymentPosition,
                          const AnsiString& /*unused11*/, double amount, double finalBalance,
                          const AnsiString& familyName) {
  credit::Registration registration;
  if (!credit::BuildRegistration(scheme, totalizer, paymentPosition, amount, registration))
    return false;

  const bool opened = reports::OpenReport(scheme, false);
  if (opened) couponNumber = Nr_Cupom("", scheme);
  SwedaVerifRetorno = false;
  bool printed = false;
  if (opened) {
    printed = credit::SendWhileAccepted(
        scheme,
        {credit::Spacing(), Line(Consiste::Centraliza(Msg("Canc_ComprCredito"), 40)),
         Line(reports::Rule(40)), Line(Cut(Msg("Canc_Deposito") + ": " + depositNumber, 40)),
         Line(AnsiString(40, ' ')), Line(Cut(Msg("CDCLIE") + AnsiString(5, ' ') + clientCode, 40)),
         Line(Cut(Msg("Consumidor") + ": " + consumerName, 40)),
         Line(Cut(Msg("NmFami") + ": " + familyName, 40)),
         Line(Cut(Msg("VrCupom") + credit::Currency(amount), 40)),
         Line(Cut(Msg("Sald_Cons") + credit::Currency(finalBalance), 40)), credit::Spacing()},
        true);
    SwedaVerifRetorno = true;
  }
  const bool closed = credit::CloseReport(scheme, opened, printed);
  const bool registered = credit::Register(scheme, registration, true);
  return closed && registered;
}

}  // namespace Mdx00200
