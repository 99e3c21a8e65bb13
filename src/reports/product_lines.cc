#include "reports/product_lines.h"

#include "mdx00200/dataset.h"
#include "mdx00200/hostlib.h"
#include "mdx00200/messages.h"
#include "reports/report_format.h"

namespace Mdx00200::reports {

using Consiste::TamFixo;
using Consiste::TamFixoR;

ProductFields::ProductFields(TClientDataSet& products, bool byTax)
    : fiscalCode(&products.FieldByName("CDPRODIMPFIS")),
      code(&products.FieldByName("CDPRODUTO")),
      name(&products.FieldByName("NMPRODUTO")),
      quantity(&products.FieldByName("QTPRODVEND")),
      total(&products.FieldByName("VRTOTAL")),
      surcharge(&products.FieldByName("VRACRE")),
      discount(&products.FieldByName("VRDESC")) {
  if (byTax) {
    rate = &products.FieldByName("VRPEALIMPFIS");
    taxType = &products.FieldByName("IDTPIMPOSFIS");
  }
}

void ProductSums::Add(const ProductFields& row) {
  value += row.total->AsFloat();
  surcharge += row.surcharge->AsFloat();
  discount += row.discount->AsFloat();
  quantity += row.quantity->AsFloat();
}

AnsiString ProductHeader(const Kor_msg::TMessages& messages) {
  return TamFixo(messages.Msg("Codigo"), 15) + TamFixo(messages.Msg("Nome"), 20) +
         TamFixoR(messages.Msg("Qtde_"), 6) + TamFixoR(messages.Msg("Valor2"), 10);
}

AnsiString ProductLine(const ProductFields& row) {
  AnsiString code = row.fiscalCode->AsString();
  if (code.empty()) code = row.code->AsString();
  return TamFixo(code, 14) + " " + TamFixo(row.name->AsString(), 19) + " " +
         AmountRight(row.quantity->AsFloat(), 6) + AmountRight(row.total->AsFloat(), 10);
}

AnsiString SurchargeTotalLine(const Kor_msg::TMessages& messages, const ProductSums& sums) {
  return TamFixo(messages.Msg("Tot_Acre"), 38) + AmountRight(sums.surcharge, 13);
}

AnsiString DiscountTotalLine(const Kor_msg::TMessages& messages, const ProductSums& sums) {
  return TamFixo(messages.Msg("Tot_Desc"), 38) + AmountRight(sums.discount, 13);
}

AnsiString ValueTotalLine(const Kor_msg::TMessages& messages, const ProductSums& sums) {
  return TamFixo(messages.Msg("Valor_"), 32) + AmountRight(sums.quantity, 9) +
         AmountRight(sums.value, 10);
}

}  // namespace Mdx00200::reports
