// The virtual printer's state file cut short, garbled, empty or replaced by a
// folder: the printer starts fresh with a warning that names the file, keeps
// the damaged bytes aside and answers commands, on a printer made directly
// and on the one behind the serial library as a till restarts it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "emulator/virtual_printer.h"
#include "faults/hang_guard.h"
#include "faults/till_fixture.h"
#include "support/temp_folder.h"

namespace mdx::test {
namespace {

using emulator::PrinterState;

// A small state file as a till leaves it: a report open with a line on it.
std::string SmallValidFile(const AnsiString& path) {
  emulator::PrinterOptions options;
  options.stateFile = path;
  options.warn = [](const AnsiString&) {};
  auto printer = emulator::CreateVirtualPrinter(options);
  EXPECT_EQ(printer->Exchange("\x1b.13S}").value_or(""), ".+0000");
  EXPECT_EQ(printer->Exchange("\x1b.080UMA LINHA}").value_or(""), ".+0000");
  printer.reset();
  return platform::ReadFile(path);
}

// The ways a file gets damaged, each a name and the bytes left on disk.
// Cut at every `cutStep`-th length, one byte flipped at every `flipStep`-th.
std::vector<std::pair<std::string, std::string>> Damages(const std::string& good, size_t cutStep,
                                                         size_t flipStep) {
  std::vector<std::pair<std::string, std::string>> damages;
  for (size_t length = 0; length < good.size(); length += cutStep) {
    damages.push_back({"cut to " + std::to_string(length) + " bytes", good.substr(0, length)});
  }
  for (size_t at = 0; at < good.size(); at += flipStep) {
    std::string flipped = good;
    flipped[at] = static_cast<char>(flipped[at] ^ 0x01);
    damages.push_back({"byte " + std::to_string(at) + " flipped", flipped});
  }
  std::mt19937 random(20261210);
  for (size_t size : {1u, 17u, 300u, 5000u}) {
    std::string noise(size, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    damages.push_back({std::to_string(size) + " random bytes", noise});
  }
  std::string header = good.substr(0, good.find('\n') + 1);
  damages.push_back({"only the first line", header});
  damages.push_back({"the file twice", good + good});
  return damages;
}

// Writes a test file without waiting for the disk: thousands are written.
void WriteQuickly(const AnsiString& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

class StateFileDamageTest : public TillTest {
 protected:
  void SetUp() override {
    TillTest::SetUp();
    good_ = SmallValidFile(folder_.File("sample.state"));
    ASSERT_GT(good_.size(), 100u);
  }
  // The checks shared by both ways in: a warning naming the file and the
  // place its bytes went, the bytes there, a fresh printer.
  void ExpectFreshStart(const std::string& said, const AnsiString& file, const std::string& bytes,
                        const PrinterState& state) {
    EXPECT_NE(said.find("'" + file + "' is damaged"), std::string::npos) << said;
    EXPECT_NE(said.find("starting a fresh printer"), std::string::npos) << said;
    EXPECT_NE(said.find(file + ".damaged"), std::string::npos) << said;
    EXPECT_EQ(platform::ReadFile(file + ".damaged"), bytes);
    EXPECT_FALSE(platform::FileExists(file));
    EXPECT_EQ(state, PrinterState());
  }

  TemporaryFolder folder_{"mdx_faults_state"};
  std::string good_;
};

TEST_F(StateFileDamageTest, DirectlyMadePrinterStartsFreshOnEveryDamage) {
  HangGuard guard("damaged state files, direct");
  const AnsiString file = folder_.File("printer.state");
  size_t tried = 0;
  for (const auto& [what, bytes] : Damages(good_, 1, 7)) {
    SCOPED_TRACE(what);
    platform::RemoveFile(file + ".damaged");
    WriteQuickly(file, bytes);
    std::vector<AnsiString> warnings;
    emulator::PrinterOptions options;
    options.stateFile = file;
    options.warn = [&warnings](const AnsiString& text) { warnings.push_back(text); };
    auto printer = emulator::CreateVirtualPrinter(options);
    ASSERT_EQ(warnings.size(), 1u);
    ExpectFreshStart(warnings[0], file, bytes, printer->State());
    EXPECT_EQ(printer->Exchange("\x1b.23}").value_or(""), ".+0000");
    // The fresh printer's first change is saved, and loads again (tried on
    // a sample: each save goes to the disk).
    if (tried++ % 50 == 0) {
      EXPECT_EQ(printer->Exchange("\x1b.13S}").value_or(""), ".+0000");
      printer.reset();
      warnings.clear();
      printer = emulator::CreateVirtualPrinter(options);
      EXPECT_TRUE(warnings.empty()) << warnings.front();
    }
  }
  std::printf("%zu damaged files of a %zu-byte state\n", tried, good_.size());
}

TEST_F(StateFileDamageTest, PrinterBehindTheSerialLibraryStartsFreshOnDamage) {
  HangGuard guard("damaged state files, serial library");
  for (const auto& [what, bytes] : Damages(good_, 61, 61)) {
    SCOPED_TRACE(what);
    platform::RemoveFile(stateFile_ + ".damaged");
    platform::WriteFileAtomically(stateFile_, bytes);
    const std::string said = Restart();
    ExpectFreshStart(said, stateFile_, bytes, Printer().State());
    // The till's own calls reach the fresh printer.
    ForgetFrames();
    EXPECT_TRUE(OpenSession());
    EXPECT_TRUE(OpenCouponCall());
  }
}

TEST_F(StateFileDamageTest, FolderInPlaceOfTheFileIsMovedAsideAndThePrinterSavesAgain) {
  HangGuard guard("folder as state file");
  platform::RemoveFile(stateFile_);
  ASSERT_TRUE(platform::ForceDirectories(stateFile_ + "/inside"));
  const std::string said = Restart();
  EXPECT_NE(said.find("'" + stateFile_ + "' is damaged (not a file)"), std::string::npos) << said;
  EXPECT_NE(said.find("moved to '" + stateFile_ + ".damaged'"), std::string::npos) << said;
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(stateFile_ + ".damaged/inside")));
  EXPECT_EQ(Printer().State(), PrinterState());
  // The fresh printer keeps its state in the file again.
  EXPECT_TRUE(OpenSession());
  EXPECT_TRUE(OpenCouponCall());
  EXPECT_EQ(Restart(), "");
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kFiscalCoupon);

  // A folder that cannot be moved aside (the name is taken) is reported, and
  // the printer goes on in memory.
  ASSERT_TRUE(platform::RemoveFile(stateFile_));
  ASSERT_TRUE(platform::ForceDirectories(stateFile_));
  const std::string stuck = Restart();
  EXPECT_NE(stuck.find("could not be moved aside"), std::string::npos) << stuck;
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(OpenSession());
  EXPECT_TRUE(OpenCouponCall());
  const std::string saving = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(saving.find("cannot save"), std::string::npos) << saving;
  EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kFiscalCoupon);
}

}  // namespace
}  // namespace mdx::test
