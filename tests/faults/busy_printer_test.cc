// A printer that answers busy to everything, for ever: each host call gives
// up after a bounded number of resends of each command and fails with the
// busy reply, instead of hanging the till.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "faults/hang_guard.h"
#include "faults/till_fixture.h"

namespace mdx::test {
namespace {

using emulator::DocumentKind;
using emulator::FaultKind;

// A command is sent once, and resent at most this often while busy.
constexpr size_t kMostSends = 31;

class BusyPrinterTest : public TillTest {
 protected:
  // Each command the call sent, with how often it went out: its sends are
  // the "Comando : " lines up to the line that reports its outcome.
  std::vector<std::pair<AnsiString, size_t>> Commands() {
    const AnsiString prefix = "Comando : \x1b";
    std::vector<std::pair<AnsiString, size_t>> commands;
    bool open = false;
    for (const AnsiString& line : LogTexts()) {
      if (line.compare(0, prefix.size(), prefix) != 0) {
        open = false;
      } else if (open && commands.back().first == line.substr(prefix.size())) {
        ++commands.back().second;
      } else {
        commands.push_back({line.substr(prefix.size()), 1});
        open = true;
      }
    }
    return commands;
  }
  void OpenCouponOnPrinter() {
    emulator::PrinterState state = Printer().State();
    state.dayOpen = true;
    state.document = DocumentKind::kFiscalCoupon;
    Printer().SetState(state);
  }
};

TEST_F(BusyPrinterTest, EveryCallGivesUpAfterBoundedResends) {
  struct Case {
    const char* name;
    bool couponOpen;
    std::function<bool()> run;
  } cases[] = {
      {"AbrePorta", false, [this] { return OpenSession(); }},
      {"Carrega_Dados_Impressora", false,
       [this] {
         Variant record = Record({{"ESQUEMA", "007"},
                                  {"DATAATUIMP", ""},
                                  {"ECFIMP", ""},
                                  {"REDIMP", ""},
                                  {"SERIEIMP", ""},
                                  {"DATAIMP", ""}});
         return Op<RecordFn>("Carrega_Dados_Impressora")(record);
       }},
      {"AbreCupom", false, [this] { return OpenCouponCall(); }},
      {"VendaItem", true,
       [this] {
         return Item({"789", "CAFE", "T01", 1, 3.5, 0});
       }},
      {"FechaCupom", true,
       [this] {
         return CloseCall(0, {{"E", "001", 10}});
       }},
      {"Cancela_Cupom_Imp", true, [this] { return CancelCoupon(); }},
      {"Leitura_X_Imp", false,
       [this] { return Op<ReadingFn>("Leitura_X_Imp")("key", "", "007", ""); }},
      {"Relatorio_Generico", false,
       [this] {
         return Op<GenericReportFn>("Relatorio_Generico")("007", "", "", "LINE 1\n\rLINE 2\n\r",
                                                          "key", "");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HangGuard guard(std::string("busy printer, ") + c.name);
    FreshPrinter();
    if (c.couponOpen) OpenCouponOnPrinter();
    const emulator::PrinterState before = Printer().State();
    Package().ResetGlobals();
    host_->dialogs.clear();
    host_->delays.clear();
    ForgetFrames();
    Fault(FaultKind::kBusy, "", emulator::kEveryTime);

    EXPECT_FALSE(c.run());
    const auto commands = Commands();
    ASSERT_FALSE(commands.empty());
    size_t sends = 0;
    for (const auto& [frame, count] : commands) {
      EXPECT_LE(count, kMostSends) << frame;
      sends += count;
    }
    // The waits come with the resends, so they are bounded too.
    size_t delayed = 0;
    for (int units : host_->delays) delayed += static_cast<size_t>(units);
    EXPECT_LE(delayed, sends);
    EXPECT_EQ(SwedaRet().substr(0, 6), ".-P006");
    const std::vector<AnsiString> log = LogTexts();
    EXPECT_NE(std::find(log.begin(), log.end(), "ERRO!!! .-P006"), log.end());
    // Nothing reached the printer.
    EXPECT_EQ(Printer().State(), before);
    std::printf("%s: %zu commands, %zu sends in all\n", c.name, commands.size(), sends);
  }
}

}  // namespace
}  // namespace mdx::test
