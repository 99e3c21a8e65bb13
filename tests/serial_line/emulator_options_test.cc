// ecf-emulator's command line: what it does not understand stops it at once
// with a message naming the option, before any line is opened.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "mdx00200/platform.h"
#include "serial_line/child_process.h"
#include "support/temp_folder.h"

namespace mdx::test {
namespace {

TEST(EmulatorOptionsTest, BadOptionsStopItWithAMessage) {
#ifdef _WIN32
  GTEST_SKIP() << "ecf-emulator is built on Linux only";
#else
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{}, "give either --pty or --device PATH"},
      {{"--pty", "--device", "/dev/null"}, "give either --pty or --device PATH"},
      {{"--pty", "--noise", "2"}, "--noise '2' is not a rate from 0 to 1"},
      {{"--pty", "--drop", "-0.1"}, "--drop '-0.1' is not a rate from 0 to 1"},
      {{"--pty", "--drop", "half"}, "--drop 'half' is not a rate from 0 to 1"},
      {{"--pty", "--seed", "x1"}, "--seed 'x1' is not a number"},
      {{"--pty", "--columns", "80"}, "--columns '80' is not 40 or 48"},
      {{"--pty", "--fault", "melt 28"}, "--fault 'melt 28' is not KIND"},
      {{"--pty", "--clock", "yesterday"}, "--clock 'yesterday' is not dd/mm/yyyy hh:nn:ss"},
      {{"--device", "/dev/null", "--baud", "1234"}, "--baud '1234' is not a baud rate"},
      {{"--device", "/dev/null", "--path-file", "p"}, "--path-file goes with --pty"},
      {{"--pty", "--state"}, "--state needs a value"},
      {{"--pty", "--speed", "9"}, "unknown option --speed"},
      {{"--device", "/nonexistent/ttyS9"}, "cannot open /nonexistent/ttyS9"},
      {{"--device", "/dev/null"}, "/dev/null: not a terminal"},
  };
  TemporaryFolder temp("mdx_emulator_options");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    ChildProcess emulator;
    ChildProcess::Launch launch;
    launch.program = platform::ExecutableDirectory() + "ecf-emulator";
    launch.args = c.args;
    launch.outFile = temp.File("out");
    launch.errFile = temp.File("err");
    std::string error;
    ASSERT_TRUE(emulator.Start(launch, error)) << error;
    EXPECT_EQ(emulator.Wait(std::chrono::seconds(20)), 2);
    std::ifstream err(temp.File("err"));
    std::stringstream text;
    text << err.rdbuf();
    EXPECT_NE(text.str().find(c.message), std::string::npos) << text.str();
    std::ifstream out(temp.File("out"));
    EXPECT_EQ(out.peek(), std::char_traits<char>::eof()) << "no path line for a line never opened";
  }
#endif
}

}  // namespace
}  // namespace mdx::test
