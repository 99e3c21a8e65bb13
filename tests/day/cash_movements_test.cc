// Supply and withdrawal: the receipt's frames against the virtual printer,
// the amount field, the refusal of an amount that does not fit, and the
// message of the first refused command.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "day/day_fixture.h"

namespace mdx::test {
namespace {

using MovementFn = bool (*)(Text, Text, double);

const AnsiString kBlanks6(6, ' ');
const AnsiString kBlanks40(40, ' ');

class CashMovementsTest : public DayTest {
 protected:
  void SetUp() override {
    DayTest::SetUp();
    // The printer's totalizers as the till names them: 01 the entry/exit
    // group, 02 supply, 03 withdrawal.
    ASSERT_TRUE(Send("38", {"N", "&ENTRADA-SAIDA ", "+Suprimento    ", "-Sangria       "}, true,
                     false));
    Package().Global<AnsiString>("IdTotParcES") = "01";
    Package().Global<AnsiString>("IdTotParcSup") = "02";
    Package().Global<AnsiString>("IdTotParcSang") = "03";
    ForgetLog();
  }

  bool Supply(double amount) { return Op<MovementFn>("Suprimento")("x", "001", amount); }
  bool Withdrawal(double amount) { return Op<MovementFn>("Sangria")("x", "001", amount); }

  void ForgetLog() {
    sentBefore_ = SentFrames().size();
    host_->delays.clear();
  }
  std::vector<AnsiString> NewFrames() {
    std::vector<AnsiString> frames = SentFrames();
    return std::vector<AnsiString>(frames.begin() + static_cast<long>(sentBefore_), frames.end());
  }
  std::vector<mdx::TTipoMsg> DialogKinds() {
    std::vector<mdx::TTipoMsg> kinds;
    for (const DialogRequest& d : host_->dialogs) kinds.push_back(d.kind);
    return kinds;
  }

