// The table of the package's exported operations the console can call.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "operation.h"

namespace mdxconsole {

struct OperationEntry {
  std::string name;    // as scripts name it
  std::string symbol;  // the exported name: the plain name, or the C++ name
                       // of the helpers exported only that way
  std::unique_ptr<Operation> op;
};

// Every operation of the package's headers, in the headers' order.
const std::vector<OperationEntry>& Operations();
// nullptr when the name is unknown (names are case-sensitive).
const OperationEntry* FindOperation(const std::string& name);

}  // namespace mdxconsole
