#include "serial/serial_session.h"

#include <cstdio>

#include "mdx00200/exceptions.h"
#include "serial/frame_dump.h"
#include "serial/reply_buffer.h"

namespace mdx::serial {

namespace {

constexpr int kFirstPort = 1;   // COM1
constexpr int kLastPort = 13;   // LPT1

void Warn(const AnsiString& message) {
  std::fprintf(stderr, "SERSWEDA: %s\n", message.c_str());
  std::fflush(stderr);
}

}  // namespace

SerialSession& SerialSession::Instance() {
  static SerialSession session;
  return session;
}

SerialSession::SerialSession() { Start(); }

void SerialSession::Start() {
  SerialConfig config = ReadSerialConfig();
  for (const AnsiString& problem : config.problems) Warn(problem);

  emulator::PrinterOptions options;
  options.stateFile = config.stateFile;
  options.tapeWidth = config.tapeWidth;
  std::unique_ptr<emulator::VirtualPrinter> printer = emulator::CreateVirtualPrinter(options);
  for (const emulator::FaultRule& rule : config.faults) {
    try {
      printer->AddFault(rule);
    } catch (const Exception& e) {
      Warn("fault rule not used: " + e.Message());
    }
  }

  transport_.reset();  // it refers to the old printer
  printer_ = std::move(printer);
  config_ = std::move(config);
  if (config_.transport == kInProcessTransport) {
    transport_ = MakeInProcessTransport(*printer_);
  } else {
    Warn("transport '" + config_.transport + "' is not available; only '" +
         kInProcessTransport + "' is (MDX_SERIAL_TRANSPORT)");
    open_ = false;
  }
}

emulator::VirtualPrinter& SerialSession::Restart() {
  Start();
  return *printer_;
}

int SerialSession::Open(int port, int mode) {
  if (port < kFirstPort || port > kLastPort || !transport_) {
    if (config_.dumpFrames) {
      DumpNote("cannot open port " + std::to_string(port) + " (mode " + std::to_string(mode) + ")");
    }
    return 0;
  }
  open_ = true;
  if (config_.dumpFrames) {
    DumpNote("port " + std::to_string(port) + " open (mode " + std::to_string(mode) + "), id 1");
  }
  return kPortId;
}

int SerialSession::Send(const char* frame, unsigned char* reply) {
  if (!frame || !reply) {
    if (reply) reply[0] = 0;
    return -2;
  }
  if (!open_ || !transport_) {
    reply[0] = 0;
    return -1;
  }
  const AnsiString text(frame);
  if (config_.dumpFrames) DumpFrame(text);
  const std::optional<AnsiString> answer = transport_->Exchange(text);
  if (config_.dumpFrames) DumpReply(answer);
  if (!answer) {
    reply[0] = 0;
    return 0;
  }
  CopyReply(*answer, reply);
  return 1;
}

int SerialSession::Close(int id) {
  if (!open_ || id != kPortId) return 0;
  open_ = false;
  printer_->Save();
  if (config_.dumpFrames) DumpNote("port closed");
  return 1;
}

}  // namespace mdx::serial
