// CodigoBarra answers success and never reaches the printer.
#include <gtest/gtest.h>

#include <vector>

#include "mdx00200/maker_entry_points.h"
#include "peripherals/peripherals_fixture.h"

namespace mdx::test {
namespace {

using BarCodeFn = bool (*)(Text, Text, Text, int, Text, Text);

int sends = 0;

// A send entry that counts the frames handed to it.
int MDX_STDCALL CountingSend(const char* /*frame*/, unsigned char* reply) {
  ++sends;
  reply[0] = 0;
  return 0;
}

using BarCodeTest = PeripheralsTest;

TEST_F(BarCodeTest, AnySymbologyIsTrueWithNoPrinterTraffic) {
  struct Case {
    AnsiString symbology;
    AnsiString data;
  };
  const Case cases[] = {
      {"UPC-A", "12345"},
      {"EAN-8", "1234567890123"},  // wider than its width
      {"EAN-13", ""},
      {"CODE128", AnsiString(300, '9')},
      {"PDF \x96 417", "text"},  // the en dash of code page 1252
      {"PDF - 417", "text"},     // a hyphen: not in the table
      {"upc-a", "1"},            // names are case-sensitive
      {"", ""},
      {"\x01\n\xff", "\x1b.21}"},
  };
  emulator::PrinterState before = Printer().State();
  const std::vector<AnsiString> log = LogTexts();
  SwedaRet() = "last reply";
  Package().Global<void*>("SwedaEnviaComando") = reinterpret_cast<void*>(&CountingSend);
  sends = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.symbology);
    EXPECT_TRUE(Op<BarCodeFn>("CodigoBarra")("001", "a", "b", -1, c.data, c.symbology));
  }
  EXPECT_EQ(sends, 0);
  EXPECT_EQ(LogTexts(), log);
  EXPECT_EQ(SwedaRet(), "last reply");
  EXPECT_TRUE(MensagemTaa().empty());
  EXPECT_TRUE(host_->dialogs.empty());
  EXPECT_EQ(Printer().State(), before);
}

}  // namespace
}  // namespace mdx::test
