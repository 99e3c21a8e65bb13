// A fiscal day against the virtual printer, all through the package's
// operations: an X reading, sales under several rates with an item discount,
// a subtotal surcharge, two payment methods and change, an item and a coupon
// cancelled, a supply and a withdrawal. The Z capture must hold what those
// sales add up to; after the Z reduction the next day's capture starts from
// zero with the grand total carried.
#include <gtest/gtest.h>

#include <vector>

#include "day/day_sales.h"
#include "day/z_capture_fixture.h"
#include "mdx00200/datetime.h"
#include "mdx00200/number_format.h"

namespace mdx::test {
namespace {

using Table = std::vector<std::vector<AnsiString>>;
using SchemeFn = bool (*)(const AnsiString&);
using ReadingFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&,
                           const AnsiString&);
using MovementFn = bool (*)(const AnsiString&, const AnsiString&, double);
using CancelCouponFn = bool (*)(const Variant*, int, OleVariant&);
using TotalizersFn = void (*)(AnsiString&, AnsiString&, AnsiString&, AnsiString&, AnsiString&,
                              const AnsiString&, int, TClientDataSet*&);


// The first coupon. Its item values add up to 100.00 and the surcharge is
// 10% of that, so every rate's share of the surcharge is exact.
const Sold kCoupon1[] = {
    {"1001", "ARROZ", "T01", 2, 20.00, 5.00}, {"1002", "FEIJAO", "T02", 1, 15.00, 0},
    {"1003", "CONSERTO", "S01", 1, 10.00, 0}, {"1004", "LIVRO", "I", 1, 25.00, 0},  // exempt
    {"1005", "CERVEJA", "F", 3, 5.00, 0},  // tax substitution
};
// Under an ISS rate, so the cancellations hold ICMS and ISS.
const Sold kCancelledItem = {"1006", "FRETE", "S01", 1, 7.77, 0};
const double kSurcharge = 10.00;
const double kCard = 60.00;
const double kCash = 60.00;
// The second coupon, closed and then cancelled.
const Sold kCoupon2 = {"1007", "CAFE", "T01", 1, 12.34, 0};
const double kSupply = 50.00;
const double kWithdrawal = 30.00;

const double kGrandTotalBefore = 5000.00;
const TDateTime kDay = EncodeDate(2024, 1, 15);

class DayEndToEndTest : public DaySalesTest {
 protected:
  void SetUp() override {
    DaySalesTest::SetUp();
    emulator::PrinterState state = Printer().State();
    state.paymentMethods[1] = {'S', "Cartao"};
    state.grandTotal = 500000;
    state.counters.coo = 100;
    state.counters.crz = 41;
    state.counters.cro = 2;
    state.counters.cfc = 3;
    state.counters.gnf = 10;
    Printer().SetState(state);
    host_->SetNow(kDay + EncodeTime(10, 0, 0, 0));
    Printer().SetClock(kDay + EncodeTime(10, 0, 0, 0));
    SetReceiptTypes(receiptTypes, {{"01", "001"}, {"02", "002"}});
  }

  void SellTheDay() {
    ASSERT_TRUE(Package().Op<ReadingFn>("Leitura_X_Imp")("key", "", "007", ""));

    OpenCoupon();
    for (const Sold& s : kCoupon1) Sell(s);
    Sell(kCancelledItem);
    ASSERT_TRUE(Package().Op<SchemeFn>("Cancela_UltimoItem")("007"));
    CloseCoupon(kSurcharge, {{"E", "002", kCard}, {"E", "001", kCash}});

    OpenCoupon();
    Sell(kCoupon2);
    CloseCoupon(0, {{"E", "001", kCoupon2.Value()}});
    const Variant cancel[] = {"007", true, true, Variant(), "0001", "001", "SW0000001"};
    OleVariant result = VarArrayOf({""});
    ASSERT_TRUE(Package().Op<CancelCouponFn>("Cancela_Cupom_Imp")(cancel, 6, result));

    ASSERT_TRUE(Package().Op<MovementFn>("Suprimento")("", "007", kSupply));
    ASSERT_TRUE(Package().Op<MovementFn>("Sangria")("", "007", kWithdrawal));
  }

  // The printer's tables, read as a till reads them at the start of the day.
  void LoadTables() {
    LoadTaxRates(Package());
    AnsiString cv, card, credit, cancel, spare;
    TClientDataSet unused;
    TClientDataSet* host = &unused;
    Package().Op<TotalizersFn>("CarregaTotalizador")(cv, card, credit, cancel, spare, "007", 0,
                                                     host);
  }

  double Amount(const char* field) { return z.reduction.FieldByName(field).AsFloat(); }
  AnsiString Text(const char* field) { return z.reduction.FieldByName(field).AsString(); }

