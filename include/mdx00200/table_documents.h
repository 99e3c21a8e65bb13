// Restaurant documents: table and tab conference, table opening, opening
// report, open tables and tabs, transferred products.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

}  // namespace Mdx00200
