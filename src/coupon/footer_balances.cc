#include "coupon/footer_balances.h"

#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"

namespace Mdx00200::coupon {

using mdx::TClientDataSet;

namespace {

constexpr int kFamilyLines = 2;

// The value field of the row whose key fields hold `key`; false when the
// dataset holds no data, lacks a field, or has no such row.
bool FindAmount(TClientDataSet& ds, const AnsiString& keyFields, const Variant& key,
                const char* valueField, double& amount) {
  if (!ds.Active() || !ds.FindField(valueField)) return false;
  size_t start = 0;
  while (start <= keyFields.size()) {
    size_t end = keyFields.find(';', start);
    if (end == AnsiString::npos) end = keyFields.size();
    if (!ds.FindField(keyFields.substr(start, end - start))) return false;
    start = end + 1;
  }
  if (!ds.Locate(keyFields, key)) return false;
  amount = ds.FieldByName(valueField).AsFloat();
  return true;
}

}  // namespace

double FamilyBalance(const Variant& family, double balance) {
  TdtmSweda200& dm = DataModule();
  auto loan = [&](const char* kind, double& amount) {
    return FindAmount(*dm.cdsEmprestimo, "CDFAMILISALD;IDTPMOVEXT",
                      mdx::VarArrayOf({family, kind}), "VRMOVEXTCONS", amount);
  };
  double amount = 0;
  if (FindAmount(*dm.cdsFamiliaSaldo, "CDFAMILISALD", family, "VRSALDCONFAM", amount)) {
    balance -= amount;
    if (loan("D", amount)) {
      balance -= amount;
    } else if (loan("C", amount)) {
      balance += amount;
    }
  } else if (loan("D", amount)) {
    balance -= amount;
  }
  return balance;
}

double CreditBalanceSum() {
  TClientDataSet& credit = *DataModule().cdsSaldCred;
  double sum = 0;
  if (!credit.Active()) return sum;
  for (credit.First(); !credit.Eof(); credit.Next())
    sum += credit.FieldByName("VRSALDCONFAM").AsFloat();
  return sum;
}

double ConsumerBalance(const ClosingState& s) {
  const ClosingParams& p = s.p;
  if (p.balanceKind == "0" && p.creditKind == "1") return CreditBalanceSum() - s.creditTotal;
  if ((p.balanceKind == "0" && p.creditKind == "2") || p.balanceKind == "1")
    return p.balanceBefore - s.creditTotal + p.subsidy;
  return 0;
}

bool ShowsConsumerBalance(const ClosingParams& p) {
  return !p.consumerCode.empty() && p.balanceKind != "2" &&
         (p.creditKind == "1" || p.creditKind == "2");
}

std::vector<AnsiString> FamilyLines() {
  std::vector<AnsiString> lines;
  TClientDataSet& credit = *DataModule().cdsSaldCred;
  if (!credit.Active()) return lines;
  credit.First();
  for (int i = 0; i < kFamilyLines && !credit.Eof(); ++i, credit.Next()) {
    const double balance = FamilyBalance(credit.FieldByName("CDFAMILISALD").Value(),
                                         credit.FieldByName("VRSALDCONFAM").AsFloat());
    lines.push_back(Consiste::TamFixo(credit.FieldByName("NMFAMILISALD").AsString(), 20) +
                    Consiste::TamFixoR(mdx::FloatToStrF(balance, mdx::ffFixed, 15, 2), 20));
  }
  return lines;
}

}  // namespace Mdx00200::coupon
