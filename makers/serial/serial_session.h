// The library's one port and the printer behind it, for the whole process:
// the in-process virtual printer, or a printer on a serial line (then this
// library holds no printer object). The package calls from one thread at a
// time; so do tests.
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

  // The in-process printer; nullptr when the printer is on a line.
  emulator::VirtualPrinter* Printer() { return printer_.get(); }
  // Reads the environment again and replaces the printer with one loaded
  // from the state file (in process), or the line with a new one. The port
  // stays open if the transport still works. Returns the new in-process
  // printer, nullptr when the printer is on a line.
  emulator::VirtualPrinter* Restart();

 private:
  SerialSession();
  void Start();
  void StartInProcess();
  void StartLine(const AnsiString& device);

  SerialConfig config_;
  std::unique_ptr<emulator::VirtualPrinter> printer_;  // null with a line
  std::unique_ptr<Transport> transport_;  // null when the configured one is not available
  bool open_ = false;
};

}  // namespace mdx::serial
