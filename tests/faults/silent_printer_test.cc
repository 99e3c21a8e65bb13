// A printer that stops answering in the middle of a sale, at each of the
// sale's commands in turn: the host's calls fail from there on without
// hanging, and when the till starts again the open coupon is cancelled, the
// configuration file gets the printer's grand total, the host's sale files
// are left alone and the next sale goes through.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "faults/hang_guard.h"
#include "faults/till_fixture.h"

namespace mdx::test {
namespace {

using emulator::DocumentKind;
using emulator::FaultKind;

class SilentPrinterTest : public TillTest {
 protected:
  static void AddRule(emulator::VirtualPrinter& printer, FaultKind kind, int count) {
    emulator::FaultRule rule;
    rule.kind = kind;
    rule.count = count;
    printer.AddFault(rule);
  }
  // The log from the k-th frame on: every send of a silent printer is
  // followed by the channel's error line ("ERRO!!! " and the empty reply, or
  // "ERRO!!! Comando : " and the frame when the caller handles its errors).
  void ExpectEverySendFromFrameReported(size_t k) {
    const std::vector<AnsiString> log = LogTexts();
    const AnsiString command = "Comando : ";
    size_t frames = 0;
    for (size_t i = 0; i < log.size(); ++i) {
      if (log[i].compare(0, command.size(), command) != 0 || ++frames < k) continue;
      size_t next = i + 1;
      if (next < log.size() && log[i].find(".23}") != AnsiString::npos) {
        EXPECT_EQ(log[next], "Retorno da Impressora ");
        ++next;
      }
      ASSERT_LT(next, log.size()) << "frame " << frames << " " << log[i];
      EXPECT_TRUE(log[next] == "ERRO!!! " || log[next] == "ERRO!!! " + log[i])
          << "frame " << frames << ": " << log[i] << " then " << log[next];
    }
  }
};

TEST_F(SilentPrinterTest, SaleCutAtEveryCommandIsCleanedUpAtTheNextStart) {
  // The normal sale, once, to count its frames.
  for (const bool ok : RunAll(Sale())) ASSERT_TRUE(ok);
  const std::vector<AnsiString> saleFrames = SentFrames();
  const size_t n = saleFrames.size();
  ASSERT_GT(n, 5u);
  ASSERT_EQ(Printer().State().document, DocumentKind::kNone);

  const AnsiString configFile = HostFile("Vendora.cds");
  MakeConfigFile(stateFolder_.File("Vendora.cds"), ConfigRows("999,99"));
  const std::string configBytes = platform::ReadFile(stateFolder_.File("Vendora.cds"));

  struct Loss {
    const char* what;
    void (*silence)(emulator::VirtualPrinter&);
  } losses[] = {
      {"frame lost, then silence",
       [](emulator::VirtualPrinter& p) { AddRule(p, FaultKind::kNoAnswer, emulator::kEveryTime); }},
      {"frame run but its reply lost, then silence",
       [](emulator::VirtualPrinter& p) {
         AddRule(p, FaultKind::kReplyLost, 1);
         AddRule(p, FaultKind::kNoAnswer, emulator::kEveryTime);
       }},
  };
  double slowest = 0;
  for (const Loss& loss : losses) {
    for (size_t k = 1; k <= n; ++k) {
      SCOPED_TRACE(AnsiString(loss.what) + " at frame " + IntToStr(static_cast<int>(k)) + " " +
                   saleFrames[k - 1]);
      HangGuard guard("sale silenced at frame " + std::to_string(k));
      const auto started = std::chrono::steady_clock::now();
      FreshPrinter();
      WriteOpenSaleFiles();
      platform::WriteFileAtomically(configFile, configBytes);
      Package().ResetGlobals();
      ClieUtil() = true;
      host_->dialogs.clear();
      ForgetFrames();

      Trigger().Arm("", static_cast<int>(k), [this, &loss] { loss.silence(*printer_); });
      const std::vector<HostCall> sale = Sale();
      bool reached = false;
      for (const HostCall& call : sale) {
        const int before = Trigger().Seen();
        const bool ok = call.run();
        // A call fails once the printer has gone silent, and so does every
        // call after it; a call decided by its first command fails only when
        // that one met the silence.
        const int decisive = call.firstFrameDecides ? before + 1 : Trigger().Seen();
        reached = reached || decisive >= static_cast<int>(k);
        EXPECT_EQ(ok, !reached) << call.name << " (frames " << before + 1 << "-" << Trigger().Seen()
                                << ")";
      }
      Trigger().Disarm();
      EXPECT_EQ(SwedaRet(), "");
      ExpectEverySendFromFrameReported(k);
      // An item the printer did not take is offered again; the operator
      // says no (the fake host's default answer).
      for (const AnsiString& text : host_->DialogTexts()) {
        EXPECT_EQ(text.substr(0, 24), "Erro ao imprimir o item:") << text;
      }
      host_->dialogs.clear();

      // The till starts again on the printer its state file gives back.
      const emulator::PrinterState left = Printer().State();
      const bool couponOpen = left.document == DocumentKind::kFiscalCoupon;
      EXPECT_EQ(Restart(), "");
      EXPECT_TRUE(Printer().Faults().empty());
      EXPECT_EQ(Printer().State(), left);
      const size_t tapeBefore = left.tape.size();
      ForgetFrames();
      EXPECT_TRUE(OpenSession());
      EXPECT_EQ(SentFrames(), (std::vector<AnsiString>{".23}", ".28}", ".05}", ".271}", ".12}"}));
      EXPECT_EQ(Printer().State().document, DocumentKind::kNone);
      if (couponOpen) {
        EXPECT_TRUE(TapeShowsFrom(tapeBefore, "CUPOM FISCAL CANCELADO"));
      }
      EXPECT_TRUE(host_->dialogs.empty()) << host_->DialogTexts().front();
      EXPECT_EQ(ReadConfigFile(configFile), ConfigRows(TotalText(Printer().State().grandTotal)));
      EXPECT_EQ(platform::ReadFile(HostFile("cdsVenda.cds")), kSaleFile);
      EXPECT_EQ(platform::ReadFile(HostFile("cdsItensCancelados.cds")), kCancelledFile);

      // And the next sale goes through.
      for (const bool ok : RunAll(Sale())) EXPECT_TRUE(ok);
      EXPECT_EQ(Printer().State().document, DocumentKind::kNone);
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
      if (took.count() > slowest) slowest = took.count();
    }
  }
  std::printf("sale of %zu frames silenced at each; slowest case %.3f s\n", n, slowest);
}

}  // namespace
}  // namespace mdx::test
