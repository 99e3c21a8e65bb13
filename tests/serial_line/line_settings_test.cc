// The line's settings of the serial substitute (transport, baud rate,
// timeout, retries) from the configuration file and the environment, and
// what the substitute does with a tty transport it cannot use: AbrePorta
// fails with a message, and there is no in-process printer to hand out.
#include <gtest/gtest.h>

#include <map>

#include "serial/serial_config.h"
#include "serial/serial_library.h"

namespace mdx::serial {
namespace {

SerialConfig Parse(const AnsiString& text, std::map<std::string, AnsiString> environment = {}) {
  return ParseSerialConfig(text, "sersweda.conf", [&](const char* name) {
    auto found = environment.find(name);
    return found == environment.end() ? AnsiString() : found->second;
  });
}

TEST(LineSettingsTest, FileLinesAndTheEnvironmentOverThem) {
  const SerialConfig defaults = Parse("");
  EXPECT_EQ(defaults.transport, "inprocess");
  EXPECT_EQ(defaults.baud, 115200);
  EXPECT_EQ(defaults.timeoutMs, 2000);
  EXPECT_EQ(defaults.retries, 2);

  const SerialConfig file = Parse("transport = tty:/dev/ttyS0\nbaud = 9600\ntimeout = 500\nretries = 0\n");
  EXPECT_TRUE(file.problems.empty());
  EXPECT_EQ(file.transport, "tty:/dev/ttyS0");
  EXPECT_EQ(file.baud, 9600);
  EXPECT_EQ(file.timeoutMs, 500);
  EXPECT_EQ(file.retries, 0);

  const SerialConfig environment =
      Parse("transport = tty:/dev/ttyS0\nbaud = 9600\ntimeout = 500\nretries = 0\n",
            {{"MDX_SERIAL_TRANSPORT", "tty:/dev/pts/7"},
             {"MDX_SERIAL_BAUD", "57600"},
             {"MDX_SERIAL_TIMEOUT_MS", "150"},
             {"MDX_SERIAL_RETRIES", "20"}});
  EXPECT_TRUE(environment.problems.empty());
  EXPECT_EQ(environment.transport, "tty:/dev/pts/7");
  EXPECT_EQ(environment.baud, 57600);
  EXPECT_EQ(environment.timeoutMs, 150);
  EXPECT_EQ(environment.retries, 20);
}

TEST(LineSettingsTest, ValuesNotUnderstoodAreReportedAndTheDefaultKept) {
  struct Case {
    const char* file;
    std::map<std::string, AnsiString> environment;
    const char* problem;
  } cases[] = {
      {"baud = 9601\n", {}, "sersweda.conf:1: baud='9601' is not a baud rate of the line; using 115200"},
      {"baud = fast\n", {}, "sersweda.conf:1: baud='fast' is not a baud rate of the line; using 115200"},
      {"timeout = 0\n", {}, "sersweda.conf:1: timeout='0' is not a number from 1 to 600000; using 2000"},
      {"timeout = 600001\n", {}, "sersweda.conf:1: timeout='600001' is not a number from 1 to 600000; using 2000"},
      {"timeout = -5\n", {}, "sersweda.conf:1: timeout='-5' is not a number from 1 to 600000; using 2000"},
      {"retries = 21\n", {}, "sersweda.conf:1: retries='21' is not a number from 0 to 20; using 2"},
      {"retries = 2.5\n", {}, "sersweda.conf:1: retries='2.5' is not a number from 0 to 20; using 2"},
      {"", {{"MDX_SERIAL_BAUD", "0"}}, "MDX_SERIAL_BAUD='0' is not a baud rate of the line; using 115200"},
      {"",
       {{"MDX_SERIAL_TIMEOUT_MS", "99999999"}},
       "MDX_SERIAL_TIMEOUT_MS='99999999' is not a number from 1 to 600000; using 2000"},
      {"retries = 5\n",
       {{"MDX_SERIAL_RETRIES", "x"}},
       "MDX_SERIAL_RETRIES='x' is not a number from 0 to 20; using 5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    const SerialConfig config = Parse(c.file, c.environment);
    EXPECT_EQ(config.problems, std::vector<AnsiString>{c.problem});
    EXPECT_EQ(config.baud, 115200);
    EXPECT_EQ(config.timeoutMs, 2000);
    EXPECT_EQ(config.retries, AnsiString(c.file) == "retries = 5\n" ? 5 : 2);
  }
}

class TtyTransportTest : public ::testing::Test {
 protected:
  const test::SerialLibrary& lib = test::SerialLibrary::Get();
  void SetUp() override { ASSERT_EQ(lib.error, "") << lib.error; }
  void TearDown() override {
    test::SetSetting("MDX_SERIAL_TRANSPORT", "inprocess");
    lib.restartVirtualPrinter();
  }
};

TEST_F(TtyTransportTest, DeviceThatCannotBeUsedKeepsThePortClosed) {
#ifdef _WIN32
  const char* expected = "not available on this system";
#else
  const char* expected = "cannot open port 1: cannot open /nonexistent/ttyS9";
#endif
  test::SetSetting("MDX_SERIAL_TRANSPORT", "tty:/nonexistent/ttyS9");
  ::testing::internal::CaptureStderr();
  // No printer object in this process with a line.
  EXPECT_EQ(lib.restartVirtualPrinter(), nullptr);
  EXPECT_EQ(lib.virtualPrinter(), nullptr);
  EXPECT_EQ(lib.abrePorta(1, 5), 0);
  const std::string messages = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(messages.find(expected), std::string::npos) << messages;
  unsigned char reply[256] = {9};
  EXPECT_EQ(lib.enviaComando("\x1b.23}", reply), -1);
  EXPECT_EQ(reply[0], 0);
  EXPECT_EQ(lib.fechaPorta(1), 0);

  // Back in process: the printer is there again and the port opens.
  test::SetSetting("MDX_SERIAL_TRANSPORT", "inprocess");
  EXPECT_NE(lib.restartVirtualPrinter(), nullptr);
  EXPECT_EQ(lib.abrePorta(1, 5), 1);
  EXPECT_EQ(lib.fechaPorta(1), 1);
}

TEST_F(TtyTransportTest, TransportNamesThatAreNoneAreRefused) {
  for (const char* name : {"tty:", "tty", "serial:/dev/ttyS0", "TTY:/dev/ttyS0"}) {
    SCOPED_TRACE(name);
    test::SetSetting("MDX_SERIAL_TRANSPORT", name);
    ::testing::internal::CaptureStderr();
    lib.restartVirtualPrinter();
    EXPECT_EQ(lib.abrePorta(1, 5), 0);
    const std::string messages = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("is not available"), std::string::npos) << messages;
  }
}

}  // namespace
}  // namespace mdx::serial
