// Compr_CredPessoal: a consumer buys personal credit. The receipt prints
// twice in a management report; then each payment record is registered on
// its own non-fiscal receipt.
#include <vector>

#include "credit/credit_lines.h"
#include "credit/registration.h"
#include "mdx00200/credit.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/reports.h"
#include "reports/report_format.h"
#include "reports/document_commands.h"

namespace Mdx00200 {

namespace {

using credit::Cut;
using credit::Line;
using credit::Msg;

struct Movement {
  credit::Registration registration;
  AnsiString kind;
};

// One copy of the receipt after its spacing line.
std::vector<credit::ReportLine> ReceiptCopy(const AnsiString& deposit, const AnsiString& consumer,
                                            const AnsiString& family, double total,
                                            double previousBalance) {
  return {Line(Consiste::Centraliza(Msg("ComprCredito"), 40)),
          Line(reports::Rule(40)),
          Line(Cut(Msg("Nr_Deposito") + deposit, 40)),
          Line(AnsiString(40, ' ')),
          Line(Cut(Msg("NmCons") + consumer, 40)),
          Line(Cut(Msg("NmFami") + family, 40)),
          Line(Cut(Msg("VrCupom") + credit::Currency(total), 40)),
          Line(Cut(Msg("VrSaldo") + credit::Currency(total + previousBalance), 40)),
          credit::Spacing()};
}

}  // namespace

bool Compr_CredPessoal(
    const AnsiString& /*unused1*/, const AnsiString& totalizer, const AnsiString& documentKey,
    const AnsiString& /*unused4*/, const AnsiString& /*unused5*/, const AnsiString& scheme,
    AnsiString& /*unused7*/, AnsiString& /*unused8*/, TClientDataSet* movements,
    double previousBalance, const AnsiString& consumerName, const AnsiString& depositNumber,
    const AnsiString& /*unused13*/, const AnsiString& /*unused14*/, const AnsiString& /*unused15*/,
    const AnsiString& /*unused16*/, const AnsiString& /*unused17*/, const AnsiString& /*unused18*/,
    const AnsiString& /*unused19*/, const AnsiString& /*unused20*/, const AnsiString& /*unused21*/,
    const AnsiString& /*unused22*/, const AnsiString& /*unused23*/, const AnsiString& /*unused24*/,
    bool /*unused25*/, const AnsiString& familyName, const AnsiString& /*unused27*/,
    const AnsiString& /*unused28*/) {
  if (!movements) throw mdx::EDatabaseError("Compr_CredPessoal: no movement dataset was given");
  mdx::TField& amount = movements->FieldByName("VRMOVIVEND");
  mdx::TField& payment = movements->FieldByName("CDFPIMPFIS");
  mdx::TField& kind = movements->FieldByName("IDTIPORECE");

  // Every registration is checked before the first command: a purchase is
  // printed only when all of it can be registered.
  double total = 0;
  std::vector<Movement> registrations;
  for (movements->First(); !movements->Eof(); movements->Next()) {
    total += amount.AsFloat();
    Movement m;
    if (!credit::BuildRegistration(scheme, totalizer, payment.AsString(), amount.AsFloat(),
                                   m.registration)) {
      return false;
    }
    m.kind = kind.AsString();
    registrations.push_back(m);
  }

  const bool opened = reports::OpenReport(scheme, false);
  SwedaVerifRetorno = false;
  if (!opened) return false;
  const std::vector<credit::ReportLine> copy =
      ReceiptCopy(depositNumber, consumerName, familyName, total, previousBalance);
  bool accepted = true;
  for (int i = 0; i < 2; ++i) {
    accepted = credit::SendLine(scheme, credit::Spacing(), boNUtilTaa);
    if (accepted) accepted = credit::SendWhileAccepted(scheme, copy, boNUtilTaa);
  }
  SwedaVerifRetorno = true;
  if (!accepted) return credit::CloseReport(scheme, true, false);
  credit::CloseReport(scheme, true, true);

  bool registered = !registrations.empty();
  for (const Movement& m : registrations) {
    registered = credit::Register(scheme, m.registration, boNUtilTaa) && registered;
    if (m.kind != "1" && m.kind != "2") GravaDocumentosNaoFiscais(documentKey, scheme, "CN", "");
  }
  return registered;
}

}  // namespace Mdx00200
