// A till's day against the in-process virtual printer, through the
// package's operations as a host calls them: the tables read at the start,
// `sales` coupons of ten items each paid in cash, twenty cash movements, the
// X reading, the product report grouped by tax rate, the till closing (the
// withdrawal receipt, the closing reports, the questions answered and the
// capture of the coming Z reduction's data) and the Z reduction.
//
// The session (StartImpFiscal) is opened once; each run gets a fresh printer
// and the host's records are made before the clock starts. Counters per day:
// the commands and the bytes on the wire (counted between the package and the
// printer), the wire time at 9,600 and 115,200 baud, the process CPU time of
// the day, the part of it spent inside the virtual printer, and the
// package's share (the rest) of the wire time. peak_rss_mb is the process's
// peak resident memory so far.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "mdx00200/coupon.h"
#include "mdx00200/dataset.h"
#include "mdx00200/fiscal_day.h"
#include "mdx00200/product_report.h"
#include "mdx00200/session.h"
#include "mdx00200/tables.h"
#include "mdx00200/till_closing.h"

namespace {

using bench::AnsiString;
using mdx::TClientDataSet;
using mdx::Variant;

template <typename F>
F Op(const char* name) {
  return bench::Load().Op<F>(name);
}
#define MDX_OP(name) Op<decltype(&Mdx00200::name)>(#name)

constexpr int kItemsPerSale = 10;
constexpr int kMovements = 20;
constexpr int kProducts = 200;  // distinct products sold in the day
const char* const kRates[] = {"T01", "T02", "T03", "S01", "F", "I", "N"};
const char* const kScheme = "007";

Variant Record(std::initializer_list<std::pair<const char*, Variant>> pairs) {
  std::vector<Variant> items;
  for (const auto& [name, value] : pairs) items.push_back(mdx::VarArrayOf({name, value}));
  return Variant::ArrayOf(items);
}

Variant Opening() {
  return Record({{"ESQUEMACOR", kScheme}, {"INTTEFERRO", 0}, {"INCLUICPF", ""}, {"INCLUINOME", ""},
                 {"INCLUIENDERECO", ""}, {"CUPNR", ""}, {"CONTCUPOM", ""}, {"IDUTILTEF", "N"},
                 {"UTILTEF", false}});
}

struct Item {
  int product;
  double quantity;
  double price;
  double discount;
};

Item ItemOf(int sale, int line) {
  const int product = (sale * 7 + line * 13) % kProducts;
  return {product, double(1 + (sale + line) % 3), 1.0 + (product % 50) * 0.37, line == 3 ? 0.10 : 0.0};
}

Variant ItemRecord(const Item& item) {
  return Record({{"ESQUEMACOR", kScheme}, {"INTTEFERRO", 0},
                 {"CDARVPROD", std::to_string(1000 + item.product)},
                 {"NMPROD", "PRODUTO " + std::to_string(item.product)},
                 {"CDALIQ", kRates[item.product % 7]}, {"QTDE", item.quantity}, {"VALOR", item.price},
                 {"DESCONT", item.discount}, {"UNIDADE", ""}, {"IDUTILTEF", "N"}, {"UTILTEF", false},
                 {"ACRESCIMO", 0.0}});
}

// The host's cash movements of a sale (element 13 of the closing).
Variant CashPacket(double amount) {
  TClientDataSet ds;
  const struct {
    const char* name;
    mdx::TFieldType type;
    int size;
  } fields[] = {{"CDFILIAL", mdx::ftString, 4},     {"IDTIPOMOVIVE", mdx::ftString, 1},
                {"DTHRINCMOV", mdx::ftDateTime, 0}, {"CDTIPORECE", mdx::ftString, 3},
                {"NMTIPORECE", mdx::ftString, 40},  {"IDTIPORECE", mdx::ftString, 1},
                {"VRMOVIVEND", mdx::ftFloat, 0},    {"VRMOVIVEOUT", mdx::ftFloat, 0},
                {"VRCOTINDOUT", mdx::ftFloat, 0},   {"CDTIPOTROCO", mdx::ftString, 3},
                {"NRORDTROCO", mdx::ftString, 3},   {"CDCLIENTE", mdx::ftString, 15},
                {"CDCONSUMIDOR", mdx::ftString, 20}, {"DTMOVIMCAIXA", mdx::ftDateTime, 0},
                {"DSIMPFISCAL", mdx::ftString, 50}, {"CDFPIMPFIS", mdx::ftString, 10},
                {"NRCARTBANCO", mdx::ftString, 20}, {"CDNSUHOSTTEF", mdx::ftString, 20},
                {"CDBANCARTCR", mdx::ftString, 10}, {"CDTIPORECEORIG", mdx::ftString, 3}};
  for (const auto& f : fields) ds.FieldDefs().Add(f.name, f.type, f.size);
  ds.CreateDataSet();
  ds.Append();
  ds.FieldByName("CDFILIAL").SetAsString("0001");
  ds.FieldByName("IDTIPOMOVIVE").SetAsString("E");
  ds.FieldByName("DTHRINCMOV").SetAsDateTime(mdx::Now());
  ds.FieldByName("CDTIPORECE").SetAsString("001");
  ds.FieldByName("NMTIPORECE").SetAsString("Dinheiro");
  ds.FieldByName("VRMOVIVEND").SetAsFloat(amount);
  ds.FieldByName("NRORDTROCO").SetAsString("1");
  ds.Post();
  return ds.Data();
}

Variant MethodsPacket() {
  TClientDataSet ds;
  ds.FieldDefs().Add("CDFILIAL", mdx::ftString, 4);
  ds.FieldDefs().Add("CDTIPORECE", mdx::ftString, 3);
  ds.FieldDefs().Add("NMTIPORECE", mdx::ftString, 40);
  ds.FieldDefs().Add("CDFPIMPFIS", mdx::ftString, 10);
  ds.FieldDefs().Add("IDTIPORECE", mdx::ftString, 1);
  ds.CreateDataSet();
  ds.Append();
  ds.FieldByName("CDTIPORECE").SetAsString("001");
  ds.FieldByName("NMTIPORECE").SetAsString("Dinheiro");
  ds.FieldByName("CDFPIMPFIS").SetAsString("01");
  ds.Post();
  return ds.Data();
}

// The 61 elements of a closing, each of the kind the closing reads.
std::vector<Variant> Closing(const Variant& cash, const Variant& methods) {
  std::vector<Variant> items(61);
  for (int i : {0, 1, 2, 9, 10, 15, 16, 17, 18, 19, 20, 21, 22, 23, 27, 31, 35, 36, 40, 43, 44})
    items[size_t(i)] = "";
  for (int i : {6, 7, 8, 37, 38, 51, 52, 54, 58}) items[size_t(i)] = 0.0;
  items[1] = "OBRIGADO PELA PREFERENCIA";
  items[2] = kScheme;
  items[4] = false;
  items[11] = false;
  items[13] = cash;
  items[14] = methods;
  items[32] = Variant::Null();
  items[33] = Variant::Null();
  items[34] = Variant::Null();
  items[60] = true;
  return items;
}

struct Column {
  const char* name;
  mdx::TFieldType type;
  int size;
};

std::unique_ptr<TClientDataSet> Table(std::initializer_list<Column> columns,
                                      const std::vector<std::vector<Variant>>& rows) {
  auto ds = std::make_unique<TClientDataSet>();
  for (const Column& c : columns) ds->FieldDefs().Add(c.name, c.type, c.size);
  ds->CreateDataSet();
  for (const std::vector<Variant>& row : rows) {
    ds->Append();
    for (size_t i = 0; i < row.size(); ++i) ds->Fields(int(i)).SetValue(row[i]);
    ds->Post();
  }
  return ds;
}

// Everything the host hands the package in a day, made before the day runs.
struct DayInput {
  std::vector<Variant> openings;
  std::vector<Variant> items;
  std::vector<std::vector<Variant>> closings;
  std::unique_ptr<TClientDataSet> products, amounts, withdrawals, people, movements, movementTotals,
      salesTotals, credit, receiptTypes;
  std::unique_ptr<TClientDataSet> zReduction, zPayments, zTaxes, zTotalizers;
};

void Prepare(DayInput& in, int sales) {
  const Variant methods = MethodsPacket();
  in.openings.assign(size_t(sales), Opening());
  in.items.clear();
  in.closings.clear();
  std::vector<double> sold(kProducts, 0), amount(kProducts, 0);
  double dayTotal = 0;
  for (int s = 0; s < sales; ++s) {
    double total = 0;
    for (int l = 0; l < kItemsPerSale; ++l) {
      const Item item = ItemOf(s, l);
      in.items.push_back(ItemRecord(item));
      const double value = std::floor(item.quantity * item.price * 100 + 0.5) / 100 - item.discount;
      total += value;
      sold[size_t(item.product)] += item.quantity;
      amount[size_t(item.product)] += value;
    }
    dayTotal += total;
    in.closings.push_back(Closing(CashPacket(std::ceil(total) + 5), methods));  // with change
  }
  std::vector<std::vector<Variant>> productRows;
  const double rateOf[] = {18, 12, 7, 5, 0, 0, 0};
  const char* kindOf[] = {"T", "T", "T", "S", "F", "I", "N"};
  for (int p = 0; p < kProducts; ++p)
    if (sold[size_t(p)] > 0)
      productRows.push_back({"", std::to_string(1000 + p), "PRODUTO " + std::to_string(p), sold[size_t(p)],
                             amount[size_t(p)], 0.0, 0.0, rateOf[p % 7], kindOf[p % 7]});
  in.products = Table({{"CDPRODIMPFIS", mdx::ftString, 20}, {"CDPRODUTO", mdx::ftString, 10},
                       {"NMPRODUTO", mdx::ftString, 40}, {"QTPRODVEND", mdx::ftFloat, 0},
                       {"VRTOTAL", mdx::ftFloat, 0}, {"VRACRE", mdx::ftFloat, 0},
                       {"VRDESC", mdx::ftFloat, 0}, {"VRPEALIMPFIS", mdx::ftFloat, 0},
                       {"IDTPIMPOSFIS", mdx::ftString, 1}},
                      productRows);
  in.amounts = Table({{"NRENVELOPE", mdx::ftString, 6}, {"NMTIPORECE", mdx::ftString, 40},
                      {"VRFECHAINF", mdx::ftFloat, 0}, {"VRFECHADIG", mdx::ftFloat, 0}},
                     {{"000001", "Dinheiro", dayTotal, dayTotal}});
  in.withdrawals = Table({{"CDTIPORECE", mdx::ftString, 3}, {"VRSANGRIA", mdx::ftFloat, 0}}, {});
  in.people = Table({{"CDSUPERVISOR", mdx::ftString, 10}, {"NMSUPERVISOR", mdx::ftString, 40},
                     {"NMOPERADOR", mdx::ftString, 40}},
                    {{"S1", "Supervisora", "Operador"}});
  const std::initializer_list<Column> movementColumns = {{"IDTIPOREG", mdx::ftString, 1},
                                                         {"CDTIPORECE", mdx::ftString, 3},
                                                         {"NMTIPORECE", mdx::ftString, 40},
                                                         {"VRSAIDA", mdx::ftFloat, 0}};
  const std::vector<std::vector<Variant>> movementRows = {
      {"1", "001", "Dinheiro", dayTotal}, {"4", "", "", 500.0}, {"3", "", "", 200.0}};
  in.movements = Table(movementColumns, movementRows);
  in.movementTotals = Table(movementColumns, movementRows);
  in.salesTotals = Table({{"VRTOTAL", mdx::ftFloat, 0}}, {{dayTotal}});
  in.credit = Table({{"VRCARGACREDITO", mdx::ftFloat, 0}}, {{0.0}});
  in.receiptTypes = Table({{"CDTIPORECE", mdx::ftString, 3}, {"CDFPIMPFIS", mdx::ftString, 10}},
                          {{"001", "01"}});
  in.zReduction = std::make_unique<TClientDataSet>();
  in.zPayments = std::make_unique<TClientDataSet>();
  in.zTaxes = std::make_unique<TClientDataSet>();
  in.zTotalizers = std::make_unique<TClientDataSet>();
}

// The session, opened once per process; empty when it opened.
AnsiString OpenSession(bench::BenchHost& host) {
  static const AnsiString error = [&]() -> AnsiString {
    const bench::Libraries& libraries = bench::Load();
    if (!libraries.error.empty()) return libraries.error;
    mdx::HostServices* previous = mdx::InstallHostServices(&host);
    Variant params = Record({{"CDFILIAL", "0001"}, {"CDCAIXA", "001"}, {"NRSERIEIMP", "SW0000001"},
                             {"ESQUEMA", kScheme}, {"CDPORTAIMPFIS", "COM1"}, {"BOUTILTAA", false}});
    const bool started = MDX_OP(StartImpFiscal)(params);
    mdx::InstallHostServices(previous);
    auto* entry = static_cast<TSwedaEnviaComando*>(libraries.PackageSymbol("SwedaEnviaComando"));
    if (!started || !entry || !*entry) return "StartImpFiscal failed";
    bench::CountingLink::Install(*entry);
    return "";
  }();
  return error;
}

// Runs the day; "" when every operation went through, else the first that
// did not and the printer's last reply.
AnsiString RunDay(DayInput& in, bench::BenchHost& host) {
  const AnsiString& reply = *static_cast<AnsiString*>(bench::Load().PackageSymbol("SwedaRet"));
  auto failed = [&](const char* what) { return AnsiString(what) + " failed (" + reply + ")"; };

  TClientDataSet rates, totalizers;
  TClientDataSet* ratesOut = &rates;
  TClientDataSet* totalizersOut = &totalizers;
  MDX_OP(CarregaAliquota)(kScheme, ratesOut);
  AnsiString cv, card, creditIndex, cancelIndex, spare;
  MDX_OP(CarregaTotalizador)(cv, card, creditIndex, cancelIndex, spare, kScheme, 0, totalizersOut);

  auto open = MDX_OP(AbreCupom);
  auto sell = MDX_OP(VendaItem);
  auto close = MDX_OP(FechaCupom);
  for (size_t s = 0; s < in.openings.size(); ++s) {
    if (!open(in.openings[s])) return failed("AbreCupom");
    for (int l = 0; l < kItemsPerSale; ++l)
      if (!sell(in.items[s * kItemsPerSale + size_t(l)])) return failed("VendaItem");
    mdx::OleVariant result = mdx::VarArrayOf({"", "", "", ""});
    std::vector<Variant>& closing = in.closings[s];
    if (!close(closing.data(), int(closing.size()) - 1, nullptr, result)) return failed("FechaCupom");
  }
  for (int m = 0; m < kMovements; ++m) {
    const bool ok = m % 2 ? MDX_OP(Sangria)("", kScheme, 20.0) : MDX_OP(Suprimento)("", kScheme, 50.0);
    if (!ok) return failed(m % 2 ? "Sangria" : "Suprimento");
  }
  if (!MDX_OP(Leitura_X_Imp)("key", "", kScheme, "")) return failed("Leitura_X_Imp");

  AnsiString couponNumber;
  bool reportOpen = true;
  MDX_OP(Relatorio_Produto)("", "", "", "", "", couponNumber, in.products.get(), "N", "S", kScheme, reportOpen);
  if (couponNumber.empty()) return failed("Relatorio_Produto");

  // The capture reads the tax rates loaded just before it.
  ratesOut = &rates;
  MDX_OP(CarregaAliquota)(kScheme, ratesOut);
  host.answers = {false, true, true};  // do not reopen; confirm the Z; print the reports
  TClientDataSet* r = in.zReduction.get();
  TClientDataSet* p = in.zPayments.get();
  TClientDataSet* t = in.zTaxes.get();
  TClientDataSet* n = in.zTotalizers.get();
  bool captured = false;
  AnsiString documentNumber;
  MDX_OP(GeraReciboSangria)("", "key", "", "", "0001", 0, documentNumber, in.amounts.get(),
                            in.withdrawals.get(), in.products.get(), in.people.get(),
                            in.movementTotals.get(), in.movements.get(), in.salesTotals.get(),
                            in.credit.get(), 0, true, true, false, r, p, t, n, captured,
                            in.receiptTypes.get(), "N", "S", "N", "N", kScheme, false, false, true, "", "");
  if (!captured || in.zReduction->RecordCount() != 1) return failed("GeraReciboSangria (Z capture)");
  if (!MDX_OP(Reducao_Z_Imp)("key", "", kScheme, "")) return failed("Reducao_Z_Imp");
  return "";
}

void BM_TillDay(benchmark::State& state) {
  static bench::BenchHost host("mdx_till_day_bench");
  const AnsiString error = OpenSession(host);
  if (!error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  mdx::HostServices* previous = mdx::InstallHostServices(&host);
  auto restart = reinterpret_cast<void* (*)()>(bench::Load().SerialSymbol("Sersweda_RestartVirtualPrinter"));
  const int sales = int(state.range(0));
  DayInput in;
  bench::WireCount day;
  double cpu = 0;
  int64_t days = 0;
  size_t refusals = 0;
  double grossSales = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Prepare(in, sales);
    if (restart) restart();  // a fresh printer: a new day
    host.ClearLog();
    bench::CountingLink::Count() = {};
    const double cpuStart = bench::ProcessCpuSeconds();
    state.ResumeTiming();

    const AnsiString failure = RunDay(in, host);

    state.PauseTiming();
    cpu += bench::ProcessCpuSeconds() - cpuStart;
    const bench::WireCount& count = bench::CountingLink::Count();
    day.exchanges += count.exchanges;
    day.sentBytes += count.sentBytes;
    day.receivedBytes += count.receivedBytes;
    day.printerSeconds += count.printerSeconds;
    ++days;
    refusals = host.LogLinesWith("ERRO!!!");
    grossSales = in.zReduction->FieldByName("VRVENBRUREDZ").AsFloat();
    state.ResumeTiming();
    if (!failure.empty()) {
      state.SkipWithError(failure.c_str());
      break;
    }
  }
  mdx::InstallHostServices(previous);
  if (days == 0) return;
  const double perDay = 1.0 / double(days);
  const double bytes = double(day.Bytes()) * perDay;
  const double packageCpu = (cpu - day.printerSeconds) * perDay;
  state.counters["exchanges"] = double(day.exchanges) * perDay;
  state.counters["wire_bytes"] = bytes;
  state.counters["wire_s_9600"] = bytes * 10 / 9600;
  state.counters["wire_s_115200"] = bytes * 10 / 115200;
  state.counters["cpu_s"] = cpu * perDay;
  state.counters["printer_s"] = day.printerSeconds * perDay;
  state.counters["package_cpu_s"] = packageCpu;
  state.counters["package_share_115200_pct"] = packageCpu / (bytes * 10 / 115200) * 100;
  state.counters["package_share_9600_pct"] = packageCpu / (bytes * 10 / 9600) * 100;
  // What the last day's Z capture holds, and the refusals in its log: a
  // check that the day really ran.
  state.counters["z_gross_sales"] = grossSales;
  state.counters["refused"] = double(refusals);
  state.counters["peak_rss_mb"] = bench::PeakResidentMegabytes();
}

BENCHMARK(BM_TillDay)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
