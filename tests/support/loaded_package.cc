#include "support/loaded_package.h"

namespace mdx::test {

namespace {

platform::LibraryHandle LoadBeside(const AnsiString& baseName) {
  // Tests run from the build's bin folder, where every library lands.
  AnsiString path = platform::ExecutableDirectory() + platform::LibraryFileName(baseName);
  platform::LibraryHandle handle = platform::OpenLibrary(path);
  if (!handle) ADD_FAILURE() << "cannot load " << path << ": " << platform::LastLibraryError();
  return handle;
}

AnsiString PackageBaseName() {
#ifdef _WIN32
  return "Mdx00200";
#else
  return "mdx00200";
#endif
}

}  // namespace

LoadedPackage::LoadedPackage()
    : package_(LoadBeside(PackageBaseName())), serial_(LoadBeside("SERSWEDA")) {}

void* LoadedPackage::Symbol(const char* name) const {
  void* symbol = platform::FindSymbol(package_, name);
  if (!symbol) ADD_FAILURE() << "the package does not export " << name;
  return symbol;
}

void* LoadedPackage::SerialSymbol(const char* name) const {
  void* symbol = platform::FindSymbol(serial_, name);
  if (!symbol) ADD_FAILURE() << "the serial library does not export " << name;
  return symbol;
}

bool LoadedPackage::HasSymbol(const char* name) const {
  return platform::FindSymbol(package_, name) != nullptr;
}

void LoadedPackage::ConnectSerial() const {
  Global<void*>("SwedaEnviaComando") = SerialSymbol("EnviaComando");
}

void LoadedPackage::ResetGlobals() const {
  Global<bool>("boNUtilTaa") = true;
  Global<bool>("boComando") = false;
  Global<AnsiString>("stMensagemTaa").clear();
  Global<AnsiString>("SwedaRet").clear();
}

}  // namespace mdx::test
