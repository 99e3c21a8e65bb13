// The footer variants of the closing command: the choice of the variant, and
// for each variant the slots it fills and the pairs that go out.
#include <gtest/gtest.h>

#include "coupon/footer.h"
#include "mdx00200/hostlib.h"

namespace Mdx00200::coupon {
namespace {

using mdx::AnsiString;
using V = FooterVariant;

AnsiString Left(const AnsiString& text) { return "0" + Consiste::TamFixo(text, 40); }
AnsiString Centred(const AnsiString& text) { return "0" + Consiste::Centraliza(text, 40); }
const AnsiString kBare = "0";
const AnsiString kBlank = "0" + AnsiString(40, ' ');
const AnsiString kRule = "0" + AnsiString(40, '-');

FooterLines Full() {
  FooterLines l;
  l.agreement = "AGR";
  l.taxId = "TAXID";
  l.name = "NAME";
  l.customer = "CUST";
  l.consumer = "CONS";
  l.balance = "BAL";
  l.subsidy = "SUB";
  l.contact = "CONTACT";
  l.operatorLine = "OPER";
  l.tableAndPassword = "TABLE";
  l.password = "PASS";
  l.free1 = "FREE1";
  l.free2 = "FREE2";
  l.dotz = "DOTZ";
  l.dotzExtras = "DOTZX";
  l.working = {"W1", "W2"};
  l.tef = {"T1", "T2", "T3"};
  return l;
}

// Only the lines a plain sale without customer or consumer has.
FooterLines Sparse() {
  FooterLines l = Full();
  l.customer = l.consumer = l.balance = l.subsidy = "";
  l.working = {"W1"};
  l.tef = {"T1"};
  return l;
}

// The customer, consumer, contact, operator, table and both free lines fill
// seven slots of variant G: the points earned are the eighth and are dropped.
FooterLines PointsDropped() {
  FooterLines l = Full();
  l.balance = l.subsidy = l.dotzExtras = "";
  return l;
}

struct Case {
  const char* name;
  V variant;
  FooterLines lines;
  std::vector<AnsiString> pairs;  // after the three fixed pairs
};

TEST(FooterTest, SlotsInPairsOut) {
  const Case cases[] = {
      {"A full", V::kFamilyCredit, Full(),
       {kRule, Left("W1"), Left("W2"), Left("CONTACT"), Left("OPER"), Left("FREE1"), kBare, kBare}},
      {"A sparse", V::kFamilyCredit, Sparse(),
       {kRule, Left("W1"), Left("CONTACT"), Left("OPER"), Left("FREE1"), kBare, kBare, kBare}},
      {"B full", V::kBalanceCredit, Full(),
       {kRule, Left("W1"), Left("W2"), Left("PASS"), Left("CONTACT"), Left("OPER"), Left("FREE1"), kBare}},
      {"B sparse", V::kBalanceCredit, Sparse(),
       {kRule, Left("W1"), Left("PASS"), Left("CONTACT"), Left("OPER"), Left("FREE1"), kBare, kBare}},
      {"C full", V::kTef, Full(),
       {Left("T1"), Left("T2"), Left("T3"), Left("NAME"), Left("PASS"), Left("CONTACT"), Left("OPER")}},
      {"C with one TEF line", V::kTef, Sparse(),
       {Left("T1"), kBlank, kBlank, Left("NAME"), Left("PASS"), Left("CONTACT"), Left("OPER")}},
      // Variant D has no customer line: the table line is the seventh.
      {"D full", V::kAgreement, Full(),
       {Left("AGR"), Left("CONS"), Left("BAL"), Left("SUB"), Left("CONTACT"), Left("OPER"), Left("TABLE"),
        kBare, kBare}},
      {"D sparse", V::kAgreement, Sparse(),
       {Left("AGR"), Left("CONTACT"), Left("OPER"), Left("TABLE"), Left("FREE1"), Centred("DOTZ"),
        Centred("DOTZX"), kBare, kBare}},
      {"E full", V::kTaxIdAndName, Full(),
       {Left("TAXID"), Left("NAME"), Left("CUST"), Left("CONS"), Left("BAL"), Left("SUB"), Left("CONTACT"),
        kBare}},
      {"E sparse", V::kTaxIdAndName, Sparse(),
       {Left("TAXID"), Left("NAME"), Left("CONTACT"), Left("OPER"), Left("TABLE"), Left("FREE1"),
        Centred("DOTZ"), kBare}},
      {"F full", V::kTaxIdOnly, Full(),
       {Left("CUST"), Left("CONS"), Left("BAL"), Left("SUB"), Left("TAXID"), Left("CONTACT"), Left("OPER"),
        kBare}},
      {"F sparse", V::kTaxIdOnly, Sparse(),
       {Left("TAXID"), Left("CONTACT"), Left("OPER"), Left("TABLE"), Left("FREE1"), Centred("DOTZ"),
        Centred("DOTZX"), kBare}},
      {"G sparse", V::kPlain, Sparse(),
       {Left("CONTACT"), Left("OPER"), Left("TABLE"), Left("FREE1"), Left("FREE2"), Centred("DOTZ"),
        Centred("DOTZX"), kBare, kBare}},
      {"G with the points as eighth line", V::kPlain, PointsDropped(),
       {Left("CUST"), Left("CONS"), Left("CONTACT"), Left("OPER"), Left("TABLE"), Left("FREE1"),
        Left("FREE2"), kBare, kBare}},
  };
  for (const Case& c : cases) {
    const std::vector<AnsiString> pairs =
        FooterPairs("FIRST", "TAX", "", c.variant, FooterSlots(c.variant, c.lines));
    ASSERT_EQ(pairs.size(), 3 + c.pairs.size()) << c.name;
    EXPECT_EQ(static_cast<int>(c.pairs.size()), FooterPairCount(c.variant)) << c.name;
    EXPECT_EQ(std::vector<AnsiString>(pairs.begin() + 3, pairs.end()), c.pairs) << c.name;
  }
}

TEST(FooterTest, FixedPairsAreFortyWide) {
  const AnsiString tax = "Trib aprox R$: 1,23 Federal e 4,56 Estadual\n\rFonte: IBPT";
  const std::vector<AnsiString> pairs =
      FooterPairs("", tax, "PARAIBA LEGAL - RECEITA CIDADA\n\rTORPEDO PREMIADO: 1", V::kPlain, {});
  ASSERT_EQ(pairs.size(), 12u);
  EXPECT_EQ(pairs[0], kBlank);
  EXPECT_EQ(pairs[1], "0Trib aprox R$: 1,23 Federal e 4,56 Estad");
  EXPECT_EQ(pairs[2], "0PARAIBA LEGAL - RECEITA CIDADA\n\rTORPEDO ");
  for (size_t i = 3; i < pairs.size(); ++i) EXPECT_EQ(pairs[i], kBare);
}

TEST(FooterTest, TheFirstVariantThatMatchesIsChosen) {
  struct ChoiceCase {
    const char* name;
    FooterChoice choice;
    V variant;
  };
  auto with = [](auto change) {
    FooterChoice c;
    change(c);
    return c;
  };
  const ChoiceCase cases[] = {
      {"family footer", with([](FooterChoice& c) { c.familyFooter = "2"; c.consumerCode = "C1"; c.creditKind = "1"; }),
       V::kFamilyCredit},
      {"family footer without a consumer",
       with([](FooterChoice& c) { c.familyFooter = "2"; c.creditKind = "1"; }), V::kPlain},
      {"family footer of credit kind 2",
       with([](FooterChoice& c) { c.familyFooter = "2"; c.consumerCode = "C1"; c.creditKind = "2"; }),
       V::kPlain},
      {"balance kind 1, family credit",
       with([](FooterChoice& c) { c.balanceKind = "1"; c.creditKind = "1"; c.agreementPaid = true; }),
       V::kBalanceCredit},
      {"TEF receipt in the footer",
       with([](FooterChoice& c) { c.tefMode = "T"; c.tefInUse = true; c.tefInFooter = "S"; c.agreementPaid = true; }),
       V::kTef},
      {"TEF mode S",
       with([](FooterChoice& c) { c.tefMode = "S"; c.tefInUse = true; c.tefInFooter = "S"; }), V::kPlain},
      {"TEF not in use", with([](FooterChoice& c) { c.tefMode = "T"; c.tefInFooter = "S"; }), V::kPlain},
      {"agreement", with([](FooterChoice& c) { c.agreementPaid = true; c.taxId = "1"; }), V::kAgreement},
      {"tax id and name", with([](FooterChoice& c) { c.taxId = "1"; c.name = "N"; }), V::kTaxIdAndName},
      {"tax id alone", with([](FooterChoice& c) { c.taxId = "1"; }), V::kTaxIdOnly},
      {"name alone", with([](FooterChoice& c) { c.name = "N"; }), V::kPlain},
  };
  for (const ChoiceCase& c : cases) EXPECT_EQ(ChooseFooterVariant(c.choice), c.variant) << c.name;
}

}  // namespace
}  // namespace Mdx00200::coupon
