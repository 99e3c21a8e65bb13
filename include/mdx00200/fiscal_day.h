// The fiscal day and cash: X reading, Z reduction, fiscal-memory reports,
// supply and withdrawal.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

}  // namespace Mdx00200
