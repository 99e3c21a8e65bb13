// The package against a printer that keeps the fiscal day's rules: which
// operation meets each refusal, what the host gets back, and that nothing
// the printer had counted is lost. Also the change of a sale paid by card
// and cash, as the Z capture reads it.
#include <gtest/gtest.h>

#include <vector>

#include "day/day_sales.h"
#include "day/z_capture_fixture.h"
#include "mdx00200/datetime.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/number_format.h"

namespace mdx::test {
namespace {

using Table = std::vector<std::vector<AnsiString>>;
using DateFn = TDateTime (*)(const AnsiString&);
using ReadingFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&,
                           const AnsiString&);
using MovementFn = bool (*)(const AnsiString&, const AnsiString&, double);

const TDateTime kDay = EncodeDate(2024, 1, 15);
const Sold kCoffee = {"1001", "CAFE", "T01", 1, 12.34, 0};

class FiscalDayRulesTest : public DaySalesTest {
 protected:
  void SetUp() override {
    DaySalesTest::SetUp();
    MoveTo(kDay + EncodeTime(10, 0, 0, 0));
  }

  // The till's and the printer's clocks, as a day of the till goes.
  void MoveTo(TDateTime when) {
    host_->SetNow(when);
    Printer().SetClock(when);
  }

  void SellCoffee() {
    OpenCoupon();
    Sell(kCoffee);
    CloseCoupon(0, {{"E", "001", kCoffee.Value()}});
  }

  bool Z() { return Package().Op<ReadingFn>("Reducao_Z_Imp")("key", "", "007", ""); }
  bool X() { return Package().Op<ReadingFn>("Leitura_X_Imp")("key", "", "007", ""); }
  bool Supply() { return Package().Op<MovementFn>("Suprimento")("", "007", 10.00); }
  bool TryOpenCoupon() {
    Variant opening = Opening();
    return AbreCupom(opening);
  }
  TDateTime MovementDate() { return Package().Op<DateFn>("DataMov")("007"); }

