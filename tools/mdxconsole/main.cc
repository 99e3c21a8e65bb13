// mdxconsole: a host that loads the package by name, as a till does, and runs
// a script of operation calls against the in-process virtual printer of the
// serial library (script format in script.h, values in values.h), or against
// a printer on a serial line (MDX_SERIAL_TRANSPORT=tty:PATH, e.g.
// tools/ecf-emulator): then the tape and the summary come from the state file
// that printer keeps, named by MDX_PRINTER_STATE, and the script's clock is
// not set on it.
//
//   mdxconsole [--work DIR] [--keep] [--frames] [--resume] SCRIPT.json
//   mdxconsole --list
//
// --work DIR  the host folder given to the package (debug log, configuration
//             file, sale files, fiscal-menu files, the printer's state);
//             default a fresh folder under the current one, removed at the
//             end unless --keep. A folder given with --work is never removed.
// --frames    shows every frame and reply (the serial library's debug switch,
//             on standard error).
// --resume    keeps the printer state found in the work folder (default: a
//             fresh printer). MDX_PRINTER_STATE, when set, names the state
//             file instead.
// --list      the operations, one "NAME ARGUMENTS" line each, after checking
//             that the package exports every one of them.
//
// Each call shows its dialogs, its result and the parameters, records, result
// arrays, lists and datasets it changed; at the end the paper tape printed in
// the run and one summary line (summary.h).
// Exit: 0 the script ran to its end; 1 an entry's "expect" was not met;
// 2 the script is malformed (nothing was sent), the package cannot load, or
// the script's clock is before the last document of a resumed printer.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

#include "console_host.h"
#include "libraries.h"
#include "operations.h"
#include "runner.h"
#include "script.h"
#include "summary.h"
#include "emulator/state_store.h"
#include "emulator/virtual_printer.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/platform.h"

namespace {

namespace fs = std::filesystem;
namespace platform = mdx::platform;
using namespace mdxconsole;

constexpr int kScriptError = 2;
const char kStateFile[] = "virtual-printer.state";

int Usage(const char* why) {
  std::fprintf(stderr,
               "mdxconsole: %s\n"
               "usage: mdxconsole [--work DIR] [--keep] [--frames] [--resume] SCRIPT.json\n"
               "       mdxconsole --list\n",
               why);
  return kScriptError;
}

platform::LibraryHandle LoadBeside(const char* baseName) {
  platform::LibraryHandle handle = LoadLibraryBeside(baseName);
  if (!handle) {
    std::fprintf(stderr, "mdxconsole: cannot load %s: %s\n", LibraryPathBeside(baseName).c_str(),
                 platform::LastLibraryError().c_str());
  }
  return handle;
}

int List(platform::LibraryHandle package) {
  int missing = 0;
  for (const OperationEntry& entry : Operations()) {
    if (!platform::FindSymbol(package, entry.symbol.c_str())) {
      std::fprintf(stderr, "mdxconsole: the package does not export %s\n", entry.symbol.c_str());
      ++missing;
    }
    std::printf("%s %zu\n", entry.name.c_str(), entry.op->Arity());
  }
  return missing ? kScriptError : 0;
}

// The state of a printer on a line as its files hold it (RecentState's
// part), read without writing; a fresh printer's when the file is missing
// or cannot be read. `tapeFrom` and `detailFrom` (-1: none) read back the
// tape and detail records from there on.
mdx::emulator::PrinterState LineState(const std::string& stateFile, int64_t tapeFrom = -1,
                                      int64_t detailFrom = -1) {
  mdx::emulator::PrinterState state;
  mdx::emulator::StateStore store(stateFile);
  const mdx::emulator::LoadResult loaded = store.Load(state, mdx::emulator::LoadMode::kReadOnly);
  for (const mdx::AnsiString& message : loaded.messages) std::fprintf(stderr, "mdxconsole: %s\n", message.c_str());
  if (loaded.outcome != mdx::emulator::LoadOutcome::kLoaded) return mdx::emulator::PrinterState();
  if (tapeFrom >= 0) store.ReadHistory(state, tapeFrom, detailFrom);
  return state;
}

// The printer's state after the run: the tape and the detail records since
// the baseline, read from the printer or its files (not the whole history).
mdx::emulator::PrinterState RunState(mdx::emulator::VirtualPrinter* printer, const std::string& stateFile,
                                     const Baseline& baseline) {
  const auto tapeFrom = static_cast<int64_t>(baseline.tapeLines);
  const auto detailFrom = static_cast<int64_t>(baseline.detailDocuments);
  if (!printer) return LineState(stateFile, tapeFrom, detailFrom);
  mdx::emulator::PrinterState state = printer->RecentState();
  state.tape = printer->TapeLines(tapeFrom, INT64_MAX);
  state.tapeBase = tapeFrom;
  state.detail = printer->DetailRecords(detailFrom, INT64_MAX);
  state.detailBase = detailFrom;
  return state;
}

std::string FreshFolderName() {
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return "mdxconsole-" + std::string(stamp) + "-" + std::to_string(ticks % 100000);
}

}  // namespace

