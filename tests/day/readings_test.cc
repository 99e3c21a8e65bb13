// The X reading, the Z reduction, the fiscal-memory reports and the totals
// register: the frame each sends, the pause after it, and how a refusal is
// reported.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "day/day_fixture.h"
#include "mdx00200/datetime.h"
#include "mdx00200/maker_entry_points.h"

namespace mdx::test {
namespace {

using ReadingFn = bool (*)(Text, Text, Text, Text);
using MemoryFn = bool (*)(Text, Text, Text);
using TotalsFn = bool (*)(Text, bool, bool);

// A send entry for which every command is accepted, whatever the virtual
// printer offers.
int MDX_STDCALL AcceptEverything(const char* /*frame*/, unsigned char* reply) {
  const char ok[] = ".+0000";
  reply[0] = sizeof ok - 1;
  std::memcpy(reply + 1, ok, sizeof ok);
  return 1;
}

class ReadingsTest : public DayTest {
 public:  // the case tables call them
  bool X() { return Op<ReadingFn>("Leitura_X_Imp")("key", "t2", "001", "t4"); }
  bool Z() { return Op<ReadingFn>("Reducao_Z_Imp")("key", "t2", "001", "t4"); }
  bool ByDate(Text first, Text last) {
    return Op<MemoryFn>("Memoria_Fiscal_Data_Sweda")("001", first, last);
  }
  bool ByNumber(Text first, Text last) {
    return Op<MemoryFn>("Memoria_Fiscal_RedZ_Sweda")("001", first, last);
  }
  bool Totals(bool own, bool busy) { return Op<TotalsFn>("Leitura_Totais_Imp")("001", own, busy); }
};

TEST_F(ReadingsTest, EachReadingSendsItsFrameOnce) {
  host_->SetNow(EncodeDate(2027, 3, 1) + EncodeTime(23, 59, 0, 0));
  // The printer's own date plays no part in the Z frame.
  Printer().SetClock(EncodeDate(2026, 12, 31));
  struct Case {
    const char* what;
    std::function<bool(ReadingsTest&)> run;
    AnsiString frame;
  };
  const std::vector<Case> cases = {
      {"X reading", [](ReadingsTest& t) { return t.X(); }, ".13N}"},
      {"Z reduction", [](ReadingsTest& t) { return t.Z(); }, ".14N010327}"},
      {"memory by date", [](ReadingsTest& t) { return t.ByDate("010327", "310327"); },
       ".16010327310327}"},
      {"memory by number", [](ReadingsTest& t) { return t.ByNumber("0001", "0012"); },
       ".1500010012}"},
      {"memory by date, empty bounds", [](ReadingsTest& t) { return t.ByDate("", ""); }, ".16}"},
      {"memory by number, empty bounds", [](ReadingsTest& t) { return t.ByNumber("", ""); },
       ".15}"},
      {"bounds passed as given", [](ReadingsTest& t) { return t.ByDate(" 1/3", "x"); },
       ".16 1/3x}"},
      {"totals", [](ReadingsTest& t) { return t.Totals(false, false); }, ".271}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = SentFrames().size();
    c.run(*this);
    const std::vector<AnsiString> frames = SentFrames();
    ASSERT_EQ(frames.size(), before + 1);
    EXPECT_EQ(frames.back(), c.frame);
  }
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(ReadingsTest, XAndZPauseWhateverTheOutcome) {
  struct Case {
    const char* what;
    std::function<bool(ReadingsTest&)> run;
    AnsiString command;
    int pause;
  };
  const std::vector<Case> cases = {
      {"X reading", [](ReadingsTest& t) { return t.X(); }, "13", 1},
      {"Z reduction", [](ReadingsTest& t) { return t.Z(); }, "14", 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host_->delays.clear();
    host_->dialogs.clear();
    MensagemTaa().clear();
    Fault(emulator::FaultKind::kRefuse, c.command);
    EXPECT_FALSE(c.run(*this));
    EXPECT_EQ(host_->delays, std::vector<int>{c.pause});
    // Own error handling: only logged, no dialog, nothing gathered.
    EXPECT_EQ(LogTexts().back().rfind("ERRO!!! Comando : \x1b." + c.command, 0), 0u);
    EXPECT_TRUE(host_->dialogs.empty());
    EXPECT_TRUE(MensagemTaa().empty());
    // No resend of a busy answer either.
    const size_t before = SentFrames().size();
    Fault(emulator::FaultKind::kBusy, c.command);
    EXPECT_FALSE(c.run(*this));
    EXPECT_EQ(SentFrames().size(), before + 1);
    printer_->ClearFaults();
  }
}

TEST_F(ReadingsTest, AcceptedXAndZPauseOnce) {
  Package().Global<void*>("SwedaEnviaComando") = reinterpret_cast<void*>(&AcceptEverything);
  EXPECT_TRUE(X());
  EXPECT_EQ(host_->delays, std::vector<int>{1});
  EXPECT_TRUE(Z());
  EXPECT_EQ(host_->delays, (std::vector<int>{1, 40}));
  EXPECT_EQ(SentFrames().size(), 2u);
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(ReadingsTest, FiscalMemoryRefusalIsOnlyLogged) {
  Fault(emulator::FaultKind::kRefuse, "16");
  EXPECT_FALSE(ByDate("010327", "310327"));
  Fault(emulator::FaultKind::kRefuse, "15");
  EXPECT_FALSE(ByNumber("0001", "0002"));
  EXPECT_EQ(LogTexts().back(), "ERRO!!! Comando : \x1b.1500010002}");
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_TRUE(MensagemTaa().empty());
  EXPECT_TRUE(host_->delays.empty());
}

TEST_F(ReadingsTest, TotalsFollowTheCallersFlags) {
  struct Case {
    const char* what;
    bool own;
    bool busy;
    emulator::FaultKind fault;
    bool result;
    size_t sends;
    bool gathered;  // the channel's refusal texts in stMensagemTaa
  };
  using emulator::FaultKind;
  const std::vector<Case> cases = {
      {"refused, channel reports", false, false, FaultKind::kRefuse, false, 1, true},
      {"refused, own handling", true, false, FaultKind::kRefuse, false, 1, false},
      {"busy once, repeated", false, true, FaultKind::kBusy, true, 2, false},
      {"busy once, not repeated", false, false, FaultKind::kBusy, false, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MensagemTaa().clear();
    const size_t before = SentFrames().size();
    Fault(c.fault, "271");
    EXPECT_EQ(Totals(c.own, c.busy), c.result);
    EXPECT_EQ(SentFrames().size(), before + c.sends);
    EXPECT_EQ(!MensagemTaa().empty(), c.gathered);
    printer_->ClearFaults();
  }
  // Accepted: the register stays in SwedaRet for the host.
  EXPECT_TRUE(Totals(false, false));
  EXPECT_EQ(SwedaRet().compare(0, 3, ".+C"), 0);
  EXPECT_TRUE(host_->dialogs.empty());
}

}  // namespace
}  // namespace mdx::test
