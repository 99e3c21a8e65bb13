// The printer's web page, served by the process that holds the printer (the
// standalone emulator, or the serial substitute inside a till) on the
// loopback address only:
//   GET  /              the page
//   GET  /view.json     the view (view_snapshot.h); ?since=VERSION for a
//                       cheap answer when nothing changed
//   POST /action/NAME   an action (view_actions.h), form fields in the body;
//                       answers {"ok": ..., "message": ...}
// Requests must name the loopback host (no other site's page reaches the
// printer through the browser), and actions must carry the page's own
// header "X-Printer-Page", which a page of another site cannot send.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "emulator/shared_printer.h"

namespace httplib {
class Server;
}

namespace mdx::emulator::view {

class PrinterView {
 public:
  // Serves `printer`'s page on 127.0.0.1:`port` (0: any free port). Raises
  // mdx::Exception when the port cannot be taken. The printer must outlive
  // the view.
  PrinterView(SharedPrinter& printer, int port);
  // Stops serving and waits for the server's threads.
  ~PrinterView();
  PrinterView(const PrinterView&) = delete;
  PrinterView& operator=(const PrinterView&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:PORT/"
  std::string Address() const;

  // Stops serving without waiting: for a process that is ending, whose other
  // threads may be gone already (a Windows DLL at process exit).
  void Abandon();

 private:
  SharedPrinter& printer_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  std::atomic<bool> listenEnded_ = false;
  int port_ = 0;
};

}  // namespace mdx::emulator::view
