// GeraReciboSangria: the till closing. The withdrawal receipt, the product
// report, the closing reports, the operator's questions and, at the end of a
// normal closing, the capture of the coming Z reduction.
#include "cash/closing_report.h"
#include "cash/report_text.h"
#include "cash/till_closing_input.h"
#include "cash/till_closing_text.h"
#include "cash/withdrawal_receipt.h"
#include "channel/status_command.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "reports/document_commands.h"

namespace Mdx00200 {

namespace {

using channel::SendCommand;

// The current coupon number, the document number of the report just opened.
void ReadDocumentNumber(const AnsiString& scheme, AnsiString& number) {
  if (SendCommand(scheme, "27", "1", false, true)) number = RetornoImpFiscal(scheme, "27", false);
}

void ReadDocumentNumberIfEmpty(const AnsiString& scheme, AnsiString& number) {
  if (number.empty()) ReadDocumentNumber(scheme, number);
}

bool Ask(const AnsiString& scheme, const char* key) {
  return Mensagemxop::Mensagem(DataModule().msgPadrao.Msg(key), "", "N", "S", mdx::tmConfirmacao,
                               "", scheme, 0, nullptr);
}

double SumOfTotals(TClientDataSet& ds) {
  double sum = 0;
  for (ds.First(); !ds.Eof(); ds.Next()) sum += ds.FieldByName("VRTOTAL").AsFloat();
  return sum;
}

void Load(TClientDataSet& moduleSet, TClientDataSet& hostSet) { moduleSet.SetData(hostSet.Data()); }

// A closing report in the open report: its first text ("08" + "0" +
// `title`), then, when the printer took it, the closing lines and the close.
void PrintClosingReport(const AnsiString& scheme, const AnsiString& title, double sales,
                        double creditPurchases, TClientDataSet& movements) {
  if (!cash::SendReportText(scheme, title)) return;
  stAuxTextoMdx200.clear();
  cash::PrintClosingLines(scheme, sales, creditPurchases, movements);
  reports::CloseReport(scheme, false);
}

}  // namespace

bool GeraReciboSangria(const AnsiString& /*unused1*/, const AnsiString& key,
                       const AnsiString& productText4, const AnsiString& productText5,
                       const AnsiString& ecfNumber, int zInteger, AnsiString& documentNumber,
                       TClientDataSet* closingAmounts, TClientDataSet* withdrawals,
                       TClientDataSet* products, TClientDataSet* operatorSupervisor,
                       TClientDataSet* movementTotals, TClientDataSet* movements,
                       TClientDataSet* salesTotals, TClientDataSet* credit, TDateTime /*unused16*/,
                       bool printReceipt, bool zAllowed, bool /*unused19*/,
                       TClientDataSet*& zReduction, TClientDataSet*& zPayments,
                       TClientDataSet*& zTaxes, TClientDataSet*& zTotalizers, bool& zCaptured,
                       TClientDataSet* receiptTypes, const AnsiString& productConfirmMode,
                       const AnsiString& productGrouped, const AnsiString& xReadingFirst,
                       const AnsiString& envelopeColumn, const AnsiString& scheme,
                       bool typedAmounts, bool reprint, bool zConfirm, const AnsiString& reason,
                       const AnsiString& observation) {
  TdtmSweda200& dm = DataModule();
  cash::CheckTillClosingInput({closingAmounts,
                               withdrawals,
                               products,
                               operatorSupervisor,
                               movementTotals,
                               movements,
                               salesTotals,
                               credit,
                               {zReduction, zPayments, zTaxes, zTotalizers},
                               receiptTypes},
                              {printReceipt, typedAmounts, reprint});

  stAuxTextoMdx200.clear();
  zCaptured = false;
  const double creditPurchases = credit->FieldByName("VRCARGACREDITO").AsFloat();
  if (!reprint) {
    Load(*dm.cdsMovAbertura, *movements);
    Load(*dm.cdsMovFecha, *closingAmounts);
    Load(*dm.cdsSangria, *withdrawals);
    Load(*dm.cdsOperadorSup, *operatorSupervisor);
    Load(*dm.cdsTipoReceAux, *receiptTypes);
  }
  Load(*dm.cdsMovTot, *movementTotals);

  // The product report; true when it printed. Its document number becomes
  // the routine's when none was read before.
  auto productReport = [&](bool reportOpen) {
    AnsiString number;
    Relatorio_Produto("", "", key, productText4, productText5, number, products, productConfirmMode,
                      productGrouped, scheme, reportOpen);
    if (documentNumber.empty()) documentNumber = number;
    return reportOpen;
  };

  // A failure while the documents print (data a report cannot use, a value
  // that does not convert) closes the report that is open before it reaches
  // the caller: an open report would make the printer refuse every later
  // document. A blind close is harmless when none is open.
  try {
    if (printReceipt) {
      if (xReadingFirst == "S") {
        Leitura_X_Imp(key, "", scheme, "");
        ReadDocumentNumber(scheme, documentNumber);
      }
      const bool receiptOpen = reports::OpenReport(scheme, false);
      ReadDocumentNumberIfEmpty(scheme, documentNumber);
      if (receiptOpen) {
        cash::PrintWithdrawalReceipt(scheme,
                                     {envelopeColumn == "S", typedAmounts, reason, observation},
                                     *dm.cdsMovFecha, *dm.cdsOperadorSup);
      }
      if (typedAmounts) {
        reports::CloseReport(scheme, false);
        return false;
      }
      if (receiptOpen) {
        // Closing report A: after the product report in a report of its own,
        // or on in the receipt's report when the product report did not print
        // (it closes the receipt's report when it does).
        bool reportOpen = true;
        if (productReport(false)) {
          reportOpen = reports::OpenReport(scheme, false);
          ReadDocumentNumberIfEmpty(scheme, documentNumber);
        }
        if (reportOpen) {
          PrintClosingReport(scheme, "", SumOfTotals(*products), creditPurchases, *dm.cdsMovAbertura);
        }
      }
    }
    if (typedAmounts) return false;

    if (!reprint) {
      if (Ask(scheme, "AbreCaixa")) return true;
      if (!zAllowed || !zConfirm || !Ask(scheme, "ConfReducao")) return false;
    }

    if (Ask(scheme, "ConfRelFechamento")) {
      productReport(true);
      const bool reportOpen = reports::OpenReport(scheme, false);
      ReadDocumentNumberIfEmpty(scheme, documentNumber);
      const double sales = SumOfTotals(*salesTotals);
      if (reportOpen) {
        PrintClosingReport(
            scheme, Consiste::Centraliza(dm.msgPadrao.Msg("RelFechamento"), cash::kClosingWidth),
            sales, creditPurchases, *dm.cdsMovTot);
      }
    }
  } catch (...) {
    stAuxTextoMdx200.clear();
    reports::CloseReport(scheme, true);
    throw;
  }

  if (!reprint) {
    TClientDataSet* captured[] = {dm.cdsRedzAux01, dm.cdsFormRedzAux01, dm.cdsImpostoRedzAux01,
                                  dm.cdsTotNFisAux01};
    // Only a capture that ran to the end reaches the host: a partial or
    // failed one would pass earlier data, or half of today's, as the Z.
    if (ExportRedZ("", scheme, ecfNumber, zInteger, dm.cdsTipoReceAux, captured[0], captured[1],
                   captured[2], captured[3])) {
      TClientDataSet* hostSets[] = {zReduction, zPayments, zTaxes, zTotalizers};
      for (int i = 0; i < 4; ++i) Load(*hostSets[i], *captured[i]);
      zCaptured = true;
    }
  }
  return false;
}

}  // namespace Mdx00200
