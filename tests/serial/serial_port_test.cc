// The three entry points of the serial library: port numbers, ids, results.
#include <gtest/gtest.h>

#include "serial_fixture.h"

namespace mdx::serial::test {
namespace {

using SerialPortTest = SerialTest;

TEST_F(SerialPortTest, OpensTheTillsPortNumbersOnly) {
  struct Case {
    int port;
    int result;
  };
  // 0 is an empty port name, 1-12 COM1-COM12, 13 LPT1, 14 a name the till does not know.
  const Case cases[] = {{0, 0}, {1, 1}, {3, 1}, {12, 1}, {13, 1}, {14, 0}, {-1, 0}, {255, 0}};
  for (const Case& c : cases) EXPECT_EQ(lib.abrePorta(c.port, 5), c.result) << c.port;
}

TEST_F(SerialPortTest, ClosesOnlyTheOpenPortsId) {
  EXPECT_EQ(lib.fechaPorta(2), 0);
  EXPECT_EQ(lib.fechaPorta(1), 1);
  EXPECT_EQ(lib.fechaPorta(1), 0);

  int result = 99;
  EXPECT_EQ(Send("23", &result), "");
  EXPECT_EQ(result, -1);
  ASSERT_EQ(lib.abrePorta(1, 5), 1);
  EXPECT_EQ(Send("23", &result), ".+0000");
  EXPECT_EQ(result, 1);
}

TEST_F(SerialPortTest, NullArgumentsAreRefused) {
  unsigned char reply[256];
  reply[0] = 7;
  EXPECT_EQ(lib.enviaComando(nullptr, reply), -2);
  EXPECT_EQ(reply[0], 0);
  EXPECT_EQ(lib.enviaComando("\x1b.23}", nullptr), -2);
}

TEST_F(SerialPortTest, UnavailableTransportKeepsThePortClosed) {
  SetSetting("MDX_SERIAL_TRANSPORT", "pty");
  ::testing::internal::CaptureStderr();
  Restart();
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("MDX_SERIAL_TRANSPORT"),
            std::string::npos);
  EXPECT_EQ(lib.abrePorta(1, 5), 0);
  int result = 0;
  EXPECT_EQ(Send("23", &result), "");
  EXPECT_EQ(result, -1);

  SetSetting("MDX_SERIAL_TRANSPORT", "inprocess");
  Restart();
  EXPECT_EQ(lib.abrePorta(1, 5), 1);
}

}  // namespace
}  // namespace mdx::serial::test
