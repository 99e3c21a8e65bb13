// A report line the printer refuses: the operation gives false and the
// report it opened is closed all the same, so the next document is taken.
#include <gtest/gtest.h>

#include <functional>

#include "credit/credit_fixture.h"

namespace mdx::test {
namespace {

using FamilyBalancesFn = bool (*)(Text, TClientDataSet*, Text, Text);
using NegativeFn = bool (*)(Text, TClientDataSet*, TClientDataSet*, Text, Text, Text, Text);
using CreditBalancesFn = bool (*)(Text, Text, TClientDataSet*);

class RefusedLineTest : public CreditTest {};

TEST_F(RefusedLineTest, ReportIsClosedAndTheResultIsFalse) {
  auto movements = Movements({{10.0, "01", "1"}});
  auto families = HostDataSet({"NMFAMILISALD:S30", "SALDOFAM:F", "VRSALDCONFAM:F"},
                              {{"SILVA", 12.5, 12.5}});
  auto types = HostDataSet({"CDTIPOCONS:S3", "NMTIPOCONS:S30"}, {{"1", "ALUNOS"}});
  auto consumers = HostDataSet({"CDTIPOCONS:S3", "NMCONSUMIDOR:S40", "SALDONEGATIVO:F"},
                               {{"1", "ANA", -1.0}});
  AnsiString couponNumber;
  struct Case {
    const char* name;
    const char* refusedLine;  // the start of the "08" frame refused (twice at most)
    std::function<bool()> run;
    bool registers;
  } cases[] = {
      {"purchase", "080Saldo Final",
       [&] { return Purchase(movements.get(), 0, "MARIA", "D-77", "SILVA"); }, false},
      {"cancellation", "080Saldo Final", [&] { return Cancellation(couponNumber, 10.0, 0); },
       true},
      {"family balances", "080Saldo Total",
       [&] { return Op<FamilyBalancesFn>("ImpSaldo")("001", families.get(), "A", "B"); }, false},
      {"credit balances", "080FAMILIA",
       [&] { return Op<CreditBalancesFn>("Saldo_CredPessoal")("001", "T", families.get()); },
       false},
      {"negative balances", "080Saldo Total",
       [&] {
         types->First();
         return Op<NegativeFn>("SaldoNegativo")("001", types.get(), consumers.get(), "", "",
                                                "003", "T");
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetFrames();
    families->First();
    Fault(emulator::FaultKind::kRefuse, c.refusedLine, 2);
    EXPECT_FALSE(c.run());
    Printer().ClearFaults();
    EXPECT_EQ(FramesOf(".12}").size(), 1u);
    EXPECT_EQ(FramesOf(".19").empty(), !c.registers);
    EXPECT_EQ(Document(), emulator::DocumentKind::kNone);
  }
}

}  // namespace
}  // namespace mdx::test
