#include "frame/maker_libraries.h"

#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

namespace {

void LoadOnce(LibraryHandle& handle, const char* baseName) {
  if (!handle) handle = mdx::platform::OpenLibrary(mdx::platform::LibraryFileName(baseName));
}

}  // namespace

void LoadMakerLibraries() {
  LoadOnce(ImpFisDLLHandle, "SERSWEDA");
  LoadOnce(SwMfdDLLHandle, "swmfd");
  LoadOnce(CONVECFHandle, "CONVECF");
}

bool ResolveSerialEntries() {
  return ResolveEntry(ImpFisDLLHandle, "AbrePorta", SwedaAbrePorta) &&
         ResolveEntry(ImpFisDLLHandle, "EnviaComando", SwedaEnviaComando) &&
         ResolveEntry(ImpFisDLLHandle, "FechaPorta", SwedaFechaPorta);
}

bool ResolveFiscalFileEntries() {
  return ResolveEntry(SwMfdDLLHandle, "SWMFD_ObterParametrosConfiguracao",
                 Sweda_ObterParametrosConfiguracao) &&
         ResolveEntry(SwMfdDLLHandle, "SWEDA_CapturarDispositivo", Sweda_CapturarDispositivo) &&
         ResolveEntry(SwMfdDLLHandle, "SWEDA_ArquivoEletronicoCOTEPE", Sweda_ArquivoEletronicoCOTEPE) &&
         ResolveEntry(SwMfdDLLHandle, "SWEDA_DetectarECF", Sweda_DetectarECF) &&
         ResolveEntry(SwMfdDLLHandle, "SWEDA_ReproduzirLeituraMemoriaFiscal",
                 SWEDA_ReproduzirLeituraMemoriaFiscal) &&
         ResolveEntry(SwMfdDLLHandle, "SWEDA_ReproduzirFitaDetalhe", SWEDA_ReproduzirFitaDetalhe) &&
         ResolveEntry(CONVECFHandle, "ECF_ReproduzirMemoriaFiscalMFD",
                 SWEDA_ReproduzirMemoriaFiscalMFD) &&
         ResolveEntry(SwMfdDLLHandle, "SWEDA_ExtrairInformacoesECF", SWEDA_ExtrairInformacoesECF);
}

void ForgetEntryPoints() {
  SwedaAbrePorta = nullptr;
  SwedaEnviaComando = nullptr;
  SwedaFechaPorta = nullptr;
  Sweda_CapturarDispositivo = nullptr;
  Sweda_ArquivoEletronicoCOTEPE = nullptr;
  SWEDA_ReproduzirLeituraMemoriaFiscal = nullptr;
  SWEDA_ReproduzirMemoriaFiscalMFD = nullptr;
  SWEDA_ReproduzirFitaDetalhe = nullptr;
  SWEDA_ExtrairInformacoesECF = nullptr;
}

}  // namespace Mdx00200
