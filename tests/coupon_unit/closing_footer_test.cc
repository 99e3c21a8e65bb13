// The footer of FechaCupom on the wire: the pairs of "12N" for the footer
// variants, the consumer-credit lines, the TEF receipt and the replies.
#include <gtest/gtest.h>

#include "coupon_unit/closing_fixture.h"
#include "mdx00200/hostlib.h"

namespace mdx::test {
namespace {

const AnsiString kNotResponding = "Impressora n\xE3o responde. Imprimir novamente?";
const AnsiString kBare = "0";
const AnsiString kBlank = "0" + AnsiString(40, ' ');
const AnsiString kRule = "0" + AnsiString(40, '-');
const AnsiString kContact = "Desenvolvido por Korvana Sistemas";
const AnsiString kTax = "Trib aprox R$: 1,50 Federal e 2,25 Estad";

AnsiString Left(const AnsiString& text) { return "0" + Consiste::TamFixo(text, 40); }
AnsiString Centred(const AnsiString& text) { return "0" + Consiste::Centraliza(text, 40); }
AnsiString Family(const AnsiString& name, const AnsiString& value) {
  return "0" + Consiste::TamFixo(name, 20) + Consiste::TamFixoR(value, 20);
}

class ClosingFooterTest : public ClosingTest {
 protected:
  // A sale paid with 20,00 in cash by customer C1 Joao, consumer K2 Ana,
  // operator 7 Rita, at table 12 with password 99.
  static ClosingList Sale() {
    ClosingList list;
    list[1] = "OBRIGADO PELA PREFERENCIA";
    list[13] = MovementsPacket({{"E", "001", 20}});
    list[15] = "C1";
    list[16] = "Joao";
    list[17] = "K2";
    list[18] = "Ana";
    list[21] = "12";
    list[22] = "7";
    list[23] = "Rita";
    list[31] = "99";
    list[51] = 1.5;
    list[58] = 2.25;
    return list;
  }

