// Compr_CredPessoal and Cancela_Cred_Pessoal against the virtual printer:
// the receipts, the registrations on the non-fiscal totalizers, and the
// amounts refused before anything is sent.
#include <gtest/gtest.h>

#include <algorithm>

#include "credit/credit_fixture.h"

namespace mdx::test {
namespace {

const AnsiString kDashes(40, '-');
const AnsiString kBlanks(40, ' ');

AnsiString TextFrame(const AnsiString& text) { return ".080" + text + "}"; }

class CreditPurchaseTest : public CreditTest {};

TEST_F(CreditPurchaseTest, PrintsTheReceiptTwiceThenRegistersEachMovement) {
  auto movements = Movements({{10.0, "01", "1"}, {5.5, "01", "3"}});
  EXPECT_TRUE(Purchase(movements.get(), 20.0, "MARIA", "D-77", "SILVA"));

  const std::vector<AnsiString> copy = {
      ".0891}",
      TextFrame(AnsiString(11, ' ') + "COMPRA DE CREDITO" + AnsiString(12, ' ')),
      TextFrame(kDashes),
      TextFrame("Nr.Deposito: D-77"),
      TextFrame(kBlanks),
      TextFrame("Consumidor..: MARIA"),
      TextFrame("Familia.....: SILVA"),
      TextFrame("Valor ......: R$ 15,50"),
      TextFrame("Saldo Final : R$ 35,50"),
      ".0891}"};
  std::vector<AnsiString> expected = {".13S}"};
  expected.insert(expected.end(), copy.begin(), copy.end());
  expected.insert(expected.end(), copy.begin(), copy.end());
  const AnsiString& t = purchaseTotalizer;
  const std::vector<AnsiString> registrations = {
      ".12}",
      ".19      }", ".07" + t + "000000001000" + kBlanks + "}", ".1001000000001000}", ".12N}",
      ".19      }", ".07" + t + "000000000550" + kBlanks + "}", ".1001000000000550}", ".12N}"};
  expected.insert(expected.end(), registrations.begin(), registrations.end());
  EXPECT_EQ(Frames(), expected);

  const emulator::Accumulator& registered = Totalizer(t);
  EXPECT_EQ(registered.count, 2);
  EXPECT_EQ(registered.amount, 1550);
  EXPECT_EQ(Document(), emulator::DocumentKind::kNone);
  EXPECT_TRUE(DialogTexts().empty());
}

TEST_F(CreditPurchaseTest, PurchaseWithoutItsReportRegistersNothing) {
  auto movements = Movements({{10.0, "01", "1"}});
  Fault(emulator::FaultKind::kRefuse, "13");
  EXPECT_FALSE(Purchase(movements.get(), 0, "MARIA", "D-77", "SILVA"));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".13S}"}));
  EXPECT_EQ(Totalizer(purchaseTotalizer).count, 0);

  // Without movements nothing can be registered either.
  ForgetFrames();
  auto none = Movements({});
  EXPECT_FALSE(Purchase(none.get(), 0, "MARIA", "D-77", "SILVA"));
  EXPECT_TRUE(FramesOf(".19").empty());
}

TEST_F(CreditPurchaseTest, CancellationPrintsOnceAndRegisters) {
  AnsiString couponNumber = "keep";
  EXPECT_TRUE(Cancellation(couponNumber, 12.5, 7.5));
  EXPECT_EQ(couponNumber, "000001");  // the report's own COO
  const AnsiString& t = cancelTotalizer;
  const std::vector<AnsiString> expected = {
      ".13S}",
      ".271}",
      ".27H}",
      ".0891}",
      TextFrame("   CANCELAMENTO DE COMPRA DE CREDITO    "),
      TextFrame(kDashes),
      TextFrame("Cancelamento do dep\xF3sito: D-77"),
      TextFrame(kBlanks),
      TextFrame("Cliente:      C123"),
      TextFrame("Consumidor: MARIA"),
      TextFrame("Familia.....: : SILVA"),
      TextFrame("Valor ......: R$ 12,50"),
      TextFrame("Saldo Final : R$ 7,50"),
      ".0891}",
      ".12}",
      ".19      }",
      ".07" + t + "000000001250" + kBlanks + "}",
      ".1001000000001250}",
      ".12N}"};
  EXPECT_EQ(Frames(), expected);
  EXPECT_EQ(Totalizer(t).count, 1);
  EXPECT_EQ(Totalizer(t).amount, 1250);
}

