// What the Z-capture tests share: ExportRedZ and CarregaAliquota by name, the
// host's receipt types and four result datasets, and their rows as texts.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "mdx00200/dataset.h"
#include "support/loaded_package.h"

namespace mdx::test {

using ExportRedZFn = bool (*)(const AnsiString&, const AnsiString&, const AnsiString&, int,
                              TClientDataSet*, TClientDataSet*&, TClientDataSet*&, TClientDataSet*&,
                              TClientDataSet*&);
using CarregaAliquotaFn = void (*)(const AnsiString&, TClientDataSet*&);

// The host's datasets of one capture: what it passes in, what it gets back.
struct ZData {
  TClientDataSet reduction;
  TClientDataSet payments;
  TClientDataSet taxes;
  TClientDataSet totalizers;
};

// Host receipt types: (CDFPIMPFIS, CDTIPORECE) pairs.
inline void SetReceiptTypes(TClientDataSet& ds,
                            std::initializer_list<std::pair<const char*, const char*>> rows) {
  ds.Close();
  ds.FieldDefs().Clear();
  ds.FieldDefs().Add("CDTIPORECE", ftString, 3);
  ds.FieldDefs().Add("CDFPIMPFIS", ftString, 10);
  ds.CreateDataSet();
  for (const auto& [position, type] : rows) {
    ds.Append();
    ds.FieldByName("CDFPIMPFIS").SetAsString(position);
    ds.FieldByName("CDTIPORECE").SetAsString(type);
    ds.Post();
  }
}

// CarregaAliquota into a scratch dataset: the printer's rates in cdsAliqImpFis.
inline void LoadTaxRates(const LoadedPackage& package) {
  TClientDataSet rates;
  TClientDataSet* host = &rates;
  package.Op<CarregaAliquotaFn>("CarregaAliquota")("001", host);
}

inline bool CaptureZ(const LoadedPackage& package, TClientDataSet& receiptTypes, ZData& z,
                     const AnsiString& ecfNumber = "0007") {
  TClientDataSet* reduction = &z.reduction;
  TClientDataSet* payments = &z.payments;
  TClientDataSet* taxes = &z.taxes;
  TClientDataSet* totalizers = &z.totalizers;
  return package.Op<ExportRedZFn>("ExportRedZ")("x", "001", ecfNumber, 9, &receiptTypes, reduction,
                                                payments, taxes, totalizers);
}

// The rows of a dataset, each the listed fields as texts, in dataset order.
inline std::vector<std::vector<AnsiString>> Rows(TClientDataSet& ds,
                                                 std::initializer_list<const char*> fields) {
  std::vector<std::vector<AnsiString>> rows;
  if (!ds.Active()) return rows;
  for (ds.First(); !ds.Eof(); ds.Next()) {
    std::vector<AnsiString>& row = rows.emplace_back();
    for (const char* field : fields) row.push_back(ds.FieldByName(field).AsString());
  }
  return rows;
}

// A dataset the host passes with one row of its own, to see whether the
// capture replaced it.
inline void MarkWithOwnRow(TClientDataSet& ds) {
  ds.Close();
  ds.FieldDefs().Clear();
  ds.FieldDefs().Add("NRECFREDZ", ftString, 4);
  ds.CreateDataSet();
  ds.Append();
  ds.FieldByName("NRECFREDZ").SetAsString("OWN");
  ds.Post();
}

inline bool HoldsOwnRow(TClientDataSet& ds) {
  return Rows(ds, {"NRECFREDZ"}) == std::vector<std::vector<AnsiString>>{{"OWN"}};
}

}  // namespace mdx::test
