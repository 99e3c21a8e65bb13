// Access to the package's data module from inside the package.
#pragma once

#include "mdx00200/data_module.h"

namespace Mdx00200 {

// The data module, created (and published in dtmSweda200) on first need.
TdtmSweda200& DataModule();

}  // namespace Mdx00200
