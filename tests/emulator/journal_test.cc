// The journal beside the state file: the reader's verdict on damaged bytes,
// and what a printer does at its next start with a command cut short, a
// damaged record, and a history read back in ranges.
#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <cstdio>
#include <filesystem>

#include "emulator/journal_format.h"
#include "emulator/journal_reader.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"
#include "printer_fixture.h"

namespace mdx::emulator::test {
namespace {

namespace fs = std::filesystem;

class JournalTest : public PrinterTest {
 protected:
  void SetUp() override {
    folder_ = mdx::test::MakeTemporaryFolder("mdx_emulator_journal");
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    file_ = (folder_ / "printer.state").string();
    printer = CreateVirtualPrinter(Options(file_));
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Restart() {
    warnings.clear();
    printer = CreateVirtualPrinter(Options(file_));
  }
  // A day's worth of documents: sales, an X reading, a Z.
  void Documents(int sales) {
    for (int k = 0; k < sales; ++k) {
      OpenPaidCoupon();
      ASSERT_EQ(Send("12N"), ".+0000");
    }
    ASSERT_EQ(Send("13N"), ".+0000");
  }
  AnsiString Journal() const {
    for (const auto& entry : fs::directory_iterator(folder_)) {
      const AnsiString name = entry.path().filename().string();
      if (name.rfind("printer.state.journal.", 0) == 0 && name.find(".damaged") == AnsiString::npos)
        return entry.path().string();
    }
    return "";
  }

  fs::path folder_;
  AnsiString file_;
};

struct Verdict {
  std::vector<std::string> payloads;
  int64_t damagedBytes = 0;
  std::vector<AnsiString> reasons;
};

Verdict Read(const std::string& bytes, const fs::path& folder) {
  const AnsiString path = (folder / "read.journal").string();
  platform::WriteFileAtomically(path, bytes);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  Verdict v;
  JournalReader reader(file, 0, static_cast<int64_t>(bytes.size()),
                       [&v](int64_t, int64_t count, const AnsiString& why) {
                         v.damagedBytes += count;
                         v.reasons.push_back(why);
                       });
  JournalEntry entry;
  while (reader.Next(entry)) v.payloads.push_back(entry.payload);
  std::fclose(file);
  return v;
}

TEST_F(JournalTest, ReaderKeepsIntactRecordsAndReportsEachDamage) {
  const std::string one = JournalRecord(JournalType::kTape, "tape_from 0\n|A\n");
  const std::string two = JournalRecord(JournalType::kZ, "z_record 1 ...\n");
  const std::string three = JournalRecord(JournalType::kDetail, "");
  const std::string good = one + two + three;
  std::string flipped = good;
  flipped[one.size() + kJournalHeaderSize + 3] ^= 0x20;  // in the second payload
  std::string longer = good;
  longer[one.size() + 6] = 0x7F;  // the second record's length runs past the end
  std::string untyped = good;
  untyped[one.size() + 8] = 0;  // type 0: zeroed space, no record

  struct Case {
    const char* name;
    std::string bytes;
    size_t records;
    int64_t damaged;
    const char* reason;
  };
  const int64_t rest = static_cast<int64_t>(two.size() + three.size());
  const Case cases[] = {
      {"intact", good, 3, 0, ""},
      {"checksum mismatch: that record alone", flipped, 2, static_cast<int64_t>(two.size()),
       "checksum"},
      {"length past the end: the rest", longer, 1, rest, "length"},
      {"unknown type: the rest", untyped, 1, rest, "unknown type"},
      {"header cut short", good + std::string(4, '\x01'), 3, 4, "cut short"},
      {"payload cut short", good + one.substr(0, one.size() - 2), 3,
       static_cast<int64_t>(one.size()) - 2, "length"},
  };
  for (const Case& c : cases) {
    const Verdict v = Read(c.bytes, folder_);
    EXPECT_EQ(v.payloads.size(), c.records) << c.name;
    EXPECT_EQ(v.damagedBytes, c.damaged) << c.name;
    if (c.damaged > 0) {
      ASSERT_EQ(v.reasons.size(), 1u) << c.name;
      EXPECT_NE(v.reasons[0].find(c.reason), AnsiString::npos) << c.name << ": " << v.reasons[0];
    }
  }
  EXPECT_EQ(Read(good, folder_).payloads[0], "tape_from 0\n|A\n");
}

TEST_F(JournalTest, HistoryStaysOnDiskAndComesBackWhole) {
  Documents(3);
  const PrinterState whole = printer->State();
  const PrinterState recent = printer->RecentState();
  // In memory: no line before the open document (none open), the last record.
  EXPECT_TRUE(recent.tape.empty());
  EXPECT_EQ(recent.tapeBase, static_cast<int64_t>(whole.tape.size()));
  ASSERT_EQ(recent.detail.size(), 1u);
  EXPECT_EQ(recent.detail[0], whole.detail.back());
  EXPECT_EQ(recent.detailBase + 1, static_cast<int64_t>(whole.detail.size()));

  // The readers give any range, from the journal or from memory.
  const std::vector<AnsiString> middle = printer->TapeLines(5, 30);
  EXPECT_EQ(middle, std::vector<AnsiString>(whole.tape.begin() + 5, whole.tape.begin() + 30));
  EXPECT_EQ(printer->TapeLines(0, 1'000'000), whole.tape);
  EXPECT_EQ(printer->DetailRecords(1, 4), DetailMemory(whole.detail.begin() + 1, whole.detail.end()));

  Restart();
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State(), whole);
  EXPECT_EQ(printer->RecentState(), recent);

