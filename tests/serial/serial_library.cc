#include "serial_library.h"

#include "mdx00200/platform.h"

namespace mdx::serial::test {

namespace {

SerialLibrary Load() {
  SerialLibrary library;
  const AnsiString file =
      platform::ExecutableDirectory() + platform::LibraryFileName("SERSWEDA");
  platform::LibraryHandle handle = platform::OpenLibrary(file);
  if (!handle) {
    library.error = "cannot load " + file + ": " + platform::LastLibraryError();
    return library;
  }
  auto find = [&](const char* name) {
    void* symbol = platform::FindSymbol(handle, name);
    if (!symbol && library.error.empty()) library.error = AnsiString("missing entry ") + name;
    return symbol;
  };
  library.abrePorta = reinterpret_cast<SerialLibrary::AbrePortaFn>(find("AbrePorta"));
  library.enviaComando = reinterpret_cast<SerialLibrary::EnviaComandoFn>(find("EnviaComando"));
  library.fechaPorta = reinterpret_cast<SerialLibrary::FechaPortaFn>(find("FechaPorta"));
  library.virtualPrinter =
      reinterpret_cast<SerialLibrary::PrinterFn>(find("Sersweda_VirtualPrinter"));
  library.restartVirtualPrinter =
      reinterpret_cast<SerialLibrary::PrinterFn>(find("Sersweda_RestartVirtualPrinter"));
  library.viewPort = reinterpret_cast<int (*)()>(find("Sersweda_ViewPort"));
  return library;
}

}  // namespace

const SerialLibrary& SerialLibrary::Get() {
  static const SerialLibrary library = Load();
  return library;
}

void SetSetting(const char* name, const AnsiString& value) { platform::SetEnvironment(name, value); }

void ClearSetting(const char* name) { platform::SetEnvironment(name, ""); }

}  // namespace mdx::serial::test
