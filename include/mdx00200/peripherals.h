// Devices and clock: drawer, cutter, summer time, cheques, bar codes.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

}  // namespace Mdx00200
