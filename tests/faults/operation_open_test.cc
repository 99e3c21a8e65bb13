// A printer that refuses a command because an operation was left open on it
// ("ERRO-OPERACAO NAO ENCERRADA}"): where the refusal reaches the reply check
// on a till with dialogs, the open operation is cancelled at once with a bare
// "05" and the host's next try goes through; the command that met it still
// fails. Where the caller handles its own errors, or on a self-service till,
// nothing is cancelled.
#include <gtest/gtest.h>

#include "faults/hang_guard.h"
#include "faults/till_fixture.h"

namespace mdx::test {
namespace {

using emulator::DocumentKind;
using emulator::FaultKind;

using MovementFn = bool (*)(const AnsiString&, const AnsiString&, double);
using OpenReportFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&,
                              const AnsiString&, const AnsiString&);

class OperationOpenTest : public TillTest {
 protected:
  // A coupon the till left open on the printer.
  void LeaveCouponOpen() {
    ASSERT_TRUE(OpenCouponCall());
    ASSERT_TRUE(Item({"789", "CAFE", "T01", 1, 3.50, 0}));
  }
};

TEST_F(OperationOpenTest, LeftOpenOperationIsCancelledWhereTheReplyCheckSeesIt) {
  struct Case {
    const char* name;
    const char* command;  // the call's first command
    bool replyCheck;      // sent without the caller's own error handling on a till with dialogs
    std::function<bool()> run;
  } cases[] = {
      {"Relatorio_Gerencial_Imp", "13", true,
       [this] { return Op<OpenReportFn>("Relatorio_Gerencial_Imp")("007", "A", "B", "C", ""); }},
      {"AbreCupom", "17", false, [this] { return OpenCouponCall(); }},
      {"Leitura_X_Imp", "13", false,
       [this] { return Op<ReadingFn>("Leitura_X_Imp")("key", "", "007", ""); }},
      {"Relatorio_Generico", "13", false,
       [this] {
         return Op<GenericReportFn>("Relatorio_Generico")("007", "", "", "LINHA\n\r", "key", "");
       }},
      {"Suprimento", "19", false, [this] { return Op<MovementFn>("Suprimento")("", "007", 10.0); }},
  };
  for (const Case& c : cases) {
    for (const bool attended : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (attended ? ", attended till" : ", self-service till"));
      HangGuard guard(std::string("operation left open, ") + c.name);
      FreshPrinter();
      Package().ResetGlobals();
      NUtilTaa() = attended;
      LeaveCouponOpen();
      const size_t tapeBefore = Printer().State().tape.size();
      ForgetFrames();
      Fault(FaultKind::kOperationOpen, c.command, 1);
      Trigger().Arm("05", 1000, nullptr);  // counts the cancels
      EXPECT_FALSE(c.run());
      const int cancels = Trigger().Seen();
      Trigger().Disarm();

      const bool cancelled = attended && c.replyCheck;
      EXPECT_EQ(cancels, cancelled ? 1 : 0);
      EXPECT_EQ(Printer().State().document,
                cancelled ? DocumentKind::kNone : DocumentKind::kFiscalCoupon);
      EXPECT_EQ(TapeShowsFrom(tapeBefore, "CUPOM FISCAL CANCELADO"), cancelled);
      // The cancel goes to the printer straight, not through the log.
      for (const AnsiString& frame : SentFrames()) EXPECT_NE(frame, ".05}");
      if (cancelled) {
        EXPECT_NE(SwedaRet().find("ERRO-OPERACAO NAO ENCERRADA}"), AnsiString::npos);
        // Nothing is left open: the host's next try goes through.
        EXPECT_TRUE(c.run());
      }
    }
  }
}

}  // namespace
}  // namespace mdx::test
