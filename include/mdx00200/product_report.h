// The product report: the products sold, plain or grouped by tax rate.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// Prints the products of `products` as a management report. `confirmMode`
// "N" prints at once, "S" asks first, anything else does nothing. `grouped`
// "S" groups the products by tax rate (the dataset's index "idxTributacao").
// When `reportOpen` is false on entry the open non-fiscal document is closed
// first; it becomes true as soon as printing starts. `couponNumber` gets the
// printer's coupon number read after the open. The first five texts are not
// read.
MDX_API void Relatorio_Produto(const AnsiString& unused1, const AnsiString& unused2,
                               const AnsiString& unused3, const AnsiString& unused4,
                               const AnsiString& unused5, AnsiString& couponNumber,
                               TClientDataSet* products, const AnsiString& confirmMode,
                               const AnsiString& grouped, const AnsiString& scheme,
                               bool& reportOpen);

}  // namespace Mdx00200
