#include "reports/tax_groups.h"

#include "mdx00200/dataset.h"
#include "mdx00200/messages.h"
#include "mdx00200/number_format.h"
#include "reports/report_format.h"

namespace Mdx00200::reports {

namespace {

// The catalogue key of a tax type without a rate, or nullptr.
const char* UnratedKey(const AnsiString& taxType) {
  if (taxType == "F") return "SubTrib";
  if (taxType == "N") return "NIncide";
  if (taxType == "I") return "Isento";
  return nullptr;
}

}  // namespace

AnsiString TaxGroupKey(double rate, const AnsiString& taxType) {
  return rate == 0 ? "0|" + taxType : mdx::FloatToStr(rate);
}

AnsiString TaxGroupHeading(const Kor_msg::TMessages& messages, double rate,
                           const AnsiString& taxType) {
  if (rate != 0) return messages.Msg("TRIBUTACAO") + "  " + Fixed(rate, 2);
  const char* key = UnratedKey(taxType);
  return key ? messages.Msg(key) : AnsiString();
}

AnsiString TaxGroupLabel(const Kor_msg::TMessages& messages, double rate,
                         const AnsiString& taxType) {
  const char* key = rate == 0 ? UnratedKey(taxType) : nullptr;
  return key ? messages.Msg(key) : Fixed(rate, 2);
}

void TaxGroupTotals::Add(const AnsiString& key, double rate, const AnsiString& taxType,
                         double value) {
  auto [at, added] = byKey_.try_emplace(key, groups_.size());
  if (added) groups_.push_back({rate, taxType, 0});
  groups_[at->second].total += value;
}

void TaxGroupTotals::WriteTo(TClientDataSet& totals) const {
  EmptyTaxTotals(totals);
  mdx::TField& rate = totals.FieldByName("VRPERCSITTRIB");
  mdx::TField& total = totals.FieldByName("VRTOTALALIQ");
  mdx::TField& taxType = totals.FieldByName("IDTPIMPOSFIS");
  for (const Group& group : groups_) {
    totals.Append();
    rate.SetAsFloat(group.rate);
    total.SetAsFloat(group.total);
    taxType.SetAsString(group.taxType);
    totals.Post();
  }
}

void EmptyTaxTotals(TClientDataSet& totals) {
  if (totals.Active()) {
    totals.EmptyDataSet();
  } else {
    totals.CreateDataSet();
  }
}

}  // namespace Mdx00200::reports
