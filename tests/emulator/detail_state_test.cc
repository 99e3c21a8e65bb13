// The detail-tape memory in the state file: a document open across a
// restart, files written before the printer kept it, and the records that
// SetState refuses.
#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <filesystem>
#include <functional>
#include <limits>

#include "emulator/state_codec.h"
#include "emulator/state_lines.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"
#include "printer_fixture.h"
#include "sale_frames.h"

namespace mdx::emulator::test {
namespace {

class DetailStateTest : public PrinterTest {
 protected:
  void SetUp() override {
    folder_ = mdx::test::MakeTemporaryFolder("mdx_emulator_detail");
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    file_ = (folder_ / "printer.state").string();
    printer = CreateVirtualPrinter(Options(file_));
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void Restart() { printer = CreateVirtualPrinter(Options(file_)); }

  std::filesystem::path folder_;
  AnsiString file_;
};

TEST_F(DetailStateTest, CouponOpenAcrossARestartEndsWithAllItsLines) {
  ASSERT_EQ(Send("13S"), ".+0000");
  ASSERT_EQ(Send("12"), ".+0000");
  const size_t start = printer->State().tape.size();
  const TDateTime opened = printer->ClockNow();
  ASSERT_EQ(Send("17"), ".+0000");
  ASSERT_EQ(Send(ItemFrame("1", 1000, 1000, 1000, "BEFORE")), ".+0000");

  Restart();
  systemNow += EncodeTime(0, 10, 0, 0);
  ASSERT_EQ(Send(ItemFrame("2", 1000, 500, 500, "AFTER")), ".+0000");
  Restart();
  ASSERT_EQ(Send(PaymentFrame(1, 1500)), ".+0000");
  ASSERT_EQ(Send("12N"), ".+0000");

  Restart();
  const PrinterState state = printer->State();
  ASSERT_EQ(state.detail.size(), 2u);
  const DetailDocument& coupon = state.detail[1];
  EXPECT_EQ(coupon.kind, DetailKind::kFiscalCoupon);
  EXPECT_EQ(coupon.coo, 2);
  EXPECT_EQ(coupon.counter, 1);
  EXPECT_EQ(coupon.issued, opened);
  EXPECT_EQ(coupon.lines, TapeFrom(start));
  ASSERT_EQ(coupon.coupon.items.size(), 2u);
  EXPECT_EQ(coupon.coupon.items[0].description, "BEFORE");
  EXPECT_EQ(coupon.coupon.items[1].description, "AFTER");
  EXPECT_EQ(coupon.coupon.payments, (std::vector<Payment>{{1, 1500}}));
  EXPECT_EQ(state.detailTapeStart, -1);
}

// A file of state 6 (no detail memory) loads with an empty one; its open
// coupon closes without a record, and the next document has one.
TEST_F(DetailStateTest, SixthVersionFileLoadsWithAnEmptyDetailMemory) {
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N"), ".+0000");
  OpenPaidCoupon();
  PrinterState expected = printer->State();
  ASSERT_EQ(expected.detail.size(), 2u);
  expected.detail.clear();
  expected.detailTapeStart = -1;

  std::string text = EncodeState(printer->State());
  const size_t detailAt = text.find("\ndetail_tape_start ");
  const size_t tapeAt = text.find("\ntape ");
  ASSERT_NE(detailAt, std::string::npos);
  ASSERT_NE(tapeAt, std::string::npos);
  std::string body = text.substr(0, detailAt) + text.substr(tapeAt, text.rfind("checksum") - tapeAt);
  const std::string header = "MDX virtual printer state 8";
  ASSERT_EQ(body.substr(0, header.size()), header);
  body.replace(header.size() - 1, 1, "6");
  platform::WriteFileAtomically(file_, body + "checksum " + Hex8(Crc32(body)) + "\n");

  warnings.clear();
  Restart();
  ASSERT_EQ(warnings.size(), 1u);  // the note of its conversion
  EXPECT_EQ(printer->State(), expected);
  ASSERT_EQ(Send("12N"), ".+0000");
  EXPECT_TRUE(printer->State().detail.empty());
  ASSERT_EQ(Send("13N"), ".+0000");
  ASSERT_EQ(printer->State().detail.size(), 1u);
  EXPECT_EQ(printer->State().detail[0].kind, DetailKind::kXReading);
  EXPECT_EQ(platform::ReadFile(file_).substr(0, 28), "MDX virtual printer state 8\n");
}

TEST_F(DetailStateTest, SetStateRefusesARecordThePrinterCannotHold) {
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N"), ".+0000");
  const PrinterState before = printer->State();
  ASSERT_EQ(before.detail.size(), 1u);
  const CouponItem item{"1", "X", "T01", 0, 1000, 1, 1, 0, 0};
  using Change = std::function<void(PrinterState&)>;
  const struct {
    const char* what;
    Change change;
  } refused[] = {
      {"COO 0", [](PrinterState& s) { s.detail[0].coo = 0; }},
      {"COO past 6 digits", [](PrinterState& s) { s.detail[0].coo = 1000000; }},
      {"kind past the last", [](PrinterState& s) { s.detail[0].kind = static_cast<DetailKind>(9); }},
      {"kind below the first",
       [](PrinterState& s) { s.detail[0].kind = static_cast<DetailKind>(-1); }},
      {"time before 1899", [](PrinterState& s) { s.detail[0].issued = -1; }},
      {"time past 9999", [](PrinterState& s) { s.detail[0].issued = EncodeDate(9999, 12, 31) + 1; }},
      {"time not a whole millisecond",
       [](PrinterState& s) { s.detail[0].issued += 0.5 / 86400000; }},
      {"time not a number",
       [](PrinterState& s) { s.detail[0].issued = std::numeric_limits<double>::quiet_NaN(); }},
      {"negative counter", [](PrinterState& s) { s.detail[0].counter = -1; }},
      {"counter past 6 digits", [](PrinterState& s) { s.detail[0].counter = 1000000; }},
      {"negative cancelled COO", [](PrinterState& s) { s.detail[0].cancelledCoo = -1; }},
      {"items past 999",
       [&item](PrinterState& s) { s.detail[0].coupon.items.assign(1000, item); }},
      {"payments past 99",
       [](PrinterState& s) { s.detail[0].coupon.payments.assign(100, Payment{1, 1}); }},
      {"an item's bucket", [](PrinterState& s) { s.detail[0].coupon.items[0].bucket = 18; }},
      {"receipt entries past 99",
       [](PrinterState& s) { s.detail[0].receipt.entries.assign(100, ReceiptEntry{1, 1}); }},
      {"receipt payment method",
       [](PrinterState& s) { s.detail[0].receipt.payments = {{21, 100}}; }},
      {"line wider than the tape",
       [](PrinterState& s) { s.detail[0].lines.push_back(AnsiString(49, 'x')); }},
      {"line with ESC", [](PrinterState& s) { s.detail[0].lines[1] += "\x1b"; }},
      {"line with DEL", [](PrinterState& s) { s.detail[0].lines.push_back("\x7f"); }},
      {"narrower tape than the lines", [](PrinterState& s) { s.tapeWidth = kNarrowTape; }},
      {"tape start past the tape",
       [](PrinterState& s) { s.detailTapeStart = static_cast<int64_t>(s.tape.size()) + 1; }},
      {"tape start below -1", [](PrinterState& s) { s.detailTapeStart = -2; }},
      {"tape start with no record",
       [](PrinterState& s) {
         s.detail.clear();
         s.detailTapeStart = 0;
       }},
  };
  for (const auto& c : refused) {
    PrinterState state = before;
    c.change(state);
    EXPECT_THROW(printer->SetState(state), Exception) << c.what;
  }
  EXPECT_EQ(printer->State(), before);

  const struct {
    const char* what;
    Change change;
  } accepted[] = {
      {"COO 999999", [](PrinterState& s) { s.detail[0].coo = 999999; }},
      {"the last kind",
       [](PrinterState& s) { s.detail[0].kind = DetailKind::kMemoryReading; }},
      {"time 0", [](PrinterState& s) { s.detail[0].issued = 0; }},
      {"last millisecond of 9999",
       [](PrinterState& s) {
         s.detail[0].issued = MillisecondsToDateTime(
             DateTimeToMilliseconds(EncodeDate(9999, 12, 31) + 1) - 1);
       }},
      {"counter 999999", [](PrinterState& s) { s.detail[0].counter = 999999; }},
      {"line as wide as the tape",
       [](PrinterState& s) { s.detail[0].lines.push_back(AnsiString(48, 'x')); }},
      {"1252 letters", [](PrinterState& s) { s.detail[0].lines.push_back("\xc7\xe3o \xe9"); }},
      {"tape start at the tape's end",
       [](PrinterState& s) { s.detailTapeStart = static_cast<int64_t>(s.tape.size()); }},
      {"no records", [](PrinterState& s) { s.detail.clear(); }},
  };
  for (const auto& c : accepted) {
    PrinterState state = before;
    c.change(state);
    EXPECT_NO_THROW(printer->SetState(state)) << c.what;
    Restart();  // what SetState took, the file keeps
    EXPECT_EQ(printer->State(), state) << c.what;
  }
}

}  // namespace
}  // namespace mdx::emulator::test
