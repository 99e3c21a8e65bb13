// A test that speaks to the virtual printer only through the loaded serial
// library: a fresh in-memory printer and port 1 open for each test.
#pragma once

#include <gtest/gtest.h>

#include "serial_library.h"

namespace mdx::serial::test {

inline constexpr const char* kSettings[] = {"MDX_PRINTER_STATE", "MDX_PRINTER_COLUMNS",
                                            "MDX_SERIAL_DEBUG", "MDX_SERIAL_TRANSPORT"};

class SerialTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Sends ESC "." + body + "}" and returns the reply as the buffer holds it
  // (byte 0 the length); `result` gets EnviaComando's result.
  AnsiString Send(const AnsiString& body, int* result = nullptr);
  // Switches the printer off and on with the current settings.
  void Restart();

  const SerialLibrary& lib = SerialLibrary::Get();
  emulator::VirtualPrinter* printer = nullptr;
};

}  // namespace mdx::serial::test
