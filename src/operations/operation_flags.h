// What the console and the C interface need to know of each operation beside
// its declaration: the flags of operation_list.h.
#pragma once

namespace mdxops {

enum OperationFlag : unsigned {
  kNone = 0,
  // Works on the printer session (false for the session's own operations,
  // the helpers, the debug log and the signature).
  kSession = 1u << 0,
  // Its double result is a date.
  kDateResult = 1u << 1,
  // Exported under its C++ name only, not under its plain name.
  kCppName = 1u << 2,
};

}  // namespace mdxops
