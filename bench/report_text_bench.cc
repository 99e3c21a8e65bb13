// How fast a free-text report's text is cut into its blocks: 58-character
// lines ended by LF CR, and text without any line end, each at 1 and 2 MB
// (the argument) so that time against size can be read off. The output
// gives bytes_per_second and sec_per_MB (the time per MB).
//
// The cutting lives in the package, which is loaded by name from beside this
// program, as a host loads it; the function is found under its C++ name.
#include <benchmark/benchmark.h>

#include <vector>

#include "mdx00200/ansi_string.h"
#include "mdx00200/platform.h"

namespace {

using mdx::AnsiString;
using CutFn = std::vector<AnsiString> (*)(const AnsiString&);

constexpr size_t kMegabyte = 1 << 20;
const char kCutSymbol[] =
    "_ZN8Mdx002004cash15CutReportBlocksERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE";

CutFn FindCut() {
#ifdef _WIN32
  const AnsiString baseName = "Mdx00200";
#else
  const AnsiString baseName = "mdx00200";
#endif
  static CutFn cut = [&]() -> CutFn {
    const AnsiString path = mdx::platform::ExecutableDirectory() + mdx::platform::LibraryFileName(baseName);
    mdx::platform::LibraryHandle package = mdx::platform::OpenLibrary(path);
    if (!package) return nullptr;
    return reinterpret_cast<CutFn>(mdx::platform::FindSymbol(package, kCutSymbol));
  }();
  return cut;
}

AnsiString ReportLines(size_t size) {
  AnsiString text;
  text.reserve(size + 60);
  while (text.size() < size) text += AnsiString(58, 'x') + "\n\r";
  text.resize(size);
  return text;
}

void CutText(benchmark::State& state, const AnsiString& text) {
  CutFn cut = FindCut();
  if (!cut) {
    state.SkipWithError("the package or its block cutting was not found");
    return;
  }
  size_t blocks = 0;
  for (auto _ : state) {
    std::vector<AnsiString> result = cut(text);
    blocks = result.size();
    benchmark::DoNotOptimize(result.data());
  }
  const double megabytes = static_cast<double>(text.size()) / kMegabyte;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
  state.counters["blocks"] = static_cast<double>(blocks);
  state.counters["sec_per_MB"] =
      benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate |
                                        benchmark::Counter::kInvert);
}

size_t Size(const benchmark::State& state) { return static_cast<size_t>(state.range(0)) * kMegabyte; }

void BM_CutLines(benchmark::State& state) { CutText(state, ReportLines(Size(state))); }
void BM_CutWithoutLineEnds(benchmark::State& state) { CutText(state, AnsiString(Size(state), 'y')); }

BENCHMARK(BM_CutLines)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CutWithoutLineEnds)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
