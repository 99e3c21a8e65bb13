// The drawer, the cutter and the summer-time switch, against the virtual
// printer: the frames sent, the flags they go with, and what is read back.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "peripherals/peripherals_fixture.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;
using Frames = std::vector<AnsiString>;
using DevicesTest = PeripheralsTest;

// "ERRO!!! Comando : " + the frame is the last log line: the refusal was
// only logged, as with ownErrorHandling.
bool OnlyLogged(const std::vector<AnsiString>& log, const AnsiString& frame) {
  return !log.empty() && log.back() == "ERRO!!! Comando : \x1b" + frame;
}

TEST_F(DevicesTest, OpenedDrawerReadsOpenUntilClosedByHand) {
  EXPECT_EQ(DrawerState(), "00");
  EXPECT_TRUE(OpenDrawer(false));
  EXPECT_TRUE(Printer().State().drawerOpen);
  EXPECT_EQ(DrawerState(), "01");
  emulator::PrinterState state = Printer().State();
  state.drawerOpen = false;
  Printer().SetState(state);
  EXPECT_EQ(DrawerState(), "00");
  EXPECT_EQ(SentFrames(), (Frames{".22}", ".21}", ".22}", ".22}"}));
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_TRUE(MensagemTaa().empty());
}

TEST_F(DevicesTest, DrawerStateIsTwoDigitsOrEmptyAfterARefusal) {
  struct Case {
    const char* what;
    FaultKind fault;
    AnsiString state;
    bool onlyLogged;
  };
  const Case cases[] = {
      {"refused", FaultKind::kRefuse, "", true},
      // A busy answer is not repeated; the channel reports it.
      {"busy: sent once", FaultKind::kBusy, "", false},
      // The paper code fills the status code, position 6 included.
      {"paper low", FaultKind::kPaperLow, "01", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = SentFrames().size();
    Fault(c.fault, "22");
    EXPECT_EQ(DrawerState(), c.state);
    EXPECT_EQ(SentFrames().size(), before + 1);
    EXPECT_EQ(OnlyLogged(LogTexts(), ".22}"), c.onlyLogged);
    printer_->ClearFaults();
  }
}

TEST_F(DevicesTest, OpeningTheDrawerFollowsTheCallersFlag) {
  struct Case {
    bool own;
    bool gathered;  // the channel's refusal texts in stMensagemTaa
  };
  for (const Case& c : {Case{true, false}, Case{false, true}}) {
    SCOPED_TRACE(c.own ? "own handling" : "the channel reports");
    MensagemTaa().clear();
    Fault(FaultKind::kRefuse, "21");
    EXPECT_FALSE(OpenDrawer(c.own));
    EXPECT_EQ(OnlyLogged(LogTexts(), ".21}"), c.own);
    EXPECT_EQ(!MensagemTaa().empty(), c.gathered);
    EXPECT_FALSE(Printer().State().drawerOpen);
  }
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(DevicesTest, CutSendsItsOptionAndMarksTheTape) {
  EXPECT_TRUE(Cut());
  EXPECT_EQ(SentFrames(), Frames{".621}"});
  EXPECT_EQ(Printer().State().tape, Frames{AnsiString(20, '~') + " CORTE " + AnsiString(21, '~')});

  // With a report open the printer refuses; the refusal is only logged.
  emulator::PrinterState state = Printer().State();
  state.document = emulator::DocumentKind::kManagementReport;
  Printer().SetState(state);
  EXPECT_FALSE(Cut());
  EXPECT_TRUE(OnlyLogged(LogTexts(), ".621}"));
  EXPECT_TRUE(MensagemTaa().empty());
  EXPECT_EQ(Printer().State().tape.size(), 1u);
}

TEST_F(DevicesTest, SummerTimeIsPositionFiftySevenOfTheStatus) {
  struct Case {
    const char* what;
    bool inForce;
    std::optional<FaultKind> fault;
    bool result;
    size_t sends;
  };
  const Case cases[] = {
      {"standard time", false, std::nullopt, false, 1},
      {"summer time", true, std::nullopt, true, 1},
      {"busy once: asked again", true, FaultKind::kBusy, true, 2},
      {"refused: too short, not S", true, FaultKind::kRefuse, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    emulator::PrinterState state = Printer().State();
    state.summerTime = c.inForce;
    Printer().SetState(state);
    if (c.fault) Fault(*c.fault, "28");
    const size_t before = SentFrames().size();
    EXPECT_EQ(SummerTime(), c.result);
    const Frames frames = SentFrames();
    EXPECT_EQ(frames.size(), before + c.sends);
    EXPECT_EQ(frames.back(), ".28}");
    printer_->ClearFaults();
  }
}

TEST_F(DevicesTest, SwitchingTwiceSendsOneValueThenTheOther) {
  EXPECT_TRUE(SwitchTime());
  EXPECT_TRUE(Printer().State().summerTime);
  EXPECT_TRUE(SwitchTime());
  EXPECT_FALSE(Printer().State().summerTime);
  EXPECT_EQ(SentFrames(), (Frames{".28}", ".36S}", ".28}", ".36N}"}));
  EXPECT_TRUE(MensagemTaa().empty());

  // A refused status reads as standard time, so "S" goes out whatever the
  // printer's switch; the outcome is that of "36".
  emulator::PrinterState state = Printer().State();
  state.summerTime = true;
  Printer().SetState(state);
  Fault(FaultKind::kRefuse, "28");
  EXPECT_TRUE(SwitchTime());
  EXPECT_EQ(SentFrames().back(), ".36S}");
  EXPECT_FALSE(MensagemTaa().empty());  // the refused "28" went through the channel

  // "36" is sent once and its refusal reported by the channel.
  MensagemTaa().clear();
  const size_t before = SentFrames().size();
  Fault(FaultKind::kBusy, "36");
  EXPECT_FALSE(SwitchTime());
  EXPECT_EQ(SentFrames().size(), before + 2);
  EXPECT_FALSE(MensagemTaa().empty());
}

}  // namespace
}  // namespace mdx::test
