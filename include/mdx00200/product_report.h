// The product report: the products sold, plain or grouped by tax rate.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// Prints the products of `products` as a management report, one line per
// product (code, name, quantity, total) and the sums of surcharges,
// discounts, quantities and values. `confirmMode` "N" prints at once, "S"
// asks first (kind 1, options "N"/"S"), anything else does nothing.
// `grouped` "S" sorts by the dataset's index "idxTributacao" (by tax type
// and rate when the dataset defines no such index), heads each tax group
// and ends with the total per group, which is also left in the data
// module's cdsAliqProduto (the products without a rate form one group per
// tax type: substitution, not levied, exempt). When `reportOpen` is false
// on entry the open non-fiscal document is closed first; it becomes true as
// soon as printing starts. `couponNumber` gets the printer's coupon number
// read after the open. A refused open prints nothing; a refused title
// closes the report. The products are copied into cdsProdVend first: a
// null or closed dataset or a missing field raises EDatabaseError before
// anything is sent, and an error while the lines print (a value that does
// not convert) closes the report and then reaches the caller. Linear in
// the number of products. The first five texts are not read.
MDX_API void Relatorio_Produto(const AnsiString& unused1, const AnsiString& unused2,
                               const AnsiString& unused3, const AnsiString& unused4,
                               const AnsiString& unused5, AnsiString& couponNumber,
                               TClientDataSet* products, const AnsiString& confirmMode,
                               const AnsiString& grouped, const AnsiString& scheme,
                               bool& reportOpen);

}  // namespace Mdx00200
