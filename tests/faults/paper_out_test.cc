// The paper running out in the middle of a report and in the middle of a
// coupon: what the host is told, what the printer printed, and that the till
// can finish or cancel once paper is back.
#include <gtest/gtest.h>

#include "faults/hang_guard.h"
#include "faults/till_fixture.h"

namespace mdx::test {
namespace {

using emulator::DocumentKind;
using emulator::PaperLevel;

using CloseReportFn = bool (*)(const AnsiString&, bool, bool);

const AnsiString kPaperText = "Impressora com pouco papel ou sem papel.";

class PaperOutTest : public TillTest {
 protected:
  void SetPaper(PaperLevel level) {
    emulator::PrinterState state = Printer().State();
    state.paper = level;
    Printer().SetState(state);
  }
  // Paper out just before the m-th frame of `command`.
  void PaperOutAt(const AnsiString& command, int m) {
    Trigger().Arm(command, m, [this] { SetPaper(PaperLevel::kOut); });
  }
  // The report's lines on the tape.
  size_t PrintedLines() {
    size_t count = 0;
    for (const AnsiString& line : Printer().State().tape)
      count += line.compare(0, 16, "RELATORIO LINHA ") == 0;
    return count;
  }
  void StartCase(bool attended) {
    FreshPrinter();
    Package().ResetGlobals();
    NUtilTaa() = attended;
    host_->dialogs.clear();
    host_->answers.clear();
    ForgetFrames();
  }
};

// A report of 40 numbered lines goes out in blocks of about 500 characters.
AnsiString ReportText() {
  AnsiString text;
  for (int i = 1; i <= 40; ++i)
    text += "RELATORIO LINHA " + IntToStr(100 + i) + AnsiString(20, '.') + "\n\r";
  return text;
}

TEST_F(PaperOutTest, ReportStopsPrintingAtTheBlockWithoutPaperAndClosesOnceItIsBack) {
  auto report = Op<GenericReportFn>("Relatorio_Generico");
  StartCase(true);
  ASSERT_TRUE(report("007", "", "", ReportText(), "key", ""));
  // The report's lines in each block (a block ends after a line feed).
  std::vector<size_t> blockLines;
  for (const AnsiString& frame : FramesOf(".080")) {
    size_t lines = 0;
    for (char c : frame) lines += c == '\n';
    blockLines.push_back(lines);
  }
  const int blocks = static_cast<int>(blockLines.size());
  ASSERT_GT(blocks, 2);
  ASSERT_EQ(PrintedLines(), 40u);

  for (const bool attended : {true, false}) {
    for (int m = 1; m <= blocks; ++m) {
      SCOPED_TRACE(
          (attended ? "attended till, paper out at block " : "self-service, paper out at block ") +
          IntToStr(m));
      HangGuard guard("report without paper");
      StartCase(attended);
      PaperOutAt("08", m);
      const bool result = report("007", "", "", ReportText(), "key", "");
      Trigger().Disarm();
      // Every block is still handed over; the printer prints none from the
      // m-th on and the report stays open.
      EXPECT_EQ(FramesOf(".080").size(), static_cast<size_t>(blocks));
      EXPECT_EQ(Printer().State().document, DocumentKind::kManagementReport);
      size_t before = 0;
      for (int b = 0; b < m - 1; ++b) before += blockLines[static_cast<size_t>(b)];
      EXPECT_EQ(PrintedLines(), before);
      // The closing is refused for want of paper, and the call fails on both
      // kinds of till. Each refused block was reported: in a dialog where
      // dialogs may be shown, else gathered for the self-service terminal.
      EXPECT_FALSE(result);
      if (attended) {
        ASSERT_FALSE(host_->dialogs.empty());
        for (const AnsiString& text : host_->DialogTexts()) EXPECT_EQ(text, kPaperText);
      } else {
        EXPECT_TRUE(host_->dialogs.empty());
        EXPECT_NE(MensagemTaa().find(kPaperText), AnsiString::npos);
      }
      EXPECT_EQ(SwedaRet().substr(0, 6), ".-P005");

      // Paper back: the report closes.
      SetPaper(PaperLevel::kOk);
      EXPECT_TRUE(Op<CloseReportFn>("FechRelatGerenc")("007", true, false));
      EXPECT_EQ(Printer().State().document, DocumentKind::kNone);
    }
  }
}

TEST_F(PaperOutTest, CouponStopsAtTheItemWithoutPaperAndIsFinishedOrCancelledOnceItIsBack) {
  const Sold items[] = {{"789", "CAFE", "T01", 2, 3.50, 0.50},
                        {"456", "ACUCAR", "T02", 1, 4.20, 0},
                        {"123", "LEITE", "T01", 3, 2.00, 0}};
  enum class Till { kAnsweredYes, kAnsweredNo, kSelfService };
  for (const Till till : {Till::kAnsweredYes, Till::kAnsweredNo, Till::kSelfService}) {
    for (int m = 1; m <= 3; ++m) {
      SCOPED_TRACE("till " + IntToStr(static_cast<int>(till)) + ", paper out at item " +
                   IntToStr(m));
      HangGuard guard("coupon without paper");
      StartCase(till != Till::kSelfService);
      ASSERT_TRUE(OpenCouponCall());
      for (int i = 0; i < m - 1; ++i) ASSERT_TRUE(Item(items[i]));
      if (till == Till::kAnsweredYes) {
        // The operator puts paper in and asks to print the item again.
        host_->Answer({true});
        Trigger().Arm("01", 1, [this] {
          SetPaper(PaperLevel::kOut);
          Trigger().Arm("01", 1, [this] { SetPaper(PaperLevel::kOk); });
        });
      } else {
        PaperOutAt("01", 1);
      }
      const bool sold = Item(items[m - 1]);
      Trigger().Disarm();
      const std::vector<AnsiString> asked = host_->DialogTexts();
      const AnsiString question = "Erro ao imprimir o item: \r\n" + AnsiString(items[m - 1].code) +
                                  " - " + items[m - 1].name + "\r\nDeseja imprimir novamente?";
      switch (till) {
        case Till::kAnsweredYes:
          EXPECT_TRUE(sold);
          EXPECT_EQ(asked, std::vector<AnsiString>{question});
          break;
        case Till::kAnsweredNo:
          EXPECT_FALSE(sold);
          EXPECT_EQ(asked, std::vector<AnsiString>{question});
          break;
        case Till::kSelfService:
          EXPECT_FALSE(sold);
          EXPECT_TRUE(asked.empty());
          EXPECT_NE(MensagemTaa().find(kPaperText), AnsiString::npos);
          break;
      }
      // The refused item is not on the coupon; the coupon is still open.
      ASSERT_EQ(Printer().State().document, DocumentKind::kFiscalCoupon);
      EXPECT_EQ(Printer().State().coupon.items.size(), static_cast<size_t>(m - 1 + (sold ? 1 : 0)));

      SetPaper(PaperLevel::kOk);
      if (till == Till::kAnsweredNo) {
        // The operator gives the sale up.
        EXPECT_TRUE(CancelCoupon());
        EXPECT_EQ(Printer().State().document, DocumentKind::kNone);
        continue;
      }
      // The till goes on: the item again if it was not sold, the rest, the closing.
      for (int i = sold ? m : m - 1; i < 3; ++i) EXPECT_TRUE(Item(items[i]));
      EXPECT_TRUE(CloseCall(1.00, {{"E", "001", 30}}));
      EXPECT_EQ(Printer().State().document, DocumentKind::kNone);
      EXPECT_EQ(Printer().State().lastCoupon.items.size(), 3u);
    }
  }
}

}  // namespace
}  // namespace mdx::test
