// ecf-emulator's command line: what it does not understand stops it at once
// with a message naming the option, before any line is opened; a page it
// cannot serve stops it too.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

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
      {{"--pty", "--view", "65536"}, "--view '65536' is not a port number from 0 to 65535"},
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

TEST(EmulatorOptionsTest, APageOnATakenPortStopsIt) {
#ifdef _WIN32
  GTEST_SKIP() << "ecf-emulator is built on Linux only";
#else
  // Another program holds a loopback port.
  const int holder = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(holder, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(holder, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(holder, 1), 0);
  socklen_t length = sizeof address;
  ASSERT_EQ(::getsockname(holder, reinterpret_cast<sockaddr*>(&address), &length), 0);
  const std::string port = std::to_string(ntohs(address.sin_port));

  TemporaryFolder temp("mdx_emulator_view_port");
  ChildProcess emulator;
  ChildProcess::Launch launch;
  launch.program = platform::ExecutableDirectory() + "ecf-emulator";
  launch.args = {"--pty", "--view", port};
  launch.outFile = temp.File("out");
  launch.errFile = temp.File("err");
  std::string error;
  ASSERT_TRUE(emulator.Start(launch, error)) << error;
  EXPECT_EQ(emulator.Wait(std::chrono::seconds(20)), 2);
  ::close(holder);
  std::ifstream err(temp.File("err"));
  std::stringstream text;
  text << err.rdbuf();
  EXPECT_NE(text.str().find("the printer's page cannot take port " + port), std::string::npos) << text.str();
#endif
}

}  // namespace
}  // namespace mdx::test
