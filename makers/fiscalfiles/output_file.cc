#include "fiscalfiles/output_file.h"

#include <exception>

#include "mdx00200/platform.h"

namespace mdx::fiscalfiles {

Code WriteOutput(const char* path, const std::string& bytes, Code failure) {
  if (!path || !*path) return failure;
  try {
    platform::WriteFileAtomically(path, bytes);
  } catch (const std::exception&) {
    return failure;
  }
  return kOk;
}

}  // namespace mdx::fiscalfiles
