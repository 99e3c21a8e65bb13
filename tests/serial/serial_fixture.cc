#include "serial_fixture.h"

namespace mdx::serial::test {

void SerialTest::SetUp() {
  ASSERT_TRUE(lib.error.empty()) << lib.error;
  for (const char* name : kSettings) ClearSetting(name);
  Restart();
  ASSERT_EQ(lib.abrePorta(1, 5), 1);
}

void SerialTest::TearDown() {
  for (const char* name : kSettings) ClearSetting(name);
  if (!lib.error.empty()) return;
  Restart();  // an in-memory printer again, which lets go of any state file
  lib.fechaPorta(1);
}

void SerialTest::Restart() {
  printer = lib.restartVirtualPrinter();
  ASSERT_NE(printer, nullptr);
}

AnsiString SerialTest::Send(const AnsiString& body, int* result) {
  unsigned char reply[256];
  const AnsiString frame = "\x1b." + body + "}";
  const int r = lib.enviaComando(frame.c_str(), reply);
  if (result) *result = r;
  return AnsiString(reinterpret_cast<const char*>(reply + 1), reply[0]);
}

}  // namespace mdx::serial::test