TEST_F(CreditPurchaseTest, CancellationWithoutItsReportStillRegisters) {
  AnsiString couponNumber = "keep";
  Fault(emulator::FaultKind::kRefuse, "13");
  EXPECT_FALSE(Cancellation(couponNumber, 12.5, 7.5));
  EXPECT_EQ(couponNumber, "keep");
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".13S}", ".19      }",
                                               ".07" + cancelTotalizer + "000000001250" + kBlanks + "}",
                                               ".1001000000001250}", ".12N}"}));
  EXPECT_EQ(Totalizer(cancelTotalizer).amount, 1250);
}

TEST_F(CreditPurchaseTest, RegistrationRefusedByThePrinterIsAFailure) {
  struct Case {
    const char* name;
    bool purchase;
    const char* refused;
    std::vector<AnsiString> afterReport;  // the frames after the report's close
  } cases[] = {
      // A receipt that did not open gets no close: it would end another
      // document.
      {"receipt not opened", false, "19", {".19      }"}},
      // The empty receipt is still closed.
      {"amount refused", true, "07",
       {".19      }", ".07" + purchaseTotalizer + "000000001000" + kBlanks + "}",
        ".1001000000001000}", ".12N}"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetFrames();
    Fault(emulator::FaultKind::kRefuse, c.refused);
    AnsiString couponNumber;
    auto movements = Movements({{10.0, "01", "1"}});
    EXPECT_FALSE(c.purchase ? Purchase(movements.get(), 0, "MARIA", "D-77", "SILVA")
                            : Cancellation(couponNumber, 10.0, 0));
    const std::vector<AnsiString>& frames = Frames();
    const auto close = std::find(frames.begin(), frames.end(), ".12}");
    ASSERT_NE(close, frames.end());
    EXPECT_EQ(std::vector<AnsiString>(close + 1, frames.end()), c.afterReport);
    EXPECT_EQ(Document(), emulator::DocumentKind::kNone);
  }
}

TEST_F(CreditPurchaseTest, RegistrationThatDoesNotFitIsRefusedBeforeAnythingIsSent) {
  const AnsiString kRange = " fora do campo de 12 d\xEDgitos (0 a 9999999999,99).";
  struct Case {
    const char* name;
    bool purchase;
    double amount;
    const char* totalizer;  // "" = the printer's
    AnsiString detail;
  } cases[] = {
      {"negative purchase", true, -1, "", "Valor -1" + kRange},
      {"purchase past 12 digits", true, 10000000000.0, "", "Valor 10000000000" + kRange},
      {"negative cancellation", false, -0.5, "", "Valor -0,5" + kRange},
      {"totalizer of one digit", false, 1, "7",
       "Totalizador n\xE3o fiscal '7' n\xE3o tem 2 d\xEDgitos."},
  };
  for (bool selfService : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(AnsiString(c.name) + (selfService ? " (self-service)" : ""));
      NUtilTaa() = !selfService;
      MensagemTaa().clear();
      host_->dialogs.clear();
      AnsiString couponNumber;
      auto movements = Movements({{c.amount, "01", "1"}});
      const bool result = c.purchase
                              ? Purchase(movements.get(), 0, "MARIA", "D-77", "SILVA", c.totalizer)
                              : Cancellation(couponNumber, c.amount, 0, c.totalizer);
      EXPECT_FALSE(result);
      EXPECT_TRUE(Frames().empty());
      const AnsiString text = "Par\xE2metro inv\xE1lido. " + c.detail;
      EXPECT_EQ(LogTexts().back(), "ERRO!!! " + text);
      if (selfService) {
        EXPECT_TRUE(host_->dialogs.empty());
        EXPECT_EQ(MensagemTaa(), " " + text);
      } else {
        ASSERT_EQ(host_->dialogs.size(), 1u);
        EXPECT_EQ(host_->dialogs[0].text, text);
        EXPECT_EQ(host_->dialogs[0].kind, tmErro);
        EXPECT_TRUE(MensagemTaa().empty());
      }
    }
  }

  // The largest amount that fits still goes out.
  NUtilTaa() = true;
  AnsiString couponNumber;
  EXPECT_TRUE(Cancellation(couponNumber, 9999999999.99, 0));
  EXPECT_EQ(FramesOf(".07"),
            (std::vector<AnsiString>{".07" + cancelTotalizer + "999999999999" + kBlanks + "}"}));
  EXPECT_EQ(Totalizer(cancelTotalizer).amount, 999999999999);
}

}  // namespace
}  // namespace mdx::test
