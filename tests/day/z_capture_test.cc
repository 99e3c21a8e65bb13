// ExportRedZ against the virtual printer: the summary row from the
// registers, which payment, tax and totalizer slots give rows, what the host
// gets back when the capture fails, and DadosUltimaRedZ.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "day/day_fixture.h"
#include "day/z_capture_fixture.h"
#include "mdx00200/datetime.h"

namespace mdx::test {
namespace {

using Table = std::vector<std::vector<AnsiString>>;
using emulator::PrinterState;

class ZCaptureTest : public DayTest {
 protected:
  void SetUp() override {
    DayTest::SetUp();
    PrinterState s = Printer().State();
    s.dayOpen = true;
    s.movementDate = EncodeDate(2024, 1, 14);
    Printer().SetState(s);
    LoadTaxRates(Package());
    SetReceiptTypes(receiptTypes, {{"01", "001"}});
  }

  bool Capture() { return CaptureZ(Package(), receiptTypes, z); }
  void SetDay(const emulator::DayTotals& day) {
    PrinterState s = Printer().State();
    s.day = day;
    Printer().SetState(s);
  }
  size_t FramesOf(const AnsiString& frame) {
    const std::vector<AnsiString> frames = SentFrames();
    return static_cast<size_t>(std::count(frames.begin(), frames.end(), frame));
  }

