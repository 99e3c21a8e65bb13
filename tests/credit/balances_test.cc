// The balance reports, the generic header and the statement.
#include <gtest/gtest.h>

#include "credit/credit_fixture.h"

namespace mdx::test {
namespace {

using HeaderFn = bool (*)(Text, Text, Text, Text, Text);
using FamilyBalancesFn = bool (*)(Text, TClientDataSet*, Text, Text);
using NegativeFn = bool (*)(Text, TClientDataSet*, TClientDataSet*, Text, Text, Text, Text);
using StatementFn = bool (*)(Text, Text);
using CreditBalancesFn = bool (*)(Text, Text, TClientDataSet*);

const AnsiString kDashes(40, '-');

AnsiString TextFrame(const AnsiString& text) { return ".080" + text + "}"; }
AnsiString Padded(const AnsiString& text, size_t width) {
  return text + AnsiString(width - text.size(), ' ');
}
AnsiString Right(const AnsiString& text, size_t width) {
  return AnsiString(width - text.size(), ' ') + text;
}

class BalancesTest : public CreditTest {};

TEST_F(BalancesTest, HeaderOfTheTillFitsItsLine) {
  // The fake host's clock reads 15/01/2024 10:30.
  struct Case {
    const char* till;
    AnsiString line;
  } cases[] = {
      {"003", "Caixa: 003" + AnsiString(11, ' ') + "15/01/2024 10:30"},
      {"0123456789", "Caixa: 0123456789" + AnsiString(11, ' ') + "15/01/2024 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.till);
    ForgetFrames();
    EXPECT_TRUE(Op<HeaderFn>("Cabecalho")("001", "SALDOS", c.till, "x", "y"));
    EXPECT_LE(c.line.size(), 40u);
    EXPECT_EQ(Frames(), (std::vector<AnsiString>{".13S}", ".0891}",
                                                 TextFrame(Padded(AnsiString(17, ' ') + "SALDOS", 40)),
                                                 TextFrame(kDashes), TextFrame(c.line),
                                                 TextFrame(kDashes)}));
    // The report stays open for the host.
    EXPECT_EQ(Document(), emulator::DocumentKind::kManagementReport);
    ASSERT_TRUE(Send("12", {}, true, false));
  }
}

TEST_F(BalancesTest, NegativeBalancesPrintOnlyTypesWithConsumers) {
  auto types = HostDataSet({"CDTIPOCONS:S3", "NMTIPOCONS:S30"},
                           {{"O'1", "ALUNOS"}, {"2", "PROFESSORES"}, {"3", "FUNCIONARIOS"}});
  auto consumers = HostDataSet({"CDTIPOCONS:S3", "NMCONSUMIDOR:S40", "SALDONEGATIVO:F"},
                               {{"2", "ANA", -10.5}, {"2", "BRUNO", -4.0}});
  consumers->SetFilter("NMCONSUMIDOR = 'ANA'");
  auto negative = Op<NegativeFn>("SaldoNegativo");
  EXPECT_TRUE(negative("001", types.get(), consumers.get(), "t4", "t5", "003", "NEGATIVOS"));

  const std::vector<AnsiString> expected = {
      ".13S}",
      ".0891}",
      TextFrame(Padded(AnsiString(15, ' ') + "NEGATIVOS", 40)),
      TextFrame(kDashes),
      TextFrame("Caixa: 003" + AnsiString(11, ' ') + "15/01/2024 10:30"),
      TextFrame(kDashes),
      ".0891}",
      TextFrame(" >>> Saldo Negativo por Consumidor <<<  "),
      TextFrame(kDashes),
      TextFrame("PROFESSORES"),
      TextFrame(Padded("  ANA", 29) + Right("-10,50", 11)),
      TextFrame(Padded("  BRUNO", 29) + Right("-4,00", 11)),
      TextFrame(AnsiString(29, ' ') + AnsiString(11, '-')),
      TextFrame(Padded("Saldo Total", 29) + Right("-14,50", 11)),
      ".12}"};
  EXPECT_EQ(Frames(), expected);
  // The host's filter is as it was.
  EXPECT_EQ(consumers->Filter(), "NMCONSUMIDOR = 'ANA'");
  EXPECT_FALSE(consumers->Filtered());

  // No consumer at all: nothing is sent.
  ForgetFrames();
  auto nobody = HostDataSet({"CDTIPOCONS:S3", "NMCONSUMIDOR:S40", "SALDONEGATIVO:F"}, {});
  types->First();
  EXPECT_FALSE(negative("001", types.get(), nobody.get(), "t4", "t5", "003", "NEGATIVOS"));
  EXPECT_TRUE(Frames().empty());
}

TEST_F(BalancesTest, FamilyBalancesFromTheCurrentRecord) {
  const std::vector<AnsiString> header = {
      TextFrame(Padded(AnsiString(10, ' ') + ">>>Cosulta Saldo<<<", 40)), TextFrame(kDashes),
      TextFrame("LOJA - CAIXA"), TextFrame(AnsiString(40, ' '))};
  const AnsiString silva = TextFrame(Padded("SILVA", 29) + Right("12,50", 11));
  const AnsiString souza = TextFrame(Padded("SOUZA", 29) + Right("-3,00", 11));
  const AnsiString rule = TextFrame(AnsiString(46, ' ') + AnsiString(11, '-'));
  auto total = [](const char* amount) {
    return TextFrame(Padded("Saldo Total", 46) + Right(amount, 11));
  };
  struct Case {
    const char* name;
    bool opens;
    int firstRecord;
    std::vector<AnsiString> frames;
  } cases[] = {
      {"printed", true, 1, {}},
      // The header is refused, the family lines are still sent.
      {"report refused", false, 2, {".13S}", header[0], souza, rule, total("-3,00")}},
  };
  cases[0].frames = {".13S}"};
  cases[0].frames.insert(cases[0].frames.end(), header.begin(), header.end());
  for (const AnsiString& frame : {silva, souza, rule, total("9,50"), AnsiString(".12}")})
    cases[0].frames.push_back(frame);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetFrames();
    auto balances = HostDataSet({"NMFAMILISALD:S30", "SALDOFAM:F"},
                                {{"SILVA", 12.5}, {"SOUZA", -3.0}});
    balances->SetRecNo(c.firstRecord);
    if (!c.opens) Fault(emulator::FaultKind::kRefuse, "13");
    EXPECT_EQ(Op<FamilyBalancesFn>("ImpSaldo")("001", balances.get(), "LOJA", "CAIXA"), c.opens);
    EXPECT_EQ(Frames(), c.frames);
  }
}

TEST_F(BalancesTest, CreditBalancesFromTheFirstRecord) {
  auto balances = HostDataSet({"NMFAMILISALD:S30", "VRSALDCONFAM:F"},
                              {{"SILVA", 12.5}, {"SOUZA", 3.0}});
  balances->SetRecNo(2);
  EXPECT_TRUE(Op<CreditBalancesFn>("Saldo_CredPessoal")("001", "CREDITOS", balances.get()));
  EXPECT_EQ(Frames(),
            (std::vector<AnsiString>{
                ".13S}", ".0891}", TextFrame(Padded(AnsiString(16, ' ') + "CREDITOS", 40)),
                TextFrame(kDashes), TextFrame(Padded("FAMILIA", 25) + Padded("VALOR", 15)),
                TextFrame(AnsiString(40, ' ')), TextFrame(Padded("SILVA", 25) + Padded("12,50", 15)),
                TextFrame(Padded("SOUZA", 25) + Padded("3,00", 15)), TextFrame(kDashes),
                TextFrame(Padded("Saldo Total", 25) + Padded("15,50", 15)), ".12}"}));
}

TEST_F(BalancesTest, DebitBalanceInTheHostsReport) {
  ASSERT_TRUE(Send("13", {"S"}, true, false));
  ForgetFrames();
  auto consumer = HostDataSet({"VRSALDOCONS:F"}, {{1.0}, {42.1}});
  consumer->SetRecNo(2);
  auto enquiry = Op<FamilyBalancesFn>("ImpSaldoDeb");
  EXPECT_TRUE(enquiry("001", consumer.get(), "LOJA", "CAIXA"));
  const AnsiString header = AnsiString(13, ' ') + ">>> Consulta Saldo <<<" + AnsiString(13, ' ') +
                            "\n" + AnsiString(48, '-') + "\nLOJA - CAIXA\n\n";
  const AnsiString total = AnsiString(37, ' ') + AnsiString(11, '-') + "\n" +
                           Padded("Saldo Total", 37) + Right("42,10", 11) + "\n";
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".271}", ".27H}", TextFrame(header),
                                               TextFrame(total), ".12}"}));
  EXPECT_EQ(Document(), emulator::DocumentKind::kNone);
}

