// The table of the package's operations that the C interface calls by name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "capi/operation.h"

namespace mdxcapi {

struct OperationEntry {
  std::string name;
  std::unique_ptr<Operation> op;
  // False for the operations that work without the printer session (the
  // session's own, the helpers, the debug log, the signature).
  bool needsSession = true;
};

// Every operation of the package's headers, grouped by area.
const std::vector<OperationEntry>& Operations();
// nullptr when the name is unknown (names are case-sensitive).
const OperationEntry* FindOperation(const std::string& name);

}  // namespace mdxcapi
