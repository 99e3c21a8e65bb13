#include "coupon/footer.h"

#include "mdx00200/hostlib.h"

namespace Mdx00200::coupon {

using mdx::AnsiString;

namespace {

constexpr int kLineWidth = 40;
constexpr size_t kMostLines = 7;

AnsiString Line40(const FooterSlot& slot) {
  return slot.centred ? Consiste::Centraliza(slot.text, kLineWidth)
                      : Consiste::TamFixo(slot.text, kLineWidth);
}

}  // namespace

FooterVariant ChooseFooterVariant(const FooterChoice& c) {
  if (c.familyFooter == "2" && !c.consumerCode.empty() && c.creditKind == "1")
    return FooterVariant::kFamilyCredit;
  if (c.balanceKind == "1" && c.creditKind == "1") return FooterVariant::kBalanceCredit;
  if (c.tefMode == "T" && c.tefInUse && c.tefInFooter == "S") return FooterVariant::kTef;
  if (c.agreementPaid) return FooterVariant::kAgreement;
  if (!c.taxId.empty() && !c.name.empty()) return FooterVariant::kTaxIdAndName;
  if (!c.taxId.empty()) return FooterVariant::kTaxIdOnly;
  return FooterVariant::kPlain;
}

std::vector<FooterSlot> FooterSlots(FooterVariant variant, const FooterLines& l) {
  std::vector<FooterSlot> slots;
  auto add = [&slots](const AnsiString& text, bool centred = false) {
    slots.push_back({text, centred});
  };
  const AnsiString rule(kLineWidth, '-');
  switch (variant) {
    case FooterVariant::kFamilyCredit:
    case FooterVariant::kBalanceCredit:
      add(rule);
      for (const AnsiString& line : l.working) add(line);
      if (variant == FooterVariant::kBalanceCredit) add(l.password);
      add(l.contact);
      add(l.operatorLine);
      add(l.free1);
      break;
    case FooterVariant::kTef:
      for (size_t i = 0; i < 3; ++i) add(i < l.tef.size() ? l.tef[i] : AnsiString());
      add(l.name);
      add(l.password);
      add(l.contact);
      add(l.operatorLine);
      break;
    case FooterVariant::kAgreement:
    case FooterVariant::kTaxIdAndName:
    case FooterVariant::kTaxIdOnly:
    case FooterVariant::kPlain:
      if (variant == FooterVariant::kAgreement) add(l.agreement);
      if (variant == FooterVariant::kTaxIdAndName) {
        add(l.taxId);
        add(l.name);
      }
      // The agreement line names the customer already: variant D has no
      // customer line of its own.
      if (variant != FooterVariant::kAgreement) add(l.customer);
      add(l.consumer);
      add(l.balance);
      add(l.subsidy);
      if (variant == FooterVariant::kTaxIdOnly) add(l.taxId);
      add(l.contact);
      add(l.operatorLine);
      add(l.tableAndPassword);
      add(l.free1);
      if (variant == FooterVariant::kPlain) add(l.free2);
      add(l.dotz, true);
      add(l.dotzExtras, true);
      break;
  }
  return slots;
}

int FooterPairCount(FooterVariant variant) {
  switch (variant) {
    case FooterVariant::kTef:
      return 7;
    case FooterVariant::kAgreement:
    case FooterVariant::kPlain:
      return 9;
    default:
      return 8;
  }
}

std::vector<AnsiString> FooterPairs(const AnsiString& firstLine, const AnsiString& taxText,
                                    const AnsiString& paraibaText, FooterVariant variant,
                                    const std::vector<FooterSlot>& slots) {
  std::vector<AnsiString> pairs = {
      "0" + Consiste::TamFixo(firstLine, kLineWidth),
      "0" + Consiste::TamFixo(taxText, kLineWidth),
      "0" + Consiste::TamFixo(paraibaText, kLineWidth),
  };
  std::vector<AnsiString> lines;
  for (const FooterSlot& slot : slots) {
    if (variant == FooterVariant::kTef) {
      lines.push_back(Line40(slot));  // every slot, empty ones as blanks
    } else if (!slot.text.empty() && lines.size() < kMostLines) {
      lines.push_back(Line40(slot));
    }
  }
  const size_t count = static_cast<size_t>(FooterPairCount(variant));
  for (size_t i = 0; i < count; ++i) pairs.push_back("0" + (i < lines.size() ? lines[i] : ""));
  return pairs;
}

}  // namespace Mdx00200::coupon