  size_t sentBefore_ = 0;
};

std::vector<AnsiString> SupplyFrames(const AnsiString& amount) {
  return {".1901" + kBlanks6 + "}", ".0702" + amount + kBlanks40 + "}", ".1001" + amount + "}",
          ".12}"};
}

std::vector<AnsiString> WithdrawalFrames(const AnsiString& amount) {
  return {".1901" + kBlanks6 + "}", ".0703" + amount + kBlanks40 + "}", ".12}"};
}

TEST_F(CashMovementsTest, ReceiptFramesCarryTheTwelveDigitAmount) {
  struct Case {
    const char* what;
    bool supply;
    double amount;
    AnsiString field;
  };
  const std::vector<Case> cases = {
      {"supply", true, 123.45, "000000012345"},
      {"supply of 0 goes as 0.01", true, 0.0, "000000000001"},
      {"withdrawal", false, 250.50, "000000025050"},
      {"withdrawal of 0 goes as 0.01", false, 0.0, "000000000001"},
      // Zero as sent is zero: the printer refuses a receipt of zeros after
      // it opened, leaving it open.
      {"supply of 0.004 goes as 0.01", true, 0.004, "000000000001"},
      {"withdrawal of 0.003 goes as 0.01", false, 0.003, "000000000001"},
      {"supply of 0.005 rounds to a cent", true, 0.005, "000000000001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ForgetLog();
    EXPECT_TRUE(c.supply ? Supply(c.amount) : Withdrawal(c.amount));
    EXPECT_EQ(NewFrames(), c.supply ? SupplyFrames(c.field) : WithdrawalFrames(c.field));
    // Only the supply pauses, once, after the open.
    EXPECT_EQ(host_->delays, c.supply ? std::vector<int>{1} : std::vector<int>{});
  }
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
}

TEST_F(CashMovementsTest, LargestAmountThatFitsGoesOut) {
  EXPECT_TRUE(Supply(9999999999.99));
  EXPECT_EQ(NewFrames(), SupplyFrames("999999999999"));
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(CashMovementsTest, AmountThatDoesNotFitIsRefusedBeforeSending) {
  const double cases[] = {10000000000.0, 9999999999.996, -0.01, -250.0, -0.004,
                          std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()};
  for (bool supply : {true, false}) {
    for (double amount : cases) {
      SCOPED_TRACE(std::to_string(amount) + (supply ? " supply" : " withdrawal"));
      ForgetLog();
      host_->dialogs.clear();
      NUtilTaa() = true;
      EXPECT_FALSE(supply ? Supply(amount) : Withdrawal(amount));
      EXPECT_TRUE(NewFrames().empty());
      EXPECT_TRUE(host_->delays.empty());
      const AnsiString logged = LogTexts().back();
      EXPECT_EQ(logged.rfind("ERRO!!! Par\xE2metro inv\xE1lido. ", 0), 0u) << logged;
      EXPECT_NE(logged.find("9999999999,99"), AnsiString::npos) << logged;
      ASSERT_EQ(host_->dialogs.size(), 1u);
      EXPECT_EQ(host_->dialogs[0].kind, mdx::tmErro);
      EXPECT_EQ("ERRO!!! " + host_->dialogs[0].text, logged);

      // On a self-service terminal the text is gathered instead.
      host_->dialogs.clear();
      MensagemTaa().clear();
      NUtilTaa() = false;
      EXPECT_FALSE(supply ? Supply(amount) : Withdrawal(amount));
      EXPECT_TRUE(host_->dialogs.empty());
      EXPECT_EQ("ERRO!!!" + MensagemTaa(), LogTexts().back());
      EXPECT_TRUE(NewFrames().empty());
    }
  }
}

TEST_F(CashMovementsTest, FirstRefusedCommandStopsAndIsShownOnce) {
  struct Case {
    const char* what;
    bool supply;
    AnsiString refused;
    size_t sent;  // frames sent, the refused one included
    mdx::TTipoMsg kind;
  };
  const std::vector<Case> cases = {
      {"supply, open", true, "19", 1, mdx::tmInformacao},
      {"supply, registration", true, "07", 2, mdx::tmErro},
      {"supply, payment", true, "10", 3, mdx::tmErro},
      {"supply, close", true, "12", 4, mdx::tmErro},
      {"withdrawal, open", false, "19", 1, mdx::tmErro},
      {"withdrawal, registration", false, "07", 2, mdx::tmErro},
      {"withdrawal, close", false, "12", 3, mdx::tmErro},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Each case starts with no receipt left open by the one before.
    emulator::PrinterState state = Printer().State();
    state.document = emulator::DocumentKind::kNone;
    state.receipt = {};
    Printer().SetState(state);
    ForgetLog();
    host_->dialogs.clear();
    MensagemTaa().clear();
    Fault(emulator::FaultKind::kRefuse, c.refused);
    EXPECT_FALSE(c.supply ? Supply(5.0) : Withdrawal(5.0));
    const std::vector<AnsiString> frames = NewFrames();
    ASSERT_EQ(frames.size(), c.sent);
    EXPECT_EQ(frames.back().compare(0, 3, "." + c.refused), 0);
    EXPECT_EQ(DialogKinds(), std::vector<mdx::TTipoMsg>{c.kind});
    EXPECT_EQ(host_->DialogTexts(),
              std::vector<AnsiString>{"Erro ao enviar comando para a impressora."});
    // The channel only logged the refusal.
    EXPECT_TRUE(MensagemTaa().empty());
    printer_->ClearFaults();
  }
}

TEST_F(CashMovementsTest, BusyOpenIsRepeated) {
  Fault(emulator::FaultKind::kBusy, "19", 2);
  EXPECT_TRUE(Withdrawal(1.0));
  std::vector<AnsiString> expected = WithdrawalFrames("000000000100");
  expected.insert(expected.begin(), 2, expected.front());
  EXPECT_EQ(NewFrames(), expected);
}

TEST_F(CashMovementsTest, EmptyTotalizerIsStillSent) {
  Package().Global<AnsiString>("IdTotParcSang") = "";
  EXPECT_FALSE(Withdrawal(1.0));
  const std::vector<AnsiString> frames = NewFrames();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[1], ".07000000000100" + kBlanks40 + "}");
  EXPECT_EQ(host_->DialogTexts(),
            std::vector<AnsiString>{"Erro ao enviar comando para a impressora."});
}

}  // namespace
}  // namespace mdx::test
