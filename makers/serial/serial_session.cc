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

SerialSession::~SerialSession() {
#ifdef _WIN32
  // At process exit Windows has ended the page's threads before the library's
  // statics go: there is nothing left to wait for.
  if (view_) view_->Abandon();
#endif
  view_.reset();  // before the printer it reads
}

void SerialSession::Start() {
  SerialConfig config = ReadSerialConfig();
  for (const AnsiString& problem : config.problems) Warn(problem);

  view_.reset();  // it reads the old printer
  if (transport_) transport_->Close();
  transport_.reset();  // it may refer to the old printer
  printer_.reset();
  config_ = std::move(config);
  const AnsiString& name = config_.transport;
  const size_t prefix = sizeof kTtyTransportPrefix - 1;
  if (name.compare(0, prefix, kTtyTransportPrefix) == 0 && name.size() > prefix) {
    StartLine(name.substr(prefix));
  } else {
    // The in-process printer, also behind a transport that is none of ours
    // (the port then stays closed, but tests and tools still reach it).
    StartInProcess();
    if (name != kInProcessTransport) {
      transport_.reset();
      Warn("transport '" + name + "' is not available; use '" + kInProcessTransport + "' or '" +
           kTtyTransportPrefix + "DEVICE' (MDX_SERIAL_TRANSPORT)");
    }
  }
  if (!transport_) open_ = false;
}

void SerialSession::StartInProcess() {
  emulator::PrinterOptions options;
  options.stateFile = config_.stateFile;
  options.tapeWidth = config_.tapeWidth;
  printer_ = std::make_unique<emulator::SharedPrinter>(emulator::CreateVirtualPrinter(options));
  for (const emulator::FaultRule& rule : config_.faults) {
    try {
      printer_->AddFault(rule);
    } catch (const Exception& e) {
      Warn("fault rule not used: " + e.Message());
    }
  }
  transport_ = MakeInProcessTransport(*printer_);
  StartView();
}

void SerialSession::StartView() {
  if (config_.viewPort < 0) return;
  try {
    view_ = std::make_unique<emulator::view::PrinterView>(*printer_, config_.viewPort);
    Warn("the printer's page: " + view_->Address());
  } catch (const Exception& e) {
    Warn(e.Message());
  }
}

void SerialSession::StartLine(const AnsiString& device) {
#ifdef _WIN32
  Warn("transport '" + config_.transport + "' is not available on this system (MDX_SERIAL_TRANSPORT)");
  (void)device;
#else
  if (!config_.faults.empty()) {
    Warn("fault rules apply to the in-process printer; the printer on " + device +
         " takes its own (ecf-emulator --fault)");
  }
  if (config_.viewPort >= 0) {
    Warn("the printer's page is served by the printer on " + device + " (ecf-emulator --view)");
  }
  LineSettings line;
  line.device = device;
  line.baud = config_.baud;
  line.timeoutMs = config_.timeoutMs;
  line.retries = config_.retries;
  if (config_.dumpFrames) line.note = [](const AnsiString& note) { DumpNote(note); };
  transport_ = MakeTtyTransport(line);
#endif
}

emulator::VirtualPrinter* SerialSession::Restart() {
  const bool wasOpen = open_;
  Start();
  if (wasOpen && transport_) {
    AnsiString problem;
    open_ = transport_->Open(problem);
    if (!open_) Warn("port closed: " + problem);
  }
  return printer_.get();
}

int SerialSession::Open(int port, int mode) {
  if (port < kFirstPort || port > kLastPort || !transport_) {
    if (config_.dumpFrames) {
      DumpNote("cannot open port " + std::to_string(port) + " (mode " + std::to_string(mode) + ")");
    }
    return 0;
  }
  if (!open_) {
    AnsiString problem;
    if (!transport_->Open(problem)) {
      Warn("cannot open port " + std::to_string(port) + ": " + problem);
      return 0;
    }
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
  transport_->Close();
  if (printer_) printer_->Save();
  if (config_.dumpFrames) DumpNote("port closed");
  return 1;
}

}  // namespace mdx::serial