  // Each operation that needs the day fails with the printer's `status` in
  // SwedaRet, shows what it shows for any refusal, and leaves the printer
  // exactly as it was.
  void ExpectEveryDocumentRefused(const AnsiString& status) {
    const emulator::PrinterState before = Printer().State();
    struct Case {
      const char* name;
      bool (FiscalDayRulesTest::*run)();
      std::vector<AnsiString> dialogs;
    };
    const Case cases[] = {
        {"AbreCupom", &FiscalDayRulesTest::TryOpenCoupon, {}},
        {"Suprimento", &FiscalDayRulesTest::Supply, {"Erro ao enviar comando para a impressora."}},
        {"Leitura_X_Imp", &FiscalDayRulesTest::X, {}},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      host_->dialogs.clear();
      EXPECT_FALSE((this->*c.run)());
      EXPECT_EQ(SwedaRet(), status);
      EXPECT_EQ(host_->DialogTexts(), c.dialogs);
    }
    const emulator::PrinterState after = Printer().State();
    EXPECT_EQ(after.counters, before.counters);
    EXPECT_EQ(after.tape, before.tape);
    EXPECT_EQ(after.day, before.day);
    EXPECT_EQ(after.fiscalMemory, before.fiscalMemory);
  }
};

TEST_F(FiscalDayRulesTest, AfterTheZTheDayTakesNoDocumentUntilTheNextDate) {
  SellCoffee();
  ASSERT_TRUE(Z());
  // The host's REDZ_REALIZ case: the till tries the same day again.
  ExpectEveryDocumentRefused(".-E011");
  EXPECT_FALSE(Z());  // one Z a day
  EXPECT_EQ(Printer().State().fiscalMemory.size(), 1u);

  MoveTo(kDay + 1 + EncodeTime(8, 0, 0, 0));
  EXPECT_TRUE(TryOpenCoupon());
}

TEST_F(FiscalDayRulesTest, AMissedNightLeavesAZPendingThatTheMorningMakes) {
  SellCoffee();
  MoveTo(kDay + 1 + EncodeTime(8, 0, 0, 0));
  // The host's DataFiscalAnterior case: the movement date is before today.
  EXPECT_EQ(MovementDate(), kDay);
  ExpectEveryDocumentRefused(".-E009");

  ASSERT_TRUE(Z());
  const emulator::PrinterState afterZ = Printer().State();
  ASSERT_EQ(afterZ.fiscalMemory.size(), 1u);
  EXPECT_EQ(afterZ.fiscalMemory[0].date, kDay);  // the missed day, with its sale
  EXPECT_EQ(afterZ.fiscalMemory[0].grossSales, 1234);
  EXPECT_EQ(MovementDate(), kDay + 1);  // no movement yet: today

  // The morning sells, and its own Z closes the new day at night.
  SellCoffee();
  MoveTo(kDay + 1 + EncodeTime(22, 0, 0, 0));
  EXPECT_TRUE(Z());
  EXPECT_EQ(Printer().State().fiscalMemory.back().date, kDay + 1);
}

TEST_F(FiscalDayRulesTest, TheFiscalMemoryRefusesAZDatedBeforeTheLastOne) {
  SellCoffee();
  ASSERT_TRUE(Z());
  MoveTo(kDay + 1 + EncodeTime(9, 0, 0, 0));
  // The computer's calendar went back a day: the Z's date is before the last.
  host_->SetNow(kDay - 1 + EncodeTime(9, 0, 0, 0));
  EXPECT_FALSE(Z());
  EXPECT_EQ(SwedaRet(), ".-E012");
  EXPECT_EQ(Printer().State().fiscalMemory.size(), 1u);
  // And the printer's clock cannot be put back before its last document.
  EXPECT_THROW(Printer().SetClock(kDay + EncodeTime(9, 0, 0, 0)), Exception);
}

TEST_F(FiscalDayRulesTest, SummerTimeEndsOnlyWhenTheHourBackKeepsClearOfTheLastDocument) {
  using SchemeFn = bool (*)(const AnsiString&);
  emulator::PrinterState state = Printer().State();
  state.summerTime = true;
  Printer().SetState(state);
  ASSERT_TRUE(X());
  EXPECT_FALSE(Package().Op<SchemeFn>("Muda_Horario")("007"));
  EXPECT_EQ(SwedaRet(), ".-E012");
  EXPECT_TRUE(Printer().State().summerTime);
  // An hour and more after the last document, the clock may go back.
  MoveTo(kDay + EncodeTime(11, 30, 0, 0));
  EXPECT_TRUE(Package().Op<SchemeFn>("Muda_Horario")("007"));
  EXPECT_FALSE(Printer().State().summerTime);
}

TEST_F(FiscalDayRulesTest, ChangeComesOffTheCashWhateverOrderThePaymentsCameIn) {
  emulator::PrinterState state = Printer().State();
  state.paymentMethods[1] = {'S', "Cartao"};
  Printer().SetState(state);
  TClientDataSet receiptTypes;
  SetReceiptTypes(receiptTypes, {{"01", "001"}, {"02", "002"}});

  // 55,00 paid with 10,00 by card and 50,00 in cash: 5,00 change.
  OpenCoupon();
  Sell({"1002", "VINHO", "T01", 1, 55.00, 0});
  CloseCoupon(0, {{"E", "002", 10.00}, {"E", "001", 50.00}});
  LoadTaxRates(Package());
  ZData z;
  ASSERT_TRUE(CaptureZ(Package(), receiptTypes, z, "0001"));
  EXPECT_EQ(Rows(z.payments, {"CDTIPORECE", "VRFORMPGTORZ"}),
            (Table{{"001", FloatToStr(45.00)}, {"002", FloatToStr(10.00)}}));
}

TEST_F(FiscalDayRulesTest, APaymentLeavingChangeFromACardIsRefusedAndTheSaleStaysOpen) {
  emulator::PrinterState state = Printer().State();
  state.paymentMethods[1] = {'S', "Cartao"};
  Printer().SetState(state);
  OpenCoupon();
  Sell({"1002", "VINHO", "T01", 1, 55.00, 0});
  ClosingList list;
  list[13] = MovementsPacket({{"E", "002", 60.00}});
  list[14] = MethodsPacket({{"001", "01", ""}, {"002", "02", ""}});
  EXPECT_FALSE(Close(list));
  EXPECT_EQ(SwedaRet(), ".-E006");
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kFiscalCoupon);
  EXPECT_TRUE(Printer().State().coupon.payments.empty());
}

}  // namespace
}  // namespace mdx::test
