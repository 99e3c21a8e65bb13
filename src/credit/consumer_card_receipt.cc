// Comp_DebitoCons: the consumer-card receipt of a sale, 40 columns, every
// line ending LF CR.
#include "credit/credit_lines.h"
#include "credit/linked_receipt.h"
#include "credit/sale_receipt_text.h"
#include "frame/data_module.h"
#include "mdx00200/credit.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"
#include "reports/report_format.h"

namespace Mdx00200 {

namespace {

using credit::Cut;
using credit::Msg;

constexpr int kWidth = 40;

struct CardReceipt {
  double saleAmount = 0;
  AnsiString registration, consumerName, clientCode, clientText, password;
  double balance = 0;
  double subsidy = 0;
  AnsiString layoutMode;
};

std::vector<AnsiString> ReceiptLines(const CardReceipt& r, const std::vector<AnsiString>& products) {
  std::vector<AnsiString> lines = {
      Consiste::Centraliza(Msg("ComprDebito"), kWidth),
      reports::Rule(kWidth),
      Msg("CDCLIE") + Cut(r.clientCode, 21) + "-" + Cut(r.clientText, 19),
      Cut(Msg("CDCons") + r.registration, kWidth),
      Cut(Msg("NmCons") + r.consumerName, kWidth),
      reports::Rule(kWidth),
      Consiste::Centraliza(Msg("ProdVend"), kWidth),
      Msg("Cabecalho"),
  };
  lines.insert(lines.end(), products.begin(), products.end());
  lines.push_back(reports::Rule(kWidth));
  const bool shortLayout = r.layoutMode == "2";
  lines.push_back(Cut(Msg("Total"), kWidth) +
                  credit::AmountColumn(mdx::FormatFloat("0.00", r.saleAmount),
                                       shortLayout ? 31 : 39));
  lines.push_back(Cut(credit::PasswordText(r.password), kWidth));
  if (!shortLayout) {
    lines.push_back(Msg("VrSaldo") + credit::Currency(r.balance));
    if (r.subsidy > 0) lines.push_back(Msg("PRECO_SUBSIDIO") + " " + credit::Currency(r.subsidy));
  }
  return lines;
}

}  // namespace

bool Comp_DebitoCons(const AnsiString& scheme, const OleVariant& /*unused2*/, double saleAmount,
                     const AnsiString& /*unused4*/, const AnsiString& registration,
                     const AnsiString& consumerName, const AnsiString& clientCode,
                     const AnsiString& clientText, const AnsiString& password,
                     double previousBalance, double subsidy, double complement,
                     const AnsiString& layoutMode, const AnsiString& extraText,
                     const AnsiString& /*unused15*/, const AnsiString& /*unused16*/,
                     const AnsiString& /*unused17*/, const OleVariant& /*unused18*/) {
  if (credit::NoReceiptFor(saleAmount)) return true;
  CardReceipt r;
  r.saleAmount = saleAmount;
  r.registration = registration;
  r.consumerName = consumerName;
  r.clientCode = clientCode;
  r.clientText = clientText;
  r.password = password;
  r.balance = previousBalance + subsidy + complement - saleAmount;
  r.subsidy = subsidy;
  r.layoutMode = layoutMode;

  AnsiString text;
  for (const AnsiString& line : ReceiptLines(r, credit::ProductLines(*DataModule().cdsProdDeb)))
    text += line + credit::kLfCr;
  std::vector<std::vector<AnsiString>> texts = {{"0", text}};
  if (!extraText.empty()) texts.push_back({credit::kLf, extraText, credit::kLf, AnsiString(40, ' ')});
  return credit::PrintLinkedReceipt(scheme, IdFormPagVCons, texts);
}

}  // namespace Mdx00200
