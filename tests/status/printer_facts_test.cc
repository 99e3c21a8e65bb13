// The model's fixed facts and the queries this model does not answer.
#include <gtest/gtest.h>

#include "support/package_fixture.h"

namespace mdx::test {
namespace {

class PrinterFactsTest : public PackageTest {};

TEST_F(PrinterFactsTest, NationalCodeByModelAndVersion) {
  using CodigoFn = AnsiString (*)(int, const AnsiString&);
  auto codigo = Package().Op<CodigoFn>("Codigo_Nacional_ECF");
  struct Case {
    int model;
    AnsiString version;
    AnsiString code;
  } cases[] = {{17, "010003", "381701"}, {17, "010004", "381702"}, {17, "020000", "381703"},
               {17, "", "381703"},       {25, "010003", "382001"}, {25, "", "382001"},
               {18, "010003", "000000"}, {0, "", "000000"}};
  for (const Case& c : cases) EXPECT_EQ(codigo(c.model, c.version), c.code) << c.model << c.version;
}

TEST_F(PrinterFactsTest, FixedAnswersSendNothing) {
  using ModeloFn = bool (*)(const AnsiString&, AnsiString&, AnsiString&, AnsiString&);
  using OneFn = bool (*)(const AnsiString&, AnsiString&);
  AnsiString maker, model, kind;
  EXPECT_TRUE(Package().Op<ModeloFn>("Modelo_Impressora")("001", maker, model, kind));
  EXPECT_EQ(maker, "SWEDA");
  EXPECT_EQ(model, "ST200");
  EXPECT_EQ(kind, "ECF-IF");

  AnsiString a = "a", b = "b", c = "c";
  EXPECT_TRUE(Package().Op<ModeloFn>("DataHoraGravacaoUsuarioSWBasicoMFAdicional")("001", a, b, c));
  EXPECT_TRUE(Package().Op<OneFn>("Versao_Software_Basico")("001", a));
  EXPECT_TRUE(Package().Op<OneFn>("NumeroOperacoesNaoFiscais")("001", b));
  EXPECT_EQ(a + b + c, "abc");
  EXPECT_TRUE(LogTexts().empty());
}

}  // namespace
}  // namespace mdx::test

namespace mdx::test {
namespace {

TEST(StatusExportsTest, CouponCounterHasNoPlainName) {
  LoadedPackage package;
  EXPECT_FALSE(package.HasSymbol("ContadorCupomFiscalMFD"));
  EXPECT_TRUE(package.HasSymbol("RetornoImpFiscal"));
}

}  // namespace
}  // namespace mdx::test
