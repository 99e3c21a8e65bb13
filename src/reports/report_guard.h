// Printing inside an open report so that a failure never leaves the report
// open: an open management report blocks every later document until it is
// closed.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200::reports {

// Runs print(). When it throws, the lines it left in stAuxTextoMdx200 are
// dropped, close() runs, and the same error goes on to the caller.
template <typename Print, typename Close>
void PrintOrClose(Print&& print, Close&& close) {
  try {
    print();
  } catch (...) {
    stAuxTextoMdx200.clear();
    close();
    throw;
  }
}

}  // namespace Mdx00200::reports
