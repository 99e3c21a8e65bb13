// The printer's state file through the library: found again after a restart,
// and a damaged one replaced by a fresh printer.
#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <filesystem>

#include "mdx00200/platform.h"
#include "serial_fixture.h"

namespace mdx::serial::test {
namespace {

class SerialStateTest : public SerialTest {
 protected:
  void SetUp() override {
    folder_ = mdx::test::MakeTemporaryFolder("mdx_serial_state");
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    file_ = (folder_ / "printer.state").string();
    SerialTest::SetUp();
  }
  void TearDown() override {
    SerialTest::TearDown();
    std::filesystem::remove_all(folder_);
  }
  // Restarts on the state file, returning what the printer said on stderr.
  std::string RestartOnStateFile() {
    SetSetting("MDX_PRINTER_STATE", file_);
    ::testing::internal::CaptureStderr();
    Restart();
    return ::testing::internal::GetCapturedStderr();
  }

  std::filesystem::path folder_;
  AnsiString file_;
};

TEST_F(SerialStateTest, RestartFindsTheStateAsItWas) {
  SetSetting("MDX_PRINTER_COLUMNS", "40");
  EXPECT_NE(RestartOnStateFile().find("not found"), std::string::npos);
  ASSERT_EQ(Send("36S"), ".+0000");
  ASSERT_EQ(Send("13S"), ".+0000");
  ASSERT_EQ(Send("080LEFT OPEN BY THE TILL"), ".+0000");
  const emulator::PrinterState before = printer->State();

  EXPECT_EQ(RestartOnStateFile(), "");
  EXPECT_EQ(printer->State(), before);
  const AnsiString status = Send("28");
  EXPECT_EQ(status.substr(9, 8), "E RELGER");
  EXPECT_EQ(status.substr(56, 1), "S");
  EXPECT_EQ(printer->State().tape.back(), "LEFT OPEN BY THE TILL");

  ASSERT_EQ(Send("12"), ".+0000");
  ASSERT_EQ(lib.fechaPorta(1), 1);
  RestartOnStateFile();
  EXPECT_EQ(printer->State().tape.back(), AnsiString(40, '='));
  EXPECT_EQ(printer->State().document, emulator::DocumentKind::kNone);
}

TEST_F(SerialStateTest, DamagedStateFileGivesAFreshPrinter) {
  platform::WriteFileAtomically(file_, "MDX virtual printer state 1\ndocument report\n");
  const std::string said = RestartOnStateFile();
  EXPECT_NE(said.find("damaged"), std::string::npos) << said;
  EXPECT_EQ(printer->State(), emulator::PrinterState());
  EXPECT_EQ(Send("23"), ".+0000");
  EXPECT_TRUE(platform::FileExists(file_ + ".damaged"));
}

}  // namespace
}  // namespace mdx::serial::test
