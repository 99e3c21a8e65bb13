// The state file: what it keeps, a restart that finds it, and files that are
// missing, damaged or cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "emulator/state_codec.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"
#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

PrinterState EveryFieldSet() {
  PrinterState s;
  s.dayOpen = true;
  s.zPending = true;
  s.document = DocumentKind::kNonFiscalReceipt;
  s.lastCouponCoo = 41;
  s.chequeInProgress = true;
  s.paper = PaperLevel::kLow;
  s.counters = Counters{123, 45, 6, 7, 8, 9, 10};
  s.clockOffsetMs = -86400123;
  s.summerTime = true;
  s.tapeWidth = kNarrowTape;
  s.tape = {"PLAIN", "", "back\\slash \x01 del \x7f", "\xc7\xc3O 1252 \xe9", "|pipe"};
  return s;
}

TEST(StateCodecTest, EveryFieldSurvivesTheRoundTrip) {
  const PrinterState original = EveryFieldSet();
  PrinterState decoded;
  AnsiString error;
  ASSERT_TRUE(DecodeState(EncodeState(original), decoded, error)) << error;
  EXPECT_EQ(decoded, original);
}

TEST(StateCodecTest, DamageIsRecognised) {
  const std::string good = EncodeState(EveryFieldSet());
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x20;
  std::string noChecksum = good.substr(0, good.rfind("checksum"));
  PrinterState wide = EveryFieldSet();
  wide.tape.push_back(AnsiString(41, 'x'));  // wider than its 40-column tape
  PrinterState oddWidth = EveryFieldSet();
  oddWidth.tapeWidth = 44;
  PrinterState negative = EveryFieldSet();
  negative.counters.coo = -1;

  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"empty", ""},
      {"cut in half", good.substr(0, good.size() / 2)},
      {"last byte gone", good.substr(0, good.size() - 1)},
      {"one byte altered", flipped},
      {"checksum line gone", noChecksum},
      {"not a state file", "hello\nworld\n"},
      {"tape line too wide", EncodeState(wide)},
      {"tape width not offered", EncodeState(oddWidth)},
      {"negative counter", EncodeState(negative)},
  };
  for (const Case& c : cases) {
    PrinterState decoded;
    AnsiString error;
    EXPECT_FALSE(DecodeState(c.text, decoded, error)) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
  }
}

class StateFileTest : public PrinterTest {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("mdx_emulator_state_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    file_ = (folder_ / "printer.state").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
  AnsiString file_;
};

TEST_F(StateFileTest, RestartedPrinterFindsItsStateAsItWas) {
  printer = CreateVirtualPrinter(Options(file_, kNarrowTape));
  EXPECT_EQ(warnings.size(), 1u);  // no file yet
  ASSERT_EQ(Send("13S"), ".+0000");
  ASSERT_EQ(Send("080LEFT OPEN"), ".+0000");
  ASSERT_EQ(Send("36S"), ".+0000");
  printer->SetClock(EncodeDate(2024, 1, 15) + EncodeTime(10, 30, 0, 0));
  const PrinterState before = printer->State();
  EXPECT_FALSE(platform::FileExists(file_ + ".tmp"));

  warnings.clear();
  printer = CreateVirtualPrinter(Options(file_, kWideTape));  // the file's width wins
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State(), before);
  const AnsiString status = Send("28");
  EXPECT_EQ(status.substr(9, 8), "E RELGER");
  EXPECT_EQ(status.substr(46, 11), "1501241030S");
  EXPECT_EQ(Send("12"), ".+0000");
  EXPECT_EQ(printer->State().tape.back(), AnsiString(40, '='));
}

TEST_F(StateFileTest, MissingFileGivesAFreshPrinterSavedAtItsFirstChange) {
  printer = CreateVirtualPrinter(Options(file_));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find(file_), AnsiString::npos);
  EXPECT_NE(warnings[0].find("not found"), AnsiString::npos);
  EXPECT_EQ(printer->State(), PrinterState());

  EXPECT_EQ(Send("23"), ".+0000");
  EXPECT_FALSE(platform::FileExists(file_));  // nothing changed yet
  EXPECT_EQ(Send("13S"), ".+0000");
  EXPECT_TRUE(platform::FileExists(file_));
}

TEST_F(StateFileTest, DamagedFileIsMovedAsideAndAFreshPrinterStarts) {
  const std::string damaged = EncodeState(EveryFieldSet()).substr(0, 100);
  platform::WriteFileAtomically(file_, damaged);

  printer = CreateVirtualPrinter(Options(file_));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("damaged"), AnsiString::npos);
  EXPECT_NE(warnings[0].find(file_ + ".damaged"), AnsiString::npos);
  EXPECT_EQ(printer->State(), PrinterState());
  EXPECT_EQ(platform::ReadFile(file_ + ".damaged"), damaged);
  EXPECT_EQ(Send("13S"), ".+0000");

  warnings.clear();
  printer = CreateVirtualPrinter(Options(file_));
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State().document, DocumentKind::kManagementReport);
}

TEST_F(StateFileTest, UnwritableFileIsReportedOnceAndThePrinterGoesOn) {
  const AnsiString file = (folder_ / "missing" / "printer.state").string();
  printer = CreateVirtualPrinter(Options(file));
  warnings.clear();
  EXPECT_EQ(Send("13S"), ".+0000");
  EXPECT_EQ(Send("080TEXT"), ".+0000");
  EXPECT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("cannot save"), AnsiString::npos);
  EXPECT_FALSE(printer->Save());
  EXPECT_EQ(printer->State().document, DocumentKind::kManagementReport);
}

TEST_F(StateFileTest, TapeWidthIsFortyOrFortyEight) {
  EXPECT_THROW(CreateVirtualPrinter(Options("", 44)), Exception);
  PrinterState state = printer->State();
  state.tapeWidth = 80;
  EXPECT_THROW(printer->SetState(state), Exception);
  EXPECT_EQ(printer->State().tapeWidth, kWideTape);
}

}  // namespace
}  // namespace mdx::emulator::test
