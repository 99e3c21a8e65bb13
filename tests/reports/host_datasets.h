// Small host datasets for the report tests. Fields are "NAME:S20" (text of
// 20), "NAME:F" (float) or "NAME:T" (date-time); rows hold one variant per
// field, in field order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mdx00200/dataset.h"

namespace mdx::test {

inline std::unique_ptr<TClientDataSet> HostDataSet(const std::vector<AnsiString>& fields,
                                                   const std::vector<std::vector<Variant>>& rows) {
  auto dataSet = std::make_unique<TClientDataSet>("cdsHost");
  for (const AnsiString& field : fields) {
    const size_t colon = field.find(':');
    const AnsiString name = field.substr(0, colon);
    const char kind = field[colon + 1];
    if (kind == 'S') {
      dataSet->FieldDefs().Add(name, ftString, std::stoi(field.substr(colon + 2)));
    } else {
      dataSet->FieldDefs().Add(name, kind == 'F' ? ftFloat : ftDateTime);
    }
  }
  dataSet->CreateDataSet();
  for (const std::vector<Variant>& row : rows) {
    dataSet->Append();
    for (size_t i = 0; i < row.size(); ++i) dataSet->Fields(static_cast<int>(i)).SetValue(row[i]);
    dataSet->Post();
  }
  dataSet->First();
  return dataSet;
}

}  // namespace mdx::test
