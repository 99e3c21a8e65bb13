// Datasets for the fiscal-menu tests: the printer configuration file, the
// identification data packets and the MD5 list, made with the runtime's
// dataset the way an installation writes them.
#pragma once

#include <utility>
#include <vector>

#include "day/config_file.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"

namespace mdx::test {

inline AnsiString Enciphered(const AnsiString& text) {
  return Criptografa::Cripto(text, Mdx00200::config::kCipherKey);
}

// A dataset of text fields (name, width) with the given rows, open.
inline void FillTexts(TClientDataSet& data, const std::vector<std::pair<AnsiString, int>>& fields,
                      const std::vector<std::vector<AnsiString>>& rows) {
  for (const auto& [name, width] : fields) data.FieldDefs().Add(name, ftString, width);
  data.CreateDataSet();
  for (const std::vector<AnsiString>& row : rows) {
    data.Append();
    for (size_t i = 0; i < row.size(); ++i) data.FieldByName(fields[i].first).SetAsString(row[i]);
    data.Post();
  }
}

// "Vendora.cds" with one record: the serial number and the MD5 digest of
// the file list, both enciphered.
inline void WriteConfigFile(const AnsiString& path, const AnsiString& serial,
                            const AnsiString& md5 = "") {
  TClientDataSet data;
  FillTexts(data, {{"CDFILIAL", 4}, {"CDCAIXA", 3}, {"NRSERIEECF", 40}, {"MD5ARQUIVOTXT", 64}},
            {{"0001", "001", Enciphered(serial), Enciphered(md5)}});
  data.SaveToFile(path);
}

}  // namespace mdx::test
