// The tty transport: the link layer (makers/serial_line) over a termios
// port. Each Open starts a new link session.
#include <memory>

#include "serial/transport.h"
#include "serial_line/link_client.h"
#include "serial_line/tty_port.h"

namespace mdx::serial {

namespace {

class TtyTransport final : public Transport {
 public:
  explicit TtyTransport(LineSettings settings) : settings_(std::move(settings)) {}

  bool Open(AnsiString& problem) override {
    if (client_) return true;  // already open
    std::string error;
    if (!port_.Open(settings_.device, settings_.baud, error)) {
      problem = error;
      return false;
    }
    serial_line::LinkSettings link;
    link.timeoutMs = settings_.timeoutMs;
    link.retries = settings_.retries;
    client_ = std::make_unique<serial_line::LinkClient>(port_, link, settings_.note);
    return true;
  }

  void Close() override {
    if (client_ && settings_.note) {
      const serial_line::LinkStats& s = client_->Stats();
      settings_.note("line: " + std::to_string(s.exchanges) + " exchanges, " + std::to_string(s.sends) +
                     " frames sent, " + std::to_string(s.retries) + " retries, " + std::to_string(s.rejected) +
                     " damaged frames, " + std::to_string(s.unanswered) + " without answer, " +
                     std::to_string(s.bytesSent) + " bytes sent, " + std::to_string(s.bytesReceived) +
                     " received");
    }
    client_.reset();
    port_.Close();
  }

  std::optional<AnsiString> Exchange(const AnsiString& frame) override {
    if (!client_) return std::nullopt;
    return client_->Exchange(frame);
  }

 private:
  LineSettings settings_;
  serial_line::TtyPort port_;
  std::unique_ptr<serial_line::LinkClient> client_;
};

}  // namespace

std::unique_ptr<Transport> MakeTtyTransport(const LineSettings& settings) {
  return std::make_unique<TtyTransport>(settings);
}

}  // namespace mdx::serial
