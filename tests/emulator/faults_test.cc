// Fault rules and the paper condition: what each does to the reply and
// whether the command still runs.
#include <gtest/gtest.h>

#include "mdx00200/exceptions.h"
#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

using FaultTest = PrinterTest;

FaultRule Rule(FaultKind kind, const AnsiString& command = "", int count = 1) {
  FaultRule rule;
  rule.kind = kind;
  rule.command = command;
  rule.count = count;
  return rule;
}

bool ReportOpen(const VirtualPrinter& printer) {
  return printer.State().document == DocumentKind::kManagementReport;
}

TEST_F(FaultTest, EachKindAnswersAsDocumentedAndRunsTheCommandOrNot) {
  struct Case {
    FaultRule rule;
    const char* reply;
    bool runs;
  };
  FaultRule refuse = Rule(FaultKind::kRefuse);
  refuse.status = "X123";
  FaultRule longReply = Rule(FaultKind::kLongReply);
  longReply.length = 300;
  const Case cases[] = {
      {Rule(FaultKind::kRefuse), ".-E090", false},
      {refuse, ".-X123", false},
      {Rule(FaultKind::kBusy), ".-P006", false},
      {Rule(FaultKind::kPaperLow), ".+P005", true},
      {Rule(FaultKind::kPaperOut), ".-P005", false},
      {Rule(FaultKind::kOperationOpen), ".-E010ERRO-OPERACAO NAO ENCERRADA}", false},
      {Rule(FaultKind::kNoAnswer), "<no answer>", false},
      {Rule(FaultKind::kReplyLost), "<no answer>", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    printer = CreateVirtualPrinter(Options());
    printer->AddFault(c.rule);
    EXPECT_EQ(Send("13S"), c.reply);
    EXPECT_EQ(ReportOpen(*printer), c.runs);
    EXPECT_TRUE(printer->Faults().empty());
  }

  printer = CreateVirtualPrinter(Options());
  printer->AddFault(longReply);
  const AnsiString reply = Send("13S");
  EXPECT_EQ(reply.size(), 300u);
  EXPECT_EQ(reply.substr(0, 6), ".+0000");
  EXPECT_TRUE(ReportOpen(*printer));
}

TEST_F(FaultTest, RulesMatchTheStartOfTheFrameAndRunOut) {
  printer->AddFault(Rule(FaultKind::kBusy, "28", 2));
  printer->AddFault(Rule(FaultKind::kRefuse, "13S"));
  printer->AddFault(Rule(FaultKind::kPaperLow, "", kEveryTime));

  EXPECT_EQ(Send("28").substr(0, 6), ".-P006");
  EXPECT_EQ(Send("23"), ".+P005");  // the busy rule does not touch "23"
  EXPECT_EQ(Send("28").substr(0, 6), ".-P006");
  EXPECT_EQ(Send("28").substr(0, 6), ".+P005");  // busy spent; the next rule applies
  EXPECT_EQ(Send("13X"), ".-E003");              // "13S" does not match "13X"
  EXPECT_EQ(Send("13S"), ".-E090");
  EXPECT_EQ(Send("13S"), ".+P005");
  ASSERT_EQ(printer->Faults().size(), 1u);
  EXPECT_EQ(printer->Faults()[0].count, kEveryTime);

  printer->ClearFaults();
  EXPECT_EQ(Send("23"), ".+0000");
}

TEST_F(FaultTest, InvalidRulesAreRefused) {
  FaultRule zeroCount = Rule(FaultKind::kBusy, "", 0);
  FaultRule badCount = Rule(FaultKind::kBusy, "", -2);
  FaultRule shortStatus = Rule(FaultKind::kRefuse);
  shortStatus.status = "E1";
  FaultRule noLength = Rule(FaultKind::kLongReply);
  noLength.length = 0;
  FaultRule hugeLength = Rule(FaultKind::kLongReply);
  hugeLength.length = 70000;
  for (const FaultRule& rule : {zeroCount, badCount, shortStatus, noLength, hugeLength}) {
    EXPECT_THROW(printer->AddFault(rule), Exception);
  }
  EXPECT_TRUE(printer->Faults().empty());
}

TEST_F(FaultTest, PaperConditionMarksAcceptedRepliesAndStopsPrintingWhenOut) {
  PrinterState state = printer->State();
  state.paper = PaperLevel::kLow;
  printer->SetState(state);
  EXPECT_EQ(Send("23"), ".+P005");
  EXPECT_EQ(Send("13S"), ".+P005");
  EXPECT_TRUE(ReportOpen(*printer));
  EXPECT_EQ(Send("0890"), ".-E003");  // refusals keep their own code

  state = printer->State();
  state.paper = PaperLevel::kOut;
  printer->SetState(state);
  const size_t tape = printer->State().tape.size();
  EXPECT_EQ(Send("080TEXT"), ".-P005");
  EXPECT_EQ(Send("12"), ".-P005");
  EXPECT_EQ(printer->State().tape.size(), tape);
  EXPECT_TRUE(ReportOpen(*printer));
  const AnsiString status = Send("28");  // queries still answer, with the warning
  EXPECT_EQ(status.substr(0, 6), ".+P005");
  EXPECT_EQ(status.substr(9, 8), "E RELGER");
}

}  // namespace
}  // namespace mdx::emulator::test
