// AbreCupom as a host calls it: the opening frame, the record it gives back,
// the TEF question and the self-service terminal.
#include <gtest/gtest.h>

#include "coupon/sale_fixture.h"

namespace mdx::test {
namespace {

const AnsiString kNotResponding = "Impressora n\xE3o responde. Imprimir novamente?";

class CouponOpenTest : public SaleTest {
 protected:
  void SetUp() override {
    SaleTest::SetUp();
    emulator::PrinterState state = Printer().State();
    state.counters.coo = 41;
    state.counters.ccf = 7;
    Printer().SetState(state);
    Script().Accept({"17"});
  }

  static Variant Opening(const AnsiString& taxId, const AnsiString& tefMode = "N",
                         bool tefInUse = false) {
    return Record({{"ESQUEMACOR", "007"},
                   {"INTTEFERRO", 0},
                   {"INCLUICPF", taxId},
                   {"INCLUINOME", "Maria"},
                   {"INCLUIENDERECO", "Rua A, 1"},
                   {"CUPNR", "host-cup"},
                   {"CONTCUPOM", "host-cont"},
                   {"IDUTILTEF", tefMode},
                   {"UTILTEF", tefInUse}});
  }
};

TEST_F(CouponOpenTest, OpensWithTheTaxIdAndReturnsTheNumberAndCounter) {
  for (const AnsiString taxId : {"12345678909", ""}) {
    Variant record = Opening(taxId);
    ClieUtil() = true;
    EXPECT_TRUE(AbreCupom(record)) << taxId;
    EXPECT_EQ(FramesOf(".17").back(), ".17" + taxId + "}");
    EXPECT_EQ(Names(record), (std::vector<AnsiString>{"INTTEFERRO", "INCLUICPF", "INCLUINOME",
                                                      "INCLUIENDERECO", "CUPNR", "CONTCUPOM",
                                                      "MENSAGEMTAA"}));
    EXPECT_EQ(Value(record, "INTTEFERRO"), Variant(0));
    EXPECT_EQ(Value(record, "INCLUICPF").AsString(), taxId);
    EXPECT_EQ(Value(record, "INCLUINOME").AsString(), "Maria");
    EXPECT_EQ(Value(record, "INCLUIENDERECO").AsString(), "Rua A, 1");
    EXPECT_EQ(Value(record, "CUPNR").AsString(), "000041");
    EXPECT_EQ(Value(record, "CONTCUPOM").AsString(), "000007");
    EXPECT_EQ(Value(record, "MENSAGEMTAA").AsString(), "");
    EXPECT_FALSE(ClieUtil());
  }
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(CouponOpenTest, RefusalWithoutTefReturnsTheHostsNumbers) {
  struct Case {
    bool attended;
    bool clieUtilAfter;
  } cases[] = {{true, true}, {false, false}};
  for (const Case& c : cases) {
    Package().ResetGlobals();
    NUtilTaa() = c.attended;
    ClieUtil() = true;
    Script().Refuse("17");
    Variant record = Opening("123", "S", !c.attended);
    EXPECT_FALSE(AbreCupom(record));
    EXPECT_EQ(Value(record, "CUPNR").AsString(), "host-cup");
    EXPECT_EQ(Value(record, "CONTCUPOM").AsString(), "host-cont");
    EXPECT_EQ(ClieUtil(), c.clieUtilAfter) << c.attended;
    // Attended: only logged. Self-service: gathered. Never a question.
    EXPECT_EQ(Value(record, "MENSAGEMTAA").AsString(), MensagemTaa());
    EXPECT_EQ(MensagemTaa().empty(), c.attended);
    EXPECT_TRUE(host_->dialogs.empty());
  }
}

TEST_F(CouponOpenTest, TefTillAsksToPrintAgain) {
  Script().Refuse("17", 2);
  host_->Answer({true, true});
  Variant record = Opening("123", "T", true);
  EXPECT_TRUE(AbreCupom(record));
  EXPECT_EQ(FramesOf(".17").size(), 3u);
  EXPECT_EQ(Value(record, "INTTEFERRO"), Variant(1));
  EXPECT_EQ(Value(record, "CUPNR").AsString(), "000041");
  ASSERT_EQ(host_->dialogs.size(), 2u);
  EXPECT_EQ(host_->dialogs[0].text, kNotResponding);
  EXPECT_EQ(host_->dialogs[0].kind, tmErro);
  EXPECT_EQ(host_->dialogs[0].option1, "N");
  EXPECT_EQ(host_->dialogs[0].option2, "S");
  EXPECT_EQ(host_->dialogs[0].scheme, "007");
}

TEST_F(CouponOpenTest, NoToTheQuestionLeavesTheRecordAsItWas) {
  Script().Refuse("17");
  host_->Answer({false});
  Variant record = Opening("123", "S", true);
  const Variant sent = record;
  EXPECT_FALSE(AbreCupom(record));
  EXPECT_EQ(record, sent);
  EXPECT_TRUE(ClieUtil());
  EXPECT_EQ(host_->DialogTexts(), std::vector<AnsiString>{kNotResponding});
}

TEST_F(CouponOpenTest, UnreadableRecordIsRefusedBeforeAnythingIsSent) {
  Variant record = Record({{"ESQUEMACOR", "007"}, {"INTTEFERRO", "x"}});
  const Variant sent = record;
  EXPECT_FALSE(AbreCupom(record));
  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(record, sent);
  EXPECT_FALSE(ClieUtil());
  ASSERT_EQ(host_->dialogs.size(), 1u);
  EXPECT_EQ(host_->dialogs[0].text.rfind(
                "Erro no recebimento dos par\xE2metros da fun\xE7\xE3o: AbreCupom - Mdx_00200.bpl\r", 0),
            0u);
  EXPECT_EQ(host_->dialogs[0].kind, tmErro);
}

}  // namespace
}  // namespace mdx::test
