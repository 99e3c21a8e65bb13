// Imp_CompVenCred: the personal-credit receipt of a sale, 48 columns.
#include "coupon/footer_balances.h"
#include "credit/credit_lines.h"
#include "credit/linked_receipt.h"
#include "credit/sale_receipt_text.h"
#include "frame/catalogues.h"
#include "frame/data_module.h"
#include "mdx00200/credit.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"
#include "reports/report_format.h"

namespace Mdx00200 {

namespace {

using credit::Cut;
using credit::Msg;

constexpr int kWidth = 48;

AnsiString ConsumerBlock(const AnsiString& registration, const AnsiString& consumerName,
                         const AnsiString& clientCode, const AnsiString& clientLine) {
  const AnsiString lines[] = {
      Consiste::Centraliza(Msg("CompraCredito"), kWidth),
      reports::Rule(kWidth),
      Cut(Msg("CDCLIE") + clientCode, kWidth),
      Cut(AnsiString(9, ' ') + clientLine, kWidth),
      reports::Rule(kWidth),
      Cut(Msg("CDCons") + registration, kWidth),
      Cut(Msg("NmCons") + consumerName, kWidth),
      reports::Rule(kWidth),
      Consiste::Centraliza(Msg("ProdVend"), kWidth),
      AnsiString(kWidth, ' '),
      Cut(Msg("Cabecalho"), kWidth),
  };
  AnsiString text = credit::kLf;
  for (const AnsiString& line : lines) text += line + credit::kLf;
  return text;
}

AnsiString BalanceLines(const AnsiString& balanceMode, double balance) {
  if (balanceMode == "0") {
    balance += coupon::CreditBalanceSum();
    return FillPlaceholder(DataModule().msgPadrao2.Msg("SALDO_FIN"), credit::Currency(balance)) +
           credit::kLf;
  }
  if (balanceMode == "1") return credit::FamilyBalanceLines();
  return "";
}

AnsiString TotalBlock(double saleAmount, const AnsiString& password, double balance,
                      double subsidy, double complement, const AnsiString& balanceMode) {
  AnsiString text = AnsiString(kWidth, ' ') + credit::kLf;
  text += Consiste::TamFixo(Cut(Msg("Total"), 40), 15) +
          credit::AmountColumn(mdx::FormatFloat("0.00", saleAmount), 33) + credit::kLf;
  text += reports::Rule(kWidth) + credit::kLf;
  text += Cut(credit::PasswordText(password), kWidth) + credit::kLf;
  text += BalanceLines(balanceMode, balance);
  if (subsidy > 0) text += Msg("PRECO_SUBSIDIO") + " " + credit::Currency(subsidy) + credit::kLf;
  if (complement > 0)
    text += Msg("VR_COMPLEMENTO") + " " + credit::Currency(complement) + credit::kLf;
  return text;
}

}  // namespace

bool Imp_CompVenCred(const AnsiString& scheme, const OleVariant& /*unused2*/,
                     const OleVariant& /*unused3*/, double saleAmount,
                     const AnsiString& registration, const AnsiString& consumerName,
                     const AnsiString& clientCode, const AnsiString& clientLine,
                     const AnsiString& password, const AnsiString& /*unused10*/,
                     double previousBalance, double subsidy, double complement,
                     const AnsiString& balanceMode) {
  if (credit::NoReceiptFor(saleAmount)) return true;
  const double balance = previousBalance + subsidy + complement - saleAmount;

  // Everything is composed before the first command, so a dataset error
  // leaves nothing half printed.
  std::vector<std::vector<AnsiString>> texts;
  texts.push_back({"0", ConsumerBlock(registration, consumerName, clientCode, clientLine)});
  for (const AnsiString& line : credit::ProductLines(*DataModule().cdsProdCred))
    texts.push_back({"0", line + credit::kLf});
  texts.push_back(
      {"0", TotalBlock(saleAmount, password, balance, subsidy, complement, balanceMode)});
  return credit::PrintLinkedReceipt(scheme, IdFormPagCPess, texts);
}

}  // namespace Mdx00200
