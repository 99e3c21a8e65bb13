// Small helpers for dataset tests.
#pragma once

#include <string>
#include <vector>

#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"

namespace mdx::test {

// The values of one field over the whole view, in order.
inline std::vector<std::string> Column(TClientDataSet& ds, const std::string& field) {
  std::vector<std::string> values;
  for (ds.First(); !ds.Eof(); ds.Next()) values.push_back(ds.FieldByName(field).AsString());
  return values;
}

// The message of the EDatabaseError that f raises ("" when it raises none).
template <typename F>
std::string DatabaseErrorOf(F&& f) {
  try {
    f();
  } catch (const EDatabaseError& e) {
    return e.what();
  }
  return "";
}

// A dataset of payment methods (a few fields of cdsReceb) with rows given as
// CDTIPORECE, IDTPBUTTON, CDFPIMPFIS ("" for null), DSIMPFISCAL.
struct ReceRow {
  std::string code, button, printer, name;
};

inline void MakeReceb(TClientDataSet& ds, const std::vector<ReceRow>& rows) {
  ds.FieldDefs().Clear();
  ds.FieldDefs().Add("CDTIPORECE", ftString, 3);
  ds.FieldDefs().Add("IDTPBUTTON", ftString, 1);
  ds.FieldDefs().Add("CDFPIMPFIS", ftString, 10);
  ds.FieldDefs().Add("DSIMPFISCAL", ftString, 50);
  ds.CreateDataSet();
  for (const ReceRow& r : rows) {
    ds.Append();
    ds.FieldByName("CDTIPORECE").SetAsString(r.code);
    ds.FieldByName("IDTPBUTTON").SetAsString(r.button);
    ds.FieldByName("CDFPIMPFIS").SetAsString(r.printer);
    ds.FieldByName("DSIMPFISCAL").SetAsString(r.name);
    ds.Post();
  }
}

}  // namespace mdx::test
