// EmiteLeituraMemoriaFiscal and GeraBinMes.
#include <gtest/gtest.h>

#include "support/package_fixture.h"

namespace mdx::test {
namespace {

using ReadingFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&,
                           const AnsiString&, const AnsiString&, const AnsiString&);
using BinFn = bool (*)(TDateTime, TDateTime, const AnsiString&);

class MemoryReadingTest : public PackageTest {};

TEST_F(MemoryReadingTest, SendsTheRangeByDateOrAsGiven) {
  struct Case {
    const char* first;
    const char* last;
    const char* kind;
    const char* frame;
  } cases[] = {
      {"01/12/2026", "06/12/2026", "DATA", ".16011226061226SDATA}"},
      {"0001", "0005", "CRZ", ".1500010005SCRZ}"},
      {"01/12/2026", "06/12/2026", "data", ".1501/12/202606/12/2026Sdata}"},
      {"1/12", "6/12", "DATA", ".161/26/2SDATA}"},  // short dates: what there is
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    EXPECT_TRUE(Op<ReadingFn>("EmiteLeituraMemoriaFiscal")("007", c.first, c.last, "S", c.kind,
                                                            "LMF"));
    EXPECT_EQ(SentFrames().back(), c.frame);
  }
}

TEST_F(MemoryReadingTest, RefusalDoesNotChangeTheResult) {
  Fault(emulator::FaultKind::kRefuse, "16", 1);
  EXPECT_TRUE(Op<ReadingFn>("EmiteLeituraMemoriaFiscal")("007", "01/12/2026", "06/12/2026", "S",
                                                          "DATA", "LMF"));
  EXPECT_TRUE(host_->DialogTexts().empty());
}

TEST_F(MemoryReadingTest, GeraBinMesAnswersTrue) {
  EXPECT_TRUE(Op<BinFn>("GeraBinMes")(46000, 46001, "x"));
  EXPECT_TRUE(SentFrames().empty());
}

}  // namespace
}  // namespace mdx::test
