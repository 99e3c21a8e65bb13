#include "credit/sale_receipt_text.h"

#include "coupon/footer_balances.h"
#include "credit/credit_lines.h"
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"
#include "reports/report_format.h"

namespace Mdx00200::credit {

namespace {

// The family's name: from cdsSaldCred when it carries names, else from the
// family's row of cdsFamiliaSaldo; "" when neither has it.
AnsiString FamilyName(TClientDataSet& credit, const mdx::Variant& family) {
  if (mdx::TField* name = credit.FindField("NMFAMILISALD")) return name->AsString();
  TClientDataSet& families = *DataModule().cdsFamiliaSaldo;
  if (!families.Active() || !families.FindField("CDFAMILISALD") ||
      !families.FindField("NMFAMILISALD") || !families.Locate("CDFAMILISALD", family)) {
    return "";
  }
  return families.FieldByName("NMFAMILISALD").AsString();
}

}  // namespace

std::vector<AnsiString> ProductLines(TClientDataSet& products) {
  mdx::TField& printerCode = products.FieldByName("CDPRODIMPFIS");
  mdx::TField& hostCode = products.FieldByName("CDARVPROD");
  mdx::TField& name = products.FieldByName("NMPRODUTO");
  mdx::TField& quantity = products.FieldByName("QTPRODCOMVEN");
  mdx::TField& price = products.FieldByName("VRPRECCOMVEN");
  std::vector<AnsiString> lines;
  for (products.First(); !products.Eof(); products.Next()) {
    const AnsiString code = Consiste::EmptyString(printerCode.AsString()) ? hostCode.AsString()
                                                                          : printerCode.AsString();
    const double q = quantity.AsFloat();
    const double p = price.AsFloat();
    const AnsiString left = Cut(code, 20) + " " + Cut(name.AsString(), 12) + "  " +
                            mdx::FormatFloat("0.00#", q);
    lines.push_back(Consiste::TamFixo(left, 30) + "  " +
                    AmountColumn(mdx::FormatFloat("0.00", p), 8) +
                    AmountColumn(mdx::FormatFloat("0.00", Consiste::Trunc2(q * p)), 8));
  }
  return lines;
}

AnsiString PasswordText(const AnsiString& password) {
  if (password.empty()) return "";
  return Msg("SEN_PED") + password + "\r\n";
}

AnsiString FamilyBalanceLines() {
  TClientDataSet& credit = *DataModule().cdsSaldCred;
  AnsiString text;
  if (!credit.Active()) return text;
  mdx::TField& family = credit.FieldByName("CDFAMILISALD");
  mdx::TField& balance = credit.FieldByName("VRSALDCONFAM");
  for (credit.First(); !credit.Eof(); credit.Next()) {
    if (balance.AsFloat() == 0) continue;
    const double amount = coupon::FamilyBalance(family.Value(), balance.AsFloat());
    text += Consiste::TamFixo(FamilyName(credit, family.Value()), 25) +
            AmountColumn(reports::Fixed(amount, 2), 22) + kLf;
  }
  return text;
}

}  // namespace Mdx00200::credit
