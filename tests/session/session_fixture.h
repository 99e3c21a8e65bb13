// SessionTest: PackageTest with the session's entry points in place (as a
// StartImpFiscal in the build folder leaves them) and the session flags
// reset, plus the session operations by their plain names.
#pragma once

#include <utility>
#include <vector>

#include "mdx00200/maker_entry_points.h"
#include "mdx00200/variant.h"
#include "support/package_fixture.h"

namespace mdx::test {

using StartFn = bool (*)(Variant&);
using OpenFn = bool (*)(const Variant&);
using CloseFn = int (*)();
using StopFn = void (*)();

class SessionTest : public PackageTest {
 protected:
  void SetUp() override {
    PackageTest::SetUp();
    Package().Global<void*>("SwedaAbrePorta") = Package().SerialSymbol("AbrePorta");
    Package().Global<void*>("SwedaFechaPorta") = Package().SerialSymbol("FechaPorta");
    ImpFiscalOK() = false;
    ClieUtil() = false;
  }

  // A parameter record of (name, value) pairs.
  static Variant Record(const std::vector<std::pair<AnsiString, Variant>>& pairs) {
    std::vector<Variant> cells;
    for (const auto& [name, value] : pairs) cells.push_back(VarArrayOf({name, value}));
    return Variant::ArrayOf(cells);
  }
  // The record a till passes to StartImpFiscal and AbrePorta.
  static Variant SessionRecord(const AnsiString& port = "COM1", bool selfService = false) {
    return Record({{"CDFILIAL", "0001"},
                   {"CDCAIXA", "001"},
                   {"NRSERIEIMP", "SW0000001"},
                   {"ESQUEMA", "005"},
                   {"CDPORTAIMPFIS", port},
                   {"BOUTILTAA", selfService}});
  }

  bool Start(Variant& record) { return Package().Op<StartFn>("StartImpFiscal")(record); }
  bool Open(const Variant& record) { return Package().Op<OpenFn>("AbrePorta")(record); }
  int Close() { return Package().Op<CloseFn>("FechaPorta")(); }
  void Stop() { Package().Op<StopFn>("StopImpFiscal")(); }

  bool& ImpFiscalOK() { return Package().Global<bool>("boImpFiscalOK"); }
  bool& ClieUtil() { return Package().Global<bool>("boClieUtil"); }
  void*& Entry(const char* name) { return Package().Global<void*>(name); }
};

}  // namespace mdx::test
