// The virtual printer's cost per command against its history: a day of 200
// sales (an opening, three items, a payment and a closing each) and its Z,
// on a printer whose state file already holds 0, 30 or 365 such days. The
// history is written straight through the state layer: each day is run on
// a printer in memory and committed to the state store at once.
//
// Counters: day_s (the day's wall time, every sync included), day_cpu_s (the
// process's CPU time in the day: the printer's work without the waits for
// the disk), per_command_ms
// (the printer's own cost of a command: its CPU and its writes), wire_ms
// (the same command's frame and reply at 115,200 baud, 10 bits a byte),
// open_s (opening the printer: reading its state file and its journal),
// state_mb (the state file and its journal on disk after the day) and
// peak_rss_mb (the process's peak resident memory so far).
//
// BM_MenuFiles: the fiscal menu's files of one day (the last) or of one month
// (the last 30 days) from a printer with 30 or 365 days of history: the
// capture (the printer's recent state and its journal index), then the
// detail-tape mirror, the electronic file and the complete fiscal-memory
// reading of the range.
//
// BM_PageView: what the printer's page asks for twice a second, the whole
// view (state, the tape's last lines cut into documents, frames, fiscal
// memory), from a printer with 0, 30 or 365 days of history; view_kb is its
// size.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "bench_support.h"
#include "fiscalfiles/detail_mirror.h"
#include "fiscalfiles/electronic_file.h"
#include "fiscalfiles/fixed_fields.h"
#include "fiscalfiles/memory_reading.h"
#include "fiscalfiles/snapshot.h"
#include "emulator/shared_printer.h"
#include "emulator/state_store.h"
#include "emulator/view/view_snapshot.h"
#include "emulator/virtual_printer.h"

namespace {

namespace fs = std::filesystem;
using mdx::AnsiString;
using mdx::TDateTime;
using namespace mdx::emulator;

constexpr int kSales = 200;
TDateTime clockNow = 0;
TDateTime Clock() { return clockNow; }

AnsiString Digits(int64_t value, size_t width) {
  AnsiString text = std::to_string(value);
  return AnsiString(width > text.size() ? width - text.size() : 0, '0') + text;
}

AnsiString Frame(const AnsiString& body) { return "\x1b." + body + "}"; }

// One day's frames in order: the sales, then the Z of `day`.
std::vector<AnsiString> DayFrames(TDateTime day) {
  std::vector<AnsiString> frames;
  for (int sale = 0; sale < kSales; ++sale) {
    frames.push_back(Frame("17"));
    for (int item = 1; item <= 3; ++item) {
      frames.push_back(Frame("01" + Digits(item, 13) + Digits(1000, 7) + Digits(250 * item, 9) +
                             Digits(250 * item, 12) + "PRODUTO " + Digits(item, 16) + "T01"));
    }
    frames.push_back(Frame("1001" + Digits(1500, 12)));
    frames.push_back(Frame("12N"));
  }
  int year = 0, month = 0, dayOfMonth = 0;
  mdx::DecodeDate(day, year, month, dayOfMonth);
  frames.push_back(Frame("14N" + Digits(dayOfMonth, 2) + Digits(month, 2) + Digits(year % 100, 2)));
  return frames;
}

TDateTime FirstDay() { return mdx::EncodeDate(2026, 1, 5); }

// Runs the day on the printer; the bytes of its frames and replies.
uint64_t RunDay(VirtualPrinter& printer, TDateTime day) {
  uint64_t bytes = 0;
  clockNow = day + 0.4;
  for (const AnsiString& frame : DayFrames(day)) {
    const auto reply = printer.Exchange(frame);
    bytes += frame.size() + (reply ? reply->size() : 0);
    clockNow += 1.0 / 86400;
  }
  return bytes;
}

fs::path Folder(const std::string& name) {
  return fs::temp_directory_path() / (name + "_" + std::to_string(bench::ProcessId()));
}

// A state file holding `days` days, built once per process and copied.
fs::path History(int days) {
  const fs::path folder = Folder("mdx_history_" + std::to_string(days));
  if (fs::exists(folder / "printer.state")) return folder;
  fs::remove_all(folder);
  fs::create_directories(folder);
  PrinterOptions options;
  options.systemClock = Clock;
  auto memory = CreateVirtualPrinter(options);
  StateStore store((folder / "printer.state").string());
  for (int d = 0; d < days; ++d) {
    RunDay(*memory, FirstDay() + d);
    PrinterState state = memory->RecentState();
    AnsiString error;
    if (!store.Commit(state, error)) std::fprintf(stderr, "bench: %s\n", error.c_str());
    memory->SetState(state);
  }
  if (days == 0) {
    PrinterState fresh;
    AnsiString error;
    store.Commit(fresh, error);
  }
  return folder;
}

void FlushToDisk() {
#ifndef _WIN32
  sync();
#endif
}

uint64_t FolderBytes(const fs::path& folder) {
  uint64_t bytes = 0;
  for (const auto& entry : fs::directory_iterator(folder)) bytes += entry.file_size();
  return bytes;
}

void BM_PrinterDay(benchmark::State& state) {
  const int days = static_cast<int>(state.range(0));
  const fs::path history = History(days);
  const fs::path work = Folder("mdx_history_run");
  double daySeconds = 0, dayCpu = 0, openSeconds = 0;
  uint64_t bytes = 0, stateBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(work);
    fs::copy(history, work);
    FlushToDisk();  // the copy's dirty pages are not the day's to write
    PrinterOptions options;
    options.stateFile = (work / "printer.state").string();
    options.systemClock = Clock;
    state.ResumeTiming();
    auto start = std::chrono::steady_clock::now();
    auto printer = CreateVirtualPrinter(options);
    openSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    start = std::chrono::steady_clock::now();
    const double cpu = bench::ProcessCpuSeconds();
    bytes = RunDay(*printer, FirstDay() + days);
    dayCpu = bench::ProcessCpuSeconds() - cpu;
    daySeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.PauseTiming();
    printer.reset();
    stateBytes = FolderBytes(work);
    state.ResumeTiming();
  }
  fs::remove_all(work);
  const double commands = kSales * 6 + 1;
  state.counters["day_s"] = daySeconds;
  state.counters["day_cpu_s"] = dayCpu;
  state.counters["open_s"] = openSeconds;
  state.counters["per_command_ms"] = daySeconds / commands * 1e3;
  state.counters["wire_ms"] = static_cast<double>(bytes) * 10 / 115200 / commands * 1e3;
  state.counters["state_mb"] = static_cast<double>(stateBytes) / (1 << 20);
  state.counters["peak_rss_mb"] = bench::PeakResidentMegabytes();
}
BENCHMARK(BM_PrinterDay)->Arg(0)->Arg(30)->Arg(365)->Iterations(1)->Unit(benchmark::kSecond)
    ->UseRealTime();