  TClientDataSet receiptTypes;
  ZData z;
};

TEST_F(ZCaptureTest, SummaryRowCarriesTheRegistersOfTheComingReduction) {
  PrinterState s = Printer().State();
  s.grandTotal = 1234567;
  s.counters.coo = 123;
  s.counters.crz = 41;
  s.counters.cro = 3;
  s.counters.xReadings = 12;
  s.counters.gnf = 67;
  s.counters.cfc = 8;
  emulator::DayTotals& d = s.day;
  d.grossSales = 100001;
  d.cancelledIcms = 2002;
  d.cancelledIss = 303;
  d.discounts = 404;
  d.surcharges = 505;
  d.exemptSales = 606;
  d.nonIncidenceSales = 707;
  d.substitutionSales = 808;
  d.taxableBases[3] = 5050;  // S01: the ISS sales
  Printer().SetState(s);

  ASSERT_TRUE(Capture());
  ASSERT_EQ(z.reduction.RecordCount(), 1);
  z.reduction.First();
  struct Text {
    const char* field;
    AnsiString value;
  };
  const Text texts[] = {
      {"NRECFREDZ", "0007"},         {"NRREINIREDZ", "      0003"},
      {"NRREDREDZ", "        42"},  // CRZ 0041, plus one
      {"NRLEITREDZ", "      0012"},  {"NRGERCNFREDZ", "      0067"},
      {"NRCANCFREDZ", "      0008"}, {"NRPRIMCFREDZ", "0000000000"},
      {"NRULTCFREDZ", "       125"},  // COO 000123, plus two
  };
  for (const Text& t : texts)
    EXPECT_EQ(z.reduction.FieldByName(t.field).AsString(), t.value) << t.field;
  struct Amount {
    const char* field;
    double value;
  };
  const Amount amounts[] = {
      {"VRGTREDZ", 12345.67},  {"VRVENBRUREDZ", 1000.01}, {"VRISSREDZ", 50.50},
      {"VRTOTCANREDZ", 23.05}, {"VRTOTDESREDZ", 4.04},    {"VRVENLIQREDZ", 972.92},
      {"VRTOTACRREDZ", 5.05},  {"VRSTRIBREDZ", 8.08},     {"VRISENCREDZ", 6.06},
      {"VRNINCIDREDZ", 7.07},
  };
  for (const Amount& a : amounts) {
    EXPECT_DOUBLE_EQ(z.reduction.FieldByName(a.field).AsFloat(), a.value) << a.field;
  }
  EXPECT_EQ(z.reduction.FieldByName("DTREDUCAOZ").AsDateTime(), EncodeDate(2024, 1, 14));
  for (const char* unset : {"QTTEMLIGREDZ", "QTTEMPCFREDZ", "QTMEMRESREDZ", "IDORIGEMREDZ",
                            "DSMODMARCAECF", "NRUSUARIOMFD", "CDMFADICIONAL", "DTGRAVSBECF"}) {
    EXPECT_TRUE(z.reduction.FieldByName(unset).IsNull()) << unset;
  }
}

TEST_F(ZCaptureTest, PaymentSlotNeedsMovementAndAReceiptType) {
  SetReceiptTypes(
      receiptTypes,
      {{"01", "001"}, {"02", "002"}, {"10", "010"}, {"11", "011"}, {"12", "012"}, {"20", "020"}});
  emulator::DayTotals d;
  d.payments[0] = {0, 500};  // no count: no row, whatever the amount
  d.payments[1] = {1, 2000};
  d.payments[6] = {3, 700};     // no receipt type for "07"
  d.payments[9] = {1, 1000};    // the last counted slot, in register 7
  d.payments[10] = {1, 10000};  // 100.00: a whole multiple of 100 is an amount too
  d.payments[11] = {5, 0};      // amount 0: no row
  d.payments[14] = {1, 12345};  // no receipt type for "15"
  d.payments[19] = {1, 1};
  SetDay(d);

  ASSERT_TRUE(Capture());
  EXPECT_EQ(Rows(z.payments, {"NRECFREDZ", "CDTIPORECE", "CDTPRECEORIG", "VRFORMPGTORZ"}),
            (Table{{"0007", "002", "002", "20"},
                   {"0007", "010", "010", "10"},
                   {"0007", "011", "011", "100"},
                   {"0007", "020", "020", "0,01"}}));
}

TEST_F(ZCaptureTest, TaxSlotNeedsACodeOfTheLoadedRates) {
  PrinterState s = Printer().State();
  s.taxRates = {};
  s.taxRates[0] = {"T01", 1800};
  s.taxRates[1] = {"T02", 1200};
  s.taxRates[2] = {"S01", 500};
  Printer().SetState(s);
  LoadTaxRates(Package());
  // A rate programmed after the load is not in the host's table.
  s.taxRates[4] = {"T09", 900};
  s.day.taxableBases[0] = 10000;
  s.day.taxableBases[2] = 2000;
  s.day.taxableBases[4] = 500;
  Printer().SetState(s);

  ASSERT_TRUE(Capture());
  EXPECT_EQ(Rows(z.taxes, {"NRECFREDZ", "CDALIQIMPRZ", "IDTPIMPREDZ", "VRALIQIMPRZ", "VRBCALCIMPRZ",
                           "VRIMPOSTORZ"}),
            (Table{{"0007", "01", "T", "18", "100", "18"},
                   {"0007", "02", "T", "12", "0", "0"},
                   {"0007", "01", "S", "5", "20", "1"}}));
}

TEST_F(ZCaptureTest, TotalizerSlotWithACountIsNamedFromTheLegends) {
  AnsiString legends;
  for (int k = 1; k <= 50; ++k) legends += "+TOTALIZ " + IntToStr(100 + k) + "   ";
  ASSERT_EQ(legends.size(), 750u);
  Package().Global<AnsiString>("stLegendasNFiscal") = legends;
  emulator::DayTotals d;
  d.totalizers[0] = {0, 100};  // no count: no row
  d.totalizers[1] = {1, 5000};
  d.totalizers[2] = {12, 34};  // the first slot of register 8
  d.totalizers[49] = {9999, 999999999999};
  SetDay(d);

  ASSERT_TRUE(Capture());
  EXPECT_EQ(Rows(z.totalizers,
                 {"NRECFREDZ", "NRTOTNFISCRZ", "DSTOTNFISCRZ", "NRCONTOTNFIS", "VRACUTOTNFIS"}),
            (Table{{"0007", "02", "+TOTALIZ 102   ", "0001", "50"},
                   {"0007", "03", "+TOTALIZ 103   ", "0012", "0,34"},
                   {"0007", "50", "+TOTALIZ 150   ", "9999", "9999999999,99"}}));
}

TEST_F(ZCaptureTest, ClosedTaxTableEndsTheCaptureAfterThePayments) {
  emulator::DayTotals d;
  d.payments[0] = {1, 1500};
  d.taxableBases[0] = 1000;
  d.totalizers[1] = {1, 5000};
  SetDay(d);
  ASSERT_TRUE(Capture());
  EXPECT_EQ(z.taxes.RecordCount(), 4);  // T01, T02, T03, S01

  // The capture closed the rates: the next one needs them loaded again.
  MarkWithOwnRow(z.taxes);
  MarkWithOwnRow(z.totalizers);
  EXPECT_FALSE(Capture());
  EXPECT_EQ(z.reduction.RecordCount(), 1);
  EXPECT_EQ(Rows(z.payments, {"CDTIPORECE", "VRFORMPGTORZ"}), (Table{{"001", "15"}}));
  EXPECT_TRUE(HoldsOwnRow(z.taxes));
  EXPECT_TRUE(HoldsOwnRow(z.totalizers));
  EXPECT_NE(LogTexts().back().find("ERRO!!! ExportRedZ: "), AnsiString::npos);

  // Loaded again, the rates give their rows, in the module's layout even
  // though the host's datasets came in with another one.
  LoadTaxRates(Package());
  EXPECT_TRUE(Capture());
  EXPECT_EQ(z.taxes.RecordCount(), 4);
  EXPECT_EQ(z.totalizers.RecordCount(), 1);
  EXPECT_NE(z.taxes.FindField("VRIMPOSTORZ"), nullptr);
}

TEST_F(ZCaptureTest, FailureBeforeTheRowsLeavesTheHostsDatasets) {
  struct Case {
    const char* what;
    emulator::FaultKind kind;
    const char* command;
    int count;
  };
  const Case cases[] = {
      {"no coupon number", emulator::FaultKind::kRefuse, "271", 1},
      {"register 8 refused", emulator::FaultKind::kRefuse, "278", emulator::kEveryTime},
      {"register C never answers", emulator::FaultKind::kNoAnswer, "27C", emulator::kEveryTime},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (TClientDataSet* ds : {&z.reduction, &z.payments, &z.taxes, &z.totalizers})
      MarkWithOwnRow(*ds);
    Printer().ClearFaults();
    Fault(c.kind, c.command, c.count);
    EXPECT_FALSE(Capture());
    for (TClientDataSet* ds : {&z.reduction, &z.payments, &z.taxes, &z.totalizers}) {
      EXPECT_TRUE(HoldsOwnRow(*ds));
    }
    EXPECT_NE(LogTexts().back().find("ERRO!!! ExportRedZ: "), AnsiString::npos);
    LoadTaxRates(Package());
  }
  // A register is asked three times before it counts as unread.
  EXPECT_EQ(FramesOf(".27C}"), 3u);
}

TEST_F(ZCaptureTest, MissingDatasetIsAFailureBeforeAnythingIsSent) {
  for (TClientDataSet* ds : {&z.reduction, &z.payments, &z.taxes, &z.totalizers})
    MarkWithOwnRow(*ds);
  TClientDataSet* reduction = &z.reduction;
  TClientDataSet* payments = nullptr;
  TClientDataSet* taxes = &z.taxes;
  TClientDataSet* totalizers = &z.totalizers;
  const size_t before = SentFrames().size();
  EXPECT_FALSE(Op<ExportRedZFn>("ExportRedZ")("x", "001", "0007", 0, &receiptTypes, reduction,
                                              payments, taxes, totalizers));
  EXPECT_EQ(SentFrames().size(), before);
  EXPECT_TRUE(HoldsOwnRow(z.reduction));
  EXPECT_NE(LogTexts().back().find("no dataset for the payments"), AnsiString::npos);
}

TEST_F(ZCaptureTest, RegistersAreAskedInOrderAndAgainUntilTheyAnswer) {
  Fault(emulator::FaultKind::kNoAnswer, "27A", 2);
  host_->delays.clear();
  const size_t before = SentFrames().size();
  EXPECT_TRUE(Capture());

  // The coupon number first, then the 21 registers; "A" three times.
  std::vector<AnsiString> expected = {".271}", ".27H}"};
  for (char selector : AnsiString("123456789ABCDEFGHIJKL")) {
    for (int i = 0; i < (selector == 'A' ? 3 : 1); ++i) {
      expected.push_back(AnsiString(".27") + selector + "}");
    }
  }
  const std::vector<AnsiString> frames = SentFrames();
  ASSERT_GE(frames.size(), before + expected.size());
  EXPECT_EQ(std::vector<AnsiString>(frames.begin() + static_cast<long>(before),
                                    frames.begin() + static_cast<long>(before + expected.size())),
            expected);
  EXPECT_EQ(host_->delays, (std::vector<int>{1, 1}));
}

TEST_F(ZCaptureTest, DadosUltimaRedZTouchesNothing) {
  using Fn = bool (*)(const Variant*, int, OleVariant&, TClientDataSet*&);
  const Variant params[] = {"001", 5};
  OleVariant result = VarArrayOf({"a", 1});
  TClientDataSet ds;
  MarkWithOwnRow(ds);
  TClientDataSet* host = &ds;
  const size_t framesBefore = SentFrames().size();
  EXPECT_TRUE(Op<Fn>("DadosUltimaRedZ")(params, 1, result, host));
  EXPECT_EQ(result, VarArrayOf({"a", 1}));
  EXPECT_EQ(host, &ds);
  EXPECT_TRUE(HoldsOwnRow(ds));
  EXPECT_EQ(SentFrames().size(), framesBefore);
}

}  // namespace
}  // namespace mdx::test
