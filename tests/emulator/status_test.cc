// "23", "28", "25" and "36", read at the positions the package reads.
#include <gtest/gtest.h>

#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

using StatusTest = PrinterTest;

AnsiString At(const AnsiString& reply, int position, int width) {
  return reply.size() >= static_cast<size_t>(position - 1 + width)
             ? reply.substr(static_cast<size_t>(position - 1), static_cast<size_t>(width))
             : "<short reply: " + reply + ">";
}

TEST_F(StatusTest, PlainStatusIsAcceptedWithoutFields) { EXPECT_EQ(Send("23"), ".+0000"); }

TEST_F(StatusTest, DetailedStatusCarriesStateFlagsAndClock) {
  struct Case {
    DocumentKind document;
    bool zPending;
    bool summerTime;
    const char* stateText;
  };
  const Case cases[] = {
      {DocumentKind::kNone, false, false, "C LIVRE "},
      {DocumentKind::kFiscalCoupon, true, true, "P VENDAS"},
      {DocumentKind::kNonFiscalReceipt, false, true, "E NFISC "},
      {DocumentKind::kManagementReport, true, false, "E RELGER"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stateText);
    PrinterState state = printer->State();
    state.document = c.document;
    state.zPending = c.zPending;
    state.summerTime = c.summerTime;
    state.counters.coo = 1234;
    printer->SetState(state);

    const AnsiString reply = Send("28");
    EXPECT_EQ(reply.size(), 57u);
    EXPECT_EQ(At(reply, 1, 6), ".+0000");
    EXPECT_EQ(At(reply, 10, 8), c.stateText);
    EXPECT_EQ(At(reply, 21, 1), c.zPending ? "S" : "N");
    EXPECT_EQ(At(reply, 23, 6), "001234");
    EXPECT_EQ(At(reply, 47, 10), "0612261405");
    EXPECT_EQ(At(reply, 57, 1), c.summerTime ? "S" : "N");
  }
}

TEST_F(StatusTest, PrinterClockKeepsItsOffsetFromTheSystemClock) {
  printer->SetClock(EncodeDate(2024, 1, 15) + EncodeTime(10, 30, 0, 0));
  EXPECT_EQ(At(Send("28"), 47, 10), "1501241030");

  systemNow += EncodeTime(0, 16, 0, 0);  // the printer's clock runs on
  EXPECT_EQ(At(Send("28"), 47, 10), "1501241046");

  systemNow = EncodeDate(2026, 12, 31) + EncodeTime(23, 59, 0, 0);
  printer->SetClock(systemNow + EncodeTime(0, 2, 0, 0));  // past midnight, past the year
  EXPECT_EQ(At(Send("28"), 47, 10), "0101270001");
}

TEST_F(StatusTest, SummerTimeSwitchMovesTheClockOnlyWhenTheFlagChanges) {
  EXPECT_EQ(Send("36S"), ".+0000");
  AnsiString reply = Send("28");
  EXPECT_EQ(At(reply, 57, 1), "S");
  EXPECT_EQ(At(reply, 47, 10), "0612261505");

  EXPECT_EQ(Send("36S"), ".+0000");
  EXPECT_EQ(At(Send("28"), 47, 10), "0612261505");

  EXPECT_EQ(Send("36N"), ".+0000");
  reply = Send("28");
  EXPECT_EQ(At(reply, 57, 1), "N");
  EXPECT_EQ(At(reply, 47, 10), "0612261405");
}

TEST_F(StatusTest, ChequeCloseIsAcceptedWithOrWithoutACheque) {
  EXPECT_EQ(Send("25"), ".+0000");
  PrinterState state = printer->State();
  state.chequeInProgress = true;
  printer->SetState(state);
  EXPECT_EQ(Send("25"), ".+0000");
  EXPECT_FALSE(printer->State().chequeInProgress);
}

}  // namespace
}  // namespace mdx::emulator::test
