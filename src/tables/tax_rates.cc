// CarregaAliquota: the printer's tax rates as rows of cdsAliqImpFis.
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/exceptions.h"
#include "mdx00200/format_settings.h"
#include "mdx00200/number_format.h"
#include "mdx00200/tables.h"
#include "tables/table_read.h"

namespace Mdx00200 {

namespace {

void AddRate(TClientDataSet& rates, const AnsiString& code, double rate, const AnsiString& kind) {
  rates.Insert();
  rates.FieldByName("CDALIQIMPFIS").SetAsString(code);
  rates.FieldByName("VRALIQIMPFIS").SetAsFloat(rate);
  rates.FieldByName("IDALIQIMPFIS").SetAsString(kind);
  rates.Post();
}

}  // namespace

void CarregaAliquota(const AnsiString& scheme, TClientDataSet*& hostDataSet) {
  if (!hostDataSet)
    throw mdx::EDatabaseError("CarregaAliquota: no dataset to receive the tax rates");
  TClientDataSet& rates = *DataModule().cdsAliqImpFis;
  rates.Close();
  rates.CreateDataSet();

  // The pieces come blank-padded; each is trimmed before they are joined.
  const tables::TableRead read = ReadTable(scheme, tables::kTaxRatePieces, tables::kSteadyPacing);
  AnsiString text;
  for (const AnsiString& piece : read.pieces) text += mdx::Trim(piece);

  const AnsiString separator(1, mdx::FormatSettings().DecimalSeparator);
  for (const tables::TaxRateEntry& entry : tables::SplitTaxRates(text)) {
    const double rate = mdx::StrToFloat(entry.whole + separator + entry.hundredths);
    AddRate(rates, entry.code, rate, entry.code.substr(0, 1));
  }
  AddRate(rates, "N", 0, "N");
  AddRate(rates, "I", 0, "I");
  AddRate(rates, "F", 0, "F");

  hostDataSet->SetData(rates.Data());
}

}  // namespace Mdx00200
