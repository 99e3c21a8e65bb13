// The entry points' work on a printer of the test's own: detection,
// captures, and the codes of the reproductions.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "emulator/virtual_printer.h"
#include "fiscalfiles/capture_table.h"
#include "fiscalfiles/operations.h"
#include "mdx00200/platform.h"
#include "sample_state.h"
#include "support/temp_folder.h"

namespace mdx::fiscalfiles::test {
namespace {

using emulator::FaultKind;

class FiscalFileEntriesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    printer = emulator::CreateVirtualPrinter({});
    printer->SetState(SampleState());
    CaptureTable::Instance().Clear();
  }

  // Captures `kind` and returns its text ("" when the capture failed).
  AnsiString Captured(int kind) {
    char buffer[512] = {};
    return TakeCapture(printer.get(), kind, buffer, sizeof buffer) == kOk ? buffer : "";
  }
  void NoAnswer() { printer->AddFault({FaultKind::kNoAnswer, "", emulator::kEveryTime}); }
  // The names in the folder, so a test sees leftovers (".tmp", work files).
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::unique_ptr<emulator::VirtualPrinter> printer;
  mdx::test::TemporaryFolder folder{"mdx_fiscalfiles"};
};

TEST_F(FiscalFileEntriesTest, DetectsAPrinterThatAnswersOnAnyKnownPort) {
  struct Case {
    int port;
    short found;
    int cell1;
    int cell2;
  } cases[] = {{0, 1, 1, 1}, {3, 1, 3, 1}, {13, 1, 13, 1}, {14, 0, 0, 0}, {-1, 0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port);
    int cell1 = -5, cell2 = -5;
    EXPECT_EQ(Detect(printer.get(), c.port, &cell1, &cell2), c.found);
    EXPECT_EQ(cell1, c.cell1);
    EXPECT_EQ(cell2, c.cell2);
  }
  EXPECT_EQ(Detect(printer.get(), 0, nullptr, nullptr), 1);
  EXPECT_EQ(Detect(nullptr, 0, nullptr, nullptr), 0);
  NoAnswer();
  EXPECT_EQ(Detect(printer.get(), 0, nullptr, nullptr), 0);
}

TEST_F(FiscalFileEntriesTest, CaptureWritesItsTextAndRefusesBadArguments) {
  EXPECT_EQ(Captured(1), "MDX-MFD CAPTURA 1 #1 SW0000001");
  EXPECT_EQ(Captured(2), "MDX-MFD CAPTURA 2 #2 SW0000001");

  char buffer[64] = "old";
  EXPECT_EQ(TakeCapture(printer.get(), 3, buffer, sizeof buffer), kSyntax);
  EXPECT_EQ(TakeCapture(printer.get(), 0, buffer, sizeof buffer), kSyntax);
  EXPECT_EQ(TakeCapture(printer.get(), 1, nullptr, 512), kSyntax);
  EXPECT_EQ(TakeCapture(printer.get(), 1, buffer, 0), kSyntax);
  // The text and its NUL need 31 bytes.
  EXPECT_EQ(TakeCapture(printer.get(), 1, buffer, 30), kBufferTooSmall);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(TakeCapture(printer.get(), 1, buffer, 31), kOk);
  EXPECT_STREQ(buffer, "MDX-MFD CAPTURA 1 #3 SW0000001");
  EXPECT_EQ(TakeCapture(nullptr, 1, buffer, sizeof buffer), kOffline);
  NoAnswer();
  EXPECT_EQ(TakeCapture(printer.get(), 1, buffer, sizeof buffer), kTimeout);
}

TEST_F(FiscalFileEntriesTest, ACaptureKeepsThePrinterAsItWasThen) {
  const AnsiString before = Captured(1);
  emulator::PrinterState later = SampleState();
  later.detail.resize(1);
  printer->SetState(later);
  const std::string file = folder.File("mirror.txt");
  EXPECT_EQ(ReproduceDetailTape(before.c_str(), file.c_str(), "000006", "000006"), kOk);
  EXPECT_EQ(ReproduceDetailTape(Captured(1).c_str(), file.c_str(), "000006", "000006"),
            kNoMovement);
}

TEST_F(FiscalFileEntriesTest, OnlyTheLatestCapturesAreKnown) {
  const AnsiString oldest = Captured(1);
  for (size_t k = 0; k < kCaptureLimit - 1; ++k) Captured(1);
  const std::string file = folder.File("mirror.txt");
  EXPECT_EQ(ReproduceDetailTape(oldest.c_str(), file.c_str(), "1", "6"), kOk);
  Captured(1);
  EXPECT_EQ(ReproduceDetailTape(oldest.c_str(), file.c_str(), "1", "6"), kSourceMissing);
}