void BM_MenuFiles(benchmark::State& state) {
  const int days = static_cast<int>(state.range(0));
  const int covered = static_cast<int>(state.range(1));
  const fs::path history = History(days);
  PrinterOptions options;
  options.stateFile = (history / "printer.state").string();
  options.systemClock = Clock;
  auto printer = CreateVirtualPrinter(options);
  namespace ff = mdx::fiscalfiles;
  const int lastDay = ff::DayNumber(FirstDay() + days - 1);
  const ff::Range range{ff::RangeKind::kDay, lastDay - covered + 1, lastDay};
  size_t bytes = 0;
  for (auto _ : state) {
    const ff::Snapshot capture =
        ff::TakeSnapshot(printer->RecentState(), clockNow, printer->HistoryIndex());
    bytes = ff::MirrorText(capture, range).size() +
            ff::ElectronicFileText(capture, capture, range).size() +
            ff::MemoryReadingText(capture, range, ff::ReadingMode::kComplete).size();
  }
  state.counters["file_kb"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_MenuFiles)->Args({30, 1})->Args({365, 1})->Args({30, 30})->Args({365, 30})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PageView(benchmark::State& state) {
  const int days = static_cast<int>(state.range(0));
  const fs::path history = History(days);
  PrinterOptions options;
  options.stateFile = (history / "printer.state").string();
  options.systemClock = Clock;
  SharedPrinter printer(CreateVirtualPrinter(options));
  size_t bytes = 0;
  for (auto _ : state) bytes = view::ViewSnapshot(printer).size();
  state.counters["view_kb"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_PageView)->Arg(0)->Arg(30)->Arg(365)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (int days : {0, 30, 365}) fs::remove_all(Folder("mdx_history_" + std::to_string(days)));
  return 0;
}
