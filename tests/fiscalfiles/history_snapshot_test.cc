// A capture of a printer that keeps its history on disk: the files written
// from its recent state and its journal's index are those written from its
// whole state.
#include <gtest/gtest.h>

#include <filesystem>

#include "emulator/virtual_printer.h"
#include "fiscalfiles/detail_mirror.h"
#include "fiscalfiles/documents.h"
#include "fiscalfiles/electronic_file.h"
#include "fiscalfiles/fixed_fields.h"
#include "support/temp_folder.h"

namespace mdx::fiscalfiles::test {
namespace {

namespace fs = std::filesystem;

TDateTime clockNow = 0;
TDateTime Clock() { return clockNow; }

AnsiString Send(emulator::VirtualPrinter& printer, const AnsiString& body) {
  return printer.Exchange("\x1b." + body + "}").value_or("");
}

TEST(HistorySnapshotTest, FilesFromTheJournalMatchThoseFromTheWholeState) {
  const fs::path folder = mdx::test::MakeTemporaryFolder("mdx_fiscalfiles_history");
  fs::remove_all(folder);
  fs::create_directories(folder);
  emulator::PrinterOptions options;
  options.stateFile = (folder / "printer.state").string();
  options.systemClock = Clock;
  options.warn = [](const AnsiString&) {};
  auto printer = emulator::CreateVirtualPrinter(options);
  // Three days of two sales, the first of each day cancelled afterwards, and a Z.
  for (int day = 7; day <= 9; ++day) {
    clockNow = EncodeDate(2026, 12, day) + 0.5;
    for (int sale = 0; sale < 2; ++sale) {
      ASSERT_EQ(Send(*printer, "17"), ".+0000");
      // Code, quantity 1,000, unit price and total 10,00, description, rate.
      ASSERT_EQ(Send(*printer, "01" + AnsiString(12, '0') + "1" + "0001000" + "000001000" +
                                   "000000001000" + "ITEM" + AnsiString(20, ' ') + "T01"),
                ".+0000");
      ASSERT_EQ(Send(*printer, "1001000000001000"), ".+0000");
      ASSERT_EQ(Send(*printer, "12N"), ".+0000");
      if (sale == 0) {
        ASSERT_EQ(Send(*printer, "05"), ".+0000");
      }
    }
    ASSERT_EQ(Send(*printer, "14N" + AnsiString(day < 10 ? "0" : "") + std::to_string(day) + "1226"),
              ".+0000");
  }
  const Snapshot whole = TakeSnapshot(printer->State(), 1);
  const Snapshot recent = TakeSnapshot(printer->RecentState(), 1, printer->HistoryIndex());
  ASSERT_GT(recent.history.DetailCount(), 0);
  ASSERT_LT(recent.state.detail.size(), whole.state.detail.size());

  const int day8 = DayNumber(EncodeDate(2026, 12, 8));
  const Range ranges[] = {{RangeKind::kCounter, 1, 999999}, {RangeKind::kCounter, 4, 9},
                          {RangeKind::kDay, day8, day8}, {RangeKind::kDay, day8 + 1, day8 + 5}};
  for (const Range& range : ranges) {
    EXPECT_EQ(DocumentsInRange(recent, range), DocumentsInRange(whole, range)) << range.first;
    EXPECT_EQ(MirrorText(recent, range), MirrorText(whole, range)) << range.first;
    // The cancellations' amounts come from coupons read back from disk.
    EXPECT_EQ(ElectronicFileText(recent, recent, range), ElectronicFileText(whole, whole, range))
        << range.first;
  }
  printer.reset();
  fs::remove_all(folder);
}

}  // namespace
}  // namespace mdx::fiscalfiles::test
