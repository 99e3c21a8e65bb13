// The library's one port and the printer behind it, for the whole process:
// the in-process virtual printer, or a printer on a serial line (then this
// library holds no printer object). The package calls from one thread at a
// time; so do tests. The printer's page, when served, reads and steers the
// printer from its own threads: the printer is a SharedPrinter for that.
#pragma once

#include <memory>

#include "emulator/shared_printer.h"
#include "emulator/view/printer_view.h"
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

  // The in-process printer; nullptr when the printer is on a line. Shared
  // with the printer's page when one is served.
  emulator::VirtualPrinter* Printer() { return printer_.get(); }
  // The port of the printer's page (MDX_PRINTER_VIEW); 0 when none is served.
  int ViewPort() const { return view_ ? view_->Port() : 0; }
  // Reads the environment again and replaces the printer with one loaded
  // from the state file (in process), or the line with a new one. The port
  // stays open if the transport still works. Returns the new in-process
  // printer, nullptr when the printer is on a line.
  emulator::VirtualPrinter* Restart();

 private:
  SerialSession();
  ~SerialSession();
  void Start();
  void StartView();
  void StartInProcess();
  void StartLine(const AnsiString& device);

  SerialConfig config_;
  std::unique_ptr<emulator::SharedPrinter> printer_;  // null with a line
  std::unique_ptr<emulator::view::PrinterView> view_;  // the page, when asked for
  std::unique_ptr<Transport> transport_;  // null when the configured one is not available
  bool open_ = false;
};

}  // namespace mdx::serial
