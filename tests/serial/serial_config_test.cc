// The serial substitute's settings: the configuration file's lines, the
// environment over them, and the file's fault rules on a restarted printer.
#include <gtest/gtest.h>

#include <map>

#include "mdx00200/platform.h"
#include "serial/serial_config.h"
#include "serial_library.h"
#include "support/temp_folder.h"

namespace mdx::serial::test {
namespace {

using emulator::FaultKind;

SerialConfig Parse(const AnsiString& text, std::map<std::string, AnsiString> environment = {}) {
  return ParseSerialConfig(text, "sersweda.conf", [&](const char* name) {
    auto found = environment.find(name);
    return found == environment.end() ? AnsiString() : found->second;
  });
}

TEST(SerialConfigTest, FileLinesAndTheEnvironmentOverThem) {
  const SerialConfig config = Parse(
      "# the till's printer\n"
      "state = till.state\r\n"
      "columns = 40\n"
      "  debug=1\n"
      "transport = inprocess\n");
  EXPECT_EQ(config.stateFile, "till.state");
  EXPECT_EQ(config.tapeWidth, 40);
  EXPECT_TRUE(config.dumpFrames);
  EXPECT_TRUE(config.problems.empty());

  const SerialConfig overridden =
      Parse("state = till.state\ncolumns = 40\ndebug = 1\n",
            {{"MDX_PRINTER_STATE", "other.state"}, {"MDX_PRINTER_COLUMNS", "48"},
             {"MDX_SERIAL_DEBUG", "0"}});
  EXPECT_EQ(overridden.stateFile, "other.state");
  EXPECT_EQ(overridden.tapeWidth, 48);
  EXPECT_FALSE(overridden.dumpFrames);
}

TEST(SerialConfigTest, ThePrintersPagePort) {
  EXPECT_EQ(Parse("").viewPort, -1);
  EXPECT_EQ(Parse("view = 8080\n").viewPort, 8080);
  EXPECT_EQ(Parse("view = 8080\n", {{"MDX_PRINTER_VIEW", "0"}}).viewPort, 0);
  const SerialConfig wrong = Parse("view = 8080\n", {{"MDX_PRINTER_VIEW", "65536"}});
  EXPECT_EQ(wrong.viewPort, -1);
  EXPECT_EQ(wrong.problems, std::vector<AnsiString>{
                                "MDX_PRINTER_VIEW='65536' is not a port number from 0 to 65535; "
                                "the printer's page is not served"});
}

TEST(SerialConfigTest, FaultRulesInFileOrder) {
  const SerialConfig config = Parse(
      "fault = busy 28 2\n"
      "fault = refuse 13S always E009\n"
      "fault = long-reply * 1 400\n"
      "fault = no-answer\n");
  ASSERT_EQ(config.faults.size(), 4u);
  EXPECT_EQ(config.faults[0].kind, FaultKind::kBusy);
  EXPECT_EQ(config.faults[0].command, "28");
  EXPECT_EQ(config.faults[0].count, 2);
  EXPECT_EQ(config.faults[1].kind, FaultKind::kRefuse);
  EXPECT_EQ(config.faults[1].count, emulator::kEveryTime);
  EXPECT_EQ(config.faults[1].status, "E009");
  EXPECT_EQ(config.faults[2].command, "");
  EXPECT_EQ(config.faults[2].length, 400);
  EXPECT_EQ(config.faults[3].kind, FaultKind::kNoAnswer);
  EXPECT_EQ(config.faults[3].count, 1);
  EXPECT_TRUE(config.problems.empty());
}

TEST(SerialConfigTest, WhatIsNotUnderstoodIsReportedAndLeftOut) {
  struct Case {
    const char* line;
    const char* problem;
  } cases[] = {
      {"columns = 50", "sersweda.conf:1: columns='50' is not 40 or 48; using 48"},
      {"debug = yes", "sersweda.conf:1: debug='yes' is not 0 or 1; frames not shown"},
      {"speed = 9600", "sersweda.conf:1: unknown setting 'speed'; ignored"},
      {"just words", "sersweda.conf:1: 'just words' is not key = value; ignored"},
      {"fault = melt", "sersweda.conf:1: fault 'melt' is not understood; ignored"},
      {"fault = busy 28 0", "sersweda.conf:1: fault 'busy 28 0' is not understood; ignored"},
      {"fault = busy 28 2 E001", "sersweda.conf:1: fault 'busy 28 2 E001' is not understood; ignored"},
  };
  for (const Case& c : cases) {
    const SerialConfig config = Parse(c.line);
    EXPECT_EQ(config.problems, std::vector<AnsiString>{c.problem}) << c.line;
    EXPECT_TRUE(config.faults.empty()) << c.line;
    EXPECT_EQ(config.tapeWidth, 48) << c.line;
  }
}

TEST(SerialConfigTest, RestartedPrinterTakesTheFilesFaults) {
  const SerialLibrary& library = SerialLibrary::Get();
  ASSERT_TRUE(library.error.empty()) << library.error;
  mdx::test::TemporaryFolder folder;
  const AnsiString file = folder.File("sersweda.conf");
  platform::WriteFileAtomically(file, "fault = busy 28 2\n");
  SetSetting("MDX_PRINTER_CONFIG", file);
  emulator::VirtualPrinter* printer = library.restartVirtualPrinter();
  ClearSetting("MDX_PRINTER_CONFIG");
  ASSERT_NE(printer, nullptr);
  const std::vector<emulator::FaultRule> faults = printer->Faults();
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0].kind, FaultKind::kBusy);
  EXPECT_EQ(faults[0].count, 2);
  printer = library.restartVirtualPrinter();
  EXPECT_TRUE(printer->Faults().empty());
}

}  // namespace
}  // namespace mdx::serial::test
