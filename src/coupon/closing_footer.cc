// The footer of the coupon and the closing command "12SN".
#include <vector>

#include "coupon/closing_state.h"
#include "coupon/lost_reply.h"
#include "coupon/footer.h"
#include "coupon/footer_balances.h"
#include "coupon/footer_texts.h"
#include "coupon/sale_dialogs.h"
#include "frame/catalogues.h"
#include "frame/data_module.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"

namespace Mdx00200::coupon {

namespace {

AnsiString Money(double value) { return mdx::FloatToStrF(value, mdx::ffFixed, 15, 2); }

// A catalogue text of msgPadrao2 with its "%s" filled, or "" for no points.
AnsiString PointsText(const char* key, double points) {
  if (points == 0) return "";
  return FillPlaceholder(DataModule().msgPadrao2.Msg(key), mdx::FloatToStr(points));
}

FooterChoice Choice(const ClosingState& s) {
  FooterChoice c;
  c.familyFooter = s.p.familyFooter;
  c.consumerCode = s.p.consumerCode;
  c.creditKind = s.p.creditKind;
  c.balanceKind = s.p.balanceKind;
  c.tefMode = s.p.tefMode;
  c.tefInUse = s.p.tefInUse;
  c.tefInFooter = s.p.tefInFooter;
  c.agreementPaid = s.agreementPaid;
  c.taxId = s.p.consumerTaxId;
  c.name = s.p.nameLine;
  return c;
}

// Identification, subsidy, family and total lines of variants A and B. Each
// is one footer line: none carries a line feed of its own, so a short one
// (the subsidy line) does not print an extra line.
std::vector<AnsiString> WorkingLines(const ClosingState& s, FooterVariant variant,
                                     const AnsiString& subsidy) {
  const ClosingParams& p = s.p;
  const bool family = variant == FooterVariant::kFamilyCredit;
  std::vector<AnsiString> lines;
  lines.push_back(Consiste::Centraliza(family ? p.clientCode + " - " + p.clientName : p.clientName, 40));
  if (p.consumerLine) {
    lines.push_back(Consiste::Centraliza(
        family ? p.consumerCode + " - " + p.consumerName : p.consumerName, 40));
  }
  if (p.subsidy > 0) lines.push_back(subsidy);
  for (const AnsiString& line : FamilyLines()) lines.push_back(line);
  if (family) {
    lines.push_back(Consiste::TamFixo("Saldo Total", 20) +
                    Consiste::TamFixoR(Money(CreditBalanceSum() - s.creditTotal), 20));
  }
  return lines;
}

FooterLines Lines(const ClosingState& s, FooterVariant variant, const TStringList* tefLines) {
  const ClosingParams& p = s.p;
  const Kor_msg::TMessages& m = DataModule().msgPadrao;
  const AnsiString subsidy = m.Msg("PRECO_SUBSIDIO") + " " + Money(p.subsidy);
  FooterLines l;
  l.agreement = m.Msg("Conv") + " ..: " + p.clientCode + " - " + p.clientName;
  l.taxId = m.Msg("CNPJCPF") + " : " + p.consumerTaxId;
  l.name = m.Msg("Nome") + " : " + p.nameLine;
  if (!p.clientCode.empty()) l.customer = m.Msg("CDCLIE") + p.clientCode + " - " + p.clientName;
  if (!p.consumerCode.empty() && p.consumerLine) l.consumer = p.consumerCode + " - " + p.consumerName;
  if (ShowsConsumerBalance(p)) l.balance = m.Msg("Sald_Cons") + Money(ConsumerBalance(s));
  if (p.subsidy != 0) l.subsidy = subsidy;
  l.contact = m.Msg("Korvana");  // the maker's contact line of every report
  l.operatorLine = m.Msg("Operador") + ": " + p.operatorCode + " - " + p.operatorName;
  l.password = m.Msg("SENHA") + p.password;
  l.tableAndPassword = s.tableLine + (p.password.empty() ? AnsiString() : l.password);
  l.free1 = s.freeLines[0];
  l.free2 = s.freeLines[1];
  l.dotz = PointsText("DOTZ", p.dotz);
  l.dotzExtras = PointsText("DOTZ_EXTRAS", p.dotzExtras);
  if (variant == FooterVariant::kFamilyCredit || variant == FooterVariant::kBalanceCredit)
    l.working = WorkingLines(s, variant, subsidy);
  if (variant == FooterVariant::kTef) l.tef = TefReceiptLines(tefLines);
  return l;
}

std::vector<AnsiString> ClosingPairs(const ClosingState& s, FooterVariant variant,
                                     const TStringList* tefLines) {
  const ClosingParams& p = s.p;
  AnsiString paraiba;
  if (p.state == "PB") {
    const AnsiString lastAmount = s.payments.empty() ? AnsiString() : s.payments.back().params[0].substr(2);
    paraiba = ParaibaLegalText(p.storeCnpj, mdx::Date(),
                               NetValueText(s.paymentsTotal, p.voucher, lastAmount), p.consumerTaxId);
  }
  return FooterPairs(p.firstLine, TaxText(p.federalTaxes, p.stateTaxes), paraiba, variant,
                     FooterSlots(variant, Lines(s, variant, tefLines)));
}

}  // namespace

bool CloseWithFooter(const ClosingState& s, const TStringList* tefLines) {
  const FooterVariant variant = ChooseFooterVariant(Choice(s));
  // Without the host's TEF receipt the TEF footer is not sent: the coupon
  // stays open for the host to complete.
  const bool send = variant != FooterVariant::kTef || tefLines != nullptr;
  while (send) {
    const bool closed = SendSaleCommand(s.p.scheme, "12SN", ClosingPairs(s, variant, tefLines), true);
    if (closed || variant == FooterVariant::kTef) break;  // the TEF footer's reply is not used
    if (variant != FooterVariant::kFamilyCredit && variant != FooterVariant::kBalanceCredit)
      return false;
    Consiste::Delay(1);
    if (!(s.tefInUse && boNUtilTaa)) {
      boClieUtil = false;
      return false;
    }
    LostReply verdict = LostReply::kUnknown;
    while (verdict == LostReply::kUnknown) {
      if (!AskPrintAgain(s.p.scheme)) return false;
      verdict = JudgeFailedClosing(s.p.scheme);
    }
    if (verdict == LostReply::kRan) {
      ImpFisDebug("Comando executado pela impressora; n\xE3o reenviado: 12");
      break;
    }
  }
  Consiste::Delay(1);
  return true;
}

}  // namespace Mdx00200::coupon
