#include "frame/maker_libraries.h"

#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"

namespace Mdx00200 {

namespace {

void LoadOnce(LibraryHandle& handle, const char* baseName) {
  if (!handle) handle = mdx::platform::OpenLibrary(mdx::platform::LibraryFileName(baseName));
}

// Looks the entry up and stores it in `entry`; false when it is missing.
template <typename Entry>
bool Resolve(LibraryHandle library, const char* name, Entry& entry) {
  entry = reinterpret_cast<Entry>(mdx::platform::FindSymbol(library, name));
  return entry != nullptr;
}

}  // namespace

void LoadMakerLibraries() {
  LoadOnce(ImpFisDLLHandle, "SERSWEDA");
  LoadOnce(SwMfdDLLHandle, "swmfd");
  LoadOnce(CONVECFHandle, "CONVECF");
}

bool ResolveSerialEntries() {
  return Resolve(ImpFisDLLHandle, "AbrePorta", SwedaAbrePorta) &&
         Resolve(ImpFisDLLHandle, "EnviaComando", SwedaEnviaComando) &&
         Resolve(ImpFisDLLHandle, "FechaPorta", SwedaFechaPorta);
}

bool ResolveFiscalFileEntries() {
  return Resolve(SwMfdDLLHandle, "SWMFD_ObterParametrosConfiguracao",
                 Sweda_ObterParametrosConfiguracao) &&
         Resolve(SwMfdDLLHandle, "SWEDA_CapturarDispositivo", Sweda_CapturarDispositivo) &&
         Resolve(SwMfdDLLHandle, "SWEDA_ArquivoEletronicoCOTEPE", Sweda_ArquivoEletronicoCOTEPE) &&
         Resolve(SwMfdDLLHandle, "SWEDA_DetectarECF", Sweda_DetectarECF) &&
         Resolve(SwMfdDLLHandle, "SWEDA_ReproduzirLeituraMemoriaFiscal",
                 SWEDA_ReproduzirLeituraMemoriaFiscal) &&
         Resolve(SwMfdDLLHandle, "SWEDA_ReproduzirFitaDetalhe", SWEDA_ReproduzirFitaDetalhe) &&
         Resolve(CONVECFHandle, "ECF_ReproduzirMemoriaFiscalMFD",
                 SWEDA_ReproduzirMemoriaFiscalMFD) &&
         Resolve(SwMfdDLLHandle, "SWEDA_ExtrairInformacoesECF", SWEDA_ExtrairInformacoesECF);
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
