// The caller's data taken into the data module's datasets before a report
// starts, so that data the report cannot use is refused before the printer
// sees anything.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::reports {

// Replaces the content of `target` with the data packet `packet`. Raises
// EDatabaseError naming `operation` when the packet holds no dataset (null or
// empty), and the dataset's own error when it is damaged.
void LoadPacket(TClientDataSet& target, const Variant& packet, const char* operation);

// The same with the data of the caller's dataset `source`, which must be
// given and open.
void CopyDataSet(TClientDataSet& target, TClientDataSet* source, const char* operation);

}  // namespace Mdx00200::reports
