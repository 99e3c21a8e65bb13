// ImprimeTef as a host calls it after a card payment: where the receipts go,
// how they are grouped, the copies, and printing again after a failure.
#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace mdx::test {
namespace {

using TefFn = bool (*)(Text, Text, Text, Text, TStringList*, TStringList*, TStringList*,
                       TStringList*, Text, Text, Text, double, double, int, Text, Text);

TStringList List(std::initializer_list<const char*> items) {
  TStringList list;
  for (const char* item : items) list.Add(item);
  return list;
}

class TefReceiptTest : public ReportTest {
 protected:
  struct Call {
    int mode = 0;
    AnsiString kind = "N";
    AnsiString terminal = "PDV";
  };
  bool Print(TStringList* receipts, TStringList* copies, const Call& call) {
    return Op<TefFn>("ImprimeTef")("", "", "", "001", receipts, copies, nullptr, nullptr, "", "01",
                                   "", 1.0, 0.0, call.mode, call.kind, call.terminal);
  }
  bool Print(TStringList* receipts, TStringList* copies) { return Print(receipts, copies, Call{}); }
};

TEST_F(TefReceiptTest, LinkedReceiptInGroupsOfFourLines) {
  SellOneItemInCash();
  TStringList receipts = List({"L1\nL2\nL3\nL4\nL5\nL6\n"});
  EXPECT_TRUE(Print(&receipts, nullptr));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".23}", ".19000000" "01}", ".080L1\nL2\nL3\nL4}",
                                               ".080L5\nL6}", ".12}"}));
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  EXPECT_TRUE(host_->dialogs.empty());
}

TEST_F(TefReceiptTest, TextWithoutFinalLineFeedIsPrintedWhole) {
  SellOneItemInCash();
  TStringList receipts = List({"A1\nA2\nA3\nA4\nA5", "B1"});
  TStringList copies = List({"C1\nC2\n", "D1\nD2"});
  EXPECT_TRUE(Print(&receipts, &copies));
  EXPECT_EQ(TextBlocks(), (std::vector<AnsiString>{"A1\nA2\nA3\nA4", "A5", "C1\nC2", "B1",
                                                   "D1\nD2"}));
  EXPECT_EQ(host_->delays, (std::vector<int>{1, 1}));
  EXPECT_EQ(Frames().back(), ".12}");
}

TEST_F(TefReceiptTest, WhereAndWhatIsPrinted) {
  TStringList receipts = List({"R1\n", "R2\n"});
  TStringList copies = List({"C1\n"});
  struct Case {
    const char* name;
    Call call;
    std::vector<AnsiString> frames;
  } cases[] = {
      {"mode 2: a management report from the start",
       {2, "N", "PDV"},
       {".23}", ".12}", ".13S}", ".080R1}", ".080C1}", ".080R2}", ".12}"}},
      {"another kind: a report with the copies only",
       {0, "X", "PDV"},
       {".23}", ".13S}", ".080C1}", ".12}"}},
      {"self-service terminal: no copies", {2, "N", "TAA"},
       {".23}", ".12}", ".13S}", ".080R1}", ".080R2}", ".12}"}},
      {"APC terminal, another kind: an empty report", {0, "X", "APC"},
       {".23}", ".13S}", ".12}"}},
  };
  for (const Case& c : cases) {
    ForgetFrames();
    EXPECT_TRUE(Print(&receipts, &copies, c.call)) << c.name;
    EXPECT_EQ(Frames(), c.frames) << c.name;
  }
}

TEST_F(TefReceiptTest, NoReceiptsOpensNothing) {
  TStringList empty;
  EXPECT_FALSE(Print(&empty, nullptr));
  EXPECT_FALSE(Print(nullptr, nullptr));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".23}", ".23}"}));
}

TEST_F(TefReceiptTest, PrinterNotRespondingIsAskedAbout) {
  TStringList receipts = List({"R1\n"});
  // The check: yes asks the printer again, no gives up.
  Fault(emulator::FaultKind::kNoAnswer, "23");
  host_->Answer({true});
  EXPECT_TRUE(Print(&receipts, nullptr, {2, "N", "PDV"}));
  EXPECT_EQ(FramesOf(".23").size(), 2u);
  Fault(emulator::FaultKind::kNoAnswer, "23");
  host_->Answer({false});
  ForgetFrames();
  EXPECT_FALSE(Print(&receipts, nullptr, {2, "N", "PDV"}));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".23}"}));

  // No coupon to link the receipt to: yes opens a management report.
  ForgetFrames();
  host_->Answer({true});
  EXPECT_TRUE(Print(&receipts, nullptr));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".23}", ".19000000" "01}", ".12}", ".13S}",
                                               ".080R1}", ".12}"}));
  EXPECT_EQ(host_->dialogs.size(), 3u);
}

TEST_F(TefReceiptTest, FailedGroupIsPrintedAgainFromTheFirstReceipt) {
  TStringList receipts = List({"R1\n", "R2\n"});
  // The first group of the second receipt refused twice.
  Fault(emulator::FaultKind::kRefuse, "080R2", 2);
  host_->Answer({true});
  EXPECT_TRUE(Print(&receipts, nullptr, {2, "N", "PDV"}));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".23}", ".12}", ".13S}", ".080R1}", ".080R2}",
                                               ".080R2}", ".12}", ".13S}", ".080R1}", ".080R2}",
                                               ".12}"}));

  // No to the question: false, and the report is closed.
  ForgetFrames();
  Fault(emulator::FaultKind::kRefuse, "080R1", 2);
  host_->Answer({false});
  EXPECT_FALSE(Print(&receipts, nullptr, {2, "N", "PDV"}));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".23}", ".12}", ".13S}", ".080R1}", ".080R1}",
                                               ".12}"}));
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);

  // Self-service terminal: no question, false.
  NUtilTaa() = false;
  host_->dialogs.clear();
  Fault(emulator::FaultKind::kRefuse, "080R1", 2);
  EXPECT_FALSE(Print(&receipts, nullptr, {2, "N", "PDV"}));
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
}

}  // namespace
}  // namespace mdx::test
