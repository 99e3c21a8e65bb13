// The entry points of swmfd, as the package resolves them by name. Each one
// finds the printer and hands over to the core (fiscalfiles/operations.h,
// where every argument and code is described).
#include <type_traits>

#include "fiscalfiles/entry_guard.h"
#include "fiscalfiles/operations.h"
#include "fiscalfiles/printer_link.h"
#include "mdx00200/maker_entry_points.h"

namespace ff = mdx::fiscalfiles;

namespace {

constexpr const char* kLibrary = "swmfd";

}  // namespace

FISCALFILES_EXPORT short MDX_STDCALL SWMFD_ObterParametrosConfiguracao() {
  return ff::Guarded<short>(kLibrary, "SWMFD_ObterParametrosConfiguracao",
                            [] { return ff::CheckConfiguration(ff::FindPrinter()); });
}

FISCALFILES_EXPORT short MDX_STDCALL SWEDA_ExtrairInformacoesECF() {
  return ff::Guarded<short>(kLibrary, "SWEDA_ExtrairInformacoesECF",
                            [] { return ff::CheckPrinter(ff::FindPrinter()); });
}

FISCALFILES_EXPORT short MDX_STDCALL SWEDA_DetectarECF(int port, int* cell1, int* cell2) {
  const short found = ff::Guarded<short>(kLibrary, "SWEDA_DetectarECF", [&] {
    return ff::Detect(ff::FindPrinter(), port, cell1, cell2);
  });
  return found == 1 ? 1 : 0;  // a failure inside is "not detected"
}

// `size` (17408), `a` and `b` are accepted and not used: the capture always
// takes the whole memory, at once.
FISCALFILES_EXPORT short MDX_STDCALL SWEDA_CapturarDispositivo(int kind, int /*size*/, char* buffer,
                                                               int bufferSize, int /*timeout*/,
                                                               int /*a*/, int /*b*/) {
  return ff::Guarded<short>(kLibrary, "SWEDA_CapturarDispositivo", [&] {
    return ff::TakeCapture(ff::FindPrinter(), kind, buffer, bufferSize);
  });
}

FISCALFILES_EXPORT short MDX_STDCALL SWEDA_ReproduzirFitaDetalhe(const char* capture1,
                                                                 const char* output,
                                                                 const char* first,
                                                                 const char* last, int /*a*/,
                                                                 int /*b*/, int /*c*/) {
  return ff::Guarded<short>(kLibrary, "SWEDA_ReproduzirFitaDetalhe",
                            [&] { return ff::ReproduceDetailTape(capture1, output, first, last); });
}

FISCALFILES_EXPORT short MDX_STDCALL SWEDA_ArquivoEletronicoCOTEPE(const char* capture2,
                                                                   const char* capture1,
                                                                   const char* output,
                                                                   const char* first,
                                                                   const char* last, int format) {
  return ff::Guarded<short>(kLibrary, "SWEDA_ArquivoEletronicoCOTEPE", [&] {
    return ff::WriteElectronicFile(capture2, capture1, output, first, last, format);
  });
}

FISCALFILES_EXPORT short MDX_STDCALL
SWEDA_ReproduzirLeituraMemoriaFiscal(const char* capture2, const char* output, const char* first,
                                     const char* last, int mode, int /*a*/, int /*b*/, int /*c*/) {
  return ff::Guarded<short>(kLibrary, "SWEDA_ReproduzirLeituraMemoriaFiscal", [&] {
    return ff::ReproduceMemoryReading(capture2, output, first, last, mode);
  });
}

// The entries have exactly the types the package resolves them with.
static_assert(std::is_same_v<decltype(&SWMFD_ObterParametrosConfiguracao),
                             TSwedaObterParametrosConfiguracao>);
static_assert(std::is_same_v<decltype(&SWEDA_ExtrairInformacoesECF), TSwedaExtrairInformacoesECF>);
static_assert(std::is_same_v<decltype(&SWEDA_DetectarECF), TSwedaDetectarECF>);
static_assert(std::is_same_v<decltype(&SWEDA_CapturarDispositivo), TSwedaCapturarDispositivo>);
static_assert(std::is_same_v<decltype(&SWEDA_ReproduzirFitaDetalhe), TSwedaReproduzirFitaDetalhe>);
static_assert(
    std::is_same_v<decltype(&SWEDA_ArquivoEletronicoCOTEPE), TSwedaArquivoEletronicoCOTEPE>);
static_assert(std::is_same_v<decltype(&SWEDA_ReproduzirLeituraMemoriaFiscal),
                             TSwedaReproduzirLeituraMemoriaFiscal>);
