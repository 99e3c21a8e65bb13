// The way frames reach the printer: in process (the virtual printer in this
// library) or over a serial line (a termios device or pseudo-terminal, with
// the printer at its other end, e.g. tools/ecf-emulator).
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "mdx00200/ansi_string.h"

namespace mdx::emulator {
class VirtualPrinter;
}

namespace mdx::serial {

class Transport {
 public:
  virtual ~Transport() = default;
  // Makes the printer reachable (AbrePorta). False with the reason in
  // `problem`.
  virtual bool Open(AnsiString& /*problem*/) { return true; }
  // Lets go of the printer (FechaPorta).
  virtual void Close() {}
  // Hands one frame to the printer and returns its reply, or nullopt when
  // nothing answered. The reply may be longer than the 255 characters a
  // caller can take; clamping is the caller's business.
  virtual std::optional<AnsiString> Exchange(const AnsiString& frame) = 0;
};

// A transport that calls the printer directly. The printer must outlive it.
std::unique_ptr<Transport> MakeInProcessTransport(emulator::VirtualPrinter& printer);

struct LineSettings {
  AnsiString device;  // e.g. /dev/ttyS0, /dev/pts/7
  int baud = 115200;
  int timeoutMs = 2000;
  int retries = 2;
  // Hears about retries and hang-ups (the debug switch); may be empty.
  std::function<void(const AnsiString&)> note;
};

// A transport over a serial line; the device opens at Open. Where the system
// has no termios, Open says the transport is not available on this system.
std::unique_ptr<Transport> MakeTtyTransport(const LineSettings& settings);

}  // namespace mdx::serial
