// till_host: the smallest till. It loads the package by name, installs its
// HostServices, starts a session against the printer behind the serial
// library (the virtual printer of the substitute), sells one item, closes
// the coupon paid in cash and prints what came of each step.
//
//   till_host [FOLDER]
//
// FOLDER is the till's folder (default: the executable's). Exit status 0
// when the sale went through, 1 when a step failed, 2 when the package
// cannot be loaded.
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "mdx00200/dataset.h"
#include "mdx00200/mdx00200.h"
#include "mdx00200/platform.h"
#include "package.h"
#include "till_services.h"

namespace {

using mdx::AnsiString;
using mdx::Variant;

// A parameter record: (name, value) pairs.
Variant Record(std::initializer_list<std::pair<const char*, Variant>> pairs) {
  std::vector<Variant> items;
  for (const auto& [name, value] : pairs) items.push_back(mdx::VarArrayOf({name, value}));
  return Variant::ArrayOf(items);
}

Variant Value(const Variant& record, const char* name) {
  for (int i = record.LowBound(); i <= record.HighBound(); ++i)
    if (record[i][0].AsString() == name) return record[i][1];
  return Variant();
}

// The host's payment methods: "001" cash, at the printer's position 01.
Variant PaymentMethods() {
  mdx::TClientDataSet methods;
  methods.FieldDefs().Add("CDTIPORECE", mdx::ftString, 3);
  methods.FieldDefs().Add("NMTIPORECE", mdx::ftString, 40);
  methods.FieldDefs().Add("CDFPIMPFIS", mdx::ftString, 10);
  methods.FieldDefs().Add("IDTIPORECE", mdx::ftString, 1);
  methods.CreateDataSet();
  methods.Append();
  methods.FieldByName("CDTIPORECE").SetAsString("001");
  methods.FieldByName("NMTIPORECE").SetAsString("Dinheiro");
  methods.FieldByName("CDFPIMPFIS").SetAsString("01");
  methods.FieldByName("IDTIPORECE").SetAsString("1");
  methods.Post();
  return methods.Data();
}

// The sale's cash movements: one entry ("E") of `amount` in method "001".
Variant Movements(double amount) {
  mdx::TClientDataSet movements;
  mdx::TFieldDefs& defs = movements.FieldDefs();
  defs.Add("IDTIPOMOVIVE", mdx::ftString, 1);
  defs.Add("DTHRINCMOV", mdx::ftDateTime);
  defs.Add("CDTIPORECE", mdx::ftString, 3);
  defs.Add("NMTIPORECE", mdx::ftString, 40);
  defs.Add("IDTIPORECE", mdx::ftString, 1);
  defs.Add("VRMOVIVEND", mdx::ftFloat);
  defs.Add("NRORDTROCO", mdx::ftString, 3);
  defs.Add("CDFPIMPFIS", mdx::ftString, 10);
  defs.Add("CDBANCARTCR", mdx::ftString, 10);
  defs.Add("CDTIPORECEORIG", mdx::ftString, 3);
  movements.CreateDataSet();
  movements.Append();
  movements.FieldByName("IDTIPOMOVIVE").SetAsString("E");
  movements.FieldByName("DTHRINCMOV").SetAsDateTime(mdx::Now());
  movements.FieldByName("CDTIPORECE").SetAsString("001");
  movements.FieldByName("NMTIPORECE").SetAsString("Dinheiro");
  movements.FieldByName("IDTIPORECE").SetAsString("1");
  movements.FieldByName("VRMOVIVEND").SetAsFloat(amount);
  movements.FieldByName("NRORDTROCO").SetAsString("1");
  movements.Post();
  return movements.Data();
}

// The positional list of FechaCupom: every element the closing reads, of
// the kind it reads; the sale's own values at 1, 2, 13, 14, 22, 23.
std::vector<Variant> ClosingList(const AnsiString& scheme, double paid) {
  std::vector<Variant> list(61);
  for (int i : {0, 1, 9, 10, 15, 16, 17, 18, 19, 20, 21, 27, 31, 35, 36, 40, 43, 44}) list[i] = "";
  for (int i : {6, 7, 8, 37, 38, 51, 52, 54, 58}) list[i] = 0.0;
  list[1] = "OBRIGADO, VOLTE SEMPRE";
  list[2] = scheme;
  list[4] = false;  // no change voucher
  list[11] = false;  // no TEF
  list[13] = Movements(paid);
  list[14] = PaymentMethods();
  list[22] = "1";
  list[23] = "Caixa 1";
  list[32] = Variant::Null();
  list[33] = Variant::Null();
  list[34] = Variant::Null();
  list[60] = true;
  return list;
}

int Fail(till::Package& package, const char* step) {
  const AnsiString* reply = package.Global<AnsiString>("SwedaRet");
  std::printf("%s failed (printer reply \"%s\")\n", step, reply ? reply->c_str() : "?");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  AnsiString folder = argc > 1 ? mdx::platform::IncludeTrailingPathDelimiter(argv[1])
                               : mdx::platform::ExecutableDirectory();
  till::TillServices services(folder);
  mdx::InstallHostServices(&services);

  till::Package package;
  if (!package.Loaded()) {
    std::fprintf(stderr, "till_host: %s\n", package.Error().c_str());
    return 2;
  }
  auto start = package.Operation<decltype(&Mdx00200::StartImpFiscal)>("StartImpFiscal");
  auto open = package.Operation<decltype(&Mdx00200::AbreCupom)>("AbreCupom");
  auto sell = package.Operation<decltype(&Mdx00200::VendaItem)>("VendaItem");
  auto close = package.Operation<decltype(&Mdx00200::FechaCupom)>("FechaCupom");
  auto closePort = package.Operation<decltype(&Mdx00200::FechaPorta)>("FechaPorta");
  bool* sessionOk = package.Global<bool>("boImpFiscalOK");
  if (!start || !open || !sell || !close || !closePort || !sessionOk) {
    std::fprintf(stderr, "till_host: %s\n", package.Error().c_str());
    return 2;
  }

  const AnsiString scheme = "001";
  Variant session = Record({{"CDFILIAL", "0001"}, {"CDCAIXA", "001"}, {"NRSERIEIMP", "SW0000001"},
                            {"ESQUEMA", scheme}, {"CDPORTAIMPFIS", "COM1"}, {"BOUTILTAA", false}});
  const bool started = start(session);
  std::printf("session: %s, every entry point found: %s\n", started ? "open" : "refused",
              *sessionOk ? "yes" : "no");
  if (!started || !*sessionOk) return Fail(package, "StartImpFiscal");

  Variant coupon = Record({{"ESQUEMACOR", scheme}, {"INTTEFERRO", 0}, {"INCLUICPF", ""},
                           {"INCLUINOME", ""}, {"INCLUIENDERECO", ""}, {"CUPNR", ""},
                           {"CONTCUPOM", ""}, {"IDUTILTEF", "N"}, {"UTILTEF", false}});
  if (!open(coupon)) return Fail(package, "AbreCupom");
  std::printf("coupon %s opened\n", Value(coupon, "CUPNR").AsString().c_str());

  // 2 x 3,50 under the rate T01.
  Variant item = Record({{"ESQUEMACOR", scheme}, {"INTTEFERRO", 0}, {"CDARVPROD", "7891000100103"},
                         {"NMPROD", "CAFE"}, {"CDALIQ", "T01"}, {"QTDE", 2.0}, {"VALOR", 3.5},
                         {"DESCONT", 0.0}, {"UNIDADE", ""}, {"IDUTILTEF", "N"},
                         {"UTILTEF", false}, {"ACRESCIMO", 0.0}});
  if (!sell(item)) return Fail(package, "VendaItem");
  std::printf("item sold: 2 x CAFE at 3,50\n");

  std::vector<Variant> list = ClosingList(scheme, 10.0);
  Variant result = mdx::VarArrayOf({"", "", "", ""});
  if (!close(list.data(), static_cast<int>(list.size()) - 1, nullptr, result))
    return Fail(package, "FechaCupom");
  std::printf("coupon %s closed, paid 10,00\n", result[1].AsString().c_str());

  std::printf("port closed: %d\n", closePort());
  mdx::InstallHostServices(nullptr);
  return 0;
}
