// Command "27": every information register's header, length and fields at
// the positions the till reads them.
#include <gtest/gtest.h>

#include <cstring>

#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

using RegisterTest = PrinterTest;

const char kSelectors[] = "123456789ABCDEFGHIJKL";

AnsiString Digits(long long value, size_t width) {
  const AnsiString digits = std::to_string(value);
  return AnsiString(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

// Where the till finds slot k (1-based) of each kind of slot.
struct SlotPlace {
  char selector;
  int position;
};

SlotPlace TaxSlotPlace(int k) {
  if (k == 1) return {'3', 94};
  if (k <= 8) return {'4', 8 + 15 * (k - 2)};
  return {'5', 8 + 15 * (k - 9)};
}

SlotPlace PaymentSlotPlace(int k) {
  if (k <= 7) return {'6', 8 + 16 * (k - 1)};
  if (k <= 10) return {'7', 8 + 16 * (k - 8)};
  return {'L', 8 + 12 * (k - 11)};  // amount only
}

SlotPlace TotalizerSlotPlace(int k) {
  if (k <= 2) return {'7', 88 + 16 * (k - 1)};
  if (k <= 44) return {"89ABCD"[(k - 3) / 7], 8 + 16 * ((k - 3) % 7)};
  return {'E', 8 + 16 * (k - 45)};
}

// A printer whose every reported value is distinct, so a field in the wrong
// place shows.
PrinterState EveryValueSet() {
  PrinterState s;
  s.ecfNumber = 7;
  s.serialNumber = "AB1234567";
  s.movementDate = EncodeDate(2026, 12, 5);
  s.grandTotal = 1234567;
  s.counters.coo = 123;
  s.counters.ccf = 45;
  s.counters.gnf = 67;
  s.counters.cfc = 8;
  s.counters.crz = 41;
  s.counters.cro = 3;
  s.counters.xReadings = 12;
  DayTotals& d = s.day;
  d.grossSales = 100001;
  d.cancelledIcms = 2002;
  d.cancelledIss = 303;
  d.discounts = 404;
  d.surcharges = 505;
  d.exemptSales = 606;
  d.nonIncidenceSales = 707;
  d.substitutionSales = 808;
  for (int k = 1; k <= kTaxRateCount; ++k) {
    const AnsiString code = (k <= 11 ? "T" : "S") + Digits(k <= 11 ? k : k - 11, 2);
    s.taxRates[static_cast<size_t>(k - 1)] = {code, 100 * k};
    d.taxableBases[static_cast<size_t>(k - 1)] = 1000 * k + k;
  }
  for (int k = 1; k <= kPaymentMethodCount; ++k) {
    d.payments[static_cast<size_t>(k - 1)] = {k, 10000 * k + k};
  }
  for (int k = 1; k <= kTotalizerCount; ++k) {
    d.totalizers[static_cast<size_t>(k - 1)] = {100 + k, 20000 * k + k};
  }
  return s;
}

TEST_F(RegisterTest, EveryRegisterIsACompleteBlockOfItsLength) {
  const int lengths[] = {120, 67, 108, 112, 112, 119, 119, 119, 119, 119, 119,
                         119, 119, 103, 23,  27,  78,  55,  55,  55,  127};
  for (const PrinterState& state : {PrinterState(), EveryValueSet()}) {
    printer->SetState(state);
    const AnsiString ecf = Digits(state.ecfNumber, 3);
    for (int i = 0; i < 21; ++i) {
      const char selector = kSelectors[i];
      SCOPED_TRACE(::testing::Message() << "register " << selector);
      const AnsiString reply = Send(AnsiString("27") + selector);
      EXPECT_EQ(reply.size(), static_cast<size_t>(lengths[i]));
      EXPECT_EQ(Field(reply, 1, 7), ".+C" + ecf + selector);
      // Amounts and counters read as digits, and no register ends in a
      // blank (the till trims the replies).
      EXPECT_NE(reply.back(), ' ');
      if (selector != '3' && selector != '4' && selector != '5') {
        EXPECT_EQ(reply.find_first_not_of("0123456789", 7), AnsiString::npos) << reply;
      }
    }
  }
}

TEST_F(RegisterTest, FieldsStandWhereTheTillReadsThem) {
  printer->SetState(EveryValueSet());
  struct Case {
    char selector;
    int position;
    const char* text;
  };
  const Case cases[] = {
      {'1', 8, "051226"},                // movement date
      {'1', 20, "00000000001234567"},    // grand total
      {'1', 37, "0008"},                 // coupons cancelled (CFC)
      {'1', 41, "0041"},                 // Z reductions (CRZ)
      {'1', 45, "000000100001"},         // gross sales
      {'1', 61, "000000002002"},         // cancelled, ICMS
      {'1', 77, "000000000303"},         // cancelled, ISS
      {'1', 93, "000000000404"},         // discounts
      {'1', 105, "000000097292"},        // net: gross less cancellations and discounts
      {'1', 117, "0067"},                // non-fiscal documents (GNF)
      {'2', 56, "000000054054"},         // ISS: bases of S01-S04 (12012+13013+14014+15015)
      {'3', 4, "007"},                   // ECF number
      {'3', 13, "AB1234567"},            // serial number
      {'3', 22, "000000000606"},         // exempt
      {'3', 34, "000000000707"},         // non-incidence
      {'3', 46, "000000000808"},         // tax substitution
      {'F', 12, "000000000505"},         // surcharges
      {'G', 16, "0003"},                 // starts of operation (CRO)
      {'G', 24, "0012"},                 // X readings
      {'H', 61, "000045"},               // fiscal coupons (CCF)
      {'H', 73, "000123"},               // COO
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Field(Send(AnsiString("27") + c.selector), c.position,
                    static_cast<int>(std::strlen(c.text))),
              c.text)
        << "register " << c.selector << " at " << c.position;
  }
}

TEST_F(RegisterTest, SlotsStandInOrderAcrossTheirRegisters) {
  const PrinterState state = EveryValueSet();
  printer->SetState(state);
  for (int k = 1; k <= kTaxRateCount; ++k) {
    const SlotPlace at = TaxSlotPlace(k);
    const size_t i = static_cast<size_t>(k - 1);
    EXPECT_EQ(Field(Send(AnsiString("27") + at.selector), at.position, 15),
              state.taxRates[i].code + Digits(state.day.taxableBases[i], 12))
        << "tax slot " << k;
  }
  for (int k = 1; k <= kPaymentMethodCount; ++k) {
    const SlotPlace at = PaymentSlotPlace(k);
    const Accumulator& a = state.day.payments[static_cast<size_t>(k - 1)];
    const AnsiString expected =
        k <= 10 ? Digits(a.count, 4) + Digits(a.amount, 12) : Digits(a.amount, 12);
    EXPECT_EQ(Field(Send(AnsiString("27") + at.selector), at.position,
                    static_cast<int>(expected.size())),
              expected)
        << "payment slot " << k;
  }
  for (int k = 1; k <= kTotalizerCount; ++k) {
    const SlotPlace at = TotalizerSlotPlace(k);
    const Accumulator& a = state.day.totalizers[static_cast<size_t>(k - 1)];
    EXPECT_EQ(Field(Send(AnsiString("27") + at.selector), at.position, 16),
              Digits(a.count, 4) + Digits(a.amount, 12))
        << "totalizer slot " << k;
  }
}

TEST_F(RegisterTest, FreshPrinterReportsZerosAndItsIdentity) {
  const AnsiString zeros12(12, '0');
  EXPECT_EQ(Field(Send("271"), 8, 6), "000000");  // no document yet today
  EXPECT_EQ(Field(Send("271"), 20, 17), AnsiString(17, '0'));
  const AnsiString three = Send("273");
  EXPECT_EQ(Field(three, 1, 7), ".+C0013");
  EXPECT_EQ(Field(three, 13, 9), "SW0000001");
  EXPECT_EQ(Field(three, 94, 15), "T01" + zeros12);
  // Tax slots of free rate entries have a blank code and a zero base.
  EXPECT_EQ(Field(Send("275"), 8, 15), "   " + zeros12);
  EXPECT_EQ(Field(Send("27H"), 61, 18), AnsiString(18, '0'));
}

TEST_F(RegisterTest, MovementDateIsTheDateOfTheDaysFirstDocument) {
  EXPECT_EQ(Field(Send("271"), 8, 6), "000000");
  ASSERT_EQ(Send("13S"), ".+0000");
  ASSERT_EQ(Send("12"), ".+0000");
  EXPECT_EQ(Field(Send("271"), 8, 6), "061226");
  EXPECT_EQ(Field(Send("28"), 22, 1), "S");  // the day is open

  systemNow += 1;  // the next day, with no Z reduction in between
  ASSERT_EQ(Send("13S"), ".-E009");
  EXPECT_EQ(Field(Send("271"), 8, 6), "061226");
  EXPECT_EQ(Field(Send("28"), 21, 1), "S");  // its Z is pending
  EXPECT_EQ(Field(Send("27H"), 73, 6), "000001");
}

TEST_F(RegisterTest, UnknownSelectorsAreRefused) {
  for (const char* frame : {"27", "270", "27M", "27a", "2711", "27 "}) {
    EXPECT_EQ(Send(frame), ".-E003") << frame;
  }
}

// An information block has no room for a status code: with the paper low it
// keeps "C", the ECF number and the echo, while other replies carry "P005".
TEST_F(RegisterTest, PaperLowLeavesABlockWhole) {
  Edit([](PrinterState& s) { s.paper = PaperLevel::kLow; });
  EXPECT_EQ(Field(Send("273"), 1, 7), ".+C0013");
  EXPECT_EQ(Field(Send("293"), 1, 7), ".+C0013");
  EXPECT_EQ(Send("23"), ".+P005");
}

}  // namespace
}  // namespace mdx::emulator::test