  // The state file stays small: more documents change its size by little.
  const auto small = fs::file_size(file_);
  Documents(6);
  EXPECT_LT(fs::file_size(file_), small + 200);
}

TEST_F(JournalTest, CommandCutShortIsDroppedWithOneWarning) {
  Documents(2);
  const PrinterState answered = printer->State();
  const AnsiString journal = Journal();
  ASSERT_FALSE(journal.empty());
  const auto length = fs::file_size(journal);
  // What a printer stopped in the middle of its next command leaves: records
  // appended, the last one torn, the state file not yet replaced.
  std::string tail = JournalRecord(JournalType::kTape, "tape_from 999\n|X\n");
  tail += JournalRecord(JournalType::kZ, "z_record 9 9 20261206 1 1 1 0 0 0\n").substr(0, 12);
  {
    std::FILE* file = std::fopen(journal.c_str(), "ab");
    std::fwrite(tail.data(), 1, tail.size(), file);
    std::fclose(file);
  }
  Restart();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("dropped"), AnsiString::npos) << warnings[0];
  EXPECT_EQ(printer->State(), answered);

  // The next command continues where the answered ones ended.
  OpenPaidCoupon();
  ASSERT_EQ(Send("12N"), ".+0000");
  const PrinterState after = printer->State();
  Restart();
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State(), after);
  EXPECT_GT(fs::file_size(journal), length);
}

TEST_F(JournalTest, DamagedRecordIsReportedSetAsideAndThePrinterGoesOn) {
  Documents(2);
  const PrinterState before = printer->State();
  const AnsiString journal = Journal();
  std::string bytes = platform::ReadFile(journal);
  const size_t at = bytes.find("|CCF:");
  ASSERT_NE(at, std::string::npos);
  bytes[at + 1] = 'X';
  {
    std::FILE* file = std::fopen(journal.c_str(), "r+b");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  Restart();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("damaged"), AnsiString::npos) << warnings[0];
  EXPECT_NE(warnings[0].find("checksum"), AnsiString::npos) << warnings[0];
  EXPECT_TRUE(fs::exists(journal + ".damaged"));
  EXPECT_EQ(platform::ReadFile(journal + ".damaged"), bytes);

  // Counters, totals and the fiscal memory are whole; the damaged stretch of
  // the tape is missing from what the journal gives back.
  const PrinterState after = printer->State();
  EXPECT_EQ(after.counters, before.counters);
  EXPECT_EQ(after.grandTotal, before.grandTotal);
  EXPECT_EQ(after.fiscalMemory, before.fiscalMemory);
  EXPECT_LT(after.tape.size(), before.tape.size());
  OpenPaidCoupon();
  EXPECT_EQ(Send("12N"), ".+0000");
}

TEST_F(JournalTest, DamagedStateFileLeavesItsJournalAlone) {
  Documents(1);
  const AnsiString old = Journal();
  const std::string journal = platform::ReadFile(old);
  platform::WriteFileAtomically(file_, "MDX virtual printer state 8\ngarbage\n");
  Restart();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("damaged"), AnsiString::npos) << warnings[0];
  ASSERT_EQ(Send("13N"), ".+0000");  // the fresh printer's first change
  EXPECT_EQ(platform::ReadFile(old), journal);
  EXPECT_TRUE(fs::exists(folder_ / "printer.state.journal.2"));
  Restart();
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State().counters.coo, 1);
}

TEST_F(JournalTest, PrinterOutdatedByAnotherOnTheSameFileSavesNoMore) {
  Documents(1);
  warnings.clear();
  auto other = CreateVirtualPrinter(Options(file_));
  ASSERT_EQ(other->Exchange("\x1b.13N}"), ".+0000");
  const PrinterState written = other->State();
  ASSERT_EQ(Send("13N"), ".+0000");  // the outdated printer answers from memory
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("changed by another printer"), AnsiString::npos) << warnings[0];
  EXPECT_FALSE(printer->Save());
  other.reset();
  Restart();
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State(), written);
}

TEST_F(JournalTest, SetStateWritesANewJournalAndRemovesTheOld) {
  Documents(1);
  const AnsiString old = Journal();
  PrinterState s = printer->State();
  s.tape.push_back("PLANTED");
  printer->SetState(s);
  EXPECT_FALSE(fs::exists(old));
  Restart();
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(printer->State(), s);
  // Only a whole state replaces a printer's: a recent one would lose history.
  EXPECT_THROW(printer->SetState(printer->RecentState()), Exception);
}

}  // namespace
}  // namespace mdx::emulator::test