TEST_F(FiscalFileEntriesTest, ReproductionCodes) {
  const AnsiString detail = Captured(1);
  const AnsiString memory = Captured(2);
  const std::string file = folder.File("out.txt");
  const std::string noFolder = folder.File("missing/out.txt");
  using Call =
      std::function<short(const char*, const char*, const char*, const char*, const char*)>;
  const Call mirror = [](const char* c1, const char*, const char* out, const char* a,
                         const char* b) { return ReproduceDetailTape(c1, out, a, b); };
  const Call cotepe = [](const char* c1, const char* c2, const char* out, const char* a,
                         const char* b) { return WriteElectronicFile(c2, c1, out, a, b, 4); };
  const Call reading = [](const char*, const char* c2, const char* out, const char* a,
                          const char* b) { return ReproduceMemoryReading(c2, out, a, b, 0); };
  const char* d = detail.c_str();
  const char* m = memory.c_str();
  const char* unknown = "MDX-MFD CAPTURA 1 #99 SW0000001";
  struct Case {
    const char* name;
    const Call& call;
    const char* capture1;
    const char* capture2;
    const char* output;
    const char* first;
    const char* last;
    short code;
    bool written;
  } cases[] = {
      {"mirror", mirror, d, m, file.c_str(), "1", "3", kOk, true},
      {"mirror by day", mirror, d, m, file.c_str(), "06/12/2026", "071226", kOk, true},
      {"mirror of no document", mirror, d, m, file.c_str(), "7", "9", kNoMovement, false},
      {"mirror, capture of kind 2", mirror, m, m, file.c_str(), "1", "3", kSourceMissing, false},
      {"mirror, unknown capture", mirror, unknown, m, file.c_str(), "1", "3", kSourceMissing,
       false},
      {"mirror, no capture", mirror, nullptr, m, file.c_str(), "1", "3", kSourceMissing, false},
      {"mirror, empty capture", mirror, "", m, file.c_str(), "1", "3", kSourceMissing, false},
      {"mirror, bad date", mirror, d, m, file.c_str(), "31/11/2026", "01/12/2026", kBadDate, false},
      {"mirror, bad range", mirror, d, m, file.c_str(), "3", "1", kBadRange, false},
      {"mirror, missing folder", mirror, d, m, noFolder.c_str(), "1", "3", kOutputFailed, false},
      {"mirror, no output", mirror, d, m, nullptr, "1", "3", kOutputFailed, false},
      {"cotepe", cotepe, d, m, file.c_str(), "06122026", "06122026", kOk, true},
      {"cotepe by COO", cotepe, d, m, file.c_str(), "     1", "     3", kOk, true},
      {"cotepe, day without movement", cotepe, d, m, file.c_str(), "08122026", "08122026",
       kNoMovement, false},
      {"cotepe, captures swapped", cotepe, m, d, file.c_str(), "1", "3", kSourceMissing, false},
      {"cotepe, no capture 2", cotepe, d, nullptr, file.c_str(), "1", "3", kSourceMissing, false},
      {"cotepe, bad date", cotepe, d, m, file.c_str(), "00122026", "06122026", kBadDate, false},
      {"cotepe, bad range", cotepe, d, m, file.c_str(), "06122026", "     3", kBadRange, false},
      {"cotepe, missing folder", cotepe, d, m, noFolder.c_str(), "1", "3", kOutputFailed, false},
      {"reading", reading, d, m, file.c_str(), "0001", "0002", kOk, true},
      {"reading by day", reading, d, m, file.c_str(), "061226", "06/12/2026", kOk, true},
      {"reading without reductions", reading, d, m, file.c_str(), "0003", "0004", kNoReductions,
       true},
      {"reading, capture of kind 1", reading, d, d, file.c_str(), "1", "2", kSourceMissing, false},
      {"reading, bad date", reading, d, m, file.c_str(), "311326", "01/12/2026", kBadDate, false},
      {"reading, bad range", reading, d, m, file.c_str(), "0000", "0002", kBadRange, false},
      {"reading, missing folder", reading, d, m, noFolder.c_str(), "1", "2", kOutputFailed, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(file);
    EXPECT_EQ(c.call(c.capture1, c.capture2, c.output, c.first, c.last), c.code);
    EXPECT_EQ(platform::FileExists(file), c.written);
    EXPECT_FALSE(platform::FileExists(file + ".tmp"));
  }
}

TEST_F(FiscalFileEntriesTest, UnknownFormatOrModeIsASyntaxError) {
  const AnsiString detail = Captured(1);
  const AnsiString memory = Captured(2);
  const std::string file = folder.File("out.txt");
  EXPECT_EQ(WriteElectronicFile(memory.c_str(), detail.c_str(), file.c_str(), "1", "3", 3),
            kSyntax);
  EXPECT_EQ(ReproduceMemoryReading(memory.c_str(), file.c_str(), "1", "2", 2), kSyntax);
  EXPECT_EQ(ReproduceMemoryReading(memory.c_str(), file.c_str(), "1", "2", 1), kOk);
  EXPECT_NE(platform::ReadFile(file).find("LEITURA DA MEMORIA FISCAL COMPLETA\r\n"),
            std::string::npos);
}

TEST_F(FiscalFileEntriesTest, ElectronicFileNeedsBothCapturesOfOnePrinter) {
  const AnsiString detail = Captured(1);
  emulator::PrinterState other = SampleState();
  other.serialNumber = "SW0000002";
  printer->SetState(other);
  const AnsiString memory = Captured(2);
  const std::string file = folder.File("out.txt");
  EXPECT_EQ(WriteElectronicFile(memory.c_str(), detail.c_str(), file.c_str(), "1", "3", 4),
            kSourceMissing);
}

TEST_F(FiscalFileEntriesTest, AFailedWriteLeavesNothingBehind) {
  const AnsiString detail = Captured(1);
  const std::string folderAsFile = folder.File("taken");
  std::filesystem::create_directory(folderAsFile);
  EXPECT_EQ(ReproduceDetailTape(detail.c_str(), folderAsFile.c_str(), "1", "3"), kOutputFailed);
  EXPECT_TRUE(platform::DirectoryExists(folderAsFile));
  EXPECT_EQ(Entries(), std::vector<std::string>{"taken"});
}

TEST_F(FiscalFileEntriesTest, MemoryConversionWritesTheFileAndRemovesTheWorkFile) {
  const std::string output = folder.File("MF.txt");
  const std::string work = folder.File("MF.bin");
  EXPECT_EQ(
      ConvertMemory(printer.get(), "2", "06/12/2026", "07/12/2026", output.c_str(), work.c_str()),
      kOk);
  EXPECT_EQ(Entries(), std::vector<std::string>{"MF.txt"});
  const std::vector<AnsiString> lines = SplitLines(platform::ReadFile(output));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Field(lines[0], 1, 23), AnsiString("E01") + kFabrication);
  EXPECT_EQ(Field(lines[2], 24, 4), "0002");

  EXPECT_EQ(ConvertMemory(printer.get(), "2", "0003", "0009", output.c_str(), work.c_str()),
            kNoReductions);
  EXPECT_EQ(SplitLines(platform::ReadFile(output)).size(), 1u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"MF.txt"});
}