TEST_F(BalancesTest, StatementGoesInChunksOfWholeLines) {
  const AnsiString line = AnsiString(40, 'x') + "\n";
  AnsiString thirteen;
  for (int i = 0; i < 13; ++i) thirteen += line;
  struct Case {
    const char* name;
    AnsiString statement;
    bool reportOpen;
    std::vector<AnsiString> chunks;
    bool result;
  } cases[] = {
      {"13 lines in one chunk", thirteen, true, {thirteen}, true},
      {"the 14th line in a second", thirteen + line, true, {thirteen, line}, true},
      {"last line without LF", "ABC\nDEF", true, {"ABC\nDEF"}, true},
      {"empty", "", true, {}, true},
      {"refused", "ABC\n", false, {"ABC\n"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.reportOpen) {
      ASSERT_TRUE(Send("13", {"S"}, true, false));
    }
    ForgetFrames();
    EXPECT_EQ(Op<StatementFn>("Extrato")(c.statement, "001"), c.result);
    EXPECT_EQ(TextBlocks(), c.chunks);
    EXPECT_EQ(Frames().size(), c.chunks.size());
    if (c.reportOpen) {
      ASSERT_TRUE(Send("12", {}, true, false));
    }
  }
  EXPECT_EQ(thirteen.size(), 533u);
}

}  // namespace
}  // namespace mdx::test
