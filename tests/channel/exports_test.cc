// What a host can resolve by name in the package.
#include <gtest/gtest.h>

#include "support/package_fixture.h"

namespace mdx::test {
namespace {

TEST(ExportsTest, OperationsAndGlobalsUnderTheirPlainNames) {
  LoadedPackage package;
  const char* names[] = {
      "EnviaComando_Sweda", "ImpressoraOk", "ImpFisDebug",
      // globals
      "dtmSweda200", "boImpFiscalOK", "Portas", "IdPortaImpFis", "SwedaRet", "boComando",
      "SwedaVerifRetorno", "SwedaAbrePorta", "SwedaEnviaComando", "SwedaFechaPorta",
      "Sweda_ObterParametrosConfiguracao", "Sweda_CapturarDispositivo",
      "Sweda_ArquivoEletronicoCOTEPE", "Sweda_DetectarECF", "SWEDA_ReproduzirLeituraMemoriaFiscal",
      "SWEDA_ReproduzirMemoriaFiscalMFD", "SWEDA_ReproduzirFitaDetalhe",
      "SWEDA_ExtrairInformacoesECF", "Bematech_setLibType", "Bematech_genkkey",
      "Bematech_generateEAD", "Bematech_validateFile", "ImpFisDLLHandle", "SwMfdDLLHandle",
      "CONVECFHandle", "signDLLHandle", "boNUtilTaa", "stMensagemTaa", "boClieUtil",
      "IdTotParcSang", "IdTotParcSup", "IdTotParcOutr", "IdTotParcES", "stLegendasNFiscal",
      "boTotalCV", "CdFormPagCPess", "IdFormPagCPess", "DsFormPagCPess", "CdFormPagVCons",
      "IdFormPagVCons", "DsFormPagVCons", "stRelGer", "stAuxTextoMdx200", "cdsAuxExtSimp",
      "ArquivoBinario", "CONVECFDLLHandle", "MSVCP60DLLHandle", "Bematech_GeraTxtPorCOO",
      "Bematech_GeraRegistrosTipoE"};
  for (const char* name : names) EXPECT_TRUE(package.HasSymbol(name)) << name;
  // The helpers are exported under their C++ names only.
  for (const char* name : {"GetValue", "FormataCNPJ", "StrToPChar"}) {
    EXPECT_FALSE(package.HasSymbol(name)) << name;
  }
}

TEST(ExportsTest, GlobalsStartWithTheirInitialValues) {
  LoadedPackage package;
  const AnsiString* ports = &package.Global<AnsiString>("Portas");
  EXPECT_EQ(ports[0], "");
  EXPECT_EQ(ports[1], "COM1");
  EXPECT_EQ(ports[12], "COM12");
  EXPECT_EQ(ports[13], "LPT1");
  EXPECT_FALSE(package.Global<bool>("boImpFiscalOK"));
  EXPECT_EQ(package.Global<int>("IdPortaImpFis"), 0);
  EXPECT_EQ(package.Global<void*>("SwedaFechaPorta"), nullptr);
}

}  // namespace
}  // namespace mdx::test
