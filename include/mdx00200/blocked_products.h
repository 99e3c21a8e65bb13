// The blocked-products report.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// Prints the products blocked for sale in a shop as a management report:
// the shop (NMFILIAL, CDLOJA of the current row of `products`), the time of
// printing, and from the first row on one line per product (CDPRODUTO cut to
// 11, CDPROTECLADO to 13, NMPRODUTO to 17), then a rule and the maker's
// contact line. The dataset is read directly, not copied. SwedaVerifRetorno
// is false while the lines print and true after them. A refused open prints
// nothing and leaves the switch false. Returns the verdict of the close
// (FechRelatGerenc, busy repeat), which is sent in every case: when reading
// the dataset fails, the report is closed, the switch set true and the
// error goes on to the caller. A null `products` raises EDatabaseError
// before anything is sent.
MDX_API bool ImprimeProdBloq(const AnsiString& scheme, TClientDataSet* products);

}  // namespace Mdx00200
