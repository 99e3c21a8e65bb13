#include "cash/closing_report.h"

#include <utility>
#include <vector>

#include "cash/till_closing_text.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"
#include "reports/report_format.h"

namespace Mdx00200::cash {

namespace {

using Consiste::TamFixo;
using Consiste::TamFixoR;

struct Movements {
  std::vector<std::pair<AnsiString, double>> withdrawals;  // name, amount
  double withdrawn = 0;                                    // W
  double voucherReceived = 0;                              // R
  double voucherEmitted = 0;                               // E
  double supply = 0;                                       // S
};

Movements ReadMovements(TClientDataSet& rows) {
  Movements m;
  for (rows.First(); !rows.Eof(); rows.Next()) {
    const AnsiString kind = rows.FieldByName("IDTIPOREG").AsString();
    const double amount = rows.FieldByName("VRSAIDA").AsFloat();
    if (kind == "1" || kind == "5") {
      m.withdrawals.emplace_back(rows.FieldByName("NMTIPORECE").AsString(), amount);
      m.withdrawn += amount;
    } else if (kind == "4") {
      m.voucherReceived = amount;
    } else if (kind == "2") {
      m.voucherEmitted = amount;
    } else if (kind == "3") {
      m.supply = amount;
    }
  }
  return m;
}

AnsiString Line27(const AnsiString& label, double amount) {
  return TamFixo(label, 27) + TamFixoR(reports::Fixed(amount, 2), 13);
}

AnsiString Line25(const AnsiString& label, double amount) {
  return TamFixo(label, 25) + TamFixoR(reports::Fixed(amount, 2), 15);
}

}  // namespace

void PrintClosingLines(const AnsiString& scheme, double sales, double creditPurchases,
                       TClientDataSet& movements) {
  const Kor_msg::TMessages& msg = DataModule().msgPadrao;
  const Movements m = ReadMovements(movements);

  BufferLine(scheme, "");
  BufferLine(scheme, Line27(msg.Msg("Vendas"), sales));
  BufferLine(scheme, Line27("Compra de Credito", creditPurchases));
  BufferLine(scheme, reports::Rule());
  for (const auto& [name, amount] : m.withdrawals) BufferLine(scheme, Line25(name, amount));
  BufferLine(scheme, Line27(msg.Msg("CV-RECEBIDO") + "(+)", m.voucherReceived));
  BufferLine(scheme, Line27(msg.Msg("CV-EMITIDO") + "(-)", m.voucherEmitted));
  BufferLine(scheme, Line27(mdx::AnsiUpperCase(msg.Msg("Suprimento")) + "(-)", m.supply));
  BufferLine(scheme, reports::Rule());
  const double handedOver = m.withdrawn + m.voucherReceived - m.supply - m.voucherEmitted;
  BufferLine(scheme, Line25(msg.Msg("Sangrias"), handedOver));
  BufferLine(scheme, "");
  // Compared in cents: sums of doubles that should cancel out leave a
  // remainder like -1e-14, which is no shortage.
  const double difference = mdx::RoundTo(handedOver - sales - creditPurchases, 2);
  FlushLine(scheme, Line25(msg.Msg(difference < 0 ? "Falta" : "Sobra"), difference));
}

}  // namespace Mdx00200::cash
