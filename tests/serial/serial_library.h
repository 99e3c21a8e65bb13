// The serial substitute loaded by name from the test executable's folder, as
// a till loads the maker's library, with its entry points resolved.
#pragma once

#include "../../emulator/virtual_printer.h"

#ifdef _WIN32
#define SERIAL_CALL __stdcall
#else
#define SERIAL_CALL
#endif

namespace mdx::serial::test {

struct SerialLibrary {
  using AbrePortaFn = int(SERIAL_CALL*)(int port, int mode);
  using EnviaComandoFn = int(SERIAL_CALL*)(const char* frame, unsigned char* reply);
  using FechaPortaFn = int(SERIAL_CALL*)(int id);
  using PrinterFn = emulator::VirtualPrinter* (*)();

  AbrePortaFn abrePorta = nullptr;
  EnviaComandoFn enviaComando = nullptr;
  FechaPortaFn fechaPorta = nullptr;
  PrinterFn virtualPrinter = nullptr;
  PrinterFn restartVirtualPrinter = nullptr;
  int (*viewPort)() = nullptr;  // the port of the printer's page, 0 for none
  AnsiString error;  // why loading failed, "" when it did not

  // Loaded once for the process and never unloaded, as the package does.
  static const SerialLibrary& Get();
};

// Environment settings for the library (read when its printer restarts).
void SetSetting(const char* name, const AnsiString& value);
void ClearSetting(const char* name);

}  // namespace mdx::serial::test
