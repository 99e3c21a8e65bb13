// The way frames reach the printer. In process today; a serial line or
// pseudo-terminal fills the same interface later.
#pragma once

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
  // Hands one frame to the printer and returns its reply, or nullopt when
  // nothing answered. The reply may be longer than the 255 characters a
  // caller can take; clamping is the caller's business.
  virtual std::optional<AnsiString> Exchange(const AnsiString& frame) = 0;
};

// A transport that calls the printer directly. The printer must outlive it.
std::unique_ptr<Transport> MakeInProcessTransport(emulator::VirtualPrinter& printer);

}  // namespace mdx::serial
