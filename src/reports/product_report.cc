// Relatorio_Produto: the products sold, as a management report, in dataset
// order or grouped by tax rate.
#include "channel/status_command.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "reports/document_commands.h"
#include "reports/product_lines.h"
#include "reports/report_format.h"
#include "reports/report_guard.h"
#include "reports/report_input.h"
#include "reports/tax_groups.h"

namespace Mdx00200 {

namespace {

using channel::SendCommand;
using Consiste::Centraliza;
using Consiste::TamFixo;

// The buffer sizes past which the line being added goes out with the lines
// collected before it.
constexpr size_t kPlainFlush = 500;
constexpr size_t kGroupedFlush = 250;

const AnsiString kTwoBlankLines = "\n\r\n\r";

// The caller's index "idxTributacao", or the same order (tax type, then
// rate) when its dataset defines none: a packet with index definitions of
// its own replaces the module's, and one without them keeps whatever the
// last caller's packet brought.
void SortByTax(TClientDataSet& rows) {
  if (rows.IndexDefs().Find("idxTributacao")) {
    rows.SetIndexName("idxTributacao");
  } else {
    rows.SetIndexFieldNames("IDTPIMPOSFIS;VRPEALIMPFIS");
  }
}

// Hands `line` to the text-block buffer, sending the buffer when it already
// holds more than `limit` characters. A line is never split.
void AddLine(const AnsiString& scheme, const AnsiString& line, size_t limit) {
  imprimeBlocoSweda(scheme, line, stAuxTextoMdx200.size() > limit);
}

void PrintPlain(const AnsiString& scheme, TClientDataSet& rows, const reports::ProductFields& row,
                const Kor_msg::TMessages& messages) {
  reports::ProductSums sums;
  for (rows.First(); !rows.Eof(); rows.Next()) {
    AddLine(scheme, reports::ProductLine(row), kPlainFlush);
    sums.Add(row);
  }
  imprimeBlocoSweda(scheme, reports::SurchargeTotalLine(messages, sums), false);
  imprimeBlocoSweda(scheme, kTwoBlankLines, false);
  imprimeBlocoSweda(scheme, reports::DiscountTotalLine(messages, sums), false);
  imprimeBlocoSweda(scheme, kTwoBlankLines, false);
  imprimeBlocoSweda(scheme, reports::ValueTotalLine(messages, sums), false);
  imprimeBlocoSweda(scheme, kTwoBlankLines, true);
}

void PrintGrouped(const AnsiString& scheme, TClientDataSet& rows,
                  const reports::ProductFields& row, TdtmSweda200& module) {
  const Kor_msg::TMessages& messages = module.msgPadrao;
  reports::ProductSums sums;
  reports::TaxGroupTotals groups;
  AnsiString previousKey;
  bool first = true;
  for (rows.First(); !rows.Eof(); rows.Next()) {
    const double rate = row.rate->AsFloat();
    const AnsiString taxType = row.taxType->AsString();
    const AnsiString key = reports::TaxGroupKey(rate, taxType);
    if (first || key != previousKey)
      imprimeBlocoSweda(scheme, reports::TaxGroupHeading(messages, rate, taxType), false);
    first = false;
    previousKey = key;
    AddLine(scheme, reports::ProductLine(row) + "\n", kGroupedFlush);
    sums.Add(row);
    groups.Add(key, rate, taxType, row.total->AsFloat());
  }
  imprimeBlocoSweda(scheme, reports::ValueTotalLine(messages, sums) + "\n", false);
  imprimeBlocoSweda(scheme, "", false);
  imprimeBlocoSweda(scheme, TamFixo(messages.Msg("TRIBUTADOS"), 35) + "\n", false);

  TClientDataSet& totals = *module.cdsAliqProduto;
  groups.WriteTo(totals);
  mdx::TField& rate = totals.FieldByName("VRPERCSITTRIB");
  mdx::TField& total = totals.FieldByName("VRTOTALALIQ");
  mdx::TField& taxType = totals.FieldByName("IDTPIMPOSFIS");
  for (totals.First(); !totals.Eof(); totals.Next()) {
    const AnsiString label = reports::TaxGroupLabel(messages, rate.AsFloat(), taxType.AsString());
    imprimeBlocoSweda(scheme, TamFixo(label, 27) + reports::AmountRight(total.AsFloat(), 13) + "\n",
                      false);
  }
  imprimeBlocoSweda(scheme, kTwoBlankLines, false);
  imprimeBlocoSweda(scheme,
                    reports::SurchargeTotalLine(messages, sums) + "\n\n" +
                        reports::DiscountTotalLine(messages, sums) + "\n\n" +
                        reports::ValueTotalLine(messages, sums) + "\n",
                    true);
}

}  // namespace

void Relatorio_Produto(const AnsiString& /*unused1*/, const AnsiString& /*unused2*/,
                       const AnsiString& /*unused3*/, const AnsiString& /*unused4*/,
                       const AnsiString& /*unused5*/, AnsiString& couponNumber,
                       TClientDataSet* products, const AnsiString& confirmMode,
                       const AnsiString& grouped, const AnsiString& scheme, bool& reportOpen) {
  // Any mode but "N" and "S" turns the report off: nothing is checked or sent.
  if (confirmMode != "N" && confirmMode != "S") return;
  TdtmSweda200& module = DataModule();
  const bool byTax = grouped == "S";
  TClientDataSet& rows = *module.cdsProdVend;
  // The order and the fields are settled before anything is sent, so data
  // the report cannot use never leaves a report half printed.
  rows.SetIndexName("");
  reports::CopyDataSet(rows, products, "Relatorio_Produto");
  if (byTax) SortByTax(rows);
  const reports::ProductFields row(rows, byTax);

  if (confirmMode == "S" && !Mensagemxop::Mensagem(module.msgPadrao.Msg("ConfRelProds"), "", "N", "S",
                                                    mdx::tmConfirmacao, "", scheme, 0, nullptr))
    return;

  mdx::Host().ProcessMessages();
  if (!reportOpen) SendCommand(scheme, "12", true, false);
  reportOpen = true;

  const bool opened = reports::OpenReport(scheme, false);
  if (SendCommand(scheme, "27", "1", false, true))
    couponNumber = RetornoImpFiscal(scheme, "27", false);
  if (!opened) return;
  if (byTax) reports::EmptyTaxTotals(*module.cdsAliqProduto);
  const AnsiString title[] = {"0", Centraliza(module.msgPadrao.Msg("RelProdutos"), 40)};
  if (!EnviaComando_Sweda(scheme, "08", title, 1, false, false)) {
    // The report is open: close it, or the next document would be refused.
    FechRelatGerenc(scheme, true, false);
    return;
  }

  reports::PrintOrClose(
      [&] {
        stAuxTextoMdx200.clear();
        imprimeBlocoSweda(scheme, "", false);
        imprimeBlocoSweda(scheme, reports::ProductHeader(module.msgPadrao), false);
        imprimeBlocoSweda(scheme, reports::Rule(reports::kProductLineWidth), false);
        if (byTax) {
          PrintGrouped(scheme, rows, row, module);
        } else {
          PrintPlain(scheme, rows, row, module.msgPadrao);
        }
      },
      [&] { FechRelatGerenc(scheme, true, false); });
  FechRelatGerenc(scheme, true, false);
}

}  // namespace Mdx00200
