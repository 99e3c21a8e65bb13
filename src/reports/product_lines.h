// The lines of the product report: column header, one line per product and
// the totals, 51 characters wide.
#pragma once

#include "mdx00200/dataset_field.h"
#include "mdx00200/mdx00200.h"

namespace Kor_msg {
class TMessages;
}

namespace Mdx00200::reports {

inline constexpr int kProductLineWidth = 51;

// The product fields of the report's dataset, found once before the walk so
// that a missing field is reported before anything is printed. The rate and
// the tax type are looked up only when `byTax`.
struct ProductFields {
  ProductFields(TClientDataSet& products, bool byTax);

  mdx::TField* fiscalCode;  // CDPRODIMPFIS
  mdx::TField* code;        // CDPRODUTO
  mdx::TField* name;        // NMPRODUTO
  mdx::TField* quantity;    // QTPRODVEND
  mdx::TField* total;       // VRTOTAL
  mdx::TField* surcharge;   // VRACRE
  mdx::TField* discount;    // VRDESC
  mdx::TField* rate = nullptr;     // VRPEALIMPFIS
  mdx::TField* taxType = nullptr;  // IDTPIMPOSFIS
};

// The sums of the rows printed so far.
struct ProductSums {
  double value = 0;
  double surcharge = 0;
  double discount = 0;
  double quantity = 0;

  void Add(const ProductFields& row);
};

// "CODIGO" in 15, "NOME" in 20, "QTDE" right in 6, "VLR.TOT." right in 10.
AnsiString ProductHeader(const Kor_msg::TMessages& messages);

// The current row: the printer's code (or CDPRODUTO when that is empty) in
// 14, a blank, the name in 19, a blank, the quantity right in 6 and the total
// right in 10.
AnsiString ProductLine(const ProductFields& row);

// "Total de Acréscimos" in 38 and the surcharge sum right in 13.
AnsiString SurchargeTotalLine(const Kor_msg::TMessages& messages, const ProductSums& sums);
// "Total de Descontos" in 38 and the discount sum right in 13.
AnsiString DiscountTotalLine(const Kor_msg::TMessages& messages, const ProductSums& sums);
// "VALOR" in 32, the quantity sum right in 9, the value sum right in 10.
AnsiString ValueTotalLine(const Kor_msg::TMessages& messages, const ProductSums& sums);

}  // namespace Mdx00200::reports
