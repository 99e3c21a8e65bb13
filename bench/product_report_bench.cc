// The product report over 50,000 and 100,000 products, plain and grouped by
// tax rate, against a printer that answers at once: the package and the
// serial substitute are loaded by name from beside this program, as a till
// loads them, with the in-process virtual printer (in memory, no state file)
// behind the port. The time covers everything the report does: the copy of
// the products, the sort, the lines, every "08" through the command channel
// and its debug log. items_per_second counts products.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_support.h"
#include "mdx00200/dataset.h"
#include "mdx00200/export.h"
#include "mdx00200/host_services.h"
#include "mdx00200/platform.h"

namespace {

using mdx::AnsiString;
using mdx::TClientDataSet;
using ReportFn = void (*)(const AnsiString&, const AnsiString&, const AnsiString&,
                          const AnsiString&, const AnsiString&, AnsiString&, TClientDataSet*,
                          const AnsiString&, const AnsiString&, const AnsiString&, bool&);
using OpenPortFn = int(MDX_STDCALL*)(int, int);
using RestartFn = void* (*)();

struct Till {
  ReportFn report = nullptr;
  RestartFn restartPrinter = nullptr;
  AnsiString error;
};

mdx::platform::LibraryHandle LoadBeside(const AnsiString& baseName) {
  return mdx::platform::OpenLibrary(mdx::platform::ExecutableDirectory() +
                                    mdx::platform::LibraryFileName(baseName));
}

// The package with its send entry on the serial substitute and the port open.
Till& LoadTill() {
  static Till till = [] {
    Till t;
#ifdef _WIN32
    mdx::platform::LibraryHandle package = LoadBeside("Mdx00200");
#else
    mdx::platform::LibraryHandle package = LoadBeside("mdx00200");
#endif
    mdx::platform::LibraryHandle serial = LoadBeside("SERSWEDA");
    if (!package || !serial) {
      t.error = "the package or the serial substitute was not found";
      return t;
    }
    auto* sendEntry = static_cast<void**>(mdx::platform::FindSymbol(package, "SwedaEnviaComando"));
    auto open = reinterpret_cast<OpenPortFn>(mdx::platform::FindSymbol(serial, "AbrePorta"));
    t.report = reinterpret_cast<ReportFn>(mdx::platform::FindSymbol(package, "Relatorio_Produto"));
    t.restartPrinter =
        reinterpret_cast<RestartFn>(mdx::platform::FindSymbol(serial, "Sersweda_RestartVirtualPrinter"));
    void* serialSend = mdx::platform::FindSymbol(serial, "EnviaComando");
    if (!sendEntry || !open || !t.report || !t.restartPrinter || !serialSend || open(1, 0) != 1) {
      t.error = "an entry point is missing or the port did not open";
      t.report = nullptr;
      return t;
    }
    *sendEntry = serialSend;
    return t;
  }();
  return till;
}

// `count` products over eight tax groups, in no particular order.
std::unique_ptr<TClientDataSet> Products(int count) {
  auto products = std::make_unique<TClientDataSet>("cdsProdutos");
  products->FieldDefs().Add("CDPRODIMPFIS", mdx::ftString, 20);
  products->FieldDefs().Add("CDPRODUTO", mdx::ftString, 20);
  products->FieldDefs().Add("NMPRODUTO", mdx::ftString, 40);
  products->FieldDefs().Add("QTPRODVEND", mdx::ftFloat);
  products->FieldDefs().Add("VRTOTAL", mdx::ftFloat);
  products->FieldDefs().Add("VRACRE", mdx::ftFloat);
  products->FieldDefs().Add("VRDESC", mdx::ftFloat);
  products->FieldDefs().Add("VRPEALIMPFIS", mdx::ftFloat);
  products->FieldDefs().Add("IDTPIMPOSFIS", mdx::ftString, 1);
  products->IndexDefs().Add("idxTributacao", "IDTPIMPOSFIS;VRPEALIMPFIS");
  products->CreateDataSet();
  products->SetLogChanges(false);
  const double rates[] = {0, 0, 0, 18, 12, 7, 25, 5};
  const char* types[] = {"F", "I", "N", "T", "T", "T", "T", "S"};
  for (int i = 0; i < count; ++i) {
    const int group = (i * 7919) % 8;
    products->Append();
    products->FieldByName("CDPRODIMPFIS").SetAsString(i % 5 == 0 ? "" : "789" + std::to_string(1000000 + i));
    products->FieldByName("CDPRODUTO").SetAsString(std::to_string(i));
    products->FieldByName("NMPRODUTO").SetAsString("PRODUTO NUMERO " + std::to_string(i));
    products->FieldByName("QTPRODVEND").SetAsFloat(1 + i % 9);
    products->FieldByName("VRTOTAL").SetAsFloat((i % 997) * 1.25);
    products->FieldByName("VRACRE").SetAsFloat(i % 13 == 0 ? 0.5 : 0);
    products->FieldByName("VRDESC").SetAsFloat(i % 11 == 0 ? 0.25 : 0);
    products->FieldByName("VRPEALIMPFIS").SetAsFloat(rates[group]);
    products->FieldByName("IDTPIMPOSFIS").SetAsString(types[group]);
    products->Post();
  }
  return products;
}

void ProductReport(benchmark::State& state, const char* grouped) {
  Till& till = LoadTill();
  if (!till.report) {
    state.SkipWithError(till.error.c_str());
    return;
  }
  bench::BenchHost host("mdx_product_report_bench");
  mdx::HostServices* previous = mdx::InstallHostServices(&host);
  const int count = static_cast<int>(state.range(0));
  std::unique_ptr<TClientDataSet> products = Products(count);
  AnsiString couponNumber;
  for (auto _ : state) {
    state.PauseTiming();
    till.restartPrinter();  // a fresh paper tape for every run
    state.ResumeTiming();
    couponNumber.clear();
    bool reportOpen = true;
    till.report("", "", "", "", "", couponNumber, products.get(), "N", grouped, "001", reportOpen);
    benchmark::DoNotOptimize(couponNumber);
  }
  mdx::InstallHostServices(previous);
  // The report hands back the printer's coupon number once it has opened.
  if (couponNumber.empty()) state.SkipWithError("the report was not printed");
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_ProductReportPlain(benchmark::State& state) { ProductReport(state, "N"); }
void BM_ProductReportGrouped(benchmark::State& state) { ProductReport(state, "S"); }

BENCHMARK(BM_ProductReportPlain)->Arg(25000)->Arg(50000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProductReportGrouped)->Arg(25000)->Arg(50000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
