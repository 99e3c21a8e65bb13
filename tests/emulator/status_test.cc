// "23", "28", "25" and "36", read at the positions the package reads.
#include <gtest/gtest.h>

#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

using StatusTest = PrinterTest;

TEST_F(StatusTest, PlainStatusIsAcceptedWithoutFields) { EXPECT_EQ(Send("23"), ".+0000"); }

TEST_F(StatusTest, DetailedStatusCarriesStateFlagsAndClock) {
  struct Case {
    DocumentKind document;
    bool couponPaying;
    bool zPending;
    bool summerTime;
    const char* stateText;
  };
  const Case cases[] = {
      {DocumentKind::kNone, false, false, false, "C LIVRE "},
      {DocumentKind::kFiscalCoupon, false, true, true, "P VENDAS"},
      {DocumentKind::kFiscalCoupon, true, false, false, "E VENDAS"},
      {DocumentKind::kNonFiscalReceipt, false, false, true, "E NFISC "},
      {DocumentKind::kManagementReport, false, true, false, "E RELGER"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stateText);
    PrinterState state = printer->State();
    state.document = c.document;
    state.couponPaying = c.couponPaying;
    state.zPending = c.zPending;
    state.summerTime = c.summerTime;
    state.counters.coo = 1234;
    printer->SetState(state);

    const AnsiString reply = Send("28");
    EXPECT_EQ(reply.size(), 57u);
    EXPECT_EQ(Field(reply, 1, 6), ".+0000");
    EXPECT_EQ(Field(reply, 10, 8), c.stateText);
    EXPECT_EQ(Field(reply, 21, 1), c.zPending ? "S" : "N");
    EXPECT_EQ(Field(reply, 23, 6), "001234");
    EXPECT_EQ(Field(reply, 47, 10), "0612261405");
    EXPECT_EQ(Field(reply, 57, 1), c.summerTime ? "S" : "N");
  }
}

TEST_F(StatusTest, PrinterClockKeepsItsOffsetFromTheSystemClock) {
  printer->SetClock(EncodeDate(2024, 1, 15) + EncodeTime(10, 30, 0, 0));
  EXPECT_EQ(Field(Send("28"), 47, 10), "1501241030");

  systemNow += EncodeTime(0, 16, 0, 0);  // the printer's clock runs on
  EXPECT_EQ(Field(Send("28"), 47, 10), "1501241046");

  systemNow = EncodeDate(2026, 12, 31) + EncodeTime(23, 59, 0, 0);
  printer->SetClock(systemNow + EncodeTime(0, 2, 0, 0));  // past midnight, past the year
  EXPECT_EQ(Field(Send("28"), 47, 10), "0101270001");
}

TEST_F(StatusTest, SummerTimeSwitchMovesTheClockOnlyWhenTheFlagChanges) {
  EXPECT_EQ(Send("36S"), ".+0000");
  AnsiString reply = Send("28");
  EXPECT_EQ(Field(reply, 57, 1), "S");
  EXPECT_EQ(Field(reply, 47, 10), "0612261505");

  EXPECT_EQ(Send("36S"), ".+0000");
  EXPECT_EQ(Field(Send("28"), 47, 10), "0612261505");

  EXPECT_EQ(Send("36N"), ".+0000");
  reply = Send("28");
  EXPECT_EQ(Field(reply, 57, 1), "N");
  EXPECT_EQ(Field(reply, 47, 10), "0612261405");
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
