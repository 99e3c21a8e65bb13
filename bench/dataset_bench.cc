// The dataset's load, save, locate, filter and sort speed. Each load and save
// runs at three sizes so that time against rows can be read off; rows per
// second (items_per_second) and bytes per second are in the output.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "bench_support.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"

namespace {

using namespace mdx;

std::string Code(int n, int width) {
  std::string text = std::to_string(n);
  return std::string(width > int(text.size()) ? width - text.size() : 0, '0') + text;
}

// Ten fields of the kinds the package's datasets use, about 100 bytes a row.
void Fill(TClientDataSet& ds, int rows) {
  ds.FieldDefs().Add("CDFILIAL", ftString, 4);
  ds.FieldDefs().Add("CDCAIXA", ftString, 3);
  ds.FieldDefs().Add("NRSERIEECF", ftString, 20);
  ds.FieldDefs().Add("NMTIPORECE", ftString, 40);
  ds.FieldDefs().Add("VRTAXAADMI", ftFloat);
  ds.FieldDefs().Add("QTITENS", ftInteger);
  ds.FieldDefs().Add("DTHRINCMOV", ftDateTime);
  ds.FieldDefs().Add("IDATIVO", ftBoolean);
  ds.FieldDefs().Add("NRORDTROCO", ftString, 3);
  ds.FieldDefs().Add("DSOBS", ftString, 100);
  ds.CreateDataSet();
  ds.SetLogChanges(false);
  std::mt19937 random(42);
  const TDateTime start = EncodeDate(2024, 1, 15);
  for (int i = 0; i < rows; ++i) {
    ds.Append();
    ds.Fields(0).SetAsString(Code(int(random() % 20), 2));
    ds.Fields(1).SetAsString(Code(int(random() % 10), 3));
    ds.Fields(2).SetAsString("SW" + Code(i, 12));
    ds.Fields(3).SetAsString("FORMA DE PAGAMENTO " + std::to_string(random() % 100));
    ds.Fields(4).SetAsFloat(double(random() % 10000) / 100);
    ds.Fields(5).SetAsInteger(int(random() % 1000));
    ds.Fields(6).SetAsDateTime(start + double(i) / 1000);
    ds.Fields(7).SetAsBoolean(random() % 2);
    ds.Fields(8).SetAsString(Code(int(random() % 50), 3));
    if (i % 3) ds.Fields(9).SetAsString("observacao do movimento " + std::to_string(i));
    ds.Post();
  }
}

const Variant& Packet(int rows) {
  static std::map<int, Variant> packets;
  auto found = packets.find(rows);
  if (found == packets.end()) {
    TClientDataSet ds;
    Fill(ds, rows);
    found = packets.emplace(rows, ds.Data()).first;
  }
  return found->second;
}

void Counters(benchmark::State& state, int rows, size_t bytes) {
  state.SetItemsProcessed(int64_t(state.iterations()) * rows);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
  state.counters["packet_bytes"] = double(bytes);
}

void BM_LoadPacket(benchmark::State& state) {
  const int rows = int(state.range(0));
  const Variant& packet = Packet(rows);
  TClientDataSet ds;
  for (auto _ : state) ds.SetData(packet);
  Counters(state, rows, packet.ByteData().size());
}
BENCHMARK(BM_LoadPacket)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SavePacket(benchmark::State& state) {
  const int rows = int(state.range(0));
  TClientDataSet ds;
  ds.SetData(Packet(rows));
  ds.SetLogChanges(false);
  size_t bytes = 0;
  for (auto _ : state) {
    const Variant data = ds.Data();
    bytes = data.ByteData().size();
    benchmark::DoNotOptimize(bytes);
  }
  Counters(state, rows, bytes);
}
BENCHMARK(BM_SavePacket)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

std::string BenchFile() {
  return (std::filesystem::temp_directory_path() / ("mdx_dataset_bench_" + std::to_string(bench::ProcessId()) + ".cds"))
      .string();
}

void BM_SaveToFile(benchmark::State& state) {
  const int rows = int(state.range(0));
  TClientDataSet ds;
  ds.SetData(Packet(rows));
  ds.SetLogChanges(false);
  for (auto _ : state) ds.SaveToFile(BenchFile());
  Counters(state, rows, Packet(rows).ByteData().size());
}
BENCHMARK(BM_SaveToFile)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadFromFile(benchmark::State& state) {
  const int rows = int(state.range(0));
  {
    TClientDataSet ds;
    ds.SetData(Packet(rows));
    ds.SetLogChanges(false);
    ds.SaveToFile(BenchFile());
  }
  TClientDataSet ds;
  for (auto _ : state) ds.LoadFromFile(BenchFile());
  Counters(state, rows, Packet(rows).ByteData().size());
  std::remove(BenchFile().c_str());
}
BENCHMARK(BM_LoadFromFile)->Arg(100000)->Unit(benchmark::kMillisecond);

constexpr int kSearchRows = 50000;

// A locate after every edit: each one walks the view (the worst case).
void BM_LocateAfterEdit(benchmark::State& state) {
  TClientDataSet ds;
  ds.SetData(Packet(kSearchRows));
  std::mt19937 random(1);
  for (auto _ : state) {
    const std::string key = "SW" + Code(int(random() % kSearchRows), 12);
    if (!ds.Locate("NRSERIEECF", key)) state.SkipWithError("not found");
    ds.Edit();
    ds.FieldByName("QTITENS").SetAsInteger(1);
    ds.Post();
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * kSearchRows);  // rows looked at, at most
  state.counters["locates_per_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LocateAfterEdit)->Unit(benchmark::kMicrosecond);

// Repeated locates with no change in between (sorted once, then searched).
void BM_LocateRepeated(benchmark::State& state) {
  TClientDataSet ds;
  ds.SetData(Packet(kSearchRows));
  std::mt19937 random(2);
  for (auto _ : state) {
    const bool found = ds.Locate("CDFILIAL;NRSERIEECF", VarArrayOf({"01", "SW" + Code(int(random() % kSearchRows), 12)}));
    benchmark::DoNotOptimize(found);
  }
  state.counters["locates_per_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LocateRepeated)->Unit(benchmark::kMicrosecond);

// Locate on the fields of the active index.
void BM_LocateIndexed(benchmark::State& state) {
  TClientDataSet ds;
  ds.SetData(Packet(kSearchRows));
  ds.SetIndexFieldNames("NRSERIEECF");
  std::mt19937 random(3);
  for (auto _ : state) {
    const bool found = ds.Locate("NRSERIEECF", "SW" + Code(int(random() % kSearchRows), 12));
    benchmark::DoNotOptimize(found);
  }
  state.counters["locates_per_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LocateIndexed)->Unit(benchmark::kMicrosecond);

// Switching a filter on over every row: compile once, test each record.
void BM_Filter(benchmark::State& state) {
  TClientDataSet ds;
  ds.SetData(Packet(kSearchRows));
  const char* filters[] = {"CDFILIAL = '01' AND CDCAIXA = '002' AND NRSERIEECF = 'x'",
                           "DSOBS IS NOT NULL AND CDCAIXA = '005'"};
  int n = 0;
  for (auto _ : state) {
    ds.SetFilter(filters[n++ % 2]);
    ds.SetFiltered(true);
    benchmark::DoNotOptimize(ds.RecordCount());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * kSearchRows);
}
BENCHMARK(BM_Filter)->Unit(benchmark::kMillisecond);

// Sorting the view on a two-field index.
void BM_IndexSort(benchmark::State& state) {
  TClientDataSet ds;
  ds.SetData(Packet(kSearchRows));
  const char* orders[] = {"CDFILIAL;VRTAXAADMI", "NRORDTROCO;DTHRINCMOV"};
  int n = 0;
  for (auto _ : state) ds.SetIndexFieldNames(orders[n++ % 2]);
  state.SetItemsProcessed(int64_t(state.iterations()) * kSearchRows);
}
BENCHMARK(BM_IndexSort)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
