// Balance reports: family balances (ImpSaldo), family credit balances
// (Saldo_CredPessoal) and a debit consumer's balance enquiry (ImpSaldoDeb).
#include <vector>

#include "credit/credit_lines.h"
#include "mdx00200/credit.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/status.h"
#include "mdx00200/tables.h"
#include "reports/report_format.h"
#include "reports/document_commands.h"

namespace Mdx00200 {

namespace {

using Consiste::TamFixo;
using credit::Cut;
using credit::Line;

constexpr size_t kLargestText = 620;

TClientDataSet& Given(TClientDataSet* dataSet, const char* operation) {
  if (!dataSet) throw mdx::EDatabaseError(AnsiString(operation) + ": no dataset was given");
  return *dataSet;
}

}  // namespace

bool ImpSaldo(const AnsiString& scheme, TClientDataSet* balances, const AnsiString& textA,
              const AnsiString& textB) {
  TClientDataSet& ds = Given(balances, "ImpSaldo");
  mdx::TField& name = ds.FieldByName("NMFAMILISALD");
  mdx::TField& balance = ds.FieldByName("SALDOFAM");
  std::vector<AnsiString> families;
  double total = 0;
  for (; !ds.Eof(); ds.Next()) {
    families.push_back(TamFixo(name.AsString(), 29) + credit::AmountColumn(reports::Fixed(balance.AsFloat(), 2), 11));
    total += balance.AsFloat();
  }

  const bool opened = reports::OpenReport(scheme, false);
  SwedaVerifRetorno = false;
  credit::SendWhileAccepted(scheme,
                            {Line(Consiste::Centraliza(">>>Cosulta Saldo<<<", 40)),
                             Line(reports::Rule(40)), Line(Cut(textA + " - " + textB, 40)),
                             Line(AnsiString(40, ' '))},
                            true);
  SwedaVerifRetorno = true;
  for (const AnsiString& line : families) credit::SendLine(scheme, Line(line), true);
  credit::SendLine(scheme, Line(TamFixo(" ", 46) + reports::Rule(11)), true);
  const bool last = credit::SendLine(
      scheme, Line(TamFixo("Saldo Total", 46) + credit::AmountColumn(reports::Fixed(total, 2), 11)), true);
  return credit::CloseReport(scheme, opened, last);
}

bool Saldo_CredPessoal(const AnsiString& scheme, const AnsiString& title,
                       TClientDataSet* balances) {
  TClientDataSet& ds = Given(balances, "Saldo_CredPessoal");
  mdx::TField& name = ds.FieldByName("NMFAMILISALD");
  mdx::TField& balance = ds.FieldByName("VRSALDCONFAM");
  std::vector<credit::ReportLine> lines = {
      credit::Spacing(), Line(Consiste::Centraliza(title, 40)), Line(reports::Rule(40)),
      Line(TamFixo(credit::Msg("FAMILIA"), 25) + TamFixo(credit::Msg("Valor_Fam"), 15)),
      Line(AnsiString(40, ' '))};
  double total = 0;
  for (ds.First(); !ds.Eof(); ds.Next()) {
    lines.push_back(Line(TamFixo(name.AsString(), 25) + TamFixo(reports::Fixed(balance.AsFloat(), 2), 15)));
    total += balance.AsFloat();
  }
  lines.push_back(Line(reports::Rule(40)));

  const bool opened = reports::OpenReport(scheme, false);
  SwedaVerifRetorno = false;
  const bool accepted = credit::SendWhileAccepted(scheme, lines, true);
  if (accepted)
    credit::SendLine(scheme, Line(TamFixo("Saldo Total", 25) + TamFixo(reports::Fixed(total, 2), 15)), true);
  SwedaVerifRetorno = true;
  return credit::CloseReport(scheme, opened, accepted);
}

bool ImpSaldoDeb(const AnsiString& scheme, TClientDataSet* consumer, const AnsiString& textA,
                 const AnsiString& textB) {
  const double balance = Given(consumer, "ImpSaldoDeb").FieldByName("VRSALDOCONS").AsFloat();
  Nr_Cupom("", scheme);
  const AnsiString header = Consiste::Centraliza(">>> Consulta Saldo <<<", 48) + credit::kLf +
                            reports::Rule(48) + credit::kLf + Cut(textA + " - " + textB, 48) +
                            credit::kLf + credit::kLf;
  Usa_CompNFis(scheme, Cut(header, kLargestText));
  const AnsiString total = TamFixo(" ", 37) + reports::Rule(11) + credit::kLf +
                           TamFixo("Saldo Total", 37) + credit::AmountColumn(reports::Fixed(balance, 2), 11) +
                           credit::kLf;
  Usa_CompNFis(scheme, Cut(total, kLargestText));
  FechRelatGerenc(scheme, true, false);
  return true;
}

}  // namespace Mdx00200