TEST_F(FiscalFileEntriesTest, MemoryConversionCodes) {
  const std::string output = folder.File("MF.txt");
  const std::string work = folder.File("MF.bin");
  const std::string noFolder = folder.File("missing/x");
  struct Case {
    const char* name;
    const char* kind;
    const char* first;
    const char* last;
    const char* output;
    const char* work;
    int code;
  } cases[] = {
      {"kind 1", "1", "1", "2", output.c_str(), work.c_str(), kSyntax},
      {"no kind", nullptr, "1", "2", output.c_str(), work.c_str(), kSyntax},
      {"bad date", "2", "30022026", "01032026", output.c_str(), work.c_str(), kBadDate},
      {"bad range", "2", "2", "1", output.c_str(), work.c_str(), kBadRange},
      {"work file cannot be written", "2", "1", "2", output.c_str(), noFolder.c_str(),
       kSourceMissing},
      {"no work file", "2", "1", "2", output.c_str(), nullptr, kSourceMissing},
      {"output cannot be written", "2", "1", "2", noFolder.c_str(), work.c_str(), kOutputFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ConvertMemory(printer.get(), c.kind, c.first, c.last, c.output, c.work), c.code);
    EXPECT_TRUE(Entries().empty());
  }
  EXPECT_EQ(ConvertMemory(nullptr, "2", "1", "2", output.c_str(), work.c_str()), kOffline);
  NoAnswer();
  EXPECT_EQ(ConvertMemory(printer.get(), "2", "1", "2", output.c_str(), work.c_str()), kTimeout);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(FiscalFileEntriesTest, ConfigurationAndPrinterChecks) {
  EXPECT_EQ(CheckConfiguration(printer.get()), kOk);
  EXPECT_EQ(CheckConfiguration(nullptr), kOffline);
  EXPECT_EQ(CheckPrinter(printer.get()), kOk);
  EXPECT_EQ(CheckPrinter(nullptr), kOffline);
  NoAnswer();
  EXPECT_EQ(CheckConfiguration(printer.get()), kOk);  // sends nothing
  EXPECT_EQ(CheckPrinter(printer.get()), kTimeout);
}

}  // namespace
}  // namespace mdx::fiscalfiles::test
