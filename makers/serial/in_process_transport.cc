#include "emulator/virtual_printer.h"
#include "serial/transport.h"

namespace mdx::serial {

namespace {

class InProcessTransport final : public Transport {
 public:
  explicit InProcessTransport(emulator::VirtualPrinter& printer) : printer_(printer) {}
  std::optional<AnsiString> Exchange(const AnsiString& frame) override {
    return printer_.Exchange(frame);
  }

 private:
  emulator::VirtualPrinter& printer_;
};

}  // namespace

std::unique_ptr<Transport> MakeInProcessTransport(emulator::VirtualPrinter& printer) {
  return std::make_unique<InProcessTransport>(printer);
}

}  // namespace mdx::serial