  // The pairs after the three fixed ones.
  std::vector<AnsiString> VariantPairs() {
    std::vector<AnsiString> pairs = FooterPairs();
    if (pairs.size() < 3) return pairs;
    return std::vector<AnsiString>(pairs.begin() + 3, pairs.end());
  }
};

TEST_F(ClosingFooterTest, PlainFooterOnTheWire) {
  ClosingList list = Sale();
  list[10] = "linha um\r\nlinha dois\r\nlinha tres";
  list[52] = 150.0;  // the eighth line: not printed
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(FooterPairs(),
            (std::vector<AnsiString>{
                Left("OBRIGADO PELA PREFERENCIA"), "0" + kTax, kBlank, Left("Cliente: C1 - Joao"),
                Left("K2 - Ana"), Left(kContact), Left("Operador: 7 - Rita"),
                Left("Mesa  : 12           - SENHA : 99"), Left("linha um"), Left("linha dois"), kBare,
                kBare}));
}

TEST_F(ClosingFooterTest, ParaibaLegalAndPointsLines) {
  ClosingList list = Sale();
  list[17] = "";
  list[19] = "12345678909";
  list[43] = "PB";
  list[44] = "12.345.678/0001-95";
  list[52] = 150.0;
  list[54] = 20.0;
  EXPECT_TRUE(Close(list));
  const std::vector<AnsiString> pairs = FooterPairs();
  ASSERT_EQ(pairs.size(), 11u);
  EXPECT_EQ(pairs[2], "0PARAIBA LEGAL - RECEITA CIDADA\n\rTORPEDO ");
  EXPECT_EQ(pairs[3], Left("Cliente: C1 - Joao"));  // variant F: the tax id comes later
  EXPECT_EQ(pairs[4], Left("CNPJ/CPF : 12345678909"));
  EXPECT_EQ(pairs[8], Centred("Nesta compra voce ganhou 150 DOTZ"));
  EXPECT_EQ(pairs[9], Centred("Nesta compra voce ganhou 20 DOTZ extras"));
  EXPECT_EQ(pairs[10], kBare);
}

TEST_F(ClosingFooterTest, AgreementFooterWithTheConsumerBalance) {
  ClosingList list = Sale();
  list[14] = MethodsPacket({{"001", "01", ""}, {"CNV", "03", "8"}, {"CRD", "04", "9"}});
  list[13] = MovementsPacket({{"E", "CNV", 5}, {"E", "CRD", 7.5}});
  list[27] = "0";
  list[36] = "2";
  list[37] = 100.0;
  list[38] = 2.0;
  EXPECT_TRUE(Close(list));
  // No customer line of its own: the table and password line is the seventh.
  EXPECT_EQ(VariantPairs(),
            (std::vector<AnsiString>{Left("Convenio ..: C1 - Joao"), Left("K2 - Ana"),
                                     Left("Saldo Final : 94,50"), Left("Pre\xE7o subsidiado: 2,00"),
                                     Left(kContact), Left("Operador: 7 - Rita"),
                                     Left("Mesa  : 12           - SENHA : 99"), kBare, kBare}));
}

TEST_F(ClosingFooterTest, TaxIdAndNameFooter) {
  ClosingList list = Sale();
  list[19] = "12345678909";
  list[20] = "ANA SOUZA";
  list[60] = Variant::Null();  // counts as true: the consumer line shows
  EXPECT_TRUE(Close(list));
  EXPECT_EQ(VariantPairs(),
            (std::vector<AnsiString>{Left("CNPJ/CPF : 12345678909"), Left("NOME : ANA SOUZA"),
                                     Left("Cliente: C1 - Joao"), Left("K2 - Ana"), Left(kContact),
                                     Left("Operador: 7 - Rita"),
                                     Left("Mesa  : 12           - SENHA : 99"), kBare}));
}

// Family credit: the family balances less their spending and loans (or plus
// their credit, for a family with spending), the consumer-credit payments
// taken from the total.
TEST_F(ClosingFooterTest, FamilyFooterWithSpendingAndLoans) {
  struct Case {
    const char* name;
    Variant spending, loans;
    AnsiString first, second, total;
  } cases[] = {
      {"spending and loans", FamilySpendingPacket({{"F1", "", 30}, {"F2", "", 5}}),
       LoansPacket({{"F1", "", 10, "D"}, {"F1", "", 99, "C"}, {"F2", "", 7, "C"}}), "60,00", "52,00",
       "157,50"},
      {"no spending: only a loan counts", FamilySpendingPacket({}),
       LoansPacket({{"F1", "", 10, "D"}, {"F1", "", 99, "C"}, {"F2", "", 7, "C"}}), "90,00", "50,00",
       "157,50"},
  };
  for (const Case& c : cases) {
    Package().ResetGlobals();
    ForgetFrames();
    ClosingList list = Sale();
    list[14] = MethodsPacket({{"001", "01", ""}, {"CRD", "04", "9"}});
    list[13] = MovementsPacket({{"E", "CRD", 12.5}});
    list[35] = "2";
    list[36] = "1";
    list[32] = CreditPacket({{"F1", "Familia Um", 100}, {"F2", "Familia Dois", 50}, {"F3", "Tres", 20}});
    list[33] = c.spending;
    list[34] = c.loans;
    EXPECT_TRUE(Close(list)) << c.name;
    EXPECT_EQ(VariantPairs(),
              (std::vector<AnsiString>{kRule, Centred("C1 - Joao"), Centred("K2 - Ana"),
                                       Family("Familia Um", c.first), Family("Familia Dois", c.second),
                                       Family("Saldo Total", c.total), Left(kContact), kBare}))
        << c.name;
  }
}

// Balance rows without family spending or loans: the balances as they are.
TEST_F(ClosingFooterTest, MissingSpendingOrLoanDataMeansNoAdjustment) {
  struct Case {
    const char* name;
    AnsiString familyFooter, balanceKind;
    Variant spending, loans;
    double subsidy;
    std::vector<AnsiString> pairs;
  } cases[] = {
      {"A without spending or loans", "2", "", Variant::Null(), Variant::Null(), 0,
       {kRule, Centred("C1 - Joao"), Centred("K2 - Ana"), Family("Familia Um", "100,00"),
        Family("Saldo Total", "100,00"), Left(kContact), Left("Operador: 7 - Rita"), kBare}},
      {"B without loans, with a subsidised price", "", "1", FamilySpendingPacket({{"F1", "", 30}}),
       Variant::Null(), 2.0,
       {kRule, Centred("Joao"), Centred("Ana"), Left("Pre\xE7o subsidiado: 2,00"),
        Family("Familia Um", "70,00"), Left("SENHA : 99"), Left(kContact), kBare}},
      {"B with empty spending and loans", "", "1", FamilySpendingPacket({}), LoansPacket({}), 0,
       {kRule, Centred("Joao"), Centred("Ana"), Family("Familia Um", "100,00"),
        Left("SENHA : 99"), Left(kContact), Left("Operador: 7 - Rita"), kBare}},
  };
  for (const Case& c : cases) {
    Package().ResetGlobals();
    ForgetFrames();
    ClosingList list = Sale();
    list[10] = "linha";
    list[35] = c.familyFooter;
    list[27] = c.balanceKind;
    list[36] = "1";
    list[32] = CreditPacket({{"F1", "Familia Um", 100}});
    list[33] = c.spending;
    list[34] = c.loans;
    list[38] = c.subsidy;
    EXPECT_TRUE(Close(list)) << c.name;
    EXPECT_EQ(VariantPairs(), c.pairs) << c.name;
    EXPECT_EQ(result[0], Variant(0)) << c.name;
  }
}

// An error once the coupon has been changed (here: balance data without its
// fields) ends the closing with false, but the host still gets its cells.
TEST_F(ClosingFooterTest, ErrorWhileBuildingTheFooterStillWritesTheResult) {
  ClosingList list = Sale();
  list[35] = "2";
  list[36] = "1";
  list[32] = LoansPacket({{"F1", "", 10, "D"}});
  EXPECT_FALSE(Close(list));
  EXPECT_EQ(FramesOf(".10").size(), 1u);
  EXPECT_TRUE(FramesOf(".12N").empty());
  EXPECT_EQ(result, VarArrayOf({0, "000057", "", ""}));
}

TEST_F(ClosingFooterTest, RefusedFamilyFooterIsSentAgainWhole) {
  ClosingList list = Sale();
  list[9] = "S";
  list[11] = true;
  list[27] = "1";
  list[36] = "1";
  list[32] = CreditPacket({{"F1", "Familia Um", 100}});
  // The refused close leaves the coupon in its payment phase, as the
  // status the package asks before sending it again shows.
  emulator::PrinterState state = Printer().State();
  state.document = emulator::DocumentKind::kFiscalCoupon;
  state.couponPaying = true;
  Printer().SetState(state);
  Script().Refuse("12N");
  host_->Answer({true});
  EXPECT_TRUE(Close(list));
  const std::vector<AnsiString> closings = FramesOf(".12N");
  ASSERT_EQ(closings.size(), 2u);
  EXPECT_EQ(closings[0], closings[1]);
  EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>{kNotResponding});
  EXPECT_EQ(host_->delays, (std::vector<int>{1, 1}));  // after the refusal, after the closing
}

class TefFooterTest : public ClosingFooterTest {
 protected:
  static ClosingList TefSale() {
    ClosingList list = Sale();
    list[9] = "T";
    list[11] = true;
    list[40] = "S";
    list[20] = "ANA SOUZA";
    return list;
  }
};

TEST_F(TefFooterTest, ReceiptLinesInTheFooter) {
  struct Case {
    const char* name;
    std::vector<AnsiString> hostLines;
    std::vector<AnsiString> tef;
  } cases[] = {
      {"three lines", {"A\n", "B\n", "C\n", "D\n"}, {Left("A"), Left("B"), Left("C")}},
      {"lines inside one host line", {"A\nB\nC\n"}, {Left("A"), Left("B"), Left("C")}},
      {"a line without its line feed is dropped", {"X", "A\n"}, {Left("A"), kBlank, kBlank}},
      {"no lines", {}, {kBlank, kBlank, kBlank}},
  };
  for (const Case& c : cases) {
    Package().ResetGlobals();
    ForgetFrames();
    TStringList lines;
    for (const AnsiString& line : c.hostLines) lines.Add(line);
    ClosingList list = TefSale();
    EXPECT_TRUE(Close(list, &lines)) << c.name;
    std::vector<AnsiString> expected = c.tef;
    for (const AnsiString& line : {AnsiString("NOME : ANA SOUZA"), AnsiString("SENHA : 99"), kContact,
                                   AnsiString("Operador: 7 - Rita")})
      expected.push_back(Left(line));
    EXPECT_EQ(VariantPairs(), expected) << c.name;
    EXPECT_EQ(result[0], Variant(0)) << c.name;
  }
}

TEST_F(TefFooterTest, RefusedTefFooterIsNotAFailure) {
  TStringList lines;
  lines.Add("A\n");
  Script().Refuse("12N");
  ClosingList list = TefSale();
  EXPECT_TRUE(Close(list, &lines));
  EXPECT_EQ(FramesOf(".12N").size(), 1u);
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(TefFooterTest, WithoutTheReceiptTheCouponStaysOpen) {
  ClosingList list = TefSale();
  EXPECT_TRUE(Close(list, nullptr));
  EXPECT_TRUE(FramesOf(".12N").empty());
  EXPECT_EQ(FramesOf(".10").size(), 1u);
  EXPECT_EQ(result, VarArrayOf({0, "000057", "", ""}));
  EXPECT_EQ(host_->delays, std::vector<int>{1});
}

}  // namespace
}  // namespace mdx::test
