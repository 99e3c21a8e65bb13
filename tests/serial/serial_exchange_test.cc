// Frames and replies through EnviaComando: status fields at their positions,
// refusals, every kind of injected fault, and the 255-character clamp.
#include <gtest/gtest.h>

#include <cstring>

#include "serial_fixture.h"

namespace mdx::serial::test {
namespace {

using emulator::DocumentKind;
using emulator::FaultKind;
using emulator::FaultRule;
using SerialExchangeTest = SerialTest;

AnsiString At(const AnsiString& reply, int position, int width) {
  return reply.size() >= static_cast<size_t>(position - 1 + width)
             ? reply.substr(static_cast<size_t>(position - 1), static_cast<size_t>(width))
             : "<short reply: " + reply + ">";
}

FaultRule Rule(FaultKind kind, const AnsiString& command = "") {
  FaultRule rule;
  rule.kind = kind;
  rule.command = command;
  return rule;
}

TEST_F(SerialExchangeTest, StatusRepliesCarryTheirFieldsAtTheirPositions) {
  EXPECT_EQ(Send("23"), ".+0000");

  printer->SetClock(EncodeDate(2026, 12, 6) + EncodeTime(14, 5, 0, 0));
  AnsiString reply = Send("28");
  EXPECT_EQ(reply.size(), 57u);
  EXPECT_EQ(At(reply, 1, 6), ".+0000");
  EXPECT_EQ(At(reply, 10, 8), "C LIVRE ");
  EXPECT_EQ(At(reply, 21, 1), "N");
  EXPECT_EQ(At(reply, 47, 10), "0612261405");
  EXPECT_EQ(At(reply, 57, 1), "N");

  emulator::PrinterState state = printer->State();
  state.document = DocumentKind::kFiscalCoupon;
  state.zPending = true;
  state.summerTime = true;
  printer->SetState(state);
  reply = Send("28");
  EXPECT_EQ(At(reply, 10, 8), "P VENDAS");
  EXPECT_EQ(At(reply, 21, 1), "S");
  EXPECT_EQ(At(reply, 57, 1), "S");

  EXPECT_EQ(Send("25"), ".+0000");
}

TEST_F(SerialExchangeTest, UnknownAndMalformedFramesAreRefused) {
  EXPECT_EQ(Send("99"), ".-E002");
  EXPECT_EQ(Send("11"), ".-E002");  // "11" is only known followed by "51"
  EXPECT_EQ(Send("28X"), ".-E003");
  unsigned char reply[256];
  EXPECT_EQ(lib.enviaComando("not a frame", reply), 1);
  EXPECT_EQ(AnsiString(reinterpret_cast<char*>(reply + 1), reply[0]), ".-E001");
}

TEST_F(SerialExchangeTest, InjectedFaultsReachTheCaller) {
  FaultRule longReply = Rule(FaultKind::kLongReply);
  longReply.length = 200;
  struct Case {
    FaultRule rule;
    int result;
    const char* reply;
    bool reportOpened;
  };
  const Case cases[] = {
      {Rule(FaultKind::kRefuse), 1, ".-E090", false},
      {Rule(FaultKind::kBusy), 1, ".-P006", false},
      {Rule(FaultKind::kPaperLow), 1, ".+P005", true},
      {Rule(FaultKind::kPaperOut), 1, ".-P005", false},
      {Rule(FaultKind::kOperationOpen), 1, ".-E010ERRO-OPERACAO NAO ENCERRADA}", false},
      {Rule(FaultKind::kNoAnswer), 0, "", false},
      {Rule(FaultKind::kReplyLost), 0, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    Restart();
    printer->AddFault(c.rule);
    int result = -9;
    EXPECT_EQ(Send("13S", &result), c.reply);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(printer->State().document == DocumentKind::kManagementReport, c.reportOpened);
    EXPECT_EQ(Send("23"), ".+0000");  // one frame only
  }
}

TEST_F(SerialExchangeTest, LongRepliesAreCutTo255AndNothingIsWrittenPastTheBuffer) {
  for (int length : {200, 254, 255, 256, 300, 4000}) {
    SCOPED_TRACE(length);
    FaultRule rule = Rule(FaultKind::kLongReply, "23");
    rule.length = length;
    printer->AddFault(rule);

    unsigned char area[320];
    std::memset(area, 0xAA, sizeof area);
    EXPECT_EQ(lib.enviaComando("\x1b.23}", area), 1);
    const int expected = length < 255 ? length : 255;
    EXPECT_EQ(area[0], expected);
    const AnsiString text(reinterpret_cast<char*>(area + 1), static_cast<size_t>(expected));
    EXPECT_EQ(text.substr(0, 6), ".+0000");
    EXPECT_EQ(text.find('\xAA'), AnsiString::npos);
    if (expected < 255) {
      EXPECT_EQ(area[expected + 1], 0);
    }
    for (size_t i = 256; i < sizeof area; ++i) ASSERT_EQ(area[i], 0xAA) << "byte " << i;
  }
}

TEST_F(SerialExchangeTest, FrameDumpShowsFramesAndRepliesOnStderr) {
  ::testing::internal::CaptureStderr();
  Send("23");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

  SetSetting("MDX_SERIAL_DEBUG", "1");
  Restart();
  printer->AddFault(Rule(FaultKind::kNoAnswer, "28"));
  ::testing::internal::CaptureStderr();
  Send("080A\n\rB");
  Send("23");
  Send("28");
  const std::string dump = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(dump.find("SERSWEDA > <ESC>.080A<LF><CR>B}\n"), std::string::npos) << dump;
  EXPECT_NE(dump.find("SERSWEDA < .-E004\n"), std::string::npos) << dump;
  EXPECT_NE(dump.find("SERSWEDA > <ESC>.23}\nSERSWEDA < .+0000\n"), std::string::npos) << dump;
  EXPECT_NE(dump.find("SERSWEDA > <ESC>.28}\nSERSWEDA < no answer\n"), std::string::npos) << dump;
}

}  // namespace
}  // namespace mdx::serial::test
