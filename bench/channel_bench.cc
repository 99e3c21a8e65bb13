// One command through the package's channel (EnviaComando_Sweda) against a
// printer that answers at once, with the debug log on: the package's own
// cost per command, the frame built, logged, sent and the reply checked.
// The printer is a function of this program that answers ".+0000", so the
// time is the package's alone. Counters: the bytes each command puts on the
// wire (frame and reply) and the package's CPU time as a share of the time
// those bytes take on a serial line at 9,600 and 115,200 baud.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_support.h"

namespace {

using bench::AnsiString;
using SendFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString*, int, bool, bool);

bench::WireCount wire;

// A printer with no delay: every frame is accepted.
int MDX_STDCALL InstantPrinter(const char* frame, unsigned char* reply) {
  static const char kReply[] = ".+0000";
  const size_t size = sizeof kReply - 1;
  reply[0] = static_cast<unsigned char>(size);
  std::memcpy(reply + 1, kReply, size + 1);
  ++wire.exchanges;
  wire.sentBytes += std::strlen(frame);
  wire.receivedBytes += size;
  return 1;
}

// EnviaComando_Sweda(code, params) over and over, with the channel's own
// error handling off and the busy repeat on, as most operations send.
void Command(benchmark::State& state, const char* code, std::vector<AnsiString> params) {
  const bench::Libraries& libraries = bench::Load();
  auto send = libraries.Op<SendFn>("EnviaComando_Sweda");
  void** entry = libraries.error.empty() ? static_cast<void**>(libraries.PackageSymbol("SwedaEnviaComando")) : nullptr;
  if (!send || !entry) {
    state.SkipWithError(libraries.error.empty() ? "an entry point is missing" : libraries.error.c_str());
    return;
  }
  bench::BenchHost host("mdx_channel_bench");
  mdx::HostServices* previous = mdx::InstallHostServices(&host);
  *entry = reinterpret_cast<void*>(&InstantPrinter);
  wire = {};
  bool accepted = true;
  int sinceClear = 0;
  for (auto _ : state) {
    accepted &= send("001", code, params.data(), static_cast<int>(params.size()) - 1, false, true);
    if (++sinceClear == 100000) {  // keeps the log file small without timing its removal
      state.PauseTiming();
      host.ClearLog();
      sinceClear = 0;
      state.ResumeTiming();
    }
  }
  mdx::InstallHostServices(previous);
  *entry = nullptr;
  if (!accepted) state.SkipWithError("a command was refused");
  const double perCommand = wire.exchanges ? static_cast<double>(wire.Bytes()) / static_cast<double>(wire.exchanges) : 0;
  state.counters["wire_bytes"] = perCommand;
  state.counters["exchanges"] = wire.exchanges ? static_cast<double>(wire.exchanges) / static_cast<double>(state.iterations()) : 0;
  state.counters["wire_us_9600"] = perCommand * 10.0 / 9600 * 1e6;
  state.counters["wire_us_115200"] = perCommand * 10.0 / 115200 * 1e6;
}

// A report line ("08", "0" + 40 characters): the command reports send most.
void BM_ChannelCommand(benchmark::State& state) { Command(state, "08", {"0" + AnsiString(40, 'x')}); }
// The status query, the shortest frame there is.
void BM_ChannelStatus(benchmark::State& state) { Command(state, "28", {}); }

BENCHMARK(BM_ChannelCommand)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(BM_ChannelStatus)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
