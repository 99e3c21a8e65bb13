// The library's one port and the printer behind it, for the whole process.
// The package calls from one thread at a time; so do tests.
#pragma once

#include <memory>

#include "emulator/virtual_printer.h"
#include "serial/serial_config.h"
#include "serial/transport.h"

namespace mdx::serial {

inline constexpr int kPortId = 1;

class SerialSession {
 public:
  // The session, with its printer made from the environment at first use.
  static SerialSession& Instance();

  // AbrePorta, EnviaComando, FechaPorta as sersweda_api.h gives them.
  int Open(int port, int mode);
  int Send(const char* frame, unsigned char* reply);
  int Close(int id);

  emulator::VirtualPrinter& Printer() { return *printer_; }
  // Reads the environment again and replaces the printer with one loaded
  // from the state file. The port stays open if the transport still works.
  emulator::VirtualPrinter& Restart();

 private:
  SerialSession();
  void Start();

  SerialConfig config_;
  std::unique_ptr<emulator::VirtualPrinter> printer_;
  std::unique_ptr<Transport> transport_;  // null when the configured one is not available
  bool open_ = false;
};

}  // namespace mdx::serial