  TClientDataSet receiptTypes;
  ZData z;
};

TEST_F(DayEndToEndTest, CaptureHoldsTheDaysSalesAndTheNextDayStartsFromZero) {
  LoadTables();
  SellTheDay();
  ASSERT_TRUE(CaptureZ(Package(), receiptTypes, z, "0001"));

  // What the day's sales add up to.
  double subtotal = 0, lineTotals = kCancelledItem.LineTotal() + kCoupon2.LineTotal();
  double discounts = 0;
  for (const Sold& s : kCoupon1) {
    subtotal += s.Value();
    lineTotals += s.LineTotal();
    discounts += s.discount;
  }
  ASSERT_DOUBLE_EQ(subtotal, 100.00);
  // A rate's sales: its items' values and their share of the surcharge.
  auto sales = [&](const char* rate) {
    double sum = 0;
    for (const Sold& s : kCoupon1)
      if (AnsiString(s.rate) == rate) sum += s.Value() + s.Value() * kSurcharge / subtotal;
    return sum;
  };
  const double gross = lineTotals + kSurcharge;
  const double cancelled = kCancelledItem.Value() + kCoupon2.Value();

  ASSERT_EQ(z.reduction.RecordCount(), 1);
  EXPECT_EQ(Text("NRECFREDZ"), "0001");
  EXPECT_EQ(z.reduction.FieldByName("DTREDUCAOZ").AsDateTime(), kDay);
  EXPECT_EQ(Text("NRREDREDZ"), "        42");
  EXPECT_EQ(Text("NRREINIREDZ"), "      0002");
  EXPECT_EQ(Text("NRLEITREDZ"), "      0001");    // the X reading
  EXPECT_EQ(Text("NRCANCFREDZ"), "      0004");   // one coupon cancelled
  EXPECT_EQ(Text("NRGERCNFREDZ"), "      0012");  // the supply and the withdrawal
  // COO 100, then the X reading, two coupons, the cancellation, two
  // receipts: 106, plus two.
  EXPECT_EQ(Text("NRULTCFREDZ"), "       108");
  EXPECT_NEAR(Amount("VRGTREDZ"), kGrandTotalBefore + gross, 1e-9);
  EXPECT_NEAR(Amount("VRVENBRUREDZ"), gross, 1e-9);
  EXPECT_NEAR(Amount("VRTOTCANREDZ"), cancelled, 1e-9);
  EXPECT_NEAR(Amount("VRTOTDESREDZ"), discounts, 1e-9);
  EXPECT_NEAR(Amount("VRVENLIQREDZ"), gross - cancelled - discounts, 1e-9);
  EXPECT_NEAR(Amount("VRTOTACRREDZ"), kSurcharge, 1e-9);
  EXPECT_NEAR(Amount("VRISSREDZ"), sales("S01"), 1e-9);
  EXPECT_NEAR(Amount("VRISENCREDZ"), sales("I"), 1e-9);
  EXPECT_NEAR(Amount("VRSTRIBREDZ"), sales("F"), 1e-9);
  EXPECT_NEAR(Amount("VRNINCIDREDZ"), 0, 1e-9);

  // Cash: the first coupon's cash less its change, and the supply; the
  // cancelled coupon's payment left the method.
  const double change = kCard + kCash - (subtotal + kSurcharge);
  EXPECT_EQ(Rows(z.payments, {"CDTIPORECE", "VRFORMPGTORZ"}),
            (Table{{"001", FloatToStr(kCash - change + kSupply)}, {"002", FloatToStr(kCard)}}));

  // The printer's four rates; the cancelled item and coupon left no base.
  Table taxes;
  for (const auto& [code, rate] :
       {std::pair{"T01", 18.0}, {"T02", 12.0}, {"T03", 7.0}, {"S01", 5.0}}) {
    const double base = sales(code);
    taxes.push_back({AnsiString(code).substr(1), AnsiString(code).substr(0, 1), FloatToStr(rate),
                     FloatToStr(base), FloatToStr(base * rate / 100)});
  }
  EXPECT_EQ(
      Rows(z.taxes, {"CDALIQIMPRZ", "IDTPIMPREDZ", "VRALIQIMPRZ", "VRBCALCIMPRZ", "VRIMPOSTORZ"}),
      taxes);

  const AnsiString supplyAt = Package().Global<AnsiString>("IdTotParcSup");
  const AnsiString withdrawalAt = Package().Global<AnsiString>("IdTotParcSang");
  EXPECT_EQ(Rows(z.totalizers, {"NRTOTNFISCRZ", "DSTOTNFISCRZ", "NRCONTOTNFIS", "VRACUTOTNFIS"}),
            (Table{{supplyAt, "+Suprimento    ", "0001", FloatToStr(kSupply)},
                   {withdrawalAt, "-Sangria       ", "0001", FloatToStr(kWithdrawal)}}));

  // The Z reduction, and the next day.
  using ZFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&, const AnsiString&);
  ASSERT_TRUE(Package().Op<ZFn>("Reducao_Z_Imp")("key", "", "007", ""));
  const TDateTime nextDay = kDay + 1;
  host_->SetNow(nextDay + EncodeTime(8, 0, 0, 0));
  Printer().SetClock(nextDay + EncodeTime(8, 0, 0, 0));
  LoadTaxRates(Package());
  ASSERT_TRUE(CaptureZ(Package(), receiptTypes, z, "0001"));

  EXPECT_EQ(z.reduction.FieldByName("DTREDUCAOZ").AsDateTime(), nextDay);
  EXPECT_EQ(Text("NRREDREDZ"), "        43");
  EXPECT_EQ(Text("NRULTCFREDZ"), "       109");  // the Z report had COO 107
  EXPECT_NEAR(Amount("VRGTREDZ"), kGrandTotalBefore + gross, 1e-9);
  for (const char* field :
       {"VRVENBRUREDZ", "VRISSREDZ", "VRTOTCANREDZ", "VRTOTDESREDZ", "VRVENLIQREDZ", "VRTOTACRREDZ",
        "VRSTRIBREDZ", "VRISENCREDZ", "VRNINCIDREDZ"}) {
    EXPECT_EQ(Amount(field), 0) << field;
  }
  EXPECT_EQ(z.payments.RecordCount(), 0);
  EXPECT_EQ(z.totalizers.RecordCount(), 0);
  EXPECT_EQ(Rows(z.taxes, {"VRBCALCIMPRZ"}), (Table{{"0"}, {"0"}, {"0"}, {"0"}}));
}

}  // namespace
}  // namespace mdx::test
