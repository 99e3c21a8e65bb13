// A virtual printer in memory whose system clock stands at 6 December 2026
// 14:05:30 until a test moves it, and helpers to speak to it as the package
// does.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "emulator/virtual_printer.h"

namespace mdx::emulator::test {

class PrinterTest : public ::testing::Test {
 protected:
  PrinterTest();

  // The system clock the printer runs on; tests may move it.
  static TDateTime systemNow;
  static TDateTime SystemClock() { return systemNow; }

  PrinterOptions Options(const AnsiString& stateFile = "", int tapeWidth = kWideTape);
  // Sends ESC "." + body + "}"; "<no answer>" when the printer gives none.
  AnsiString Send(const AnsiString& body);
  // Puts the printer in a state with this document open.
  void Hold(DocumentKind document);
  // Changes the printer's state through SetState.
  void Edit(const std::function<void(PrinterState&)>& change);
  // Opens a fiscal coupon with one item of 10,00 at T01 and pays it with
  // 10,00 in cash (method 1), ready to close.
  void OpenPaidCoupon();
  // The tape lines printed since the tape had `from` lines.
  std::vector<AnsiString> TapeFrom(size_t from) const;

  std::vector<AnsiString> warnings;
  std::unique_ptr<VirtualPrinter> printer;
};

// The `width` characters of `reply` from 1-based `position`, or a note that
// the reply is too short.
AnsiString Field(const AnsiString& reply, int position, int width);

}  // namespace mdx::emulator::test
