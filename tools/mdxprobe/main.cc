// mdxprobe: starts a printer session the way a till does, with the package
// and the maker's libraries found beside this program, and prints what came
// of it. The session tests run it in folders holding chosen sets of maker
// libraries.
//
//   mdxprobe NAME=VALUE ...
//
// The pairs make the parameter record of StartImpFiscal; "true" and "false"
// become booleans, anything else stays text. After the start it calls
// FechaPorta. Output, one "key=value" line each:
//   result         StartImpFiscal's result (0/1)
//   boImpFiscalOK  the flag after the start (0/1)
//   IdPortaImpFis  the port id (1 once AbrePorta ran)
//   handles        SERSWEDA, swmfd, CONVECF loaded (one 0/1 each)
//   serial         AbrePorta, EnviaComando, FechaPorta resolved
//   fiscal         the eight fiscal-file entries resolved, in the order of
//                  the globals: ObterParametrosConfiguracao, CapturarDispositivo,
//                  ArquivoEletronicoCOTEPE, DetectarECF,
//                  ReproduzirLeituraMemoriaFiscal, ReproduzirMemoriaFiscalMFD,
//                  ReproduzirFitaDetalhe, ExtrairInformacoesECF
//   close          FechaPorta's result
//
//   mdxprobe --sign FILE
//
// signs FILE with geraEad instead and prints:
//   handle         the signature library was loaded (0/1)
//   signature      setLibType, genkkey, generateEAD, validateFile resolved
//                  when geraEad returned (one 0/1 each)
// Exit status 0; 2 when the package or one of its names cannot be found.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mdx00200/platform.h"
#include "mdx00200/variant.h"

namespace {

namespace platform = mdx::platform;

platform::LibraryHandle g_package = nullptr;

void* Symbol(const char* name) {
  void* symbol = platform::FindSymbol(g_package, name);
  if (!symbol) {
    std::fprintf(stderr, "mdxprobe: the package does not export %s\n", name);
    std::exit(2);
  }
  return symbol;
}

template <typename T>
T& Global(const char* name) {
  return *static_cast<T*>(Symbol(name));
}

std::string Flags(const std::vector<const char*>& pointerGlobals) {
  std::string flags;
  for (const char* name : pointerGlobals) flags += Global<void*>(name) ? '1' : '0';
  return flags;
}

mdx::Variant Record(int argc, char** argv) {
  std::vector<mdx::Variant> pairs;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : argument.substr(equals + 1);
    mdx::Variant cell = value;
    if (value == "true" || value == "false") cell = value == "true";
    pairs.push_back(mdx::VarArrayOf({name, cell}));
  }
  return mdx::Variant::ArrayOf(pairs);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  const char* packageName = "Mdx00200";
#else
  const char* packageName = "mdx00200";
#endif
  const std::string path = platform::ExecutableDirectory() + platform::LibraryFileName(packageName);
  g_package = platform::OpenLibrary(path);
  if (!g_package) {
    std::fprintf(stderr, "mdxprobe: cannot load %s: %s\n", path.c_str(),
                 platform::LastLibraryError().c_str());
    return 2;
  }
  if (argc == 3 && std::string(argv[1]) == "--sign") {
    auto sign = reinterpret_cast<void (*)(const mdx::AnsiString&)>(Symbol("geraEad"));
    sign(argv[2]);
    std::printf("handle=%d\n", Global<void*>("signDLLHandle") ? 1 : 0);
    std::printf("signature=%s\n", Flags({"Bematech_setLibType", "Bematech_genkkey",
                                           "Bematech_generateEAD", "Bematech_validateFile"})
                                       .c_str());
    return std::fflush(stdout) == 0 ? 0 : 2;
  }
  auto start = reinterpret_cast<bool (*)(mdx::Variant&)>(Symbol("StartImpFiscal"));
  auto close = reinterpret_cast<int (*)()>(Symbol("FechaPorta"));

  mdx::Variant record = Record(argc, argv);
  const bool result = start(record);
  std::printf("result=%d\n", result ? 1 : 0);
  std::printf("boImpFiscalOK=%d\n", Global<bool>("boImpFiscalOK") ? 1 : 0);
  std::printf("IdPortaImpFis=%d\n", Global<int>("IdPortaImpFis"));
  std::printf("handles=%s\n", Flags({"ImpFisDLLHandle", "SwMfdDLLHandle", "CONVECFHandle"}).c_str());
  std::printf("serial=%s\n", Flags({"SwedaAbrePorta", "SwedaEnviaComando", "SwedaFechaPorta"}).c_str());
  std::printf("fiscal=%s\n",
              Flags({"Sweda_ObterParametrosConfiguracao", "Sweda_CapturarDispositivo",
                     "Sweda_ArquivoEletronicoCOTEPE", "Sweda_DetectarECF",
                     "SWEDA_ReproduzirLeituraMemoriaFiscal", "SWEDA_ReproduzirMemoriaFiscalMFD",
                     "SWEDA_ReproduzirFitaDetalhe", "SWEDA_ExtrairInformacoesECF"})
                  .c_str());
  std::printf("close=%d\n", close());
  return std::fflush(stdout) == 0 ? 0 : 2;
}
