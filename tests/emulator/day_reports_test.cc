// The fiscal day's reports (X reading, Z reduction) and the fiscal-memory
// reports by reduction number and by date.
#include <gtest/gtest.h>

#include <algorithm>

#include "emulator/paper_tape.h"
#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

using DayReportTest = PrinterTest;

const char kOpenLeft[] = ".-E010ERRO-OPERACAO NAO ENCERRADA}";

bool Printed(const std::vector<AnsiString>& lines, const AnsiString& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TDateTime Day(int year, int month, int day) {
  TDateTime date = 0;
  EXPECT_TRUE(TryEncodeDate(year, month, day, date));
  return date;
}

TEST_F(DayReportTest, RefusalsChangeNothing) {
  struct Case {
    DocumentKind open;
    AnsiString frame;
    AnsiString reply;
  };
  const Case cases[] = {
      {DocumentKind::kFiscalCoupon, "13N", kOpenLeft},
      {DocumentKind::kManagementReport, "13N", kOpenLeft},
      {DocumentKind::kNonFiscalReceipt, "14N061226", kOpenLeft},
      {DocumentKind::kFiscalCoupon, "15", kOpenLeft},
      {DocumentKind::kFiscalCoupon, "16", kOpenLeft},
      {DocumentKind::kNone, "14", ".-E003"},
      {DocumentKind::kNone, "14N", ".-E003"},
      {DocumentKind::kNone, "14N06122", ".-E003"},
      {DocumentKind::kNone, "14N0612261", ".-E003"},
      {DocumentKind::kNone, "14S061226", ".-E003"},
      {DocumentKind::kNone, "14N0612X6", ".-E003"},
      {DocumentKind::kNone, "14N321226", ".-E003"},  // no such day
      {DocumentKind::kNone, "14N061326", ".-E003"},
      {DocumentKind::kNone, "150001", ".-E003"},
      {DocumentKind::kNone, "1500020001", ".-E003"},  // first above last
      {DocumentKind::kNone, "15000A0002", ".-E003"},
      {DocumentKind::kNone, "16011226", ".-E003"},
      {DocumentKind::kNone, "16011226311326", ".-E003"},
      {DocumentKind::kNone, "16061226011226", ".-E003"},  // first after last
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    Hold(c.open);
    const PrinterState before = printer->State();
    EXPECT_EQ(Send(c.frame), c.reply);
    EXPECT_EQ(printer->State(), before);
  }
}

TEST_F(DayReportTest, XReadingCountsAndPrintsTheDayTotals) {
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N"), ".+0000");
  const size_t from = printer->State().tape.size();
  const int coo = printer->State().counters.coo;

  ASSERT_EQ(Send("13N"), ".+0000");
  const PrinterState s = printer->State();
  EXPECT_EQ(s.counters.coo, coo + 1);
  EXPECT_EQ(s.counters.xReadings, 1);
  EXPECT_EQ(Field(Send("27G"), 24, 4), "0001");
  EXPECT_EQ(s.day.grossSales, 1000);  // a reading clears nothing
  EXPECT_EQ(s.document, DocumentKind::kNone);
  const std::vector<AnsiString> lines = TapeFrom(from);
  EXPECT_TRUE(Printed(lines, Centred("LEITURA X", 48)));
  EXPECT_TRUE(Printed(lines, LeftAndRight("VENDA BRUTA", "10,00", 48)));
  EXPECT_TRUE(Printed(lines, LeftAndRight("GT", "10,00", 48)));
  EXPECT_TRUE(Printed(lines, LeftAndRight("BASE " + s.taxRates[0].code, "10,00", 48)));
  EXPECT_TRUE(Printed(lines, LeftAndRight("PGTO " + s.paymentMethods[0].name, "10,00", 48)));
}

TEST_F(DayReportTest, ZReductionClosesTheDayIntoTheFiscalMemory) {
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N"), ".+0000");
  Edit([](PrinterState& s) {
    s.zPending = true;
    s.day.discounts = 150;
    s.day.cancelledIss = 200;
  });
  ASSERT_EQ(Field(Send("271"), 41, 4), "0000");
  const int coo = printer->State().counters.coo;
  const size_t from = printer->State().tape.size();

  ASSERT_EQ(Send("14N061226"), ".+0000");
  const PrinterState s = printer->State();
  EXPECT_EQ(s.counters.crz, 1);
  EXPECT_EQ(s.counters.coo, coo + 1);
  EXPECT_EQ(s.day, DayTotals{});
  EXPECT_EQ(s.movementDate, 0);
  EXPECT_FALSE(s.dayOpen);
  EXPECT_FALSE(s.zPending);
  EXPECT_EQ(s.grandTotal, 1000);
  ASSERT_EQ(s.fiscalMemory.size(), 1u);
  EXPECT_EQ(s.fiscalMemory[0], (ZRecord{1, Day(2026, 12, 6), coo + 1, 1000, 1000, 200, 150, 0}));
  EXPECT_EQ(Field(Send("271"), 41, 4), "0001");
  const std::vector<AnsiString> lines = TapeFrom(from);
  EXPECT_TRUE(Printed(lines, LeftAndRight("CRZ:0001", "DATA:06/12/2026", 48)));
  EXPECT_TRUE(Printed(lines, LeftAndRight("VENDA BRUTA", "10,00", 48)));
  EXPECT_TRUE(Printed(lines, LeftAndRight("CANCELAMENTOS", "2,00", 48)));

  // A second reduction the same day is refused; the next day takes one.
  const PrinterState after = printer->State();
  EXPECT_EQ(Send("14N061226"), ".-E011");
  EXPECT_EQ(printer->State(), after);
  systemNow += 1;
  EXPECT_EQ(Send("14N071226"), ".+0000");
  EXPECT_EQ(printer->State().counters.crz, 2);
  EXPECT_EQ(printer->State().fiscalMemory.back().date, Day(2026, 12, 7));
  EXPECT_EQ(printer->State().fiscalMemory.back().grossSales, 0);
}

TEST_F(DayReportTest, FiscalMemoryReportsPrintTheRecordsInTheRange) {
  Edit([](PrinterState& s) {
    s.counters.crz = 3;
    s.fiscalMemory = {{1, Day(2026, 12, 1), 10, 100, 100, 0, 0, 0},
                      {2, Day(2026, 12, 3), 20, 300, 200, 0, 0, 0},
                      {3, Day(2026, 12, 5), 30, 600, 300, 0, 0, 0}};
  });
  const AnsiString one = LeftAndRight("CRZ:0001 01/12/2026", "COO:000010", 48);
  const AnsiString two = LeftAndRight("CRZ:0002 03/12/2026", "COO:000020", 48);
  const AnsiString three = LeftAndRight("CRZ:0003 05/12/2026", "COO:000030", 48);
  struct Case {
    AnsiString frame;
    bool one, two, three;
  };
  const Case cases[] = {
      {"15", true, true, true},
      {"1500020003", false, true, true},
      {"1500020002S" "Z", false, true, false},  // option and range kind after the bounds
      {"1500040009", false, false, false},
      {"16", true, true, true},
      {"16011226031226", true, true, false},
      {"16021226311226SDATA", false, true, true},
      {"16061226311226", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    const size_t from = printer->State().tape.size();
    const int coo = printer->State().counters.coo;
    ASSERT_EQ(Send(c.frame), ".+0000");
    EXPECT_EQ(printer->State().counters.coo, coo + 1);
    const std::vector<AnsiString> lines = TapeFrom(from);
    EXPECT_EQ(Printed(lines, one), c.one);
    EXPECT_EQ(Printed(lines, two), c.two);
    EXPECT_EQ(Printed(lines, three), c.three);
    EXPECT_EQ(Printed(lines, "SEM REDUCOES NO PERIODO"), !c.one && !c.two && !c.three);
  }
}

}  // namespace
}  // namespace mdx::emulator::test
