// PackageTest: the package and the serial substitute loaded by name, as a
// till loads them, the in-process virtual printer behind them (a fresh one
// for every test), the port open, and a fake host for dialogs, delays, clock
// and the debug log. Tests of every operation area derive from it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "emulator/virtual_printer.h"
#include "mdx00200/export.h"
#include "support/fake_host.h"
#include "support/loaded_package.h"

namespace mdx::test {

using SendFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString*, int, bool, bool);
using CheckFn = bool (*)(const AnsiString&, bool, bool, bool);
using LogFn = void (*)(const AnsiString&);

class PackageTest : public ::testing::Test {
 protected:
  static LoadedPackage& Package();

  void SetUp() override;
  void TearDown() override;

  // EnviaComando_Sweda with the scheme "001".
  bool Send(const AnsiString& code, std::vector<AnsiString> params, bool ownErrorHandling,
            bool repeatWhileBusy);
  // The debug log's lines (date and time cut off: the text after " - ").
  std::vector<AnsiString> LogTexts();
  AnsiString LogPath();
  // The frames sent so far, in order, without ESC (".13N}", ...), taken from
  // the "Comando : " lines of the debug log.
  std::vector<AnsiString> SentFrames();
  template <typename F>
  F Op(const char* name) {
    return Package().Op<F>(name);
  }

  AnsiString& SwedaRet() { return Package().Global<AnsiString>("SwedaRet"); }
  AnsiString& MensagemTaa() { return Package().Global<AnsiString>("stMensagemTaa"); }
  bool& NUtilTaa() { return Package().Global<bool>("boNUtilTaa"); }

  emulator::VirtualPrinter& Printer() { return *printer_; }
  void Fault(emulator::FaultKind kind, const AnsiString& command = "", int count = 1);

  ScopedFakeHost host_;
  emulator::VirtualPrinter* printer_ = nullptr;
};

}  // namespace mdx::test
