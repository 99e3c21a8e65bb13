// ecf-emulator: the virtual printer at the end of a serial line. It opens a
// pseudo-terminal (or a terminal device), answers each link frame that
// checks with the printer's reply (a repeated frame from memory), and runs
// until SIGTERM or SIGINT. The printer saves its state file after every
// command that changes it. With --view it also serves the printer's web
// page on the loopback address. A till that closes its end is no reason to stop:
// the next one may open it again. Options in options.h.
#include <csignal>
#include <cstdio>
#include <random>
#include <string>
#include <thread>

#include <pthread.h>
#include <unistd.h>

#include "line_trouble.h"
#include "options.h"
#include "emulator/shared_printer.h"
#include "emulator/view/printer_view.h"
#include "emulator/virtual_printer.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"
#include "serial_line/link_responder.h"
#include "serial_line/tty_port.h"

namespace {

using namespace ecf_emulator;
namespace line = mdx::serial_line;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a wait ends at the signal
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "ecf-emulator: %s\n", message.c_str());
  return 2;
}

// Opens the line: a new pseudo-terminal (its slave kept open in `slaveFd`)
// or the device. Returns the path the till opens.
bool OpenLine(const Options& options, line::TtyPort& port, int& slaveFd, std::string& path,
              std::string& error) {
  if (!options.pty) {
    path = options.device;
    return port.Open(options.device, options.baud, error);
  }
  int master = -1;
  if (!line::OpenPseudoTerminal(master, slaveFd, path, error)) return false;
  port.Adopt(master);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "ecf-emulator: %s\n%s", error.c_str(),
                 "usage: ecf-emulator (--pty [--path-file FILE] | --device PATH [--baud N])\n"
                 "                    [--state FILE] [--columns 40|48] [--clock \"dd/mm/yyyy hh:nn:ss\"]\n"
                 "                    [--fault RULE]... [--noise RATE] [--drop RATE] [--seed N]\n"
                 "                    [--view PORT]\n");
    return 2;
  }
  CatchStopSignals();

  // Shared with the page's threads when it is served.
  std::unique_ptr<mdx::emulator::SharedPrinter> printer;
  try {
    mdx::emulator::PrinterOptions printerOptions;
    printerOptions.stateFile = options.stateFile;
    printerOptions.tapeWidth = options.columns;
    printer = std::make_unique<mdx::emulator::SharedPrinter>(mdx::emulator::CreateVirtualPrinter(printerOptions));
    for (const mdx::emulator::FaultRule& rule : options.faults) printer->AddFault(rule);
    if (options.clock) printer->SetClock(*options.clock);
  } catch (const mdx::Exception& e) {
    return Fail(e.Message());
  }

  line::TtyPort port;
  int slaveFd = -1;
  std::string path;
  if (!OpenLine(options, port, slaveFd, path, error)) return Fail(error);
  if (!options.pathFile.empty()) {
    try {
      mdx::platform::WriteFileAtomically(options.pathFile, path + "\n");
    } catch (const mdx::Exception& e) {
      return Fail(e.Message());
    }
  }
  std::printf("ecf-emulator: %s\n", path.c_str());
  std::unique_ptr<mdx::emulator::view::PrinterView> view;
  if (options.viewPort) {
    // The page's threads leave the stop signals to this one, whose loop
    // watches for them.
    sigset_t stopSignals, previous;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, &previous);
    try {
      view = std::make_unique<mdx::emulator::view::PrinterView>(*printer, *options.viewPort);
    } catch (const mdx::Exception& e) {
      pthread_sigmask(SIG_SETMASK, &previous, nullptr);
      return Fail(e.Message());
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    std::printf("ecf-emulator: page %s\n", view->Address().c_str());
  }
  std::fflush(stdout);

  const uint32_t seed = options.seed ? *options.seed : std::random_device{}();
  LineTrouble trouble(options.noise, options.drop, seed);
  line::LinkResponder responder([&printer](const std::string& command) { return printer->Exchange(command); });

  size_t bytesIn = 0, bytesOut = 0;
  while (!stopRequested) {
    std::string bytes;
    const auto wake = line::Clock::now() + std::chrono::milliseconds(200);
    const line::ReadStatus status = port.Read(bytes, wake);
    if (status == line::ReadStatus::kHangUp || status == line::ReadStatus::kError) {
      // The device's other end is away (a closed till on a pair of ports):
      // keep waiting for it without spinning.
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      continue;
    }
    if (status != line::ReadStatus::kData) continue;
    bytesIn += bytes.size();
    const std::string replies = responder.Feed(bytes);
    if (replies.empty()) continue;
    bytesOut += replies.size();
    port.Write(trouble.Apply(replies), line::Clock::now() + std::chrono::seconds(1));
  }

  view.reset();  // no page request after this point
  printer->Save();
  const line::ResponderStats& stats = responder.Stats();
  std::fprintf(stderr,
               "ecf-emulator: stopped; %zu commands executed, %zu repeats answered from memory, "
               "%zu sessions, %zu damaged frames received, %zu bytes received, %zu bytes sent, "
               "%zu bytes flipped, %zu bytes dropped\n",
               stats.executed, stats.repeats, stats.syncs, responder.Rejected(), bytesIn, bytesOut,
               trouble.Flipped(), trouble.Dropped());
  port.Close();
  if (slaveFd >= 0) ::close(slaveFd);
  return 0;
}
