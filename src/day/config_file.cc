#include "day/config_file.h"

#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"

namespace Mdx00200::config {

namespace {

// A quoted text of the filter language: 'it''s'.
AnsiString Quoted(const AnsiString& value) {
  return "'" + mdx::StringReplaceAll(value, "'", "''") + "'";
}

}  // namespace

AnsiString MainFile(const AnsiString& directory) { return directory + "Vendora.cds"; }

AnsiString FallbackFile(const AnsiString& directory, const AnsiString& till,
                        const AnsiString& branch) {
  return directory + "kor" + till + branch + ".cds";
}

bool Load(mdx::TClientDataSet& dataSet, const AnsiString& mainFile,
          const AnsiString& fallbackFile) {
  // A filter left on by an earlier call must not judge the new file at opening.
  dataSet.SetFiltered(false);
  try {
    dataSet.LoadFromFile(mainFile);
    return false;
  } catch (const mdx::Exception&) {
    dataSet.LoadFromFile(fallbackFile);
    return true;
  }
}

AnsiString RecordFilter(const AnsiString& branch, const AnsiString& till,
                        const AnsiString& encryptedSerial, bool activeOnly) {
  AnsiString filter = "CDFILIAL = " + Quoted(branch) + " AND CDCAIXA = " + Quoted(till) +
                      " AND NRSERIEECF = " + Quoted(encryptedSerial);
  if (activeOnly) filter += " AND IDSITECFIMPF = " + Quoted("A");
  return filter;
}

void SetWhole(mdx::TField& field, const AnsiString& text) {
  const bool fixedText = field.DataType() == mdx::ftString || field.DataType() == mdx::ftWideString;
  if (fixedText && field.Size() > 0 && text.size() > static_cast<size_t>(field.Size())) {
    throw mdx::EDatabaseError("O valor de " + mdx::IntToStr(static_cast<long long>(text.size())) +
                              " caracteres n\xE3o cabe no campo " + field.FieldName() + " (" +
                              mdx::IntToStr(field.Size()) +
                              " caracteres) do arquivo de configura\xE7\xE3o.");
  }
  field.SetAsString(text);
}

}  // namespace Mdx00200::config
