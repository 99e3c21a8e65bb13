// The printer's clock and movement dates: Data_Imp, DataMov, DataMoviFiscal
// and VerificaData, against the virtual printer's clock and scripted
// registers. The host's clock stands at 15 January 2024 10:30.
#include <gtest/gtest.h>

#include "mdx00200/hostlib.h"
#include "status/scripted_replies.h"
#include "support/package_fixture.h"

namespace mdx::test {
namespace {

using emulator::FaultKind;
using TextOutFn = bool (*)(const AnsiString&, AnsiString&);
using DateFn = TDateTime (*)(const AnsiString&);
using VerificaDataFn = bool (*)(const AnsiString&, TDateTime&, const AnsiString&,
                                const AnsiString&, bool);

const AnsiString kDatadifText =
    "Data da impressora fiscal difere da data do sistema em mais de 15 minutos.";

class PrinterDatesTest : public PackageTest {
 protected:
  void SetUp() override {
    PackageTest::SetUp();
    ClieUtil() = false;
  }
  bool& ClieUtil() { return Package().Global<bool>("boClieUtil"); }
  // The host's clock moved by whole minutes (negative: behind).
  TDateTime HostClockPlus(int minutes) {
    return MillisecondsToDateTime(DateTimeToMilliseconds(host_->now) + minutes * 60000LL);
  }
  TDateTime Today() { return EncodeDate(2024, 1, 15); }
  bool VerificaData(TDateTime& date, const AnsiString& clock, const AnsiString& movement,
                    bool readPrinter) {
    return Package().Op<VerificaDataFn>("VerificaData")("003", date, clock, movement, readPrinter);
  }
};

TEST_F(PrinterDatesTest, DataImpReadsThePrinterClock) {
  Printer().SetClock(EncodeDate(2026, 12, 6) + EncodeTime(14, 5, 0, 0));
  AnsiString clock;
  EXPECT_TRUE(Package().Op<TextOutFn>("Data_Imp")("001", clock));
  EXPECT_EQ(clock, "0612261405");
}

TEST_F(PrinterDatesTest, DataImpReportsARefusalAsTheFlagsSay) {
  struct Case {
    bool attended;
    bool clieUtil;
    bool gathered;  // the refusal reaches the reply check (own error handling off)
  } cases[] = {{true, false, false}, {true, true, false}, {false, false, false}, {false, true, true}};
  for (const Case& c : cases) {
    Package().ResetGlobals();
    NUtilTaa() = c.attended;
    ClieUtil() = c.clieUtil;
    Fault(FaultKind::kRefuse, "28");
    AnsiString clock = "old";
    EXPECT_FALSE(Package().Op<TextOutFn>("Data_Imp")("001", clock));
    EXPECT_EQ(clock, "");  // cut from the refusal, which has no clock
    EXPECT_EQ(!MensagemTaa().empty(), c.gathered) << c.attended << c.clieUtil;
  }
}

TEST_F(PrinterDatesTest, DataMovReadsTheMovementDate) {
  struct Case {
    AnsiString field;
    TDateTime date;
  } cases[] = {
      {"311223", EncodeDate(2023, 12, 31)},
      {"290224", EncodeDate(2024, 2, 29)},
      {"000000", EncodeDate(2024, 1, 15)},  // no movement yet: today
      {"300224", EncodeDate(2024, 1, 15)},  // no such date
      {"      ", EncodeDate(2024, 1, 15)},
  };
  auto dataMov = Package().Op<DateFn>("DataMov");
  for (const Case& c : cases) {
    ScriptedReplies script(Package());
    script.Answer("271", {Register1(c.field)});
    EXPECT_EQ(dataMov("001"), c.date) << c.field;
  }
}

TEST_F(PrinterDatesTest, DataMovOfTheVirtualPrinter) {
  auto dataMov = Package().Op<DateFn>("DataMov");
  EXPECT_EQ(dataMov("001"), Today());  // no document yet today: "000000"
  emulator::PrinterState state = Printer().State();
  state.dayOpen = true;
  state.movementDate = EncodeDate(2024, 1, 12);
  Printer().SetState(state);
  EXPECT_EQ(dataMov("001"), EncodeDate(2024, 1, 12));
  EXPECT_EQ(SentCommands(LogTexts()), (std::vector<AnsiString>{"271", "271"}));
}

TEST_F(PrinterDatesTest, DataMovAsksTwiceWithAStatusInBetween) {
  ScriptedReplies script(Package());
  script.Answer("271", {Register1("010224", "0", false), Register1("020224", "0", false)});
  EXPECT_EQ(Package().Op<DateFn>("DataMov")("001"), EncodeDate(2024, 2, 2));
  EXPECT_EQ(SentCommands(LogTexts()), (std::vector<AnsiString>{"271", "23", "271"}));
}

TEST_F(PrinterDatesTest, DataMoviFiscalPrefersThePrinterDateOfAnOpenEarlierDay) {
  struct Case {
    const char* what;
    AnsiString movement;
    AnsiString status;
    TDateTime date;
  } cases[] = {
      {"earlier, flag S", "100124", Status28("C LIVRE ", "S", "1201240900"), EncodeDate(2024, 1, 12)},
      {"earlier, flag N", "100124", Status28("C LIVRE ", "N", "1201240900"), EncodeDate(2024, 1, 12)},
      {"earlier, other flag", "100124", Status28("C LIVRE ", "X", "1201240900"),
       EncodeDate(2024, 1, 10)},
      {"same day", "120124", Status28("C LIVRE ", "S", "1201240900"), EncodeDate(2024, 1, 12)},
      {"later", "130124", Status28("C LIVRE ", "S", "1201240900"), EncodeDate(2024, 1, 13)},
      {"printer date unreadable", "100124", Status28("C LIVRE ", "S", "xx01240900"),
       EncodeDate(2024, 1, 10)},
  };
  auto dataMoviFiscal = Package().Op<DateFn>("DataMoviFiscal");
  for (const Case& c : cases) {
    ScriptedReplies script(Package());
    script.Answer("271", {Register1(c.movement)});
    script.Answer("28", {c.status});
    EXPECT_EQ(dataMoviFiscal("001"), c.date) << c.what;
  }
}

TEST_F(PrinterDatesTest, DataMoviFiscalWithoutAMovementDate) {
  ScriptedReplies script(Package());
  // Never complete: ten asks with a pause before each but the first.
  script.Answer("271", {Register1("      ", "0", false)});
  EXPECT_EQ(Package().Op<DateFn>("DataMoviFiscal")("001"), Today());
  EXPECT_EQ(SentCommands(LogTexts()), std::vector<AnsiString>(10, "271"));
  EXPECT_EQ(host_->delays, std::vector<int>(9, 1));
}

TEST_F(PrinterDatesTest, ClocksMoreThanFifteenMinutesApartDisagree) {
  struct Case {
    int minutesBehind;
    bool agree;
  } cases[] = {{0, true}, {15, true}, {-15, true}, {16, false}, {-16, false}, {60, false},
               {24 * 60, false}};
  for (const Case& c : cases) {
    host_->dialogs.clear();
    ClieUtil() = false;
    Printer().SetClock(HostClockPlus(-c.minutesBehind));
    TDateTime date = 0;
    EXPECT_EQ(VerificaData(date, "", "", true), c.agree) << c.minutesBehind;
    EXPECT_EQ(date, Today()) << c.minutesBehind;
    if (c.agree) {
      EXPECT_TRUE(host_->dialogs.empty()) << c.minutesBehind;
    } else {
      ASSERT_EQ(host_->dialogs.size(), 1u) << c.minutesBehind;
      EXPECT_EQ(host_->dialogs[0].text, kDatadifText);
      EXPECT_EQ(host_->dialogs[0].kind, tmErro);
      EXPECT_EQ(host_->dialogs[0].scheme, "003");
      EXPECT_FALSE(ClieUtil());
    }
  }
}

TEST_F(PrinterDatesTest, ClockDialogFollowsTheTillAndTheClientFlag) {
  struct Case {
    bool attended;
    bool clieUtil;
    bool dialog;
  } cases[] = {{true, true, true}, {true, false, true}, {false, false, true}, {false, true, false}};
  for (const Case& c : cases) {
    host_->dialogs.clear();
    NUtilTaa() = c.attended;
    ClieUtil() = c.clieUtil;
    TDateTime date = 0;
    // The clock text given, not read from the printer: an hour behind.
    EXPECT_FALSE(VerificaData(date, "1501240930", "", false));
    EXPECT_EQ(host_->dialogs.size(), c.dialog ? 1u : 0u) << c.attended << c.clieUtil;
    EXPECT_FALSE(ClieUtil());
  }
  EXPECT_TRUE(SentCommands(LogTexts()).empty());
}

TEST_F(PrinterDatesTest, MovementDateAndUnreadableTexts) {
  struct Case {
    AnsiString clock;
    AnsiString movement;
    bool result;
    TDateTime date;
  } cases[] = {
      {"1501241030", "010224", true, EncodeDate(2024, 2, 1)},
      {"", "311223", true, EncodeDate(2023, 12, 31)},
      {"", "", true, EncodeDate(2024, 1, 15)},
      {"", "320124", true, EncodeDate(2024, 1, 15)},
      // An unreadable clock skips the check and the movement date.
      {"15012410", "010224", true, EncodeDate(2024, 1, 15)},
      {"          ", "010224", true, EncodeDate(2024, 1, 15)},
      // Disagreeing clocks still give the movement date.
      {"1501240900", "010224", false, EncodeDate(2024, 2, 1)},
  };
  for (const Case& c : cases) {
    TDateTime date = 0;
    EXPECT_EQ(VerificaData(date, c.clock, c.movement, false), c.result)
        << "'" << c.clock << "' '" << c.movement << "'";
    EXPECT_EQ(date, c.date) << "'" << c.clock << "' '" << c.movement << "'";
  }
}

TEST_F(PrinterDatesTest, FailedClockReadLeavesTheDate) {
  Fault(FaultKind::kRefuse, "28");
  ClieUtil() = true;
  TDateTime date = 1234.0;
  EXPECT_FALSE(VerificaData(date, "", "010224", true));
  EXPECT_EQ(date, 1234.0);
  EXPECT_FALSE(ClieUtil());
  EXPECT_TRUE(host_->dialogs.empty());  // the refusal is only logged
}

}  // namespace
}  // namespace mdx::test
