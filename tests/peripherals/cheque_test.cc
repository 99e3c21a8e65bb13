// Cheque printing against the virtual printer: the frames, the flags each
// operation sends them with, and a whole cheque on the tape.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "peripherals/peripherals_fixture.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;
using Frames = std::vector<AnsiString>;
using ChequeTest = PeripheralsTest;

TEST_F(ChequeTest, TextsGoInOrderWithoutSeparators) {
  struct Case {
    const char* what;
    std::function<bool(ChequeTest&)> run;
    AnsiString frame;
  };
  const std::vector<Case> cases = {
      {"format", [](ChequeTest& t) { return t.Format("341"); }, ".46S341}"},
      {"empty format", [](ChequeTest& t) { return t.Format(""); }, ".46S}"},
      {"alteration", [](ChequeTest& t) { return t.Change("ANO", " 2026"); }, ".45ANO 2026}"},
      {"data", [](ChequeTest& t) { return t.Data("12,50", "FULANO", "RECIFE", "061226"); },
       ".4412,50FULANORECIFE061226}"},
      {"four empty texts", [](ChequeTest& t) { return t.Data("", "", "", ""); }, ".44}"},
      {"end", [](ChequeTest& t) { return t.EndCheque(false, false); }, ".25}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = SentFrames().size();
    c.run(*this);
    const Frames frames = SentFrames();
    ASSERT_EQ(frames.size(), before + 1);
    EXPECT_EQ(frames.back(), c.frame);
  }
}

TEST_F(ChequeTest, OnlyTheFormatIsRepeatedWhileBusyAndReportedByTheChannel) {
  struct Case {
    const char* what;
    std::function<bool(ChequeTest&)> run;
    const char* command;
    size_t busySends;  // frames sent when the printer is busy once
    bool busyResult;
    bool channelReports;  // a refusal's texts gathered in stMensagemTaa
  };
  const std::vector<Case> cases = {
      {"format", [](ChequeTest& t) { return t.Format("341"); }, "46", 2, true, true},
      {"alteration", [](ChequeTest& t) { return t.Change("A", "B"); }, "45", 1, false, false},
      {"data", [](ChequeTest& t) { return t.Data("1", "2", "3", "4"); }, "44", 1, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    size_t before = SentFrames().size();
    Fault(FaultKind::kBusy, c.command);
    EXPECT_EQ(c.run(*this), c.busyResult);
    EXPECT_EQ(SentFrames().size(), before + c.busySends);
    Printer().ClearFaults();
    EndCheque(true, false);

    MensagemTaa().clear();
    before = SentFrames().size();
    Fault(FaultKind::kRefuse, c.command);
    EXPECT_FALSE(c.run(*this));
    EXPECT_EQ(SentFrames().size(), before + 1);
    EXPECT_EQ(!MensagemTaa().empty(), c.channelReports);
    EXPECT_EQ(LogTexts().back().rfind("ERRO!!! Comando : ", 0) == 0, !c.channelReports);
    Printer().ClearFaults();
  }
}

TEST_F(ChequeTest, EndPassesBothFlagsUnchanged) {
  struct Case {
    const char* what;
    bool own;
    bool busy;
    FaultKind fault;
    bool result;
    size_t sends;
    bool gathered;
  };
  const Case cases[] = {
      {"busy, repeated", false, true, FaultKind::kBusy, true, 2, false},
      {"busy, sent once", false, false, FaultKind::kBusy, false, 1, true},
      {"refused, own handling", true, false, FaultKind::kRefuse, false, 1, false},
      {"refused, the channel reports", false, false, FaultKind::kRefuse, false, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MensagemTaa().clear();
    const size_t before = SentFrames().size();
    Fault(c.fault, "25");
    EXPECT_EQ(EndCheque(c.own, c.busy), c.result);
    EXPECT_EQ(SentFrames().size(), before + c.sends);
    EXPECT_EQ(!MensagemTaa().empty(), c.gathered);
    Printer().ClearFaults();
  }
}

TEST_F(ChequeTest, WholeChequeLandsOnTheTape) {
  emulator::PrinterState state = Printer().State();
  state.tapeWidth = emulator::kNarrowTape;
  Printer().SetState(state);

  EXPECT_TRUE(Format("341"));
  EXPECT_TRUE(Change("ANO", "2026"));
  EXPECT_TRUE(Data("0000001250", "FULANO DE TAL", "RECIFE", "061226"));
  EXPECT_TRUE(EndCheque(false, true));
  EXPECT_EQ(SentFrames(), (Frames{".46S341}", ".45ANO2026}",
                                  ".440000001250FULANO DE TALRECIFE061226}", ".25}"}));

  const std::vector<AnsiString> tape = Printer().State().tape;
  ASSERT_EQ(tape.size(), 8u);
  EXPECT_EQ(tape[1], "                 CHEQUE");
  EXPECT_EQ(tape[4], "FORMATO: 341");
  EXPECT_EQ(tape[5], "ALTERACAO: ANO2026");
  EXPECT_EQ(tape[6], "0000001250FULANO DE TALRECIFE061226");
  EXPECT_FALSE(Printer().State().chequeInProgress);
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_TRUE(MensagemTaa().empty());

  // Data with no cheque in the slot is refused, and only logged.
  EXPECT_FALSE(Data("0000001250", "FULANO", "RECIFE", "061226"));
  EXPECT_EQ(LogTexts().back(), "ERRO!!! Comando : \x1b.440000001250FULANORECIFE061226}");
  EXPECT_EQ(Printer().State().tape.size(), 8u);
}

}  // namespace
}  // namespace mdx::test
