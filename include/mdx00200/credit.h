// Consumer credit and debit: sale receipts, personal-credit purchase and
// cancellation, balances and statements.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

}  // namespace Mdx00200
