// Exporting the entry points of the fiscal-file libraries, and running their
// bodies so that nothing escapes as an exception: a till calling through a C
// interface cannot catch it.
#pragma once

#include <cstdio>
#include <exception>

#include "fiscalfiles/result_codes.h"
#include "mdx00200/export.h"

#ifdef _WIN32
#define FISCALFILES_EXPORT extern "C" __declspec(dllexport)
#else
#define FISCALFILES_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace mdx::fiscalfiles {

// Runs body(); an exception is written to stderr under the library's and the
// entry's names and answers kFailed.
template <typename Result, typename Body>
Result Guarded(const char* library, const char* entry, Body body) {
  const char* what = "unknown error";
  try {
    return body();
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  std::fprintf(stderr, "%s: %s failed: %s\n", library, entry, what);
  std::fflush(stderr);
  return static_cast<Result>(kFailed);
}

}  // namespace mdx::fiscalfiles
