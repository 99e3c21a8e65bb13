// Access to the package's data module from inside the package.
#pragma once

#include "mdx00200/data_module.h"

namespace Mdx00200 {

// The data module, created (and published in dtmSweda200) on first need.
TdtmSweda200& DataModule();

// Closes one of the module's datasets and creates it again, empty, with its
// design-time fields and indexes, whatever structure the last data packet it
// took in gave it. Datasets without design-time fields cannot be recreated
// (EDatabaseError), nor datasets that are not the module's.
void RecreateFromDesign(mdx::TClientDataSet& dataSet);

}  // namespace Mdx00200
