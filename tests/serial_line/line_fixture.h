// Tests with the printer at the end of a pseudo-terminal: ecf-emulator runs
// as a child process owned by the fixture (killed in TearDown whatever
// happened), and the console runs the package against it through the
// serial substitute's tty transport. Linux only; elsewhere every test skips.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/printer_state.h"
#include "serial_line/child_process.h"
#include "support/temp_folder.h"

namespace mdx::test {

struct ConsoleResult {
  std::optional<int> status;  // nullopt: it had to be killed at the time limit
  std::string out, err;
  double seconds = 0;
  std::string LastLine() const;
  // How many times `text` appears in the standard error.
  size_t CountInErr(const std::string& text) const;
};

class LineTest : public ::testing::Test {
 protected:
  // The settings of the tty transport in the tests: short waits, so that a
  // printer that never answers costs little.
  static constexpr int kTimeoutMs = 200;

  void SetUp() override;
  void TearDown() override;

  // Starts ecf-emulator on a new pseudo-terminal with the state file
  // `state` and `args`; returns the pseudo-terminal's path ("" after a
  // failed assertion). The emulator's standard error goes to `errFile`.
  std::string StartEmulator(const std::string& state, const std::vector<std::string>& args,
                            const std::string& errFile = "");
  // Ends the emulator with SIGTERM and returns its final report line.
  std::string StopEmulator();
  ChildProcess& Emulator() { return *emulator_; }

  // Runs the console on `script` against the printer on `path`, killing it
  // at `limit`.
  ConsoleResult RunConsole(const std::string& script, const std::string& path, const std::string& state,
                           const std::map<std::string, std::string>& settings = {},
                           std::chrono::seconds limit = std::chrono::seconds(90));

  // The state the emulator saved in `file` (a fresh printer's if none).
  emulator::PrinterState StateIn(const std::string& file);

  std::unique_ptr<TemporaryFolder> temp_;
  std::unique_ptr<ChildProcess> emulator_;
  std::string emulatorErr_;
  int runs_ = 0;
};

}  // namespace mdx::test