int main(int argc, char** argv) {
  std::string scriptPath, workOption;
  bool keep = false, frames = false, resume = false, list = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--work") {
      if (++i >= argc) return Usage("--work needs a folder");
      workOption = argv[i];
    } else if (arg == "--keep") {
      keep = true;
    } else if (arg == "--frames") {
      frames = true;
    } else if (arg == "--resume") {
      resume = true;
    } else if (arg == "--list") {
      list = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage(("unknown option " + arg).c_str());
    } else if (scriptPath.empty()) {
      scriptPath = arg;
    } else {
      return Usage("one script at a time");
    }
  }
  if (!list && scriptPath.empty()) return Usage("no script given");

#ifdef _WIN32
  platform::LibraryHandle package = LoadBeside("Mdx00200");
#else
  platform::LibraryHandle package = LoadBeside("mdx00200");
#endif
  if (!package) return kScriptError;
  if (list) return List(package);

  Script script;
  try {
    script = LoadScript(scriptPath);
    CheckScript(script, package);
  } catch (const ScriptError& e) {
    std::fprintf(stderr, "mdxconsole: %s\n", e.what());
    return kScriptError;
  }

  // The work folder and the printer's state, before the serial library
  // creates its printer.
  std::error_code error;
  const bool madeFolder = workOption.empty();
  fs::path work = fs::absolute(madeFolder ? fs::path(FreshFolderName()) : fs::path(workOption), error);
  fs::create_directories(work, error);
  if (!fs::is_directory(work)) {
    std::fprintf(stderr, "mdxconsole: cannot make the work folder %s\n", work.string().c_str());
    return kScriptError;
  }
  const std::string workFolder = work.string();
  const char* stateSetting = std::getenv("MDX_PRINTER_STATE");
  std::set<std::string> ignored;
  if (!stateSetting || !*stateSetting) {
    const fs::path state = work / kStateFile;
    if (!resume) {
      fs::remove(state, error);
      fs::remove(work / (std::string(kStateFile) + ".damaged"), error);
    }
    platform::SetEnvironment("MDX_PRINTER_STATE", state.string());
    ignored = {kStateFile, std::string(kStateFile) + ".tmp", std::string(kStateFile) + ".damaged"};
  }
  if (frames) platform::SetEnvironment("MDX_SERIAL_DEBUG", "1");

  platform::LibraryHandle serial = LoadBeside("SERSWEDA");
  auto printerEntry = serial ? reinterpret_cast<mdx::emulator::VirtualPrinter* (*)()>(
                                   platform::FindSymbol(serial, "Sersweda_VirtualPrinter"))
                             : nullptr;
  if (!printerEntry) {
    std::fprintf(stderr, "mdxconsole: the serial library has no virtual printer\n");
    return kScriptError;
  }
  // Null when the printer is on a serial line.
  mdx::emulator::VirtualPrinter* printer = printerEntry();
  const char* stateName = std::getenv("MDX_PRINTER_STATE");
  const std::string stateFile = stateName ? stateName : "";
  if (script.clock && printer) {
    try {
      printer->SetClock(*script.clock);
    } catch (const mdx::Exception& e) {
      // A resumed printer whose last document is later than the script's clock.
      std::fprintf(stderr, "mdxconsole: %s\n", e.Message().c_str());
      return kScriptError;
    }
  }
  if (script.clock && !printer) {
    std::fprintf(stderr, "mdxconsole: the printer is on a serial line; its clock is not set from the script\n");
  }

  SetWorkFolderText(platform::IncludeTrailingPathDelimiter(workFolder));
  ConsoleHost host(platform::IncludeTrailingPathDelimiter(workFolder), script.clock, script.defaultAnswer);
  mdx::HostServices* previous = mdx::InstallHostServices(&host);

  std::printf("mdxconsole: %s, work folder %s\n", script.path.c_str(), workFolder.c_str());
  const Baseline baseline = TakeBaseline(printer ? printer->RecentState() : LineState(stateFile), workFolder);
  const PrinterAccess access{[printerEntry] { return printerEntry(); },
                             [&host](mdx::TDateTime now) { host.SetNow(now); }};
  const RunOutcome outcome = RunScript(script, package, host, access, workFolder, stdout, ignored);

  // The package may have switched the printer off and on: ask again.
  printer = printerEntry();
  const mdx::emulator::PrinterState state = RunState(printer, stateFile, baseline);
  std::printf("---- paper tape ----\n");
  for (const mdx::AnsiString& line : state.tape) std::printf("%s\n", mdx::AnsiToUtf8(line).c_str());
  std::printf("---- end of tape ----\n");
  std::printf("%s\n", SummaryLine(baseline, state, NewFiles(baseline, workFolder, ignored), outcome.errors).c_str());
  std::fflush(stdout);

  mdx::InstallHostServices(previous);
  if (madeFolder && !keep) fs::remove_all(work, error);
  return outcome.expectMismatches ? 1 : 0;
}
