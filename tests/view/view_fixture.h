// A printer in memory shared as the page shares it, on the emulator tests'
// fixed clock, with the page's view read back as JSON.
#pragma once

#include <nlohmann/json.hpp>

#include "emulator/printer_fixture.h"
#include "emulator/shared_printer.h"

namespace mdx::emulator::view::test {

class ViewTest : public emulator::test::PrinterTest {
 protected:
  ViewTest();

  // The view as the page gets it.
  nlohmann::json View(uint64_t since = UINT64_MAX) const;
  // A coupon open with one item of 10,00 (its code "7", described "CAFE").
  void OpenCouponWithItem();

  SharedPrinter* shared = nullptr;  // the fixture's printer
};

}  // namespace mdx::emulator::view::test
