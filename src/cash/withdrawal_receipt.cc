#include "cash/withdrawal_receipt.h"

#include "cash/till_closing_text.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "reports/report_format.h"

namespace Mdx00200::cash {

namespace {

using Consiste::TamFixo;
using Consiste::TamFixoR;

// One copy. `lines` counts the receipt's lines the way the layout does (not
// every printed line counts): a copy whose total lands on line 12, 22, ...
// gets one more blank line after it.
void PrintCopy(const AnsiString& scheme, const WithdrawalReceipt& receipt, TClientDataSet& amounts,
               TClientDataSet& people, bool supervisorCopy, int& lines) {
  const Kor_msg::TMessages& m = DataModule().msgPadrao;
  BufferLine(scheme, Consiste::Centraliza(m.Msg(supervisorCopy ? "RecSangria3" : "RecSangria1"),
                                          kClosingWidth));
  BufferLine(scheme, reports::Rule());
  lines += 2;

  if (!receipt.reason.empty()) BufferLine(scheme, m.Msg("Motivo") + receipt.reason);
  if (!receipt.observation.empty()) BufferLine(scheme, m.Msg("Observacao") + receipt.observation);
  if (!receipt.reason.empty() || !receipt.observation.empty()) BufferLine(scheme, reports::Rule());

  const AnsiString columns = TamFixo(m.Msg("Modalidade"), 19) + " " + TamFixoR(m.Msg("Valor_"), 13);
  BufferLine(scheme, receipt.envelopeColumn ? m.Msg("Envelope") + " " + columns : columns);
  BufferLine(scheme, reports::Rule());
  lines += 2;

  const char* amountField = receipt.typedAmounts ? "VRFECHADIG" : "VRFECHAINF";
  double total = 0;
  for (amounts.First(); !amounts.Eof(); amounts.Next()) {
    const double amount = amounts.FieldByName(amountField).AsFloat();
    BufferLine(scheme, amounts.FieldByName("NRENVELOPE").AsString() + " " +
                           TamFixo(amounts.FieldByName("NMTIPORECE").AsString(), 19) + " " +
                           TamFixoR(reports::Fixed(amount, 2), 19));
    total += amount;
    ++lines;
  }
  BufferLine(scheme, reports::Rule());
  BufferLine(scheme, TamFixo(m.Msg("Sangrias"), 21) + TamFixoR(reports::Fixed(total, 2), 19));
  BufferLine(scheme, "");
  lines += 2;
  if ((lines - 2) % 10 == 0) {
    BufferLine(scheme, "");
    ++lines;
  }

  BufferLine(scheme, reports::Rule());
  people.First();
  const AnsiString code = people.FieldByName("CDSUPERVISOR").AsString();
  const AnsiString signature =
      supervisorCopy
          ? m.Msg("Superv") + ": " + code + " " + people.FieldByName("NMSUPERVISOR").AsString()
          : m.Msg("Operador") + ": " + code + " " + people.FieldByName("NMOPERADOR").AsString();
  BufferLine(scheme, mdx::Copy(signature, 1, kClosingWidth));
  BufferLine(scheme, "\n\r");  // with the buffer's own line end: two blank lines
  lines += 4;
}

}  // namespace

void PrintWithdrawalReceipt(const AnsiString& scheme, const WithdrawalReceipt& receipt,
                            TClientDataSet& amounts, TClientDataSet& people) {
  const AnsiString spacing[] = {"9", "1"};
  EnviaComando_Sweda(scheme, "08", spacing, 1, false, false);
  int lines = 1;
  PrintCopy(scheme, receipt, amounts, people, true, lines);
  PrintCopy(scheme, receipt, amounts, people, false, lines);
  FlushLine(scheme, "");
}

}  // namespace Mdx00200::cash
